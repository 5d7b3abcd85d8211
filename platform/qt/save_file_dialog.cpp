// The common save dialog, GetSaveFileNameA, on Qt's own file dialog in the
// language of the program's translator and the program's locale (the native
// one of the desktop would speak the desktop's language).
//
// From the request it takes the owner, the filter pairs and the selected
// one (1-based), the initial name, the initial folder, the title, the
// default extension and two flags: OFN_OVERWRITEPROMPT (ask before an
// existing file is replaced) and OFN_PATHMUSTEXIST (refuse a name in a folder
// that does not exist). OFN_HIDEREADONLY, OFN_EXPLORER and OFN_LONGNAMES
// describe this dialog as it is; OFN_FILEMUSTEXIST counts for open dialogs
// only. Custom filters, hooks and templates are not supported.
//
// File names are UTF-8, as Linux names files: the initial name and folder
// are read so, and a chosen name fills lpstrFile with the full path so, and
// nFileOffset, nFileExtension, nFilterIndex and lpstrFileTitle (when given)
// as on Win32. A path that does not fit lpstrFile is refused inside the
// dialog, with a message, and never reaches the program; should one come
// another way, the call fails and leaves the buffer as it was. Without an initial folder the dialog
// opens in the folder chosen last in this run, else in the user's documents or home folder.
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include <windows.h>

#include "platform/qt/file_details.h"
#include "platform/qt/layer_text.h"
#include "platform/qt/modal_focus.h"
#include "platform/qt/text_conversion.h"
#include "platform/qt/window.h"

namespace {

// The folder of the last name chosen in this run.
QString& LastFolder() {
  static QString folder;
  return folder;
}

// Win32 patterns are separated by ";", Qt's by blanks; "*.*" means every
// file on Win32, but only names with a dot to Qt.
QString QtPatterns(const QString& win32Patterns) {
  QStringList patterns = win32Patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
  for (QString& pattern : patterns) {
    pattern = pattern.trimmed();
    if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
  }
  return patterns.join(QLatin1Char(' '));
}

// The filters of the request: their descriptions, and the same as Qt's
// filters. Qt reads a filter's patterns from its last parentheses and, with
// HideNameFilterDetails, shows what comes before them: the description
// appears as Win32 shows it, however it is written.
struct Filters {
  QStringList descriptions;
  QStringList qtFilters;
};

Filters FiltersOf(const char* filterList) {
  Filters filters;
  for (const char* at = filterList; at != nullptr && *at != '\0';) {
    const char* pattern = at + std::strlen(at) + 1;
    if (*pattern == '\0') break;
    filters.descriptions << FromCodePage(at);
    filters.qtFilters << FromCodePage(at) + QStringLiteral(" (") +
                             QtPatterns(FromCodePage(pattern)) + QLatin1Char(')');
    at = pattern + std::strlen(pattern) + 1;
  }
  return filters;
}

class SaveFileDialog : public QFileDialog {
 public:
  SaveFileDialog(QWidget* owner, bool pathMustExist, DWORD pathRoom)
      : QFileDialog(owner), pathMustExist_(pathMustExist), pathRoom_(pathRoom) {}

 protected:
  void accept() override {
    const QStringList files = selectedFiles();
    if (files.size() == 1 && !QFileInfo(files.first()).isDir()) {
      QFileInfo chosen(files.first());
      if (pathMustExist_ && !QFileInfo(chosen.absolutePath()).isDir()) {
        Refuse(LayerText("The folder “%1” does not exist.\nCheck the folder's name and try again.")
                   .arg(QDir::toNativeSeparators(chosen.absolutePath())));
        return;
      }
      if (!Fits(chosen)) {
        Refuse(
            LayerText("The name is too long: a file name may have at most %1 bytes, and with its "
                      "folder %2.\nChoose a shorter name.")
                .arg(NameRoom(chosen))
                .arg(pathRoom_ - 1));
        return;
      }
    }
    QFileDialog::accept();
  }

 private:
  void Refuse(const QString& message) { QMessageBox::warning(this, windowTitle(), message); }

  // The most bytes a name may have in the chosen file's folder.
  static long NameRoom(const QFileInfo& chosen) {
    long room = pathconf(QFile::encodeName(chosen.absolutePath()).constData(), _PC_NAME_MAX);
    return room > 0 ? room : NAME_MAX;
  }

