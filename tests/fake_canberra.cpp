// Stands in for libcanberra in the window tests: writes the id of every
// event sound it is asked to play, one a line, into the file that
// OMBRIX_BELL_LOG names.
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {

int ca_context_create(void** context) {
  static int theContext;
  *context = &theContext;
  return 0;
}

int ca_context_play(void*, uint32_t id, ...) {
  va_list properties;
  va_start(properties, id);
  const char* log = std::getenv("OMBRIX_BELL_LOG");
  for (const char* key = va_arg(properties, const char*); key != nullptr;
       key = va_arg(properties, const char*)) {
    const char* value = va_arg(properties, const char*);
    FILE* file = log && std::strcmp(key, "event.id") == 0 ? std::fopen(log, "a") : nullptr;
    if (file != nullptr) {
      std::fprintf(file, "%s\n", value);
      std::fclose(file);
    }
  }
  va_end(properties);
  return 0;
}
}
