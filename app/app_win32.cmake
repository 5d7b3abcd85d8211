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
  app/save_error.cpp
  app/save_report.cpp
  app/show_help.cpp)
target_include_directories(ombrix_app PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(ombrix_app PUBLIC ombrix_report ombrix_text ombrix_platform)

# The icon, the manifest, the templates, the menu and the version
# information, compiled into each executable that runs the dialog (a
# resource object in a library would be left out). windres reads the icon
# and the manifest itself, so they are named as dependencies here.
add_library(ombrix_resources OBJECT app/ombrix.rc)
target_link_libraries(ombrix_resources PRIVATE ombrix_version)
set_source_files_properties(app/ombrix.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_CURRENT_SOURCE_DIR}/app/icon/ombrix.ico;${CMAKE_CURRENT_SOURCE_DIR}/app/ombrix.manifest")

# WinMain is compiled into each executable: the run-time library's main(),
# which calls it, comes after the program's libraries on the link line.
add_executable(Ombrix WIN32 app/main.cpp)
target_link_libraries(Ombrix PRIVATE ombrix_resources ombrix_app)

# No Windows of today has a viewer for WinHelp files: the help is an HTML
# page for the browser, which Ombrix.exe carries and the zip holds beside it
# (platform/win32/help_page.h).
set(OMBRIX_HELP_PAGE ${CMAKE_BINARY_DIR}/Ombrix.html)
configure_file(app/help/ombrix_help.html ${OMBRIX_HELP_PAGE} COPYONLY)

# One folder, Ombrix.exe, Ombrix.html, what is what (README.txt) and the
# licence side by side, ombrix-report.exe in bin; cpack in the build folder
# packs it as Ombrix-<version>-win64.zip.
install(TARGETS Ombrix RUNTIME DESTINATION .)
install(FILES ${OMBRIX_HELP_PAGE} app/windows/README.txt DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Ombrix)
set(CPACK_PACKAGE_FILE_NAME Ombrix-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
