# The dialog scenario: one driver, built from app/ with the platform's window
# system, on Linux on the Qt layer (offscreen) and on Windows with the real
# API (under Wine, in a virtual display).
if(WIN32)
  add_executable(dialog_scenario tests/scenario/dialog_scenario.cpp
                                 tests/scenario/scenario_win32.cpp app/main.cpp)
  target_link_libraries(dialog_scenario PRIVATE ombrix_resources ombrix_app test_support)
  # On a Western Windows, whose code page has other bytes for Š, š, Ž and ž,
  # and on an Estonian one.
  add_test(NAME dialog_scenario_western COMMAND
    ${CMAKE_CROSSCOMPILING_EMULATOR} --locale en_US.UTF-8 $<TARGET_FILE:dialog_scenario>)
  add_test(NAME dialog_scenario_baltic COMMAND
    ${CMAKE_CROSSCOMPILING_EMULATOR} --locale et_EE.UTF-8 $<TARGET_FILE:dialog_scenario>)
  # On a screen at 150 %, where the dialog's font and with it the layout grow.
  add_test(NAME dialog_scenario_144dpi COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR}
    --locale en_US.UTF-8 --dpi 144 $<TARGET_FILE:dialog_scenario>)
else()
  add_executable(dialog_scenario tests/scenario/dialog_scenario.cpp
                                 tests/scenario/scenario_qt.cpp)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  target_link_libraries(dialog_scenario PRIVATE ombrix_resources ombrix_app test_support Qt6::Test)
  add_test(NAME dialog_scenario COMMAND dialog_scenario)
  set_tests_properties(dialog_scenario PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/tests/offscreen.json")
endif()