  // Whether the path fits the request and its name the file system (which
  // Qt's dialog would otherwise refuse without a word).
  bool Fits(const QFileInfo& chosen) const {
    return static_cast<DWORD>(QFile::encodeName(chosen.absoluteFilePath()).size()) < pathRoom_ &&
           QFile::encodeName(chosen.fileName()).size() <= NameRoom(chosen);
  }

  bool pathMustExist_;
  DWORD pathRoom_;
};

QString StartFolder(const OPENFILENAMEA& request) {
  if (request.lpstrInitialDir != nullptr && *request.lpstrInitialDir != '\0') {
    return QFile::decodeName(request.lpstrInitialDir);
  }
  if (!LastFolder().isEmpty() && QFileInfo(LastFolder()).isDir()) return LastFolder();
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// Copies the chosen path and its parts into the request; false when the
// path does not fit.
bool StoreChoice(const QString& path, int filterIndex, LPOPENFILENAMEA request) {
  std::string bytes = QFile::encodeName(path).toStdString();
  if (bytes.size() + 1 > request->nMaxFile) return false;
  std::memcpy(request->lpstrFile, bytes.c_str(), bytes.size() + 1);
  size_t nameOffset = bytes.find_last_of('/') + 1;
  size_t dot = bytes.find_last_of('.');
  request->nFileOffset = static_cast<WORD>(nameOffset);
  request->nFileExtension =
      static_cast<WORD>(dot == std::string::npos || dot < nameOffset ? bytes.size() : dot + 1);
  request->nFilterIndex = static_cast<DWORD>(filterIndex + 1);
  if (request->lpstrFileTitle != nullptr && request->nMaxFileTitle > 0) {
    lstrcpynA(request->lpstrFileTitle, bytes.c_str() + nameOffset,
              static_cast<int>(request->nMaxFileTitle));
  }
  return true;
}

}  // namespace

BOOL WINAPI GetSaveFileNameA(LPOPENFILENAMEA lpofn) {
  if (lpofn == nullptr ||
      (lpofn->lStructSize != OPENFILENAME_SIZE_VERSION_400A &&
       lpofn->lStructSize != sizeof(OPENFILENAMEA)) ||
      lpofn->lpstrFile == nullptr || lpofn->nMaxFile == 0) {
    return FALSE;
  }
  HWND__* owner = LiveWindow(lpofn->hwndOwner);
  FileKinds fileKinds;  // outlives the dialog, which asks it until its end
  SaveFileDialog dialog(owner ? owner->widget->window() : nullptr, lpofn->Flags & OFN_PATHMUSTEXIST,
                        lpofn->nMaxFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !(lpofn->Flags & OFN_OVERWRITEPROMPT));
  dialog.setIconProvider(&fileKinds);
  dialog.setProxyModel(new FileDetails(&dialog));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setViewMode(QFileDialog::List);
  dialog.setWindowTitle(lpofn->lpstrTitle ? FromCodePage(lpofn->lpstrTitle) : LayerText("Save As"));
  if (owner != nullptr) dialog.setWindowModality(Qt::WindowModal);
  dialog.setDirectory(StartFolder(*lpofn));
  Filters filters = FiltersOf(lpofn->lpstrFilter);
  if (!filters.qtFilters.isEmpty()) {
    dialog.setNameFilters(filters.qtFilters);
    int selected = static_cast<int>(lpofn->nFilterIndex) - 1;
    dialog.selectNameFilter(filters.qtFilters.value(selected, filters.qtFilters.first()));
  }
  if (lpofn->lpstrDefExt != nullptr) dialog.setDefaultSuffix(FromCodePage(lpofn->lpstrDefExt));
  QString initialName = QFile::decodeName(lpofn->lpstrFile);
  if (!initialName.isEmpty()) dialog.selectFile(initialName);

  int chosen;
  {
    ModalFocus focus(owner ? owner->widget : nullptr);
    chosen = dialog.exec();
  }
  if (chosen != QDialog::Accepted || dialog.selectedFiles().size() != 1) return FALSE;
  QString path = dialog.selectedFiles().first();
  // Qt gives the selected filter as it shows it.
  int filterIndex = std::max(filters.descriptions.indexOf(dialog.selectedNameFilter()),
                             filters.qtFilters.indexOf(dialog.selectedNameFilter()));
  if (!StoreChoice(path, std::max(filterIndex, 0), lpofn)) return FALSE;
  LastFolder() = QFileInfo(path).absolutePath();
  return TRUE;
}
