add_library(ombrix_report STATIC
  report/compose_report.cpp
  report/core_sections.cpp
  report/reduce.cpp)
target_link_libraries(ombrix_report PUBLIC ombrix_date ombrix_tables)
