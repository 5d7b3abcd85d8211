add_library(ombrix_date STATIC date/birth_date.cpp date/month_field.cpp)
target_link_libraries(ombrix_date PUBLIC ombrix_tables)
