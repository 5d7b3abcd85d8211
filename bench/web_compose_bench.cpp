// How long composing the default date's report takes in the browser, to set
// against ComposeDefaultReport of report_bench: the same work in a loop
// inside the module, so that no call from JavaScript is counted.
#include <emscripten/emscripten.h>

#include "report/report.h"

extern "C" {

// Composes the report of 27 October 1980 times times; returns the mean time
// of one in microseconds.
EMSCRIPTEN_KEEPALIVE double ComposeDefaultReportMicroseconds(int times) {
  double start = emscripten_get_now();
  for (int i = 0; i < times; ++i) ComposeReport({27, 10, 1980});
  return (emscripten_get_now() - start) * 1000.0 / times;
}
}
