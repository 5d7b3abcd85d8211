// The process entry on Linux: sets up Qt and runs the program's WinMain with
// the program's module, no previous instance, the command line after the
// program's name and the default show state. The desktop entry's name lets
// a desktop match the windows to the installed program.
#include <QApplication>
#include <QStringList>
#include <string>

#include <windows.h>

#include "platform/qt/application.h"
#include "platform/qt/libraries.h"

int main(int argc, char** argv) {
  constexpr int kShowDefault = 10;  // SW_SHOWDEFAULT
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QGuiApplication::setDesktopFileName(QStringLiteral(OMBRIX_DESKTOP_ID));
  PrepareApplication();
  std::string commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' ')).toStdString();
  return WinMain(ProgramModule(), nullptr, commandLine.data(), kShowDefault);
}
