# ombrix-report and the JSON of a reading, which the tests link as well.
add_library(ombrix_cli STATIC cli/json_text.cpp cli/reading_json.cpp)
target_link_libraries(ombrix_cli PUBLIC ombrix_report ombrix_text)

add_executable(ombrix-report cli/ombrix_report.cpp)
target_link_libraries(ombrix-report PRIVATE ombrix_cli ombrix_text ombrix_version)
install(TARGETS ombrix-report RUNTIME DESTINATION bin)
