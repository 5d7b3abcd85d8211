#include "app/commands.h"

// The help viewer is not part of the program yet: the command does nothing.
void ShowHelp() {}
