#include "app/handles.h"

HINSTANCE AppInstance = nullptr;
HWND MainDialog = nullptr;
