# The web edition's tests, against ombrix-report of the native build of the
# same tree (OMBRIX_HOST_TOOLS): the module in node, and the page in
# headless chromium.
set(OMBRIX_REPORT ${OMBRIX_HOST_TOOLS}/ombrix-report)
add_test(NAME web_module_tests
         COMMAND node ${CMAKE_CURRENT_SOURCE_DIR}/web/tests/module_test.js
                 ${OMBRIX_WEB_SITE}/ombrix_module.js ${OMBRIX_REPORT}
                 ${OMBRIX_HOST_TOOLS}/desktop_save)
add_test(NAME web_page_tests
         COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/web/tests/page_test.py
                 ${OMBRIX_WEB_SITE} ${OMBRIX_REPORT} ${OMBRIX_HOST_TOOLS}/desktop_save
                 ${CMAKE_CURRENT_BINARY_DIR}/npm/node_modules/axe-core/axe.min.js
                 ${CMAKE_CURRENT_BINARY_DIR}/artefacts)
