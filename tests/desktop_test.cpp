// The window as today's desktops meet it: the keyboard as on Windows, a
// help viewer that stays out of the way, Estonian whatever the system's
// locale, frame lines and the status bar true to the pixel at every scale,
// the About box without window buttons under a window manager and on
// Wayland, and Alt+F4 asking first after an edit. Most run on Qt's offscreen
// platform; the ones about a desktop skip there and run under Xvfb with
// Openbox and under Weston (tests/tests.cmake).
#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeView>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <vector>

#include <windows.h>

#include "app/handles.h"
#include "app/resource.h"
#include "app/show_help.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/libraries.h"
#include "platform/qt/own_caption.h"
#include "platform/qt/window_placement.h"
#include "tests/dialog_harness.h"

namespace {

QMenu* OpenPopup() {
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

DialogWindow* OpenAboutBox() {
  auto* box = dynamic_cast<DialogWindow*>(QApplication::activeModalWidget());
  return box && box->windowTitle() == QStringLiteral("Autor") ? box : nullptr;
}

// The program's own message box: a dialog of Qt's plain kind.
QDialog* OpenProgramBox() {
  QDialog* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  return box && !qobject_cast<QFileDialog*>(box) ? box : nullptr;
}

QStringList ItemTexts(const QMenu* menu) {
  QStringList texts;
  for (QAction* action : menu->actions()) texts << action->text().section('\t', 0, 0);
  return texts;
}

QMenuBar* MenuBar(HWND dialog) {
  return dialog->widget->findChild<QMenuBar*>();
}

bool OnDesktop() {
  return QGuiApplication::platformName() != QLatin1String("offscreen");
}

// An X property of a window as xprop prints it, "" while it is not set.
QString XProperty(QWidget* window, const char* name) {
  QProcess xprop;
  xprop.start("xprop", {"-id", QString::number(window->winId()), name});
  xprop.waitForFinished();
  QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
  return line.contains(" = ") ? line.section(" = ", 1) : QString();
}

// Whether the window's pixels, at dpr device pixels a pixel, show a line
// along one side of a control: a row or column within the side's outermost
// pixel and a half that has, along the middle of the side, one colour that
// is neither the dialog's background nor the control's inside (its commonest
// grey).
bool LineAlongSide(const QImage& image, QRect control, Qt::Edge side, qreal dpr, QRgb background) {
  constexpr int kDifference = 12;
  auto differ = [](QRgb a, QRgb b) { return qAbs(qGray(a) - qGray(b)) >= kDifference; };
  QMap<int, int> greys;
  for (int y = control.top() + 2; y < control.bottom() - 1; y += 2) {
    for (int x = control.left() + 2; x < control.right() - 1; x += 2) {
      ++greys[qGray(image.pixel(int(x * dpr), int(y * dpr)))];
    }
  }
  int common = std::max_element(greys.begin(), greys.end()).key();
  QRgb inside = qRgb(common, common, common);
  bool vertical = side == Qt::LeftEdge || side == Qt::RightEdge;
  bool low = side == Qt::LeftEdge || side == Qt::TopEdge;
  int from = vertical ? control.top() : control.left();
  int length = vertical ? control.height() : control.width();
  double edge = (vertical ? (low ? control.left() : control.left() + control.width())
                          : (low ? control.top() : control.top() + control.height())) *
                dpr;
  int first = low ? int(std::floor(edge)) : int(std::floor(edge - 1.5 * dpr));
  int last = low ? int(std::ceil(edge + 1.5 * dpr)) - 1 : int(std::ceil(edge)) - 1;
  for (int at = first; at <= last; ++at) {
    auto pixel = [&](int along) {
      int device = int(along * dpr);
      return vertical ? image.pixel(at, device) : image.pixel(device, at);
    };
    QRgb line = pixel(from + length / 5);
    bool drawn = differ(line, background) && differ(line, inside);
    for (int along = from + length / 5; along < from + length * 4 / 5 && drawn; along += 3) {
      drawn = !differ(pixel(along), line);
    }
    if (drawn) return true;
  }
  return false;
}

// The share of the pixels of the menu bar's item that are painted in the
// palette's highlight colour.
double HighlightedShare(QMenuBar* bar, int item) {
  QImage image = bar->grab().toImage();
  QRect area = bar->actionGeometry(bar->actions().at(item)) & image.rect();
  QRgb highlight = bar->palette().color(QPalette::Highlight).rgb();
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += image.pixel(x, y) == highlight;
  }
  return area.isEmpty() ? 0 : double(count) / (area.width() * area.height());
}

// Palettes the focus must show in: the style's own, a dark one and a
// high-contrast one.
QPalette DarkPalette() {
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
  palette.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
  palette.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
  palette.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
  palette.setColor(QPalette::Button, QColor(0x40, 0x40, 0x40));
  palette.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
  palette.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
  palette.setColor(QPalette::HighlightedText, Qt::black);
  return palette;
}

QPalette HighContrastPalette() {
  QPalette palette;
  for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
    palette.setColor(role, Qt::black);
  }
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, Qt::white);
  }
  palette.setColor(QPalette::Highlight, Qt::yellow);
  palette.setColor(QPalette::HighlightedText, Qt::black);
  return palette;
}

