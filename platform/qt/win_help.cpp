// The help viewer behind WinHelpA: a window of its own, not modal, owned by
// the window that asked for it (the desktop keeps it in front of its owner),
// showing a help file.
//
// A help file is HTML in UTF-8, whatever its name says; its <title> becomes
// the viewer's caption, and links to its own anchors move within it. The
// viewer has buttons for the contents, back and close; Escape closes it too.
//
//   HELP_CONTENTS  opens the file at its start, or brings the viewer of that
//                  file and owner forward and back to the start; where the
//                  file is missing, the viewer says so and where it looked
//   HELP_QUIT      closes the viewers of that file and owner
//
// Other commands fail. A viewer goes with its owner, too.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include <windows.h>

#include "platform/qt/help_files.h"
#include "platform/qt/text_conversion.h"
#include "platform/qt/window.h"

namespace {

constexpr int kViewerWidth = 620;
constexpr int kViewerHeight = 680;
constexpr int kOwnerGap = 8;

class HelpViewer : public QWidget {
 public:
  // The owner is kept as the handle the program named, to recognise its
  // later requests; a window that is gone owns nothing.
  HelpViewer(HWND owner, const QString& name)
      : QWidget(LiveWindow(owner) ? owner->widget->window() : nullptr,
                Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
        owner_(owner),
        name_(name),
        browser_(new QTextBrowser(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* contents = new QPushButton(QStringLiteral("Sisukord"), this);
    auto* back = new QPushButton(QStringLiteral("Tagasi"), this);
    auto* close = new QPushButton(QStringLiteral("Sulge"), this);
    for (QPushButton* button : {contents, back, close}) button->setAutoDefault(false);
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);

    QStringList places =
        HelpFilePlaces(name, QCoreApplication::applicationDirPath(),
                       QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    for (const QString& place : places) {
      if (QFileInfo(place).isFile()) {
        browser_->setSource(QUrl::fromLocalFile(place), QTextDocument::HtmlResource);
        break;
      }
    }
    if (browser_->source().isEmpty()) {
      contents->setEnabled(false);
      browser_->setHtml(MissingFileText(places));
    }
    QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Abi") : title);
    Place();
  }

  bool Serves(HWND owner, const QString& name) const {
    return owner_ == owner && name_.compare(name, Qt::CaseInsensitive) == 0;
  }

  void ShowContents() {
    if (!browser_->source().isEmpty()) browser_->home();
    show();
    raise();
    activateWindow();
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape) {
      close();
      return;
    }
    QWidget::keyPressEvent(event);
  }

 private:
  QString MissingFileText(const QStringList& places) const {
    QString text = QStringLiteral(
                       "<h2>Abifaili ei leitud</h2><p>Abifaili „%1“ ei leitud. Seda "
                       "otsiti nendest kohtadest:</p><ul>")
                       .arg(name_.toHtmlEscaped());
    for (const QString& place : places) {
      text += QStringLiteral("<li>%1</li>").arg(QDir::toNativeSeparators(place).toHtmlEscaped());
    }
    return text + QStringLiteral("</ul>");
  }

  // Beside the owner where the screen has room, else in the screen's middle.
  void Place() {
    QRect screen = (parentWidget() ? parentWidget()->screen() : QApplication::primaryScreen())
                       ->availableGeometry();
    QSize size(std::min(kViewerWidth, screen.width()), std::min(kViewerHeight, screen.height()));
    resize(size);
    QPoint at = screen.center() - QPoint(size.width() / 2, size.height() / 2);
    if (QWidget* owner = parentWidget()) {
      QRect frame = owner->frameGeometry();
      if (frame.right() + kOwnerGap + size.width() <= screen.right()) {
        at = QPoint(frame.right() + kOwnerGap, std::max(screen.top(), frame.top()));
      }
    }
    move(at);
  }

  HWND owner_;
  QString name_;
  QTextBrowser* browser_;
};

QList<QPointer<HelpViewer>>& Viewers() {
  static QList<QPointer<HelpViewer>> viewers;
  viewers.removeAll(nullptr);
  return viewers;
}

}  // namespace

QStringList HelpFilePlaces(const QString& name, const QString& executableFolder,
                           const QString& executableName) {
  if (name.contains(QLatin1Char('/'))) return {name};
  QDir folder(executableFolder);
  return {folder.filePath(name), QDir::cleanPath(folder.filePath(QStringLiteral("../share/") +
                                                                 executableName + '/' + name))};
}

BOOL WINAPI WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR) {
  if (lpszHelp == nullptr) return FALSE;
  QString name = FromCodePage(lpszHelp);
  switch (uCommand) {
    case HELP_CONTENTS: {
      for (HelpViewer* viewer : Viewers()) {
        if (viewer->Serves(hWndMain, name)) {
          viewer->ShowContents();
          return TRUE;
        }
      }
      auto* viewer = new HelpViewer(hWndMain, name);
      Viewers().append(viewer);
      viewer->ShowContents();
      return TRUE;
    }
    case HELP_QUIT:
      for (HelpViewer* viewer : Viewers()) {
        if (viewer->Serves(hWndMain, name)) viewer->close();
      }
      return TRUE;
    default:
      return FALSE;
  }
}
