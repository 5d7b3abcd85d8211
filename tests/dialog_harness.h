// Running the program's main dialog in a test as a person uses it: the real
// template, layer and MainDialogProc, with the test's steps run inside the
// dialog's modal loop, and watchers that answer the windows the program
// opens on its own (message boxes, popups, the save dialog).
#ifndef OMBRIX_TESTS_DIALOG_HARNESS_H
#define OMBRIX_TESTS_DIALOG_HARNESS_H

#include <QAction>
#include <QByteArray>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPlainTextEdit>
#include <QTimer>
#include <functional>
#include <utility>

#include <windows.h>

#include "platform/qt/window.h"

// The result of a dialog that the steps left open and the harness ended.
constexpr INT_PTR kAbandoned = 99;

// Every command the dialog received, in order; kTrackEnd marks the moment the
// right-click handler returned.
extern QList<int> Commands;
constexpr int kTrackEnd = -1;

// What a window test does first, as the program's start does: stores the
// module, loads the rich-edit library and prepares the application (its
// Estonian texts among them). False when the library cannot be loaded.
bool StartAsTheProgramDoes();

// Runs the main dialog and, inside its modal loop, the steps. Unless the
// steps close the dialog themselves, it is ended afterwards with kAbandoned.
// Returns what DialogBoxParamA returned.
INT_PTR RunMainDialog(const std::function<void(HWND)>& steps, bool stepsClose = false);

QWidget* Widget(HWND dialog, int id);
QLineEdit* DateInput(HWND dialog);
QPlainTextEdit* ReportView(HWND dialog);

// The bytes the program reads from a control (code page 1257, CR LF), up to
// 65,535 of them.
QByteArray ItemText(HWND dialog, int id);

// The bytes of a knowledge-base table.
QByteArray Table(int id);

// The report of the typed date (code page 1257); "(no date)" when it is
// none.
QByteArray ComposedReport(const QByteArray& typedDate);

QAction* MenuAction(HWND dialog, int id);

// Chooses a menu item as a person does; its command arrives once the events
// are processed.
void Choose(HWND dialog, int id);

// Clicks the widget as a person does: its window becomes the active one
// first, so that the click can move the keyboard focus.
void ClickLikeAPerson(QWidget* widget);

// The modal window open now, when it is the save dialog, a question of
// Qt's message box, or the program's own message box (a dialog of neither
// kind); else nullptr.
QFileDialog* OpenSaveDialog();
QMessageBox* OpenQuestion();
QDialog* OpenErrorBox();

// The bytes of a regular file, or "(no file)" (a FIFO is not opened: that
// would wait for a writer).
QByteArray FileBytes(const QString& path);

// Writes the bytes as the file's whole contents.
void WriteBytes(const QString& path, const QByteArray& bytes);

// The ways a person closes the main dialog.
struct Closer {
  const char* name;
  void (*close)(HWND dialog);
};
extern const Closer kClosers[7];

// While it lives, looks for a window of the kind every few milliseconds and
// calls act on each one it finds; counts them.
template <typename Window>
class WindowWatcher {
 public:
  WindowWatcher(Window* (*find)(), std::function<void(Window*)> act)
      : find_(find), act_(std::move(act)) {
    Look();
  }
  int Seen() const { return seen_; }

 private:
  void Look() {
    QTimer::singleShot(5, &context_, [this] {
      if (Window* window = find_()) {
        ++seen_;
        act_(window);
      }
      Look();
    });
  }

  Window* (*find_)();
  std::function<void(Window*)> act_;
  int seen_ = 0;
  QObject context_;  // its end cancels the next look
};

#endif
