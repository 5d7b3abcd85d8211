#include "platform/qt/announcement.h"

#include <QAccessibleWidget>

#include "platform/qt/layer_text.h"

namespace {

// A child of the dialog that shows nothing but is there to a screen reader.
class Announcement : public QWidget {
 public:
  explicit Announcement(QWidget* dialog) : QWidget(dialog) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
  }

  // Hidden and shown again, so that every announcement is an appearance.
  void Say(const QString& text) {
    hide();
    setAccessibleName(text);
    show();
  }
};

// The first line that has more than blanks, without its blanks.
QString FirstLine(const QString& text) {
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    QString trimmed = line.trimmed();
    if (!trimmed.isEmpty()) return trimmed;
  }
  return QString();
}

}  // namespace

void AnnounceNewText(HWND__* control) {
  if (control == nullptr || !(control->windowStyle & ES_MULTILINE)) return;
  QWidget* dialog = control->widget->window();
  if (!dialog->isVisible()) return;
  Announcement* announcement = nullptr;
  for (QObject* child : dialog->children()) {
    if (auto* found = dynamic_cast<Announcement*>(child)) announcement = found;
  }
  if (announcement == nullptr) announcement = new Announcement(dialog);
  announcement->Say(LayerText("New text: %1").arg(FirstLine(control->Text())));
}

QAccessibleInterface* AccessibleAnnouncement(QObject* object) {
  auto* announcement = dynamic_cast<Announcement*>(object);
  if (announcement == nullptr) return nullptr;
  return new QAccessibleWidget(announcement, QAccessible::Notification);
}
