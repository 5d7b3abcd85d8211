add_executable(ombrix-report cli/ombrix_report.cpp)
target_link_libraries(ombrix-report PRIVATE ombrix_report ombrix_version)
install(TARGETS ombrix-report RUNTIME DESTINATION bin)
