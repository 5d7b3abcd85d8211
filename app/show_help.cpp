#include "app/show_help.h"

#include <windows.h>

#include "app/handles.h"

// The viewer opens on its own and stays until the user closes it or the
// main dialog goes.
void ShowHelp() {
  WinHelpA(MainDialog, kHelpFile, HELP_CONTENTS, 0);
}
