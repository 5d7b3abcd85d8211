#include "platform/qt/libraries.h"

#include <QString>

struct HINSTANCE__ {
  const char* name;
  int loads;
};

namespace {

HINSTANCE__ program{"Ombrix.exe", 1};
HINSTANCE__ richEdit{"RICHED32.DLL", 0};

// Win32 appends ".DLL" to a name without an extension and ignores case.
bool NamesRichEdit(const char* name) {
  QString wanted = QString::fromLatin1(name);
  if (!wanted.contains(QLatin1Char('.'))) wanted += QLatin1String(".DLL");
  return wanted.compare(QLatin1String(richEdit.name), Qt::CaseInsensitive) == 0;
}

}  // namespace

HINSTANCE ProgramModule() {
  return &program;
}

bool IsRichEditLoaded() {
  return richEdit.loads > 0;
}

HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName) {
  if (lpLibFileName == nullptr || !NamesRichEdit(lpLibFileName)) return nullptr;
  ++richEdit.loads;
  return &richEdit;
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
  if (hLibModule != &richEdit || richEdit.loads == 0) return FALSE;
  --richEdit.loads;
  return TRUE;
}
