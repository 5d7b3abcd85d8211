#include "tests/dialog_harness.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "app/handles.h"
#include "app/main_dialog.h"
#include "app/resource.h"
#include "platform/qt/application.h"
#include "platform/qt/libraries.h"
#include "tables/buffers.h"
#include "tests/support.h"

QList<int> Commands;

namespace {

constexpr int kFallbackMs = 10000;

INT_PTR CALLBACK RecordingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) != EN_SETFOCUS) Commands.push_back(LOWORD(wParam));
  INT_PTR result = MainDialogProc(dialog, message, wParam, lParam);
  if (message == WM_RBUTTONUP) Commands.push_back(kTrackEnd);
  return result;
}

}  // namespace

INT_PTR RunMainDialog(const std::function<void(HWND)>& steps, bool stepsClose) {
  Commands.clear();
  QTimer::singleShot(0, qApp, [steps, stepsClose] {
    HWND dialog = MainDialog;
    QPointer<QWidget> window = dialog->widget;
    QTimer::singleShot(kFallbackMs, qApp, [window, dialog] {
      if (window) EndDialog(dialog, kAbandoned);
    });
    if (QTest::qWaitForWindowActive(window)) {
      steps(dialog);
    } else {
      QTest::qFail("the dialog never became active", __FILE__, __LINE__);
    }
    if (!stepsClose && window) EndDialog(dialog, kAbandoned);
  });
  return DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr, RecordingProc, 0);
}

QWidget* Widget(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control ? control->widget : nullptr;
}

QLineEdit* DateInput(HWND dialog) {
  return static_cast<QLineEdit*>(Widget(dialog, IDC_BIRTH_DATE_INPUT));
}

QPlainTextEdit* ReportView(HWND dialog) {
  return static_cast<QPlainTextEdit*>(Widget(dialog, IDC_REPORT_VIEW));
}

QByteArray ItemText(HWND dialog, int id) {
  static char text[kTextBufferSize];
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

QByteArray Table(int id) {
  return QByteArray::fromStdString(TableBytes(id));
}

QByteArray ComposedReport(const QByteArray& typedDate) {
  return QByteArray::fromStdString(ComposedReport(typedDate.constData()));
}

QAction* MenuAction(HWND dialog, int id) {
  for (QAction* action : dialog->widget->findChildren<QAction*>()) {
    if (action->data().toInt() == id) return action;
  }
  return nullptr;
}

void Choose(HWND dialog, int id) {
  MenuAction(dialog, id)->trigger();
  QCoreApplication::processEvents();
}

void ClickLikeAPerson(QWidget* widget) {
  QCoreApplication::processEvents();  // another window may be on its way to the front
  QWidget* window = widget->window();
  if (QApplication::activeWindow() != window) {
    window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window);
  }
  QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, 4));
}

const Closer kClosers[7] = {
    {"close box", [](HWND dialog) { dialog->widget->close(); }},
    {"Escape", [](HWND dialog) { QTest::keyClick(Widget(dialog, IDOK), Qt::Key_Escape); }},
    {"Escape in the report view",
     [](HWND dialog) {
       ReportView(dialog)->setFocus();
       QTest::keyClick(ReportView(dialog), Qt::Key_Escape);
     }},
    {"Sulge button",
     [](HWND dialog) { QTest::mouseClick(Widget(dialog, IDCANCEL), Qt::LeftButton); }},
    {"Sulge menu item", [](HWND dialog) { MenuAction(dialog, IDM_CLOSE)->trigger(); }},
    {"Enter on the focused Sulge button",
     [](HWND dialog) {
       Widget(dialog, IDCANCEL)->setFocus();
       QTest::keyClick(Widget(dialog, IDCANCEL), Qt::Key_Return);
     }},
    {"Tab and Enter from the opening focus",
     [](HWND dialog) {
       Widget(dialog, IDOK)->setFocus();
       QTest::keyClick(Widget(dialog, IDOK), Qt::Key_Tab);
       QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
     }},
};

bool StartAsTheProgramDoes() {
  AppInstance = ProgramModule();
  if (LoadLibraryA("RICHED32.DLL") == nullptr) return false;
  PrepareApplication();
  return true;
}

QFileDialog* OpenSaveDialog() {
  return qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
}

QMessageBox* OpenQuestion() {
  return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

QDialog* OpenErrorBox() {
  QDialog* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  bool qtOwn = qobject_cast<QFileDialog*>(box) || qobject_cast<QMessageBox*>(box);
  return qtOwn ? nullptr : box;
}

QByteArray FileBytes(const QString& path) {
  if (!QFileInfo(path).isFile()) return QByteArray("(no file)");
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}
