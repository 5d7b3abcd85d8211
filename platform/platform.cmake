# The Win32 layer on Qt 6 Widgets, and rcgen, which turns a resource script
# into the templates the layer embeds.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
find_package(PkgConfig REQUIRED)
pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)

add_library(ombrix_rcscript STATIC
  platform/rcgen/embedded_source.cpp
  platform/rcgen/header_defines.cpp
  platform/rcgen/resource_script.cpp
  platform/rcgen/script_expression.cpp
  platform/rcgen/script_tokens.cpp)
target_include_directories(ombrix_rcscript PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
# The script's UTF-8 texts are kept in the program's code page.
target_link_libraries(ombrix_rcscript PRIVATE ombrix_text)

add_executable(rcgen platform/rcgen/rcgen.cpp)
target_link_libraries(rcgen PRIVATE ombrix_rcscript)

# The layer without main(): the program's executable and the tests add their own.
add_library(ombrix_platform STATIC
  platform/qt/accessibility.cpp
  platform/qt/accessible_text.cpp
  platform/qt/announcement.cpp
  platform/qt/application.cpp
  platform/qt/bell.cpp
  platform/qt/controls.cpp
  platform/qt/dialog_box.cpp
  platform/qt/dialog_units.cpp
  platform/qt/dialog_window.cpp
  platform/qt/edit_menu.cpp
  platform/qt/estonian_texts.cpp
  platform/qt/file_attributes.cpp
  platform/qt/file_descriptor.cpp
  platform/qt/file_details.cpp
  platform/qt/focus_style.cpp
  platform/qt/frame_overlay.cpp
  platform/qt/geometry.cpp
  platform/qt/help_accessibility.cpp
  platform/qt/last_error.cpp
  platform/qt/libraries.cpp
  platform/qt/menu.cpp
  platform/qt/message_box.cpp
  platform/qt/modal_focus.cpp
  platform/qt/own_caption.cpp
  platform/qt/private_folder.cpp
  platform/qt/replace_file.cpp
  platform/qt/resolve_path.cpp
  platform/qt/rich_edit.cpp
  platform/qt/save_file_dialog.cpp
  platform/qt/strings.cpp
  platform/qt/text_conversion.cpp
  platform/qt/text_spans.cpp
  platform/qt/text_zoom.cpp
  platform/qt/win_help.cpp
  platform/qt/window.cpp
  platform/qt/window_placement.cpp
  platform/qt/write_in_place.cpp)
target_include_directories(ombrix_platform PUBLIC
  ${CMAKE_CURRENT_SOURCE_DIR}/platform/include ${CMAKE_CURRENT_SOURCE_DIR})
# xcb: what the X11 window manager calls itself (own_caption.cpp).
target_link_libraries(ombrix_platform PUBLIC Qt6::Widgets ombrix_text PRIVATE PkgConfig::XCB ${CMAKE_DL_LIBS})
