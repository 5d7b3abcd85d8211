#include "tables/buffers.h"

#include <cstring>

char ReportText[kTextBufferSize];
char TableText[kTextBufferSize];
char ScratchLine[kTextBufferSize];

void CopyBytes(char* dest, int destSize, const char* source, int count) {
  if (destSize < 1) return;
  if (count > destSize - 1) count = destSize - 1;
  if (count < 0) count = 0;
  std::memmove(dest, source, static_cast<size_t>(count));
  dest[count] = '\0';
}

void AppendText(char* dest, int destSize, const char* source) {
  int used = BoundedLength(dest, destSize);
  if (used >= destSize) return;
  CopyBytes(dest + used, destSize - used, source, static_cast<int>(std::strlen(source)));
}

int BoundedLength(const char* text, int size) {
  const void* nul = std::memchr(text, '\0', static_cast<size_t>(size));
  return nul ? static_cast<int>(static_cast<const char*>(nul) - text) : size;
}
