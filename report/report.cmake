add_library(ombrix_report STATIC
  report/apogees.cpp
  report/birthday_gift.cpp
  report/calendar.cpp
  report/challenges.cpp
  report/core_sections.cpp
  report/cycles.cpp
  report/grid.cpp
  report/meaning.cpp
  report/previous_life.cpp
  report/reduce.cpp
  report/report.cpp)
target_link_libraries(ombrix_report PUBLIC ombrix_date ombrix_tables)
