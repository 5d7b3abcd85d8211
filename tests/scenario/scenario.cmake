# The dialog scenario: one driver, built from app/ with the platform's window
# system, on Linux on the Qt layer (offscreen) and on Windows with the real
# API (under Wine, in a virtual display).
if(WIN32)
  add_executable(dialog_scenario tests/scenario/dialog_scenario.cpp
                                 tests/scenario/scenario_win32.cpp app/main.cpp)
  target_link_libraries(dialog_scenario PRIVATE ombrix_resources ombrix_app test_support)
  # The saved report must be what the Linux build's ombrix-report --raw
  # prints for the same date.
  add_test(NAME dialog_scenario_linux_report COMMAND sh -c "\"$0\" --raw \"$1\" > \"$2\""
    ${OMBRIX_HOST_TOOLS}/ombrix-report "1. DETSEMBER 1980" scenario-report.txt)
  set_tests_properties(dialog_scenario_linux_report PROPERTIES FIXTURES_SETUP linux_report)
  # On a Western Windows, whose code page has other bytes for Š, š, Ž and ž,
  # on an Estonian one, and on a Russian one, whose code page lacks them and
  # õ, ä and ü.
  foreach(system western:en_US.UTF-8 baltic:et_EE.UTF-8 russian:ru_RU.UTF-8)
    string(REPLACE ":" ";" system ${system})
    list(GET system 0 name)
    list(GET system 1 locale)
    add_test(NAME dialog_scenario_${name} COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR}
      --locale ${locale} $<TARGET_FILE:dialog_scenario> scenario-report.txt)
  endforeach()
  # On a screen at 150 %, where the dialog's font and with it the layout grow.
  add_test(NAME dialog_scenario_144dpi COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR}
    --locale en_US.UTF-8 --dpi 144 $<TARGET_FILE:dialog_scenario>)
  set(OMBRIX_SCENARIO_TESTS dialog_scenario_western dialog_scenario_baltic
    dialog_scenario_russian dialog_scenario_144dpi)
  set_tests_properties(dialog_scenario_western dialog_scenario_baltic dialog_scenario_russian
    PROPERTIES FIXTURES_REQUIRED linux_report)
else()
  add_executable(dialog_scenario tests/scenario/dialog_scenario.cpp
                                 tests/scenario/scenario_qt.cpp)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  target_link_libraries(dialog_scenario PRIVATE ombrix_resources ombrix_app test_support Qt6::Test)
  add_test(NAME dialog_scenario COMMAND dialog_scenario)
  set_tests_properties(dialog_scenario PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/tests/offscreen.json")
endif()
