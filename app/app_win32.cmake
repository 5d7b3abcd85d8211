# The program for Windows: the sources of app/ against the real Win32 API,
# its resource script compiled by windres as it stands, and the knowledge
# base's resources, which come with the tables. Ombrix.exe is a GUI program,
# linked statically: one file that runs without further DLLs.
add_library(ombrix_app STATIC
  app/about_box.cpp
  app/build_report.cpp
  app/handles.cpp
  app/main_dialog.cpp
  app/parse_birth_date.cpp
  app/save_report.cpp
  app/show_help.cpp)
target_include_directories(ombrix_app PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(ombrix_app PUBLIC ombrix_report ombrix_win32)

# The templates and the menu, compiled into each executable that runs the
# dialog (a resource object in a library would be left out).
add_library(ombrix_app_resources OBJECT app/ombrix.rc)

# WinMain is compiled into each executable: the run-time library's main(),
# which calls it, comes after the program's libraries on the link line.
add_executable(Ombrix WIN32 app/main.cpp)
target_link_libraries(Ombrix PRIVATE ombrix_app_resources ombrix_app)
install(TARGETS Ombrix RUNTIME DESTINATION .)
