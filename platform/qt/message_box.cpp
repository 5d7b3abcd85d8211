// Message boxes (the text, the buttons of MB_OK or MB_YESNOCANCEL, the icon
// of MB_ICONERROR or MB_ICONQUESTION) and the simple beep.
#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <windows.h>

#include "platform/qt/bell.h"
#include "platform/qt/layer_text.h"
#include "platform/qt/modal_focus.h"
#include "platform/qt/text_conversion.h"
#include "platform/qt/window.h"

namespace {

constexpr UINT kButtonsMask = 0x0000000F;  // MB_TYPEMASK

struct Button {
  int id;
  QString caption;
};

// Its buttons in Win32's order, the first the default; Yes, No and Cancel as
// Qt's own boxes name them, so in Estonian "Jah", "Ei" and "Loobu".
QList<Button> ButtonsOf(UINT type) {
  if ((type & kButtonsMask) == MB_YESNOCANCEL) {
    return {{IDYES, QCoreApplication::translate("QPlatformTheme", "&Yes")},
            {IDNO, QCoreApplication::translate("QPlatformTheme", "&No")},
            {IDCANCEL, QCoreApplication::translate("QPlatformTheme", "Cancel")}};
  }
  return {{IDOK, LayerText("OK")}};
}

// Lines break where the text breaks them; only a line wider than three
// quarters of the screen wraps. Escape and the close box give IDCANCEL where
// the box has a Cancel button, else IDOK, as on Win32; without a caption the
// box is titled "Error", as Win32 titles it, in the user's language. Returns
// the id of the button chosen.

int ShowMessageBox(HWND hWnd, const QString& message, const QString* caption, UINT uType) {
  constexpr int kMaxWidthPercent = 75;
  HWND__* owner = LiveWindow(hWnd);
  QDialog box(owner ? owner->widget->window() : nullptr, Qt::Dialog | Qt::CustomizeWindowHint |
                                                             Qt::WindowTitleHint |
                                                             Qt::WindowCloseButtonHint);
  box.setWindowTitle(caption ? *caption : LayerText("Error"));
  auto* text = new QLabel(WithLfLineEnds(message), &box);
  text->setTextFormat(Qt::PlainText);
  int maxWidth = box.screen()->availableGeometry().width() * kMaxWidthPercent / 100;
  if (text->sizeHint().width() > maxWidth) {
    text->setWordWrap(true);
    text->setFixedWidth(maxWidth);
  }
  QLabel* icon = nullptr;
  if ((uType & MB_ICONERROR) != 0 || (uType & MB_ICONQUESTION) != 0) {
    bool error = (uType & MB_ICONERROR) != 0;
    icon = new QLabel(&box);
    int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    icon->setPixmap(
        box.style()
            ->standardIcon(error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxQuestion)
            .pixmap(size));
    icon->setAccessibleName(LayerText(error ? "Error" : "Question"));
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  QList<Button> choices = ButtonsOf(uType);
  int escape = IDOK;
  for (const Button& choice : choices) {
    auto* button = new QPushButton(choice.caption, &box);
    button->setDefault(choice.id == choices.first().id);
    QObject::connect(button, &QPushButton::clicked, &box, [&box, id = choice.id] { box.done(id); });
    buttons->addWidget(button);
    if (choice.id == IDCANCEL) escape = IDCANCEL;
  }
  buttons->addStretch();
  auto* layout = new QVBoxLayout(&box);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* row = new QHBoxLayout;
  if (icon) row->addWidget(icon, 0, Qt::AlignTop);
  row->addWidget(text);
  layout->addLayout(row);
  layout->addSpacing(text->fontMetrics().height());
  layout->addLayout(buttons);
  int answer;
  {
    ModalFocus focus(owner ? owner->widget : nullptr);
    answer = box.exec();
  }
  return answer == QDialog::Rejected ? escape : answer;
}

}  // namespace

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  QString caption = lpCaption ? FromCodePage(lpCaption) : QString();
  return ShowMessageBox(hWnd, FromCodePage(lpText), lpCaption ? &caption : nullptr, uType);
}

int WINAPI MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
  auto wide = [](LPCWSTR text) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text));
  };
  QString caption = lpCaption ? wide(lpCaption) : QString();
  return ShowMessageBox(hWnd, wide(lpText), lpCaption ? &caption : nullptr, uType);
}

BOOL WINAPI MessageBeep(UINT) {
  SoundBell();
  return TRUE;
}
