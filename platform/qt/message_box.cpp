// Message boxes (the text, an OK button, the error icon where asked) and the
// simple beep.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <windows.h>

#include "platform/qt/bell.h"
#include "platform/qt/layer_text.h"
#include "platform/qt/text_conversion.h"
#include "platform/qt/window.h"

namespace {

// Lines break where the text breaks them; only a line wider than three
// quarters of the screen wraps. Only the OK button exists, so closing the box
// in any way (Enter, Escape, the close box) gives IDOK, as on Win32; without
// a caption the box is titled "Error", as Win32 titles it, in the user's
// language.

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
  if ((uType & MB_ICONERROR) != 0) {
    icon = new QLabel(&box);
    int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    icon->setPixmap(box.style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(size));
    icon->setAccessibleName(LayerText("Error"));
  }
  auto* ok = new QPushButton(LayerText("OK"), &box);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
  auto* layout = new QVBoxLayout(&box);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* row = new QHBoxLayout;
  if (icon) row->addWidget(icon, 0, Qt::AlignTop);
  row->addWidget(text);
  layout->addLayout(row);
  layout->addSpacing(text->fontMetrics().height());
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  box.exec();
  return IDOK;
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
