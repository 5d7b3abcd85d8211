// The help viewer behind WinHelpA: a window of its own, not modal and not
// kept in front of the window that asked for it, opened beside that window
// where the screen has room (window_placement.h), showing a help file.
//
// A help file is HTML in UTF-8, whatever its name says; its <title> becomes
// the viewer's caption, and links to its own anchors move within it. A file
// that is there but cannot be read counts as missing. The
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
#include <QFile>
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

#include "platform/qt/help_accessibility.h"
#include "platform/qt/help_files.h"
#include "platform/qt/layer_text.h"
#include "platform/qt/text_conversion.h"
#include "platform/qt/window.h"
#include "platform/qt/window_placement.h"

namespace {

constexpr int kViewerWidth = 620;
constexpr int kViewerHeight = 680;
constexpr int kNarrowestViewer = 480;
constexpr int kOwnerGap = 8;

// A file that opens and reads to its end without an error.
bool Readable(const QString& path) {
  QFile file(path);
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return false;
  file.readAll();
  return file.error() == QFileDevice::NoError;
}

class HelpViewer : public HelpWindow {
 public:
  // The owner is kept as the handle the program named, to recognise its
  // later requests; a window that is gone owns nothing.
  HelpViewer(HWND owner, const QString& name)
      : owner_(owner),
        ownerWindow_(LiveWindow(owner) ? owner->widget->window() : nullptr),
        name_(name),
        browser_(new QTextBrowser(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    if (ownerWindow_) connect(ownerWindow_, &QObject::destroyed, this, &QWidget::close);
    auto* contents = new QPushButton(LayerText("&Contents"), this);
    auto* back = new QPushButton(LayerText("&Back"), this);
    auto* close = new QPushButton(LayerText("Close"), this);
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
    // A caret that the arrow keys move, from which a screen reader reads,
    // and that a followed link puts at its target.
    browser_->setTextInteractionFlags(browser_->textInteractionFlags() |
                                      Qt::TextSelectableByKeyboard);
    connect(browser_, &QTextBrowser::sourceChanged, browser_, [this](const QUrl& source) {
      if (source.hasFragment()) MoveCaretToAnchor(browser_, source.fragment());
    });

    QStringList places =
        HelpFilePlaces(name, QCoreApplication::applicationDirPath(),
                       QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    // A file that cannot be read is as good as missing.
    for (const QString& place : places) {
      if (Readable(place)) {
        browser_->setSource(QUrl::fromLocalFile(place), QTextDocument::HtmlResource);
        break;
      }
    }
    if (browser_->source().isEmpty()) {
      contents->setEnabled(false);
      browser_->setHtml(MissingFileText(places));
    }
    QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? LayerText("Help") : title);
    setFocusProxy(browser_);
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
    QString text = QStringLiteral("<h2>%1</h2><p>%2</p><ul>")
                       .arg(LayerText("Help file not found").toHtmlEscaped(),
                            LayerText("The help file “%1” was not found. It was looked for in "
                                      "these places:")
                                .arg(name_)
                                .toHtmlEscaped());
    for (const QString& place : places) {
      text += QStringLiteral("<li>%1</li>").arg(QDir::toNativeSeparators(place).toHtmlEscaped());
    }
    return text + QStringLiteral("</ul>");
  }

  // Beside the owner, frames included: the viewer's frame is taken to be
  // as wide as the owner's, since it is not known before the viewer shows.
  void Place() {
    QScreen* screen = ownerWindow_ ? ownerWindow_->screen() : QApplication::primaryScreen();
    QRect available = screen->availableGeometry();
    QSize wanted(kViewerWidth, kViewerHeight);
    if (!ownerWindow_) {
      QSize size = wanted.boundedTo(available.size());
      resize(size);
      move(available.center() - QPoint(size.width() / 2, size.height() / 2));
      return;
    }
    QRect ownerFrame = ownerWindow_->frameGeometry();
    QSize frame = ownerFrame.size() - ownerWindow_->size();
    QRect outer = PlaceBeside(available, ownerFrame, wanted + frame,
                              kNarrowestViewer + frame.width(), kOwnerGap);
    resize(outer.size() - frame);
    move(outer.topLeft());
  }

  HWND owner_;
  QPointer<QWidget> ownerWindow_;
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
