#include "tables/code_page.h"

#include <iconv.h>

#include <cerrno>

namespace {

// Converts with iconv; an input sequence it cannot take becomes "?" and is
// skipped, a byte at a time for malformed input, a character for one the
// target lacks.
std::string Convert(const char* to, const char* from, const std::string& text, bool fromUtf8) {
  std::string out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return out;
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
    out += '?';
    size_t skip = 1;
    if (fromUtf8 && errno == EILSEQ) {
      // A well-formed character the code page lacks: skip all of its bytes.
      unsigned char lead = static_cast<unsigned char>(*in);
      size_t length = (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 1;
      bool wellFormed = length <= inLeft;
      for (size_t k = 1; wellFormed && k < length; ++k) {
        wellFormed = (static_cast<unsigned char>(in[k]) >> 6) == 2;
      }
      if (wellFormed) skip = length;
    }
    if (skip > inLeft) skip = inLeft;
    in += skip;
    inLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Utf8FromCodePage(const std::string& text) {
  return Convert("UTF-8", "CP1257", text, false);
}

std::string CodePageFromUtf8(const std::string& text) {
  return Convert("CP1257", "UTF-8", text, true);
}
