// Message boxes (the text, an OK button, no icon) and the simple beep.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/qt/bell.h"
#include "platform/qt/layer_text.h"
#include "platform/qt/text_conversion.h"
#include "platform/qt/window.h"

// Lines break where the text breaks them; only a line wider than three
// quarters of the screen wraps. Only the OK button exists, so closing the box
// in any way (Enter, Escape, the close box) gives IDOK, as on Win32; without
// a caption the box is titled "Error", as Win32 titles it, in the user's
// language.
int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT) {
  constexpr int kMaxWidthPercent = 75;
  HWND__* owner = LiveWindow(hWnd);
  QDialog box(owner ? owner->widget->window() : nullptr, Qt::Dialog | Qt::CustomizeWindowHint |
                                                             Qt::WindowTitleHint |
                                                             Qt::WindowCloseButtonHint);
  box.setWindowTitle(lpCaption ? FromCodePage(lpCaption) : LayerText("Error"));
  auto* text = new QLabel(WithLfLineEnds(FromCodePage(lpText)), &box);
  text->setTextFormat(Qt::PlainText);
  int maxWidth = box.screen()->availableGeometry().width() * kMaxWidthPercent / 100;
  if (text->sizeHint().width() > maxWidth) {
    text->setWordWrap(true);
    text->setFixedWidth(maxWidth);
  }
  auto* ok = new QPushButton(LayerText("OK"), &box);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
  auto* layout = new QVBoxLayout(&box);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(text);
  layout->addSpacing(text->fontMetrics().height());
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  box.exec();
  return IDOK;
}

BOOL WINAPI MessageBeep(UINT) {
  SoundBell();
  return TRUE;
}
