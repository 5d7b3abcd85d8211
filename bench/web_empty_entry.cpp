// The web page's floor: a module with the page's entries that does no work,
// so that scripts/web --bench can set the page's own times against it.
#include <emscripten/emscripten.h>

#include "web/web_entry.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE int WebIntroduction() {
  return 0;
}

EMSCRIPTEN_KEEPALIVE int WebReport(const char*, int) {
  return 0;
}

EMSCRIPTEN_KEEPALIVE const char* WebReportBytes() {
  return "";
}

EMSCRIPTEN_KEEPALIVE int WebLimitedText(const char*, int) {
  return 0;
}

EMSCRIPTEN_KEEPALIVE int WebSavedBytes(const char*, int) {
  return 0;
}

EMSCRIPTEN_KEEPALIVE const char* WebResult() {
  return "";
}

EMSCRIPTEN_KEEPALIVE int WebResultLength() {
  return 0;
}
}
