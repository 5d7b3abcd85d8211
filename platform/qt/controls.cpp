#include "platform/qt/controls.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "platform/qt/control_widget.h"
#include "platform/qt/libraries.h"
#include "platform/qt/text_conversion.h"
#include "platform/qt/win32_private.h"

namespace {

constexpr int kCaptionMargin = 3;

class PushButton : public ControlWidget<QPushButton>, public HWND__ {
 public:
  PushButton(DialogWindow* dialog, const EmbeddedControl& control)
      : ControlWidget<QPushButton>(dialog->Client()),
        HWND__(this, dialog, control.id, control.style) {
    setText(FromCodePage(control.text));
    setAutoDefault(false);
    setDefault((windowStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    setFocusPolicy(windowStyle & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
    QObject::connect(this, &QPushButton::clicked, this, [this] { NotifyDialog(this, BN_CLICKED); });
  }

  QString Text() const override { return text(); }
  void SetText(const QString& text) override { setText(text); }

 protected:
  // A BS_MULTILINE caption wraps at word boundaries within the button.
  void paintEvent(QPaintEvent* event) override {
    if (!(windowStyle & BS_MULTILINE)) {
      QPushButton::paintEvent(event);
      return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    QRect area = rect().adjusted(kCaptionMargin, kCaptionMargin, -kCaptionMargin, -kCaptionMargin);
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                         isEnabled(), caption, QPalette::ButtonText);
  }
};

class StaticText : public QLabel, public HWND__ {
 public:
  StaticText(DialogWindow* dialog, const EmbeddedControl& control)
      : QLabel(dialog->Client()), HWND__(this, dialog, control.id, control.style) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignTop | (windowStyle & SS_CENTER ? Qt::AlignHCenter : Qt::AlignLeft));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setText(FromCodePage(control.text));
  }

  QString Text() const override { return text(); }
  void SetText(const QString& text) override { setText(text); }
};

// A sunken bar with one text part. It places itself as the common control
// does wherever it is put: along the bottom edge of its dialog's client
// area, across its full width, at the height it was created with.
class StatusBar : public ControlWidget<QLabel>, public HWND__ {
 public:
  StatusBar(DialogWindow* dialog, const EmbeddedControl& control)
      : ControlWidget<QLabel>(dialog->Client()),
        HWND__(this, dialog, control.id, control.style),
        height_(DialogUnitsToPixels(dialog->Units(), 0, 0, 0, control.cy).height()) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setTextFormat(Qt::PlainText);
    setIndent(fontMetrics().averageCharWidth());
    setText(FromCodePage(control.text));
  }

  QString Text() const override { return text(); }
  void SetText(const QString& text) override { setText(text); }
  QRect Placement(const QRect&) const override {
    QSize client = parentWidget()->size();
    return QRect(0, client.height() - height_, client.width(), height_);
  }
  QAccessible::Role AccessibleRole() const override { return QAccessible::StatusBar; }

 private:
  const int height_;
};

}  // namespace

HWND__* CreateControl(DialogWindow* dialog, const EmbeddedControl& control) {
  QString className = QString::fromLatin1(control.className);
  HWND__* window = nullptr;
  if (className.compare(QLatin1String("Button"), Qt::CaseInsensitive) == 0) {
    window = new PushButton(dialog, control);
  } else if (className.compare(QLatin1String("Static"), Qt::CaseInsensitive) == 0) {
    window = new StaticText(dialog, control);
  } else if (className.compare(QLatin1String("msctls_statusbar32"), Qt::CaseInsensitive) == 0) {
    window = new StatusBar(dialog, control);
  } else if (className.compare(QLatin1String("RichEdit"), Qt::CaseInsensitive) == 0 &&
             IsRichEditLoaded()) {
    window = CreateRichEdit(dialog, control);
  }
  if (window == nullptr) return nullptr;
  window->widget->setGeometry(window->Placement(
      DialogUnitsToPixels(dialog->Units(), control.x, control.y, control.cx, control.cy)));
  window->widget->setVisible(control.style & WS_VISIBLE);
  if (!(control.style & WS_TABSTOP)) {
    Qt::FocusPolicy policy = window->widget->focusPolicy();
    window->widget->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy & ~Qt::TabFocus));
  }
  return window;
}
