#include "app/commands.h"

// The save dialog is not part of the program yet: the command does nothing.
void SaveReport() {}