// What the window shows on the screen once its pending paints are done: a
// control that did not paint itself anew shows as it was.
QImage OnScreen(QWidget* window) {
  QCoreApplication::processEvents();
  return window->screen()
      ->grabWindow(window->winId())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

// How many pixels of the widget differ between two pictures of its window.
int DifferingPixels(const QImage& a, const QImage& b, QRect area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  }
  return count;
}

// What the save dialog shows: labels, buttons and their tips, choices, the
// column headings and every cell of the folder's files.
QStringList SaveDialogTexts(QFileDialog* dialog) {
  QStringList texts;
  auto add = [&texts](const QString& text) {
    if (!text.isEmpty()) texts << text;
  };
  for (QLabel* label : dialog->findChildren<QLabel*>()) add(label->text());
  for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
    add(button->text());
    add(button->toolTip());
  }
  for (QComboBox* box : dialog->findChildren<QComboBox*>()) {
    for (int i = 0; i < box->count(); ++i) add(box->itemText(i));
  }
  auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
  QAbstractItemModel* model = view->model();
  QModelIndex folder = view->rootIndex();
  for (int column = 0; column < model->columnCount(folder); ++column) {
    add(model->headerData(column, Qt::Horizontal).toString());
    for (int row = 0; row < model->rowCount(folder); ++row) {
      add(model->index(row, column, folder).data().toString());
    }
  }
  return texts;
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(StartAsTheProgramDoes()); }

  void f10AndAltGiveTheKeyboardToTheMenuBar_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("focus");
    for (int focus : {IDOK, IDC_BIRTH_DATE_INPUT, IDC_REPORT_VIEW}) {
      QTest::addRow("F10 from %d", focus) << int(Qt::Key_F10) << focus;
    }
    QTest::newRow("Alt") << int(Qt::Key_Alt) << int(IDC_BIRTH_DATE_INPUT);
  }

  // As on Windows: the first menu's title is highlighted and no menu opens;
  // Down opens it; the same key again gives the keyboard back.
  void f10AndAltGiveTheKeyboardToTheMenuBar() {
    QFETCH(int, key);
    QFETCH(int, focus);
    RunMainDialog([&](HWND dialog) {
      QMenuBar* bar = MenuBar(dialog);
      QWidget* control = Widget(dialog, focus);
      control->setFocus();
      QTest::keyClick(control, Qt::Key(key));
      QTRY_COMPARE(QApplication::focusWidget(), bar);
      QCOMPARE(bar->activeAction(), bar->actions().first());
      QVERIFY(OpenPopup() == nullptr);
      QVERIFY(HighlightedShare(bar, 0) > 0.3);
      QVERIFY(HighlightedShare(bar, 1) == 0);
      QTest::keyClick(bar, Qt::Key(key));
      QTRY_COMPARE(QApplication::focusWidget(), control);
      QCOMPARE(bar->activeAction(), nullptr);
      QVERIFY(HighlightedShare(bar, 0) == 0);

      QTest::keyClick(control, Qt::Key(key));
      QTest::keyClick(bar, Qt::Key_Down);
      QTRY_VERIFY(OpenPopup() != nullptr);
      QCOMPARE(ItemTexts(OpenPopup()).first(), QStringLiteral("Salvesta see jutt kettale"));
      QTest::keyClick(OpenPopup(), Qt::Key_Escape);
      QTest::keyClick(bar, Qt::Key_Escape);
    });
    QVERIFY(Commands.empty());
  }

  // Every control that takes the focus shows it, the default button and the
  // report view too, in the style's palette, a dark and a high-contrast one:
  // on the screen, the control's pixels differ between focused and not,
  // along its whole edge at least, and are as before once the focus left.
  void theFocusIsVisible_data() {
    QTest::addColumn<int>("palette");
    QTest::addColumn<int>("control");
    const char* names[] = {"style's", "dark", "high contrast"};
    for (int palette = 0; palette < 3; ++palette) {
      for (int control : {IDOK, IDCANCEL, IDC_BIRTH_DATE_INPUT, IDC_REPORT_VIEW}) {
        QTest::addRow("%s palette, control %d", names[palette], control) << palette << control;
      }
    }
  }

  void theFocusIsVisible() {
    QFETCH(int, palette);
    QFETCH(int, control);
    QPalette original = QApplication::palette();
    if (palette == 1) QApplication::setPalette(DarkPalette());
    if (palette == 2) QApplication::setPalette(HighContrastPalette());
    RunMainDialog([&](HWND dialog) {
      QWidget* window = dialog->widget;
      QWidget* focused = Widget(dialog, control);
      QWidget* elsewhere = Widget(dialog, control == IDC_HELP_BUTTON ? IDOK : IDC_HELP_BUTTON);
      QRect area(focused->mapTo(window, QPoint(0, 0)), focused->size());
      elsewhere->setFocus();
      QTRY_COMPARE(QApplication::focusWidget(), elsewhere);
      QImage without = OnScreen(window);
      focused->setFocus();
      QTRY_COMPARE(QApplication::focusWidget(), focused);
      QImage with = OnScreen(window);
      int edge = focused->width() + focused->height();
      QVERIFY2(
          DifferingPixels(without, with, area) >= edge,
          qPrintable(QStringLiteral("%1 pixels differ").arg(DifferingPixels(without, with, area))));
      elsewhere->setFocus();
      QTRY_COMPARE(QApplication::focusWidget(), elsewhere);
      QCOMPARE(DifferingPixels(without, OnScreen(window), area), 0);
    });
    QApplication::setPalette(original);
  }

  // Ctrl and the wheel, Ctrl++ and Ctrl+- zoom the report view's text, and
  // Ctrl+0 brings it back; the dialog keeps its layout.
  void theReportsTextZooms() {
    RunMainDialog([](HWND dialog) {
      QPlainTextEdit* view = ReportView(dialog);
      QLineEdit* date = DateInput(dialog);
      int size = view->font().pixelSize();
      QRect geometry = view->geometry();
      auto wheel = [view](int delta, Qt::KeyboardModifiers modifiers) {
        QPoint at = view->viewport()->rect().center();
        QWheelEvent event(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &event);
      };
      view->setFocus();
      QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
      QVERIFY(view->font().pixelSize() > size);
      QTest::keyClick(view, Qt::Key_0, Qt::ControlModifier);
      QCOMPARE(view->font().pixelSize(), size);
      QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
      QVERIFY(view->font().pixelSize() < size);
      QTest::keyClick(view, Qt::Key_Equal, Qt::ControlModifier);
      QCOMPARE(view->font().pixelSize(), size);
      wheel(120, Qt::ControlModifier);
      QVERIFY(view->font().pixelSize() > size);
      wheel(-120, Qt::ControlModifier);
      QCOMPARE(view->font().pixelSize(), size);
      for (int step = 0; step < 40; ++step) wheel(120, Qt::ControlModifier);
      QCOMPARE(view->font().pixelSize(), size * 4);
      wheel(-120, Qt::NoModifier);
      QCOMPARE(view->font().pixelSize(), size * 4);
      QCOMPARE(view->geometry(), geometry);
      QCOMPARE(date->font().pixelSize(), size);
    });
  }

  void shiftF10AndTheMenuKeyOpenTheEditMenu_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    for (int control : {IDC_BIRTH_DATE_INPUT, IDC_REPORT_VIEW}) {
      QTest::addRow("Shift+F10 in %d", control)
          << control << int(Qt::Key_F10) << int(Qt::ShiftModifier);
      QTest::addRow("menu key in %d", control)
          << control << int(Qt::Key_Menu) << int(Qt::NoModifier);
    }
  }

  // The editor's own menu, in Estonian, at the middle of the control; its
  // mnemonic "a" selects the whole text.
  void shiftF10AndTheMenuKeyOpenTheEditMenu() {
    QFETCH(int, control);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QStringList items;
    QPoint shownAt;
    WindowWatcher<QMenu> menus{OpenPopup, [&](QMenu* menu) {
                                 items = ItemTexts(menu);
                                 shownAt = menu->pos();
                                 QTest::keyClick(menu, Qt::Key_A);
                               }};
    QPoint middle;
    bool allSelected = false;
    RunMainDialog([&](HWND dialog) {
      QWidget* editor = Widget(dialog, control);
      editor->setFocus();
      middle = editor->mapToGlobal(editor->rect().center());
      QTest::keyClick(editor, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
      QByteArray text = ItemText(dialog, control);
      allSelected = control == IDC_REPORT_VIEW
                        ? ReportView(dialog)->textCursor().selectedText().size() ==
                              ReportView(dialog)->document()->characterCount() - 1
                        : DateInput(dialog)->selectedText().size() == text.size();
    });
    QCOMPARE(menus.Seen(), 1);
    QCOMPARE(items, QStringList({"&Võta tagasi", "&Tee uuesti", "", "&Lõika", "&Kopeeri", "Kl&eebi",
                                 "K&ustuta", "", "V&ali kõik"}));
    QCOMPARE(shownAt, middle);
    QVERIFY(allSelected);
    QVERIFY(Commands.empty());
  }

  // A mnemonic chooses one item only where no other item of its menu has it.
  void noTwoItemsOfAMenuShareAMnemonic() {
    QList<QStringList> menus;
    RunMainDialog([&](HWND dialog) {
      for (QAction* title : MenuBar(dialog)->actions()) menus << ItemTexts(title->menu());
      for (QMenu* menu : {DateInput(dialog)->createStandardContextMenu(),
                          ReportView(dialog)->createStandardContextMenu()}) {
        menus << ItemTexts(menu);
        delete menu;
      }
    });
    QCOMPARE(menus.size(), 5);
    for (const QStringList& items : menus) {
      QSet<QChar> letters;
      for (const QString& item : items) {
        QKeySequence mnemonic = QKeySequence::mnemonic(item);
        if (mnemonic.isEmpty()) continue;
        QChar letter = mnemonic.toString().back();
        QVERIFY2(!letters.contains(letter), qPrintable(item));
        letters << letter;
      }
    }
  }

  void helpViewerGoesWhereItCoversLeast_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("dialog");
    QTest::addColumn<QRect>("viewer");
    // 620 x 680 wanted, at least 480 wide, 8 pixels from the dialog.
    QTest::newRow("room on the right")
        << QRect(0, 0, 2560, 1440) << QRect(840, 480, 882, 490) << QRect(1730, 480, 620, 680);
    QTest::newRow("1920: narrowed to the room")
        << QRect(0, 0, 1920, 1050) << QRect(519, 280, 882, 490) << QRect(1409, 280, 511, 680);
    QTest::newRow("room on the left only")
        << QRect(0, 0, 1920, 1050) << QRect(1000, 0, 882, 490) << QRect(372, 0, 620, 680);
    QTest::newRow("1280: as narrow as may be, on the left")
        << QRect(0, 0, 1280, 1024) << QRect(199, 267, 882, 490) << QRect(0, 267, 480, 680);
    QTest::newRow("dialog at the left edge")
        << QRect(0, 0, 1280, 1024) << QRect(0, 0, 882, 490) << QRect(800, 0, 480, 680);
    QTest::newRow("low dialog: top kept on the screen")
        << QRect(0, 30, 1920, 1050) << QRect(519, 700, 882, 490) << QRect(1409, 400, 511, 680);
    QTest::newRow("second screen")
        << QRect(1920, 0, 1920, 1080) << QRect(2000, 100, 882, 490) << QRect(2890, 100, 620, 680);
  }

  void helpViewerGoesWhereItCoversLeast() {
    QFETCH(QRect, screen);
    QFETCH(QRect, dialog);
    QFETCH(QRect, viewer);
    QCOMPARE(PlaceBeside(screen, dialog, QSize(620, 680), 480, 8), viewer);
  }

  // A window of its own, beside the dialog on a screen wide enough, not
  // kept in front of it; it closes with the dialog.
  void helpViewerOpensBesideTheDialog() {
    QPointer<QWidget> viewer;
    RunMainDialog(
        [&](HWND dialog) {
          ShowHelp();
          for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->findChild<QTextBrowser*>()) viewer = window;
          }
          QVERIFY(viewer);
          QCOMPARE(viewer->parentWidget(), nullptr);
          QRect screen = dialog->widget->screen()->availableGeometry();
          QVERIFY(screen.contains(viewer->frameGeometry()));
          if (screen.width() >= 1920) {
            QVERIFY(!viewer->frameGeometry().intersects(dialog->widget->frameGeometry()));
          }
          EndDialog(dialog, 1);
        },
        true);
    QTRY_VERIFY(viewer.isNull());
  }

  // Under an English locale (tests/tests.cmake sets it), sizes and times in
  // the program's locale, and not one English word.
  void theSaveDialogSpeaksNoEnglish() {
    QVERIFY(QLocale::system().name().startsWith("en"));
    QTemporaryDir folder;
    auto write = [&](const QString& name, int bytes) {
      QFile file(folder.filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(QByteArray(bytes, 'x'));
      file.setFileTime(QDateTime(QDate(2023, 12, 7), QTime(10, 5)),
                       QFileDevice::FileModificationTime);
    };
    write("aruanne.txt", 15);
    write("üks.txt", 1);
    write("suur.txt", 1536);
    write("kiri.doc", 20 * 1024 * 1024);
    QVERIFY(QDir(folder.path()).mkdir("kaust"));
    QStringList texts;
    WindowWatcher<QFileDialog> dialogs{
        OpenSaveDialog, [&](QFileDialog* dialog) {
          dialog->setDirectory(folder.path());
          dialog->selectNameFilter(dialog->nameFilters().last());
          dialog->findChild<QAbstractButton*>(QStringLiteral("detailModeButton"))->click();
          auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
          QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 5);
          texts = SaveDialogTexts(dialog);
          dialog->reject();
        }};
    RunMainDialog([](HWND dialog) { Choose(dialog, IDM_SAVE); });
    QCOMPARE(dialogs.Seen(), 1);
    for (const char* expected : {"15 baiti", "1 bait", "1,5 kB", "20 MB", "7. dets 2023 10:05",
                                 "Tekstifail", "DOC-fail", "Kaust", "Suurus", "Muutmisaeg"}) {
      QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
    }
    const QRegularExpression english(QStringLiteral(
        "\\b(bytes?|KiB|MiB|KB|Dec|AM|PM|File|Files|Folder|Name|Size|Type|Kind|Date|Modified|"
        "Look|Save|Cancel|Open|Back|Forward|Parent|Directory|Computer|Recent|Places|Detail|View|"
        "List|All|Document|Text|plain)\\b"));
    for (const QString& text : texts) QVERIFY2(!english.match(text).hasMatch(), qPrintable(text));
  }

  // The layer's own texts reach the user as the translator gives them: a
  // message box without a caption is titled "Viga", never "Error".
  void theLayersOwnTextsAreEstonian() {
    QStringList box, viewer;
    WindowWatcher<QDialog> boxes{
        [] { return qobject_cast<QDialog*>(QApplication::activeModalWidget()); },
        [&](QDialog* dialog) {
          box << dialog->windowTitle();
          for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            box << button->text();
          }
          dialog->accept();
        }};
    RunMainDialog([&](HWND dialog) {
      MessageBoxA(dialog, "Tekst", nullptr, 0);
      ShowHelp();
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->findChild<QTextBrowser*>()) continue;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
          viewer << button->text();
        }
      }
    });
    QCOMPARE(box, QStringList({"Viga", "OK"}));
    QCOMPARE(viewer, QStringList({"&Sisukord", "&Tagasi", "Sulge"}));
  }

  void statusBarLiesFlushWithTheBottomEdge_data() {
    QTest::addColumn<QSize>("growth");
    QTest::newRow("opening size") << QSize(0, 0);
    QTest::newRow("one pixel") << QSize(1, 1);
    QTest::newRow("odd") << QSize(123, 77);
  }

  void statusBarLiesFlushWithTheBottomEdge() {
    QFETCH(QSize, growth);
    RunMainDialog([&](HWND dialog) {
      QWidget* client = LiveDialog(dialog)->Client();
      QSize opening = client->size();
      if (!growth.isEmpty()) {
        QWidget* window = dialog->widget;
        window->resize(window->size() + growth);
        QTRY_COMPARE(client->size(), opening + growth);
      }
      QRect bar = Widget(dialog, IDC_STATUS_BAR)->geometry();
      QCOMPARE(bar, QRect(0, client->height() - 21, client->width(), 21));
      if (growth.isEmpty()) QCOMPARE(QPoint(bar.y(), client->height()), QPoint(423, 444));
    });
  }

  // At the scale the test runs at (QT_SCALE_FACTOR): every framed control
  // shows its line on all four sides, as at 1x.
  void everyFrameLineIsDrawn() {
    RunMainDialog([](HWND dialog) {
      QWidget* window = dialog->widget;
      qreal dpr = window->devicePixelRatioF();
      QImage image = window->grab().toImage();
      QCOMPARE(image.size(), (QSizeF(window->size()) * dpr).toSize());
      QRgb background = LiveDialog(dialog)->Client()->palette().color(QPalette::Window).rgb();
      for (int id : {IDOK, IDCANCEL, IDC_HELP_BUTTON, IDC_SAVE_BUTTON, IDC_STATUS_BAR,
                     IDC_REPORT_VIEW, IDC_BIRTH_DATE_INPUT}) {
        QWidget* control = Widget(dialog, id);
        QRect rect(control->mapTo(window, QPoint(0, 0)), control->size());
        for (Qt::Edge side : {Qt::LeftEdge, Qt::TopEdge, Qt::RightEdge, Qt::BottomEdge}) {
          QVERIFY2(LineAlongSide(image, rect, side, dpr, background),
                   qPrintable(QStringLiteral("control %1, side %2").arg(id).arg(side)));
        }
      }
    });
  }

  // Openbox and Wayland: the box goes without the desktop's frame and draws
  // its own caption. Other X11 window managers read the Motif hints, which
  // offer neither minimising, maximising nor closing.
  void aboutBoxHasNoWindowButtons() {
    if (!OnDesktop()) QSKIP("needs a desktop: Xvfb with a window manager, or Weston");
    bool wayland = QGuiApplication::platformName().startsWith("wayland");
    bool openbox = qEnvironmentVariable("OMBRIX_WINDOW_MANAGER") == QLatin1String("openbox");
    QString motif, extents;
    bool ownCaption = false, frameless = false;
    QSize client;
    WindowWatcher<DialogWindow> boxes{
        OpenAboutBox, [&](DialogWindow* box) {
          QVERIFY(QTest::qWaitForWindowExposed(box));
          if (openbox) {
            QTRY_VERIFY(!XProperty(box, "_NET_FRAME_EXTENTS").isEmpty());
          }
          if (!wayland) {
            motif = XProperty(box, "_MOTIF_WM_HINTS");
            extents = XProperty(box, "_NET_FRAME_EXTENTS");
          }
          for (QObject* child : box->children()) {
            if (dynamic_cast<OwnCaption*>(child)) ownCaption = true;
          }
          frameless = box->windowFlags() & Qt::FramelessWindowHint;
          client = box->Client()->size();
          QTest::keyClick(box->Control(IDOK)->widget, Qt::Key_Return);
        }};
    RunMainDialog([](HWND dialog) { Choose(dialog, IDM_ABOUT); });
    QCOMPARE(boxes.Seen(), 1);
    QCOMPARE(client, QSize(292, 253));
    QCOMPARE(ownCaption, wayland || openbox);
    QCOMPARE(frameless, wayland || openbox);
    if (wayland) return;
    QStringList hints = motif.split(", ");
    QCOMPARE(hints.size(), 5);
    if (openbox) {
      QCOMPARE(hints[2].toUInt(nullptr, 16), 0u);  // no decorations
      QCOMPARE(extents, QStringLiteral("0, 0, 0, 0"));
    } else {
      constexpr uint kMinimise = 0x8, kMaximise = 0x10, kClose = 0x20;
      QVERIFY(hints[0].toUInt(nullptr, 16) & 0x1);  // functions given
      QCOMPARE(hints[1].toUInt(nullptr, 16) & (kMinimise | kMaximise | kClose), 0u);
    }
  }

  // Alt+F4, which the window manager turns into a close, asks first after
  // an edit, as the close box does: "Loobu" stays, "Ei" closes.
  void altF4AfterAnEditAsksFirst() {
    if (qEnvironmentVariable("OMBRIX_WINDOW_MANAGER") != QLatin1String("openbox")) {
      QSKIP("needs a window manager, which closes a window on Alt+F4");
    }
    const QStringList answers = {"Loobu", "&Ei"};
    int asked = 0;
    WindowWatcher<QDialog> questions{OpenProgramBox, [&](QDialog* box) {
                                       for (QPushButton* b : box->findChildren<QPushButton*>()) {
                                         if (b->text() == answers.value(asked)) {
                                           ++asked;
                                           b->click();
                                           return;
                                         }
                                       }
                                     }};
    INT_PTR result = RunMainDialog(
        [&](HWND dialog) {
          ReportView(dialog)->setFocus();
          QTest::keyClicks(ReportView(dialog), QStringLiteral("x"));
          for (int time = 1; time <= 2; ++time) {
            QCOMPARE(QProcess::execute("xdotool", {"key", "alt+F4"}), 0);
            QTRY_COMPARE(asked, time);
          }
        },
        true);
    QCOMPARE(result, 1);
  }

  // On Wayland the right click's beep is the sound theme's bell, played
  // through libcanberra (here a stand-in that writes down what it plays).
  void rightClickBeepsThroughTheDesktopsSound() {
    if (!QGuiApplication::platformName().startsWith("wayland")) QSKIP("Wayland only");
    QTemporaryDir folder;
    QString log = folder.filePath("bell.log");
    qputenv("OMBRIX_BELL_LOG", log.toUtf8());
    WindowWatcher<QMenu> popups{OpenPopup, [](QMenu* menu) { menu->close(); }};
    RunMainDialog([](HWND dialog) {
      QTest::mouseClick(LiveDialog(dialog)->Client(), Qt::RightButton, {}, QPoint(5, 5));
    });
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("bell-window-system\n"));
  }

  // A larger desktop font (qt6ct's or KDE's setting) enlarges the dialog's
  // font and, through its dialog units, the whole layout in proportion.
  // Last: the program keeps the opening size of its dialog as the least
  // size, for this process's later dialogs too.
  void theDialogFollowsTheDesktopsFontSize() {
    constexpr double kLarger = 14;
    const QFont original = QApplication::font();
    double before = std::max(9.0, original.pointSizeF());
    auto measure = [](QSize* client, int* pixels, QRect* view) {
      RunMainDialog([=](HWND dialog) {
        *client = LiveDialog(dialog)->Client()->size();
        *pixels = DateInput(dialog)->font().pixelSize();
        *view = ReportView(dialog)->geometry();
      });
    };
    QSize normalClient, largerClient;
    int normalPixels = 0, largerPixels = 0;
    QRect normalView, largerView;
    measure(&normalClient, &normalPixels, &normalView);
    QFont larger = original;
    larger.setPointSizeF(kLarger);
    QApplication::setFont(larger);
    measure(&largerClient, &largerPixels, &largerView);
    QApplication::setFont(original);
    double scale = kLarger / before;
    QVERIFY(std::abs(double(largerPixels) / normalPixels - scale) < 0.1 * scale);
    QVERIFY(std::abs(double(largerClient.width()) / normalClient.width() - scale) < 0.1 * scale);
    QVERIFY(std::abs(double(largerClient.height()) / normalClient.height() - scale) < 0.1 * scale);
    QVERIFY(std::abs(double(largerView.left()) / normalView.left() - scale) < 0.15 * scale);
  }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
