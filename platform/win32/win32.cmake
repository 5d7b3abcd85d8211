# What the program's Win32 code needs on Windows beyond the system's own
# libraries: the code page 1257 forms of the calls that carry its text into
# and out of windows, the save dialog with UTF-8 file names, and the help
# page in the browser (the three headers included ahead of every source that
# links this); the saving of a file's contents, the common controls of its
# status bar, the rich-edit boxes kept to code page 1257, and the mends for
# Wine's rich-edit control.
add_library(ombrix_platform STATIC
  platform/win32/code_page_calls.cpp
  platform/win32/help_page.cpp
  platform/win32/replace_file.cpp
  platform/win32/rich_edit_text.cpp
  platform/win32/save_dialog.cpp
  platform/win32/wide_text.cpp)
target_include_directories(ombrix_platform PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
foreach(rerouted code_page_calls save_dialog help_page)
  target_compile_options(ombrix_platform INTERFACE
    "$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include ${CMAKE_CURRENT_SOURCE_DIR}/platform/win32/${rerouted}.h>")
endforeach()

# Nothing refers to these, which act before WinMain, so their objects go
# into each executable itself rather than into a library; so does the help
# page, a resource of the program.
set(OMBRIX_HELP_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/app/help/ombrix_help.html)
configure_file(platform/win32/help_page.rc.in help_page.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/help_page.rc PROPERTIES
  OBJECT_DEPENDS ${OMBRIX_HELP_SOURCE})
add_library(ombrix_platform_startup OBJECT platform/win32/common_controls.cpp
                                        platform/win32/rich_edit_code_page.cpp
                                        platform/win32/rich_edit_repairs.cpp
                                        ${CMAKE_CURRENT_BINARY_DIR}/help_page.rc)
target_include_directories(ombrix_platform_startup PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(ombrix_platform
  INTERFACE $<TARGET_OBJECTS:ombrix_platform_startup>
  PUBLIC comctl32 comdlg32 normaliz ole32 shell32 user32 ombrix_text)
add_dependencies(ombrix_platform ombrix_platform_startup)

# The knowledge base's bytes, which are the program's resources on Windows.
add_library(ombrix_resource_tables STATIC platform/win32/resource_table.cpp)
target_include_directories(ombrix_resource_tables PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
