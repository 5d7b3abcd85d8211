if(CMAKE_CROSSCOMPILING)
  # Debian ships GoogleTest's sources for building it for other targets.
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  target_compile_options(gtest PRIVATE -w)
  target_compile_options(gtest_main PRIVATE -w)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# What the tests share: tables read the plain way, composed reports, files.
add_library(test_support STATIC tests/support.cpp)
target_link_libraries(test_support PUBLIC ombrix_report)

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
  tests/golden_report_test.cpp
  tests/date_space_test.cpp
  tests/kb_ranges_test.cpp
  tests/kb_catalogue_test.cpp
  tests/kb_phrases_test.cpp
  tests/kb_formulas_test.cpp
  tests/json_text_test.cpp)
target_link_libraries(core_tests PRIVATE ombrix_cli ombrix_text test_support GTest::gtest_main)
target_compile_definitions(core_tests PRIVATE OMBRIX_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
include(tests/scenario/scenario.cmake)

if(CMAKE_CROSSCOMPILING)
  # One run under the emulator rather than one per test case.
  add_test(NAME core_tests COMMAND core_tests)
  # Ombrix.exe's manifest, read by the system from the program beside it.
  add_executable(manifest_tests tests/manifest_test.cpp)
  target_link_libraries(manifest_tests PRIVATE GTest::gtest_main)
  add_dependencies(manifest_tests Ombrix)
  add_test(NAME manifest_tests COMMAND manifest_tests)
  add_executable(replace_file_tests tests/replace_file_win32_test.cpp)
  target_link_libraries(replace_file_tests PRIVATE ombrix_platform test_support GTest::gtest_main)
  add_test(NAME replace_file_tests COMMAND replace_file_tests)
  # What saving and help hand the system, with a stand-in browser, and
  # ombrix-report.exe started from a Unicode command line; each on a Western
  # and on a Russian Windows. The help tests run in a folder without the
  # help page, which they put there themselves when they need it.
  add_executable(stand_in_browser tests/stand_in_browser.cpp)
  target_link_libraries(stand_in_browser PRIVATE shell32)
  add_executable(save_and_help_tests tests/save_and_help_win32_test.cpp)
  target_link_libraries(save_and_help_tests PRIVATE ombrix_app GTest::gtest_main)
  target_compile_definitions(save_and_help_tests PRIVATE
    OMBRIX_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
  set_target_properties(stand_in_browser save_and_help_tests PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/save-and-help-tests)
  add_executable(cli_win32_tests tests/cli_win32_test.cpp)
  target_link_libraries(cli_win32_tests PRIVATE ombrix_text test_support GTest::gtest_main)
  add_dependencies(cli_win32_tests ombrix-report)
  set(OMBRIX_WIN32_TESTS save_and_help_tests cli_win32_tests)
  add_dependencies(save_and_help_tests stand_in_browser)
  foreach(test IN LISTS OMBRIX_WIN32_TESTS)
    add_test(NAME ${test}_western
      COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --locale en_US.UTF-8 $<TARGET_FILE:${test}>)
    add_test(NAME ${test}_russian
      COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --locale ru_RU.UTF-8 $<TARGET_FILE:${test}>)
    list(APPEND OMBRIX_WINE_TESTS ${test}_western ${test}_russian)
  endforeach()
  add_executable(save_error_tests tests/save_error_win32_test.cpp)
  target_link_libraries(save_error_tests PRIVATE ombrix_app test_support GTest::gtest_main)
  add_test(NAME save_error_tests COMMAND save_error_tests)
  # Every run starts from a fresh Wine prefix, and the tests take turns in it.
  add_test(NAME wine_prefix COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --new-prefix)
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine RESOURCE_LOCK wine)
  set(OMBRIX_WINE_TESTS core_tests manifest_tests replace_file_tests save_error_tests ${OMBRIX_WINE_TESTS}
    ${OMBRIX_SCENARIO_TESTS})
  set_property(TEST ${OMBRIX_WINE_TESTS} APPEND PROPERTY FIXTURES_REQUIRED wine)
  set_property(TEST ${OMBRIX_WINE_TESTS} PROPERTY RESOURCE_LOCK wine)
  return()
endif()
gtest_discover_tests(core_tests DISCOVERY_MODE PRE_TEST)

add_executable(code_page_tests tests/code_page_test.cpp)
target_link_libraries(code_page_tests PRIVATE ombrix_text GTest::gtest_main)
gtest_discover_tests(code_page_tests DISCOVERY_MODE PRE_TEST)
# Neither program calls iconv, so neither needs the system's conversion
# modules, which a system may lack.
add_test(NAME programs_need_no_conversion_modules
  COMMAND sh -c "! nm -D --undefined-only \"$0\" \"$1\" | grep -w iconv_open"
          $<TARGET_FILE:ombrix> $<TARGET_FILE:ombrix-report>)

find_package(Threads REQUIRED)
add_executable(replace_file_tests tests/replace_file_test.cpp tests/replace_file_race_test.cpp
                                  tests/replace_file_mount_test.cpp
                                  tests/save_child.cpp)
target_link_libraries(replace_file_tests PRIVATE ombrix_platform test_support GTest::gtest_main
                      Threads::Threads)
gtest_discover_tests(replace_file_tests DISCOVERY_MODE PRE_TEST)

add_test(NAME cli_tests
  COMMAND ${CMAKE_COMMAND} -E env OMBRIX_REPORT=$<TARGET_FILE:ombrix-report>
          OMBRIX_VERSION=${PROJECT_VERSION} bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/cli_test.sh)

add_test(NAME no_display_tests
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/no_display_test.sh $<TARGET_FILE:ombrix>)

add_test(NAME install_tests
  COMMAND ${CMAKE_COMMAND} -E env BUILD_DIR=${CMAKE_BINARY_DIR}
          bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/install_test.sh)

add_test(NAME kb_convert_tests
  COMMAND ${CMAKE_COMMAND} -E env KB_CONVERT=$<TARGET_FILE:kb_convert>
          bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/kb_convert_test.sh)

# Every word of the tables against Debian's Estonian dictionary and the
# allow-list tables/kb/spelling-allow.list.
add_test(NAME kb_spelling_tests
  COMMAND ${CMAKE_COMMAND} -E env KB_DIR=${CMAKE_CURRENT_SOURCE_DIR}/tables/kb
          bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/kb_spelling_test.sh)

# The units of text that the layer tells a screen reader.
add_executable(text_spans_tests tests/text_spans_test.cpp)
target_link_libraries(text_spans_tests PRIVATE ombrix_platform GTest::gtest_main)
gtest_discover_tests(text_spans_tests DISCOVERY_MODE PRE_TEST)

add_executable(resource_script_tests tests/resource_script_test.cpp)
target_link_libraries(resource_script_tests PRIVATE ombrix_rcscript test_support GTest::gtest_main)
target_compile_definitions(resource_script_tests PRIVATE
  OMBRIX_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}" OMBRIX_BINARY_DIR="${CMAKE_BINARY_DIR}")
gtest_discover_tests(resource_script_tests DISCOVERY_MODE PRE_TEST)

# The window tests run the real dialog on Qt's offscreen platform, on a
# screen large enough for it, with a home of their own for what Qt's file
# dialog remembers.
find_package(Qt6 REQUIRED COMPONENTS Test)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/test-home)
add_library(dialog_harness STATIC tests/dialog_harness.cpp)
target_link_libraries(dialog_harness PUBLIC ombrix_app test_support Qt6::Test)
foreach(window_test main_dialog save_report save_error help_and_about)
  add_executable(${window_test}_tests tests/${window_test}_test.cpp)
  set_target_properties(${window_test}_tests PROPERTIES AUTOMOC ON)
  target_link_libraries(${window_test}_tests PRIVATE ombrix_resources dialog_harness)
  target_compile_definitions(${window_test}_tests PRIVATE
    OMBRIX_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
  add_test(NAME ${window_test}_tests COMMAND ${window_test}_tests)
  set_tests_properties(${window_test}_tests PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/tests/offscreen.json;HOME=${CMAKE_CURRENT_BINARY_DIR}/test-home;XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/test-home/.config")
endforeach()

# The window on today's desktops: on the offscreen platform (under an English
# locale, which the program must not show), its frame lines again at 1.5x
# and 2x, and the tests about a desktop under Xvfb with and without Openbox
# and under Weston, with a stand-in for libcanberra.
add_library(fake_canberra SHARED tests/fake_canberra.cpp)
set_target_properties(fake_canberra PROPERTIES OUTPUT_NAME canberra SOVERSION 0
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/fake-canberra)
add_executable(desktop_tests tests/desktop_test.cpp)
set_target_properties(desktop_tests PROPERTIES AUTOMOC ON)
target_link_libraries(desktop_tests PRIVATE ombrix_resources dialog_harness)
add_dependencies(desktop_tests fake_canberra)
set(OMBRIX_TEST_HOME
  "HOME=${CMAKE_CURRENT_BINARY_DIR}/test-home;XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/test-home/.config")
set(OMBRIX_WIDE_OFFSCREEN
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/tests/offscreen_wide.json")
add_test(NAME desktop_tests COMMAND desktop_tests)
set_tests_properties(desktop_tests PROPERTIES ENVIRONMENT
  "${OMBRIX_WIDE_OFFSCREEN};${OMBRIX_TEST_HOME};LANG=en_US.UTF-8;LC_ALL=en_US.UTF-8")
foreach(scale 1.5 2)
  add_test(NAME desktop_tests_${scale}x COMMAND desktop_tests everyFrameLineIsDrawn)
  set_tests_properties(desktop_tests_${scale}x PROPERTIES ENVIRONMENT
    "${OMBRIX_WIDE_OFFSCREEN};${OMBRIX_TEST_HOME};QT_SCALE_FACTOR=${scale}")
endforeach()
foreach(session IN ITEMS x11 openbox)
  set(manager_option "")
  if(session STREQUAL openbox)
    set(manager_option --openbox)
  endif()
  add_test(NAME desktop_tests_${session}
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/x_session.sh ${manager_option}
            $<TARGET_FILE:desktop_tests> aboutBoxHasNoWindowButtons theFocusIsVisible
            altF4AfterAnEditAsksFirst)
  set_tests_properties(desktop_tests_${session} PROPERTIES ENVIRONMENT "${OMBRIX_TEST_HOME}")
endforeach()
add_test(NAME desktop_tests_wayland
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/weston_session.sh $<TARGET_FILE:desktop_tests>
          aboutBoxHasNoWindowButtons rightClickBeepsThroughTheDesktopsSound)
# Qt's Wayland platform leaves some of libwayland's objects to the end of the
# process, which LeakSanitizer would count against the test.
set_tests_properties(desktop_tests_wayland PROPERTIES ENVIRONMENT
  "${OMBRIX_TEST_HOME};LD_LIBRARY_PATH=${CMAKE_CURRENT_BINARY_DIR}/fake-canberra;ASAN_OPTIONS=detect_leaks=0")

# What a screen reader learns over the accessibility bus, and the program on
# a Wayland desktop.
add_test(NAME accessibility_tests
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/x_session.sh
          /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/tests/accessibility_test.py
          $<TARGET_FILE:ombrix>)
add_test(NAME wayland_tests
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/weston_session.sh
          bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/wayland_test.sh $<TARGET_FILE:ombrix>
          ${OMBRIX_DESKTOP_ID})
add_test(NAME accessibility_tests_wayland
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/weston_session.sh
          dbus-run-session -- /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/tests/accessibility_test.py
          $<TARGET_FILE:ombrix>)
set_tests_properties(accessibility_tests accessibility_tests_wayland wayland_tests PROPERTIES
  ENVIRONMENT "${OMBRIX_TEST_HOME}")
