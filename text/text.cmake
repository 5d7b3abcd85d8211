# The converter between code page 1257 and Unicode, for the places where text
# leaves or enters the program: the command line, the windows' texts and the
# knowledge base's sources. Not part of the core, which holds code page 1257
# only.
add_library(ombrix_text STATIC text/code_page.cpp)
target_include_directories(ombrix_text PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
