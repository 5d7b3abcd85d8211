find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(core_tests
  tests/text_table_test.cpp
  tests/format_text_test.cpp
  tests/birth_date_test.cpp
  tests/reduce_test.cpp
  tests/report_test.cpp
  tests/life_numbers_test.cpp
  tests/grid_test.cpp
  tests/previous_life_test.cpp
  tests/whole_report_test.cpp
  tests/date_space_test.cpp
  tests/kb_catalogue_test.cpp)
target_link_libraries(core_tests PRIVATE ombrix_report GTest::gtest_main)
gtest_discover_tests(core_tests DISCOVERY_MODE PRE_TEST)

add_test(NAME cli_tests
  COMMAND ${CMAKE_COMMAND} -E env OMBRIX_REPORT=$<TARGET_FILE:ombrix-report>
          bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/cli_test.sh)

add_test(NAME kb_convert_tests
  COMMAND ${CMAKE_COMMAND} -E env KB_CONVERT=$<TARGET_FILE:kb_convert>
          bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/kb_convert_test.sh)
