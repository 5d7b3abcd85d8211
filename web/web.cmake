# The web edition: the core and the converter compiled into one WebAssembly
# module (embedded in its JavaScript, so that the page also works from a
# folder, where a browser fetches no file), and the page around it, in
# ${OMBRIX_WEB_SITE}. The page's texts come from the resource script, the
# version from project(VERSION) and the licence from LICENSE.
set(OMBRIX_WEB_SITE ${CMAKE_CURRENT_BINARY_DIR}/site)

# The one set of flags for every module of the web edition: small, no file
# system, memory that grows with a long pasted text, loadable by a page and
# by node.
set(OMBRIX_WEB_LINK_OPTIONS
    -sMODULARIZE=1 -sSINGLE_FILE=1 -sENVIRONMENT=web,node -sFILESYSTEM=0
    -sALLOW_MEMORY_GROWTH=1 -sEXPORTED_FUNCTIONS=_malloc,_free)
add_compile_options(-fno-exceptions -fno-rtti)

add_executable(ombrix_module web/web_entry.cpp)
target_link_libraries(ombrix_module PRIVATE ombrix_report ombrix_text)
target_link_options(ombrix_module PRIVATE ${OMBRIX_WEB_LINK_OPTIONS}
                    -sEXPORT_NAME=createOmbrixModule)
set_target_properties(ombrix_module PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${OMBRIX_WEB_SITE})

include(web/web_texts.cmake)
configure_file(web/index.html.in ${OMBRIX_WEB_SITE}/index.html @ONLY)
foreach(file web/ombrix.css web/ombrix.js)
  configure_file(${file} ${OMBRIX_WEB_SITE}/ COPYONLY)
endforeach()
configure_file(app/help/ombrix_help.html ${OMBRIX_WEB_SITE}/ombrix_help.html COPYONLY)
configure_file(app/icon/ombrix.png ${OMBRIX_WEB_SITE}/ombrix.png COPYONLY)

include(bench/web_bench.cmake)

enable_testing()
include(web/tests/web_tests.cmake)
