#include "app/commands.h"

// The About box is not part of the program yet: the command does nothing.
void ShowAboutBox() {}
