// Where the help viewer looks for a help file that WinHelpA names without a
// folder: next to the program's executable (a build folder), then in the
// program's share folder beside the executable's folder, as an installed
// program has it (/usr/bin/ombrix finds /usr/share/ombrix/Ombrix.HLP). Both
// places are found from the executable, so a program installed under any
// prefix, or unpacked anywhere, finds its help. A name with a folder is
// taken as it is. Names compare with their letter case.
#ifndef OMBRIX_PLATFORM_QT_HELP_FILES_H
#define OMBRIX_PLATFORM_QT_HELP_FILES_H

#include <QString>
#include <QStringList>

// The paths tried for the file, in order, for an executable in
// executableFolder whose name is executableName.
QStringList HelpFilePlaces(const QString& name, const QString& executableFolder,
                           const QString& executableName);

#endif
