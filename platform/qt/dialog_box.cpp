// Modal dialogs from templates and access to their controls.
#include <QApplication>
#include <QPlainTextEdit>
#include <cstring>
#include <memory>

#include "platform/qt/accessibility.h"
#include "platform/qt/announcement.h"
#include "platform/qt/controls.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/libraries.h"
#include "platform/qt/text_conversion.h"
#include "platform/qt/text_zoom.h"
#include "platform/rcgen/embedded_resources.h"

namespace {

// A resource named by number, as MAKEINTRESOURCEA makes it.
bool IsIntResource(LPCSTR name) {
  return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0;
}

}  // namespace

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  constexpr INT_PTR kFailed = -1;
  if (hInstance != ProgramModule() || !IsIntResource(lpTemplateName) || lpDialogFunc == nullptr) {
    return kFailed;
  }
  const EmbeddedDialog* dialogTemplate =
      FindEmbeddedDialog(static_cast<int>(reinterpret_cast<ULONG_PTR>(lpTemplateName)));
  if (dialogTemplate == nullptr) return kFailed;
  InstallAccessibleRoles();
  DialogWindow* owner = LiveDialog(hWndParent);
  auto dialog = std::make_unique<DialogWindow>(*dialogTemplate, lpDialogFunc, owner);
  for (int i = 0; i < dialogTemplate->controlCount; ++i) {
    HWND__* control = CreateControl(dialog.get(), dialogTemplate->controls[i]);
    if (control == nullptr) return kFailed;
    if (auto* editor = qobject_cast<QPlainTextEdit*>(control->widget)) AllowTextZoom(editor);
    dialog->AddControl(control);
  }
  LabelTextControls(*dialogTemplate, dialog->Controls());
  return dialog->Run(dwInitParam);
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  DialogWindow* dialog = LiveDialog(hDlg);
  if (dialog == nullptr) return FALSE;
  dialog->End(nResult);
  return TRUE;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  DialogWindow* dialog = LiveDialog(hDlg);
  return dialog ? dialog->Control(nIDDlgItem) : nullptr;
}

BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
  HWND__* control = GetDlgItem(hDlg, nIDDlgItem);
  if (control == nullptr) return FALSE;
  control->SetText(FromCodePage(lpString));
  AnnounceNewText(control);
  return TRUE;
}

// The length in bytes of the window's text in code page 1257, line ends
// counted as CR LF: what GetDlgItemTextA gives with a buffer large enough.
int WINAPI GetWindowTextLengthA(HWND hWnd) {
  HWND__* window = LiveWindow(hWnd);
  return window ? static_cast<int>(ToCodePage(window->Text()).size()) : 0;
}

UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
  if (cchMax <= 0) return 0;
  HWND__* control = GetDlgItem(hDlg, nIDDlgItem);
  std::string text = control ? ToCodePage(control->Text()) : std::string();
  size_t length = std::min(text.size(), static_cast<size_t>(cchMax - 1));
  std::memcpy(lpString, text.data(), length);
  lpString[length] = '\0';
  return static_cast<UINT>(length);
}

LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam,
                                   LPARAM lParam) {
  HWND__* control = GetDlgItem(hDlg, nIDDlgItem);
  return control ? control->Message(Msg, wParam, lParam) : 0;
}
