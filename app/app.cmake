# The program: the main dialog written against the Win32 API, its resource
# script, and the executable that runs it on the Qt layer.
set(OMBRIX_RC_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/generated/ombrix_rc.cpp)
add_custom_command(
  OUTPUT ${OMBRIX_RC_SOURCE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/generated
  COMMAND rcgen ${CMAKE_CURRENT_SOURCE_DIR}/app/ombrix.rc ${OMBRIX_RC_SOURCE}
          -I ${CMAKE_CURRENT_SOURCE_DIR}/platform/include -I ${CMAKE_CURRENT_BINARY_DIR}
  DEPENDS rcgen app/ombrix.rc app/resource.h app/icon/ombrix.ico app/ombrix.manifest
          platform/include/windows.h ${CMAKE_CURRENT_BINARY_DIR}/generated/version.h
          date/default_date.h
  COMMENT "Compiling the resource script"
  VERBATIM)

# The templates, linked as objects: the layer looks them up.
add_library(ombrix_resources OBJECT ${OMBRIX_RC_SOURCE})
target_include_directories(ombrix_resources PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})

add_library(ombrix_app STATIC
  app/about_box.cpp
  app/build_report.cpp
  app/handles.cpp
  app/main.cpp
  app/main_dialog.cpp
  app/parse_birth_date.cpp
  app/save_error.cpp
  app/save_report.cpp
  app/show_help.cpp)
target_link_libraries(ombrix_app PUBLIC ombrix_report ombrix_text ombrix_platform)

# The desktop entry, the AppStream metadata and the window's application id
# share one name.
set(OMBRIX_DESKTOP_ID ee.ombrix.Ombrix)

add_executable(ombrix platform/qt/main.cpp)
target_link_libraries(ombrix PRIVATE ombrix_resources ombrix_app)
target_compile_definitions(ombrix PRIVATE OMBRIX_DESKTOP_ID="${OMBRIX_DESKTOP_ID}")

# The help file, under the name the program asks for (app/show_help.h), next
# to the programs of the build, where the help viewer looks first.
# (CMake copies it again whenever the page changes.)
file(STRINGS app/show_help.h OMBRIX_HELP_FILE REGEX "kHelpFile\\[\\] = \"[^\"]+\"")
string(REGEX REPLACE ".*\"([^\"]+)\".*" "\\1" OMBRIX_HELP_FILE "${OMBRIX_HELP_FILE}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS app/show_help.h)
configure_file(app/help/ombrix_help.html ${CMAKE_BINARY_DIR}/${OMBRIX_HELP_FILE} COPYONLY)

include(app/changelog.cmake)
include(app/man.cmake)
configure_file(app/desktop/${OMBRIX_DESKTOP_ID}.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/generated/${OMBRIX_DESKTOP_ID}.metainfo.xml @ONLY)

# The help viewer finds the help in share/ombrix beside the program's bin
# folder, so these folders stay as they are.
install(TARGETS ombrix RUNTIME DESTINATION bin)
install(FILES app/help/ombrix_help.html DESTINATION share/ombrix RENAME ${OMBRIX_HELP_FILE})
install(FILES app/desktop/${OMBRIX_DESKTOP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/generated/${OMBRIX_DESKTOP_ID}.metainfo.xml
        DESTINATION share/metainfo)
install(FILES app/icon/ombrix.png DESTINATION share/icons/hicolor/32x32/apps)
foreach(size 48 64 128 256)
  install(FILES app/icon/ombrix-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ombrix.png)
endforeach()
install(FILES app/icon/ombrix.svg DESTINATION share/icons/hicolor/scalable/apps)
