#include "platform/qt/dialog_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindowStateChangeEvent>
#include <algorithm>

#include "platform/qt/own_caption.h"
#include "platform/qt/text_conversion.h"
#include "platform/qt/win32_private.h"

namespace {

// A dialog with an owner is the owner's dialog window, which the desktop
// keeps in front of the owner, as Win32 keeps an owned window.
Qt::WindowFlags WindowFlagsOf(uint32_t style, bool owned) {
  Qt::WindowFlags flags = (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
  if (DrawsItsOwnCaption(style)) return flags | Qt::FramelessWindowHint;
  if ((style & WS_CAPTION) == WS_CAPTION) flags |= Qt::WindowTitleHint;
  if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
  if (style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

WPARAM MouseKeyState(const QMouseEvent* event) {
  WPARAM keys = 0;
  if (event->buttons() & Qt::LeftButton) keys |= MK_LBUTTON;
  if (event->buttons() & Qt::MiddleButton) keys |= MK_MBUTTON;
  if (event->modifiers() & Qt::ShiftModifier) keys |= MK_SHIFT;
  if (event->modifiers() & Qt::ControlModifier) keys |= MK_CONTROL;
  return keys;
}

}  // namespace

// The dialog's client area: the parent of the controls and the origin of
// client coordinates.
class ClientArea : public QWidget {
 public:
  explicit ClientArea(DialogWindow* dialog) : QWidget(dialog), dialog_(dialog) {}

 protected:
  void resizeEvent(QResizeEvent*) override { dialog_->ClientResized(); }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::RightButton) QWidget::mousePressEvent(event);
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::RightButton) {
      QWidget::mouseReleaseEvent(event);
      return;
    }
    QPoint at = event->position().toPoint();
    dialog_->Send(WM_RBUTTONUP, MouseKeyState(event), MAKELPARAM(at.x(), at.y()));
  }

 private:
  DialogWindow* dialog_;
};

DialogWindow::DialogWindow(const EmbeddedDialog& dialogTemplate, DLGPROC proc, QWidget* owner)
    : QWidget(owner, WindowFlagsOf(dialogTemplate.style, owner != nullptr)),
      HWND__(this, nullptr, 0, dialogTemplate.style),
      proc_(proc),
      font_(dialogTemplate.style & DS_SETFONT
                ? TemplateFont(dialogTemplate.fontName, dialogTemplate.fontPoints,
                               dialogTemplate.fontWeight, dialogTemplate.fontItalic != 0)
                : QApplication::font()),
      units_(DialogBaseUnits(font_)),
      caption_(windowFlags() & Qt::FramelessWindowHint ? new OwnCaption(this) : nullptr),
      client_(new ClientArea(this)) {
  setWindowTitle(FromCodePage(dialogTemplate.caption));
  client_->setFont(font_);
  if (const EmbeddedMenu* menu = FindEmbeddedMenu(dialogTemplate.menuId)) {
    menu_ = BuildMenuBar(*menu, this, this);
    menuBar_ = menu_->bar;
  }
  QRect area = DialogUnitsToPixels(units_, dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx,
                                   dialogTemplate.cy);
  int menuHeight = menuBar_ ? menuBar_->heightForWidth(area.width()) : 0;
  QMargins frame = caption_ ? caption_->Margins() : QMargins();
  resize(area.width() + frame.left() + frame.right(),
         area.height() + menuHeight + frame.top() + frame.bottom());
  LayOut();
  if (!(windowStyle & WS_THICKFRAME)) setFixedSize(size());
  if (owner != nullptr) setWindowModality(Qt::WindowModal);
  if (windowStyle & DS_CENTER) {
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    QRect available = screen->availableGeometry();
    move(available.x() + (available.width() - width()) / 2,
         available.y() + (available.height() - height()) / 2);
  } else {
    move(area.topLeft());
  }
}

DialogWindow::~DialogWindow() = default;

INT_PTR DialogWindow::Send(UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result = proc_(this, message, wParam, lParam);
  if (result == 0 && message == WM_CLOSE) SendCommand(IDCANCEL);
  return result;
}

HWND__* DialogWindow::Control(int id) const {
  for (HWND__* control : controls_) {
    if (control->id == id) return control;
  }
  return nullptr;
}

