// A dialog built from a template: a top-level window with the template's menu
// bar and, below it, the client area that holds the controls.
//
// It behaves as the Win32 dialog manager does: Enter sends WM_COMMAND for the
// focused push button or else for the default push button, Escape sends
// IDCANCEL, the close box sends WM_CLOSE (which the default handling turns
// into IDCANCEL), every change of the client size sends WM_SIZE (0 x 0 and
// SIZE_MINIMIZED when the window is minimised), a right click on the client
// area itself sends WM_RBUTTONUP, and the minimum size comes from
// WM_GETMINMAXINFO. F10, like Alt, gives the keyboard to the menu bar (its
// first menu highlighted) and takes it back.
#ifndef OMBRIX_PLATFORM_QT_DIALOG_WINDOW_H
#define OMBRIX_PLATFORM_QT_DIALOG_WINDOW_H

#include <QEventLoop>
#include <QFont>
#include <QWidget>
#include <memory>
#include <vector>

#include <windows.h>

#include "platform/qt/dialog_units.h"
#include "platform/qt/menu.h"
#include "platform/qt/own_caption.h"
#include "platform/qt/window.h"
#include "platform/rcgen/embedded_resources.h"

class DialogWindow : public QWidget, public HWND__ {
 public:
  DialogWindow(const EmbeddedDialog& dialogTemplate, DLGPROC proc, QWidget* owner);
  ~DialogWindow() override;

  QWidget* Client() const override { return client_; }
  QAccessible::Role AccessibleRole() const override { return QAccessible::Dialog; }

  // Calls the dialog procedure, then the default handling of a message it
  // did not handle.
  INT_PTR Send(UINT message, WPARAM wParam, LPARAM lParam);

  BaseUnits Units() const { return units_; }
  HMENU Menu() const { return menu_.get(); }

  void AddControl(HWND__* control) { controls_.push_back(control); }
  const std::vector<HWND__*>& Controls() const { return controls_; }
  // The first control with this id in template order, or nullptr.
  HWND__* Control(int id) const;

  // Sends WM_GETMINMAXINFO and WM_SIZE, then WM_INITDIALOG; shows the dialog
  // and runs its modal loop until End; sends WM_DESTROY. Returns End's result.
  INT_PTR Run(LPARAM initParam);
  void End(INT_PTR result);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class ClientArea;

  void LayOut();
  void QueryMinimumSize();
  void SendSize(WPARAM kind, int width, int height);
  void ClientResized();
  HWND__* FirstTabStop() const;
  int DefaultButtonId() const;
  void SendCommand(int id);
  void ToggleMenuBar();

  DLGPROC proc_;
  QFont font_;
  BaseUnits units_;
  OwnCaption* caption_;  // or nullptr where the desktop draws the caption
  QWidget* client_;
  QMenuBar* menuBar_ = nullptr;
  std::unique_ptr<HMENU__> menu_;
  std::vector<HWND__*> controls_;
  QEventLoop* loop_ = nullptr;
  bool ended_ = false;
  INT_PTR result_ = 0;
};

// The dialog of a handle, or nullptr when it names no live dialog.
DialogWindow* LiveDialog(HWND hwnd);

// Sends WM_COMMAND with the control's id and the notification code to the
// control's dialog, if that is still there.
void NotifyDialog(HWND__* control, WORD code);

// Delivers the message to the dialog's procedure once the current message
// has been handled and control is back in the modal loop.
void PostToDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
