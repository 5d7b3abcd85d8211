// The help viewer, the About box and the program's icon, reached as a person
// reaches them from the real main dialog.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QXmlStreamReader>
#include <QtTest>
#include <algorithm>

#include <windows.h>

#include "app/about_box.h"
#include "app/handles.h"
#include "app/main_dialog.h"
#include "app/resource.h"
#include "app/show_help.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/help_files.h"
#include "platform/qt/libraries.h"
#include "platform/rcgen/embedded_resources.h"
#include "tests/dialog_harness.h"

namespace {

const QString kSourceDir = QStringLiteral(OMBRIX_SOURCE_DIR);

// The help viewers on the screen: windows with a text browser.
QList<QTextBrowser*> HelpViewers() {
  QList<QTextBrowser*> viewers;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    auto* browser = window->findChild<QTextBrowser*>();
    if (browser != nullptr && browser->window() == window) viewers << browser;
  }
  return viewers;
}

// The About box once it has become the active window.
DialogWindow* OpenAboutBox() {
  auto* dialog = dynamic_cast<DialogWindow*>(QApplication::activeModalWidget());
  bool about = dialog && dialog->windowTitle() == QStringLiteral("Autor");
  return about && QApplication::activeWindow() == dialog ? dialog : nullptr;
}

QMenu* OpenPopup() {
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QImage Pixels(const QImage& image) {
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The 32 x 32 picture of an SVG made of one-pixel-high rectangles, as the
// icon's SVG is: each rectangle filled with its colour.
QImage SvgSquares(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QImage();
  QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QXmlStreamReader svg(&file);
  while (!svg.atEnd()) {
    svg.readNext();
    if (!svg.isStartElement() || svg.name() != QLatin1String("rect")) continue;
    QXmlStreamAttributes a = svg.attributes();
    QRect rect(a.value("x").toInt(), a.value("y").toInt(), a.value("width").toInt(),
               a.value("height").toInt());
    QColor colour(a.value("fill").toString());
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      for (int x = rect.left(); x <= rect.right(); ++x) image.setPixel(x, y, colour.rgba());
    }
  }
  return svg.hasError() ? QImage() : image;
}

struct AboutCloser {
  const char* name;
  void (*close)(DialogWindow* box);
};

const AboutCloser kAboutClosers[] = {
    {"OK button",
     [](DialogWindow* box) { QTest::mouseClick(box->Control(IDOK)->widget, Qt::LeftButton); }},
    {"Enter", [](DialogWindow*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }},
    {"Escape",
     [](DialogWindow* box) { QTest::keyClick(box->Control(IDOK)->widget, Qt::Key_Escape); }},
};

}  // namespace

class HelpAndAboutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(StartAsTheProgramDoes()); }

  void helpOpensBesideTheDialogAndClosesWithIt_data() {
    QTest::addColumn<int>("closer");
    QTest::addColumn<bool>("fromMenu");
    for (int i = 0; i < static_cast<int>(std::size(kClosers)); ++i) {
      QTest::newRow(kClosers[i].name) << i << (i % 2 == 1);
    }
  }

  void helpOpensBesideTheDialogAndClosesWithIt() {
    QFETCH(int, closer);
    QFETCH(bool, fromMenu);
    QPointer<QTextBrowser> viewer;
    INT_PTR result = RunMainDialog(
        [&](HWND dialog) {
          for (int time = 0; time < 2; ++time) {
            if (fromMenu) {
              Choose(dialog, IDM_HELP);
            } else {
              QTest::mouseClick(Widget(dialog, IDC_HELP_BUTTON), Qt::LeftButton);
            }
          }
          QCOMPARE(HelpViewers().size(), 1);
          viewer = HelpViewers().first();
          QWidget* window = viewer->window();
          QCOMPARE(window->parentWidget(), nullptr);  // not kept in front of the dialog
          QCOMPARE(window->windowType(), Qt::Window);
          QVERIFY(!window->isModal());
          QCOMPARE(window->windowTitle(), QStringLiteral("Ombrix – abi"));
          QVERIFY(viewer->source().toLocalFile().endsWith("/Ombrix.HLP"));
          QVERIFY(viewer->toPlainText().contains("Sünnikuupäeva sisestamine"));
          // The main dialog still answers while the viewer is open.
          ClickLikeAPerson(Widget(dialog, IDOK));
          QVERIFY(Commands.contains(IDOK));
          kClosers[closer].close(dialog);
        },
        true);
    QCOMPARE(result, 1);
    QTRY_VERIFY(viewer.isNull() || !viewer->isVisible());
  }

  void theDialogsEndTellsTheViewerToQuit() {
    RunMainDialog([](HWND dialog) {
      ShowHelp();
      QCOMPARE(HelpViewers().size(), 1);
      QCOMPARE(MainDialogProc(dialog, WM_DESTROY, 0, 0), 0);
      QCOMPARE(HelpViewers().size(), 0);
    });
  }

  void aMissingHelpFileIsNamedInTheViewer() {
    RunMainDialog([](HWND dialog) {
      ShowHelp();
      QVERIFY(WinHelpA(dialog, "Puudub.HLP", HELP_CONTENTS, 0));
      QCOMPARE(HelpViewers().size(), 2);
      QTextBrowser* missing =
          HelpViewers().first()->source().isEmpty() ? HelpViewers().first() : HelpViewers().last();
      QString text = missing->toPlainText();
      QVERIFY(text.contains("Abifaili „Puudub.HLP“ ei leitud."));
      QVERIFY(text.contains(QCoreApplication::applicationDirPath() + "/Puudub.HLP"));
      QVERIFY(WinHelpA(dialog, "Puudub.HLP", HELP_QUIT, 0));
      QCOMPARE(HelpViewers().size(), 1);
      QVERIFY(!HelpViewers().first()->source().isEmpty());
      QVERIFY(!WinHelpA(dialog, kHelpFile, 0x0101, 0));  // a command the viewer does not know
    });
  }

  // A help file that is there but cannot be read (its reads fail, whoever
  // reads it) is reported as missing, not shown as an empty page.
  void anUnreadableHelpFileIsReportedAsMissing() {
    const char* unreadable = "/proc/self/clear_refs";
    RunMainDialog([&](HWND dialog) {
      QVERIFY(WinHelpA(dialog, unreadable, HELP_CONTENTS, 0));
      QCOMPARE(HelpViewers().size(), 1);
      QString text = HelpViewers().first()->toPlainText();
      QVERIFY2(text.contains(QStringLiteral("Abifaili „%1“ ei leitud.").arg(unreadable)),
               qPrintable(text));
      QVERIFY(WinHelpA(dialog, unreadable, HELP_QUIT, 0));
    });
  }

  void helpFilesAreLookedForBesideTheProgram_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("places");
    QTest::newRow("installed") << "Ombrix.HLP"
                               << "/usr/bin"
                               << QStringList{"/usr/bin/Ombrix.HLP",
                                              "/usr/share/ombrix/Ombrix.HLP"};
    QTest::newRow("unpacked package")
        << "Ombrix.HLP"
        << "/tmp/deb/usr/bin"
        << QStringList{"/tmp/deb/usr/bin/Ombrix.HLP", "/tmp/deb/usr/share/ombrix/Ombrix.HLP"};
    QTest::newRow("build folder") << "Ombrix.HLP"
                                  << "/src/build/default"
                                  << QStringList{"/src/build/default/Ombrix.HLP",
                                                 "/src/build/share/ombrix/Ombrix.HLP"};
    QTest::newRow("name with a folder") << "abi/Ombrix.HLP"
                                        << "/usr/bin" << QStringList{"abi/Ombrix.HLP"};
  }

  void helpFilesAreLookedForBesideTheProgram() {
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QFETCH(QStringList, places);
    QCOMPARE(HelpFilePlaces(name, folder, "ombrix"), places);
  }

  // Every link of the help leads to a place in it, and its menu is Estonian.
  void theHelpsLinksLeadSomewhere() {
    QFile file(QCoreApplication::applicationDirPath() + "/Ombrix.HLP");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString html = QString::fromUtf8(file.readAll());
    QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    int links = 0;
    for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
      ++links;
      QVERIFY2(html.contains("name=\"" + match.captured(1) + "\""), qPrintable(match.captured(1)));
    }
    QVERIFY(links >= 6);

    RunMainDialog([](HWND) {
      ShowHelp();
      QTextBrowser* viewer = HelpViewers().first();
      viewer->selectAll();
      QStringList items;
      QMenu* menu = viewer->createStandardContextMenu();
      for (QAction* action : menu->actions()) items << action->text().section('\t', 0, 0);
      delete menu;
      QCOMPARE(items, QStringList({"&Kopeeri", "Kopeeri &lingi aadress", "", "V&ali kõik"}));
    });
  }

  // The help's colours are the palette's, dark ones too: no heading or text
  // has a colour of its own (links take the palette's link colour).
  void theHelpTakesItsColoursFromThePalette() {
    RunMainDialog([](HWND) {
      ShowHelp();
      QTextDocument* document = HelpViewers().first()->document();
      for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
          QTextCharFormat format = fragment.fragment().charFormat();
          QVERIFY2(format.isAnchor() || !format.hasProperty(QTextFormat::ForegroundBrush),
                   qPrintable(fragment.fragment().text()));
        }
      }
    });
  }

  void aboutBoxShowsNameVersionDescriptionAuthor() {
    QStringList texts;
    Qt::WindowFlags flags;
    bool fixedSize = false, owned = false, fits = true;
    QWidget* focus = nullptr;
    QWidget* ok = nullptr;
    WindowWatcher<DialogWindow> boxes{
        OpenAboutBox, [&](DialogWindow* box) {
          std::vector<HWND__*> controls = box->Controls();
          std::sort(controls.begin(), controls.end(),
                    [](HWND__* a, HWND__* b) { return a->widget->y() < b->widget->y(); });
          for (HWND__* control : controls) {
            texts << control->Text();
            auto* label = qobject_cast<QLabel*>(control->widget);
            if (label != nullptr && label->heightForWidth(label->width()) > label->height()) {
              fits = false;
            }
          }
          flags = box->windowFlags();
          fixedSize = box->minimumSize() == box->maximumSize();
          owned = box->parentWidget() == MainDialog->widget;
          focus = QApplication::focusWidget();
          ok = box->Control(IDOK)->widget;
          QTest::keyClick(focus, Qt::Key_Escape);
        }};
    RunMainDialog([](HWND dialog) { Choose(dialog, IDM_ABOUT); });
    QCOMPARE(boxes.Seen(), 1);
    QCOMPARE(texts, QStringList({"Ombrix", "Versioon 1.0",
                                 "Programm arvutab sünnikuupäeva numbrid ja selgitab nende "
                                 "tähendust.",
                                 "© 2026 Ombrixi autorid", "OK"}));
    QVERIFY(fits);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
    QVERIFY(fixedSize);
    QVERIFY(owned);
    QCOMPARE(focus, ok);
    QCOMPARE(Commands, QList<int>{IDM_ABOUT});  // Escape reached the box, not the dialog
  }

  void aboutBoxClosesThreeWays_data() {
    QTest::addColumn<int>("way");
    for (int i = 0; i < static_cast<int>(std::size(kAboutClosers)); ++i) {
      QTest::newRow(kAboutClosers[i].name) << i;
    }
  }

  void aboutBoxClosesThreeWays() {
    QFETCH(int, way);
    WindowWatcher<DialogWindow> boxes{OpenAboutBox,
                                      [way](DialogWindow* box) { kAboutClosers[way].close(box); }};
    RunMainDialog([](HWND dialog) {
      INT_PTR result =
          DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_ABOUT_BOX), dialog, AboutDialogProc, 0);
      QCOMPARE(result, 1);
      QVERIFY(dialog->widget->isVisible());
    });
    QCOMPARE(boxes.Seen(), 1);
  }

  void thePopupsOhhooOpensTheAboutBox() {
    WindowWatcher<QMenu> popups{OpenPopup, [](QMenu* menu) {
                                  menu->setActiveAction(menu->actions().last());
                                  QTest::keyClick(menu, Qt::Key_Return);
                                }};
    WindowWatcher<DialogWindow> boxes{OpenAboutBox, [](DialogWindow* box) {
                                        QTest::keyClick(box->Control(IDOK)->widget, Qt::Key_Return);
                                      }};
    RunMainDialog([](HWND dialog) {
      QWidget* client = LiveDialog(dialog)->Client();
      QTest::mouseClick(client, Qt::RightButton, {}, QPoint(5, 5));
      QCoreApplication::processEvents();
    });
    QCOMPARE(popups.Seen(), 1);
    QCOMPARE(boxes.Seen(), 1);
    QCOMPARE(Commands, QList<int>({kTrackEnd, IDM_ABOUT}));
  }

  // The icon file is what its source shows, in 16 colours; the program
  // carries it and every window shows it.
  void theProgramsIconIsItsSourceInSixteenColours() {
    QFile ico(kSourceDir + "/app/icon/ombrix.ico");
    QVERIFY(ico.open(QIODevice::ReadOnly));
    QByteArray bytes = ico.readAll();
    const EmbeddedIcon* icon = ProgramIcon();
    QVERIFY(icon != nullptr);
    QCOMPARE(icon->id, IDI_PROGRAM);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(icon->bytes), icon->size), bytes);
    QCOMPARE(bytes.mid(4, 2), QByteArray("\1\0", 2));       // one image
    QCOMPARE(bytes.mid(6, 3), QByteArray("\x20\x20\x10"));  // 32 x 32, 16 colours
    QCOMPARE(bytes.mid(12, 2), QByteArray("\4\0", 2));      // 4 bits a pixel

    QImage source(kSourceDir + "/app/icon/ombrix.xpm");
    QCOMPARE(source.size(), QSize(32, 32));
    QCOMPARE(Pixels(QImage::fromData(bytes, "ICO")), Pixels(source));
    QCOMPARE(Pixels(QImage(kSourceDir + "/app/icon/ombrix.png")), Pixels(source));
    QCOMPARE(Pixels(QApplication::windowIcon().pixmap(32, 32).toImage()), Pixels(source));
  }

  // The desktop's larger icons repeat each pixel of the source as a square
  // (at 48, a pixel and a half: the whole pixel at every even source pixel
  // is the source's), and the scalable one draws the same squares.
  void theLargerIconsShowTheSamePixels() {
    QImage source = Pixels(QImage(kSourceDir + "/app/icon/ombrix.xpm"));
    for (int size : {48, 64, 128, 256}) {
      QImage icon =
          Pixels(QImage(kSourceDir + QStringLiteral("/app/icon/ombrix-%1.png").arg(size)));
      QCOMPARE(icon.size(), QSize(size, size));
      for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
          if (size % 32 != 0 && (x % 2 != 0 || y % 2 != 0)) continue;
          QPoint at(x * size / 32, y * size / 32);
          QVERIFY2(icon.pixel(at) == source.pixel(x, y),
                   qPrintable(QStringLiteral("%1 px, pixel %2,%3").arg(size).arg(x).arg(y)));
        }
      }
    }
    QCOMPARE(SvgSquares(kSourceDir + "/app/icon/ombrix.svg"), source);
  }
};

QTEST_MAIN(HelpAndAboutTest)
#include "help_and_about_test.moc"