INT_PTR DialogWindow::Run(LPARAM initParam) {
  // Win32 asks for the size limits and reports the size while it creates the
  // window, before WM_INITDIALOG; the procedure must not rely on its own
  // initialisation for these.
  QueryMinimumSize();
  SendSize(SIZE_RESTORED, client_->width(), client_->height());
  HWND__* first = FirstTabStop();
  if (Send(WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam) != 0 && first != nullptr) {
    first->widget->setFocus(Qt::TabFocusReason);
  }
  if (!ended_) {
    QueryMinimumSize();
    show();
    if (windowStyle & DS_SETFOREGROUND) activateWindow();
    QEventLoop loop;
    loop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    loop_ = nullptr;
  }
  hide();
  Send(WM_DESTROY, 0, 0);
  return result_;
}

void DialogWindow::End(INT_PTR result) {
  ended_ = true;
  result_ = result;
  if (loop_ != nullptr) loop_->exit();
}

void DialogWindow::resizeEvent(QResizeEvent*) {
  LayOut();
}

void DialogWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (isMinimized()) {
      SendSize(SIZE_MINIMIZED, 0, 0);
    } else if (change->oldState() & Qt::WindowMinimized) {
      ClientResized();
    }
  }
  QWidget::changeEvent(event);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      SendCommand(IDCANCEL);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      for (HWND__* control : controls_) {
        if (control->widget == QApplication::focusWidget() &&
            dynamic_cast<QAbstractButton*>(control->widget) != nullptr) {
          SendCommand(control->id);
          return;
        }
      }
      SendCommand(DefaultButtonId());
      return;
    case Qt::Key_F10:
      if (event->modifiers() == Qt::NoModifier && menuBar_ != nullptr) {
        ToggleMenuBar();
        return;
      }
      QWidget::keyPressEvent(event);
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  Send(WM_CLOSE, 0, 0);
}

void DialogWindow::LayOut() {
  QRect inside = rect();
  if (caption_) {
    caption_->setGeometry(rect());
    inside = inside.marginsRemoved(caption_->Margins());
  }
  int menuHeight = menuBar_ ? menuBar_->heightForWidth(inside.width()) : 0;
  if (menuBar_) menuBar_->setGeometry(inside.x(), inside.y(), inside.width(), menuHeight);
  client_->setGeometry(inside.x(), inside.y() + menuHeight, inside.width(),
                       std::max(0, inside.height() - menuHeight));
}

void DialogWindow::QueryMinimumSize() {
  QRect screen = this->screen()->availableGeometry();
  QSize desktop = this->screen()->virtualSize();
  MINMAXINFO info{};
  info.ptMaxSize = {screen.width(), screen.height()};
  info.ptMaxPosition = {screen.x(), screen.y()};
  info.ptMinTrackSize = {minimumWidth(), minimumHeight()};
  info.ptMaxTrackSize = {desktop.width(), desktop.height()};
  Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  setMinimumSize(std::max(0, static_cast<int>(info.ptMinTrackSize.x)),
                 std::max(0, static_cast<int>(info.ptMinTrackSize.y)));
}

void DialogWindow::SendSize(WPARAM kind, int width, int height) {
  Send(WM_SIZE, kind, MAKELPARAM(width, height));
}

void DialogWindow::ClientResized() {
  if (isMinimized()) return;
  SendSize(isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED, client_->width(), client_->height());
}

HWND__* DialogWindow::FirstTabStop() const {
  for (HWND__* control : controls_) {
    if ((control->windowStyle & WS_TABSTOP) && (control->windowStyle & WS_VISIBLE)) return control;
  }
  return nullptr;
}

int DialogWindow::DefaultButtonId() const {
  for (HWND__* control : controls_) {
    if (dynamic_cast<QAbstractButton*>(control->widget) != nullptr &&
        (control->windowStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
      return control->id;
    }
  }
  return IDOK;
}

void DialogWindow::SendCommand(int id) {
  Send(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(id)));
}

// Qt's menu bar answers Alt alone, pressed and released where the keyboard
// is; F10 plays that to it.
void DialogWindow::ToggleMenuBar() {
  QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : this;
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
  QCoreApplication::sendEvent(focus, &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
  QCoreApplication::sendEvent(focus, &release);
}

DialogWindow* LiveDialog(HWND hwnd) {
  return dynamic_cast<DialogWindow*>(LiveWindow(hwnd));
}

void NotifyDialog(HWND__* control, WORD code) {
  if (DialogWindow* dialog = LiveDialog(control->parent)) {
    dialog->Send(WM_COMMAND, MAKEWPARAM(control->id, code), reinterpret_cast<LPARAM>(control));
  }
}

void PostToDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogWindow* live = LiveDialog(dialog);
  if (live == nullptr) return;
  QMetaObject::invokeMethod(
      live,
      [dialog, message, wParam, lParam] {
        if (DialogWindow* target = LiveDialog(dialog)) target->Send(message, wParam, lParam);
      },
      Qt::QueuedConnection);
}
