# ombrix-report and the JSON of a reading, which the tests link as well.
add_library(ombrix_cli STATIC cli/json_text.cpp cli/reading_json.cpp)
target_link_libraries(ombrix_cli PUBLIC ombrix_report ombrix_text)

add_executable(ombrix-report cli/ombrix_report.cpp)
target_link_libraries(ombrix-report PRIVATE ombrix_cli ombrix_text ombrix_version)
if(WIN32)
  # Unicode arguments, and Unicode for a console.
  target_sources(ombrix-report PRIVATE cli/windows_console.cpp)
  target_link_libraries(ombrix-report PRIVATE shell32)
endif()
install(TARGETS ombrix-report RUNTIME DESTINATION bin)
