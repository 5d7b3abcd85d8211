// The dialog scenario's platform part on the Qt layer: Qt timers, which fire
// in nested event loops too, run the scenario and the watch; the buttons,
// the close box and the message box are worked through their widgets.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include "app/handles.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/libraries.h"
#include "platform/qt/win32_private.h"
#include "tests/scenario/scenario_platform.h"

namespace {

constexpr int kActPeriodMs = 10;
constexpr int kWatchPeriodMs = 20;
constexpr int kResizeWaitMs = 2000;  // also the wait for the window to come to the front

QSize ClientSize(HWND dialog) {
  RECT client;
  GetClientRect(dialog, &client);
  return QSize(client.right, client.bottom);
}

}  // namespace

int RunProgram(int argc, char** argv, void (*act)(), void (*watch)()) {
  constexpr int kShowDefault = 10;  // SW_SHOWDEFAULT
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QTimer actTimer;
  QObject::connect(&actTimer, &QTimer::timeout, [&actTimer, act] {
    if (MainDialog == nullptr || !MainDialog->widget->isVisible()) return;
    actTimer.stop();
    act();
  });
  actTimer.start(kActPeriodMs);
  QTimer watchTimer;
  QObject::connect(&watchTimer, &QTimer::timeout, watch);
  watchTimer.start(kWatchPeriodMs);
  char commandLine[] = "";
  return WinMain(ProgramModule(), nullptr, commandLine, kShowDefault);
}

bool IsShown(HWND window) {
  return LiveWindow(window) != nullptr && window->widget->isVisible();
}

void PressButton(HWND dialog, int id) {
  static_cast<QAbstractButton*>(GetDlgItem(dialog, id)->widget)->click();
}

void PressKey(HWND dialog, char key, bool withCtrl) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus != nullptr ? focus : dialog->widget,
                  key == '\t' ? Qt::Key_Tab : static_cast<Qt::Key>(key),
                  withCtrl ? Qt::ControlModifier : Qt::NoModifier);
  QCoreApplication::processEvents();
}

int FocusedControl(HWND dialog) {
  for (HWND__* control : LiveDialog(dialog)->Controls()) {
    if (control->widget == QApplication::focusWidget()) return control->id;
  }
  return 0;
}

// A click first brings the dialog's window to the front: the message box and
// the save dialog were there before.
void ClickInto(HWND dialog, int id) {
  QWidget* window = dialog->widget->window();
  window->activateWindow();
  QDeadlineTimer deadline(kResizeWaitMs);
  while (QApplication::activeWindow() != window && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, kActPeriodMs);
  }
  GetDlgItem(dialog, id)->widget->setFocus(Qt::MouseFocusReason);
  QCoreApplication::processEvents();
}

void ChooseMenuItem(HWND dialog, int id) {
  for (QAction* action : dialog->widget->findChildren<QAction*>()) {
    if (action->data().toInt() == id) action->trigger();
  }
  QCoreApplication::processEvents();
}

void SetClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string ClipboardText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return "(none)";
  return data->text().replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
}

void PressCloseBox(HWND dialog) {
  dialog->widget->close();
}

void ResizeClient(HWND dialog, int width, int height) {
  QSize outer = dialog->widget->size() + QSize(width, height) - ClientSize(dialog);
  SetWindowPos(dialog, nullptr, 0, 0, outer.width(), outer.height(), SWP_NOMOVE | SWP_NOZORDER);
  QDeadlineTimer deadline(kResizeWaitMs);
  while (ClientSize(dialog) != QSize(width, height) && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, kActPeriodMs);
  }
}

RECT TemplateToPixels(HWND dialog, int x, int y, int cx, int cy) {
  QRect pixels = DialogUnitsToPixels(LiveDialog(dialog)->Units(), x, y, cx, cy);
  return {pixels.left(), pixels.top(), pixels.left() + pixels.width(),
          pixels.top() + pixels.height()};
}

std::string ShownText(HWND dialog, int id) {
  return GetDlgItem(dialog, id)->Text().toStdString();
}

bool AnswerMessageBox(HWND owner, std::string* caption, std::string* text, int button) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QDialog*>(window);
    bool qtOwn = qobject_cast<QFileDialog*>(window) || qobject_cast<QMessageBox*>(window);
    if (box == nullptr || qtOwn || !box->isVisible() ||
        box->parentWidget() != owner->widget->window()) {
      continue;
    }
    *caption = box->windowTitle().toStdString();
    text->clear();
    for (QLabel* label : box->findChildren<QLabel*>()) {
      if (label->text().isEmpty()) continue;
      *text += (text->empty() ? "" : "\n") + label->text().toStdString();
    }
    box->done(button);  // the layer's boxes end with the id of the button pressed
    return true;
  }
  return false;
}

bool AnswerSaveDialog(HWND owner, const std::string& path) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QFileDialog*>(window);
    if (dialog == nullptr || !dialog->isVisible() ||
        dialog->parentWidget() != owner->widget->window()) {
      continue;
    }
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
        ->setText(QString::fromStdString(path));
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog's, which takes the typed name
    return true;
  }
  return false;
}
