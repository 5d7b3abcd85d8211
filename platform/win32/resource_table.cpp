#include <windows.h>

#include "platform/win32/resource_table.h"

EmbeddedTable ResourceTable(int tableId) {
  // A null module is the program's own .exe.
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(tableId), RT_RCDATA);
  HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  if (bytes == nullptr) return {tableId, "", 0};
  return {tableId, bytes, static_cast<int>(SizeofResource(nullptr, found))};
}
