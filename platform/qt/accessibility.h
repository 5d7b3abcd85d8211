// What assistive technologies (a screen reader over AT-SPI) learn about a
// dialog, as Windows' accessibility tells them of a Win32 dialog: the dialog
// is a dialog named by its caption, a status bar is a status bar, a button
// is named by its caption and a text control by the static text that stands
// before it, which is also its label. The text controls answer every text
// query themselves (accessible_text.h), a new text that the program puts
// into the report is announced (announcement.h), and the help viewer is a
// window with a document (help_accessibility.h).
//
// "Stands before it" is taken as one reads the dialog: the nearest static on
// the control's first line to its left, else the nearest one above it that
// overlaps it across. Template order alone would not do: the program's
// dialog lists both statics before both text controls.
#ifndef OMBRIX_PLATFORM_QT_ACCESSIBILITY_H
#define OMBRIX_PLATFORM_QT_ACCESSIBILITY_H

#include <vector>

#include "platform/qt/window.h"
#include "platform/rcgen/embedded_resources.h"

// Tells Qt's accessibility the layer's own interfaces and the roles that
// windows declare (HWND__::AccessibleRole); once, before the first window.
void InstallAccessibleRoles();

// Makes each text control of the dialog the buddy of its static, which
// names it and relates the two; controls[i] is made from the template's
// control i.
void LabelTextControls(const EmbeddedDialog& dialogTemplate, const std::vector<HWND__*>& controls);

#endif
