// The process entry on Linux: sets up Qt and runs the program's WinMain with
// the program's module, no previous instance, the command line after the
// program's name and the default show state. The desktop entry's name lets
// a desktop match the windows to the installed program.
#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <windows.h>

#include "platform/qt/application.h"
#include "platform/qt/estonian_texts.h"
#include "platform/qt/libraries.h"

namespace {

QStringList startMessages;

// Qt reports a display that it cannot reach as a fatal error, which aborts
// with a core dump and a paragraph about reinstalling. While the application
// starts, its messages wait; a fatal one ends the program with one sentence
// and the program's exit code.
void HoldStartMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n",
                 EstonianLayerText("Ombrix needs a graphical desktop, but found no display to "
                                   "open its window on."));
    std::_Exit(1);
  }
  startMessages << message;
}

}  // namespace

int main(int argc, char** argv) {
  constexpr int kShowDefault = 10;  // SW_SHOWDEFAULT
  qInstallMessageHandler(HoldStartMessage);
  QApplication application(argc, argv);
  qInstallMessageHandler(nullptr);
  for (const QString& message : startMessages) std::fprintf(stderr, "%s\n", qPrintable(message));
  QApplication::setQuitOnLastWindowClosed(false);
  QGuiApplication::setDesktopFileName(QStringLiteral(OMBRIX_DESKTOP_ID));
  PrepareApplication();
  std::string commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' ')).toStdString();
  return WinMain(ProgramModule(), nullptr, commandLine.data(), kShowDefault);
}
