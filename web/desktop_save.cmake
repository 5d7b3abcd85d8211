# What the web edition's tests set the page's saved files against: the
# desktop program's own conversion of a text (web/tests/desktop_save.cpp),
# on Qt's core alone.
add_executable(desktop_save web/tests/desktop_save.cpp platform/qt/text_conversion.cpp)
target_link_libraries(desktop_save PRIVATE ombrix_text Qt6::Core)
