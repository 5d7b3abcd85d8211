# The web edition's tests, against ombrix-report of the native build of the
# same tree (OMBRIX_HOST_TOOLS): the module in node, and the page in
# headless chromium.
set(OMBRIX_REPORT ${OMBRIX_HOST_TOOLS}/ombrix-report)
add_test(NAME web_module_tests
         COMMAND node ${CMAKE_CURRENT_SOURCE_DIR}/web/tests/module_test.js
                 ${OMBRIX_WEB_SITE}/ombrix_module.js ${OMBRIX_REPORT})
