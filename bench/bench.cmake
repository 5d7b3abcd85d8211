find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(report_bench bench/report_bench.cpp)
  target_link_libraries(report_bench PRIVATE ombrix_report benchmark::benchmark)
endif()

# Floors for the whole-process measurements of scripts/bench.
add_executable(trivial_program bench/trivial.cpp)
if(NOT WIN32)
  add_executable(minimal_dialog bench/minimal_dialog.cpp)
  target_link_libraries(minimal_dialog PRIVATE Qt6::Widgets)
endif()
