# The web page's measurements (scripts/web --bench): the page with a module
# that does nothing, as the floor of its times, and the composing of a
# report inside the browser.
set(OMBRIX_WEB_BENCH ${CMAKE_CURRENT_BINARY_DIR}/bench)
add_executable(ombrix_empty_module bench/web_empty_entry.cpp)
target_include_directories(ombrix_empty_module PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_options(ombrix_empty_module PRIVATE ${OMBRIX_WEB_LINK_OPTIONS}
                    -sEXPORT_NAME=createOmbrixModule)
add_executable(ombrix_compose_bench bench/web_compose_bench.cpp)
target_link_libraries(ombrix_compose_bench PRIVATE ombrix_report)
target_link_options(ombrix_compose_bench PRIVATE ${OMBRIX_WEB_LINK_OPTIONS}
                    -sEXPORT_NAME=createComposeBench)
set_target_properties(ombrix_empty_module ombrix_compose_bench
                      PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${OMBRIX_WEB_BENCH})
