// The texts are the program's, in code page 1257; the file name and the
// system's message are shown as the system gives them, in Unicode, so a name
// in any script reads as it does in the save dialog.
#include "app/save_error.h"

#include <string>

#include "app/handles.h"
#include "text/code_page.h"

namespace {

using Wide = std::basic_string<WCHAR>;

constexpr int kNameSize = 512;  // the save request's buffer
constexpr DWORD kMessageSize = 1024;

constexpr char kCaption[] = "Viga";
// "Faili „%s“ ei õnnestunud salvestada."
constexpr char kFailed[] = "Faili \x84%s\x93 ei \xF5nnestunud salvestada.";

constexpr char kDiskFull[] =
    "Kettal pole piisavalt vaba ruumi: vabastage ruumi v\xF5i salvestage teisele kettale.";

struct Reason {
  DWORD error;
  const char* sentence;
};

constexpr Reason kReasons[] = {
    {ERROR_FILE_READ_ONLY,
     "Fail on kirjutuskaitstud: salvestage teise nime all v\xF5i eemaldage faililt "
     "kirjutuskaitse."},
    {ERROR_ACCESS_DENIED,
     "Teil pole \xF5igust sellesse faili v\xF5i kausta kirjutada: valige kaust, kuhu teil on "
     "kirjutus\xF5igus, n\xE4iteks oma kodukaust."},
    {ERROR_BAD_FILE_TYPE,
     "Selle nime all on kaust, seade, toru v\xF5i viide, mitte tavaline fail: valige teine "
     "nimi."},
    {ERROR_DISK_FULL, kDiskFull},
    {ERROR_HANDLE_DISK_FULL, kDiskFull},
    {ERROR_FILENAME_EXCED_RANGE,
     "Faili nimi v\xF5i asukoht on liiga pikk: valige l\xFChem nimi v\xF5i kaust, mis asub "
     "ketta juurele l\xE4hemal."},
};
// "Süsteemi teade: %s" (the system's message, its full stop its own).
constexpr char kOtherReason[] = "S\xFCsteemi teade: %s";

// The program's text in Unicode, with insert in place of its "%s".
Wide Compose(const char* text, const Wide& insert) {
  Wide composed;
  for (const char* at = text; *at != '\0'; ++at) {
    if (at[0] == '%' && at[1] == 's') {
      composed += insert;
      ++at;
    } else {
      composed += static_cast<WCHAR>(CharacterOfByte(static_cast<unsigned char>(*at)));
    }
  }
  return composed;
}

// The file name as the system spells it: the save dialog gives names in
// UTF-8 on every system.
Wide NameOf(const char* path) {
  WCHAR name[kNameSize];
  int count = MultiByteToWideChar(CP_UTF8, 0, path, -1, name, kNameSize);
  return Wide(name, count > 0 ? static_cast<size_t>(count - 1) : 0);
}

// The system's message for error without its line end, or its number where
// the system has none.
Wide SystemMessage(DWORD error) {
  WCHAR message[kMessageSize];
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                error, 0, message, kMessageSize, nullptr);
  while (length > 0 && (message[length - 1] == '\r' || message[length - 1] == '\n' ||
                        message[length - 1] == ' ')) {
    --length;
  }
  if (length == 0) {
    std::string number = std::to_string(error);
    return Wide(number.begin(), number.end());
  }
  return Wide(message, length);
}

}  // namespace

void ShowSaveError(const char* path, DWORD error) {
  const char* reason = nullptr;
  for (const Reason& known : kReasons) {
    if (known.error == error) reason = known.sentence;
  }
  Wide text = Compose(kFailed, NameOf(path));
  text += '\n';
  text += reason ? Compose(reason, Wide()) : Compose(kOtherReason, SystemMessage(error));
  Wide caption = Compose(kCaption, Wide());
  MessageBoxW(MainDialog, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}
