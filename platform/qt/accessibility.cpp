#include "platform/qt/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QString>

#include "platform/qt/accessible_text.h"
#include "platform/qt/announcement.h"
#include "platform/qt/help_accessibility.h"

namespace {

constexpr int kLineUnits = 8;  // one line of the dialog font, in vertical dialog units

// The layer's own interfaces: announcements, the help viewer, the text
// controls, and the roles that windows declare.
QAccessibleInterface* LayerInterface(const QString&, QObject* object) {
  if (QAccessibleInterface* announcement = AccessibleAnnouncement(object)) return announcement;
  if (QAccessibleInterface* help = AccessibleHelp(object)) return help;
  auto* window = dynamic_cast<HWND__*>(object);
  if (window == nullptr || window->widget != object) return nullptr;
  if (QAccessibleInterface* text = AccessibleTextControl(window->widget)) return text;
  QAccessible::Role role = window->AccessibleRole();
  return role == QAccessible::NoRole ? nullptr : new QAccessibleWidget(window->widget, role);
}

bool IsClass(const EmbeddedControl& control, const char* name) {
  return QString::fromLatin1(control.className).compare(QLatin1String(name), Qt::CaseInsensitive) ==
         0;
}

bool IsTextControl(const EmbeddedControl& control) {
  return IsClass(control, "RichEdit") || IsClass(control, "Edit");
}

QRect Units(const EmbeddedControl& control) {
  return QRect(control.x, control.y, control.cx, control.cy);
}

// Where a static stands before a control: on its first line to its left,
// or above it; and how far from it.
struct Standing {
  bool before;
  bool onLine;
  int distance;
};

Standing StandingBefore(const QRect& label, const QRect& control) {
  bool onFirstLine = label.top() < control.top() + kLineUnits && label.bottom() >= control.top();
  if (onFirstLine && label.right() < control.left()) {
    return {true, true, control.left() - label.right()};
  }
  bool across = label.left() <= control.right() && label.right() >= control.left();
  if (across && label.bottom() < control.top())
    return {true, false, control.top() - label.bottom()};
  return {false, false, 0};
}

// A static on the control's line comes before one above it, a nearer one
// before one farther away.
bool Closer(const Standing& a, const Standing& b) {
  return a.onLine != b.onLine ? a.onLine : a.distance < b.distance;
}

// The template index of the static that labels control i, or -1.
int LabelOf(const EmbeddedDialog& dialogTemplate, int i) {
  int label = -1;
  Standing best{};
  QRect control = Units(dialogTemplate.controls[i]);
  for (int j = 0; j < dialogTemplate.controlCount; ++j) {
    const EmbeddedControl& candidate = dialogTemplate.controls[j];
    if (!IsClass(candidate, "Static") || *candidate.text == '\0') continue;
    Standing standing = StandingBefore(Units(candidate), control);
    if (standing.before && (label < 0 || Closer(standing, best))) {
      label = j;
      best = standing;
    }
  }
  return label;
}

}  // namespace

void InstallAccessibleRoles() {
  static bool installed = false;
  if (installed) return;
  QAccessible::installFactory(LayerInterface);
  installed = true;
}

void LabelTextControls(const EmbeddedDialog& dialogTemplate, const std::vector<HWND__*>& controls) {
  for (int i = 0; i < dialogTemplate.controlCount; ++i) {
    if (!IsTextControl(dialogTemplate.controls[i])) continue;
    int label = LabelOf(dialogTemplate, i);
    auto* text = label < 0 ? nullptr : qobject_cast<QLabel*>(controls[label]->widget);
    if (text != nullptr) text->setBuddy(controls[i]->widget);
  }
}
