# What the program's Win32 code needs on Windows beyond the system's own
# libraries: the code page 1257 forms of the calls that carry its text into
# and out of windows (included ahead of every source that links this), the
# saving of a file's contents, the common controls of its status bar, and
# the mends for Wine's rich-edit control.
add_library(ombrix_platform STATIC platform/win32/code_page_calls.cpp platform/win32/replace_file.cpp)
target_include_directories(ombrix_platform PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(ombrix_platform INTERFACE
  "$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include ${CMAKE_CURRENT_SOURCE_DIR}/platform/win32/code_page_calls.h>")

# Nothing refers to these two, which act before WinMain, so their objects go
# into each executable itself rather than into a library.
add_library(ombrix_platform_startup OBJECT platform/win32/common_controls.cpp
                                        platform/win32/rich_edit_repairs.cpp)
target_link_libraries(ombrix_platform
  INTERFACE $<TARGET_OBJECTS:ombrix_platform_startup>
  PUBLIC comctl32 comdlg32 user32 ombrix_text)
add_dependencies(ombrix_platform ombrix_platform_startup)

# The knowledge base's bytes, which are the program's resources on Windows.
add_library(ombrix_resource_tables STATIC platform/win32/resource_table.cpp)
target_include_directories(ombrix_resource_tables PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
