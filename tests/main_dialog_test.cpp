// The main dialog as a person uses it, driven through the Win32 layer: each
// test runs the real dialog (template, layer and MainDialogProc) and acts
// inside its modal loop. The dialog procedure is wrapped only to record the
// commands it receives.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>
#include <string>
#include <vector>

#include <windows.h>

#include "app/handles.h"
#include "app/main_dialog.h"
#include "app/resource.h"
#include "date/birth_date.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/libraries.h"
#include "platform/qt/win32_private.h"
#include "platform/rcgen/embedded_resources.h"
#include "tables/buffers.h"
#include "tables/embedded_tables.h"
#include "tests/dialog_harness.h"
#include "text/code_page.h"

namespace {

// The geometry of every control, in template order, in client pixels.
std::vector<QRect> Layout(HWND dialog) {
  std::vector<QRect> layout;
  for (HWND__* control : LiveDialog(dialog)->Controls())
    layout.push_back(control->widget->geometry());
  return layout;
}

QSize ClientSize(HWND dialog) {
  RECT client;
  GetClientRect(dialog, &client);
  return QSize(client.right, client.bottom);
}

void ResizeClient(HWND dialog, QSize client) {
  QWidget* window = dialog->widget;
  QSize outer = window->size() + client - ClientSize(dialog);
  SetWindowPos(dialog, nullptr, 0, 0, outer.width(), outer.height(), SWP_NOMOVE | SWP_NOZORDER);
  QTRY_COMPARE(ClientSize(dialog), client);
}

QDialog* OpenMessageBox() {
  return qobject_cast<QDialog*>(QApplication::activeModalWidget());
}

QMenu* OpenPopup() {
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

}  // namespace

class MainDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    AppInstance = ProgramModule();
    QVERIFY(LoadLibraryA("RICHED32.DLL") != nullptr);
  }

  // First, while the process has seen no dialog yet: the size that the
  // platform reports before initialisation must not have moved anything.
  void opensWithTheIntroductionInTheTemplateLayout() {
    RunMainDialog([](HWND dialog) {
      QCOMPARE(ItemText(dialog, IDC_REPORT_VIEW), Table(8000));
      QCOMPARE(ItemText(dialog, IDC_BIRTH_DATE_INPUT), QByteArray("27. Oktoober 1980"));
      QCOMPARE(QApplication::focusWidget(), Widget(dialog, IDOK));

      const EmbeddedDialog* dialogTemplate = FindEmbeddedDialog(IDD_MAIN_DIALOG);
      BaseUnits units = LiveDialog(dialog)->Units();
      QCOMPARE(ClientSize(dialog),
               DialogUnitsToPixels(units, 0, 0, dialogTemplate->cx, dialogTemplate->cy).size());
      std::vector<QRect> layout = Layout(dialog);
      QCOMPARE(static_cast<int>(layout.size()), dialogTemplate->controlCount);
      for (int i = 0; i < dialogTemplate->controlCount; ++i) {
        const EmbeddedControl& c = dialogTemplate->controls[i];
        QRect placed = DialogUnitsToPixels(units, c.x, c.y, c.cx, c.cy);
        // The status bar lies flush with the bottom edge, as the common control places itself.
        if (c.id == IDC_STATUS_BAR) placed.moveBottom(ClientSize(dialog).height() - 1);
        QCOMPARE(layout[i], placed);
      }

      // The "Tekst" menu acts on the report view until a text control takes the focus.
      Choose(dialog, IDM_SELECT_ALL);
      QCOMPARE(ReportView(dialog)->textCursor().selectedText().size(),
               ReportView(dialog)->document()->characterCount() - 1);
      QVERIFY(!DateInput(dialog)->hasSelectedText());
    });
  }

  void enterInTheDateInputBuildsTheReportOnce_data() {
    QTest::addColumn<QString>("date");
    QTest::newRow("default") << "27. Oktoober 1980";
    QTest::newRow("Estonian letters") << "5 MÄRTS 1990";
    QTest::newRow("master number") << "2.1.1979";
  }

  void enterInTheDateInputBuildsTheReportOnce() {
    QFETCH(QString, date);
    QByteArray typed = QByteArray::fromStdString(CodePageFromUtf8(date.toStdString()));
    QByteArray expected = ComposedReport(typed.constData());
    RunMainDialog([&](HWND dialog) {
      QLineEdit* input = DateInput(dialog);
      QTest::mouseClick(input, Qt::LeftButton);
      input->selectAll();
      QTest::keyClicks(input, date);
      QTest::keyClick(input, Qt::Key_Return);
      QCOMPARE(Commands, QList<int>{IDOK});
      QCOMPARE(ItemText(dialog, IDC_BIRTH_DATE_INPUT), typed);
      QCOMPARE(ItemText(dialog, IDC_REPORT_VIEW), expected);
    });
  }

  void enterInTheReportViewBreaksTheLine() {
    RunMainDialog([](HWND dialog) {
      QPlainTextEdit* view = ReportView(dialog);
      view->setFocus();
      view->moveCursor(QTextCursor::Start);
      QTest::keyClick(view, Qt::Key_Return);
      QVERIFY(Commands.empty());
      QCOMPARE(ItemText(dialog, IDC_REPORT_VIEW), "\r\n" + Table(8000));
    });
  }

  // Every key that breaks a line, with every modifier, and every break
  // pasted: in the report view (ES_WANTRETURN) one line break, read back as
  // CR LF, and never a command; in the date input the default button's
  // command, the text as it was.
  void everyEnterAndBreakReadsBackAsCrLf_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("key");  // 0: the text is pasted
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    const Qt::KeyboardModifiers modifiers[] = {
        Qt::NoModifier,
        Qt::ShiftModifier,
        Qt::ControlModifier,
        Qt::AltModifier,
        Qt::MetaModifier,
        Qt::ControlModifier | Qt::ShiftModifier,
        Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier};
    for (int id : {IDC_REPORT_VIEW, IDC_BIRTH_DATE_INPUT}) {
      for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        for (Qt::KeyboardModifiers held : modifiers) {
          if (key == Qt::Key_Enter) held |= Qt::KeypadModifier;
          QTest::addRow("%d: key %x, modifiers %x", id, key, held.toInt())
              << id << int(key) << static_cast<int>(held.toInt()) << QStringLiteral("\r");
        }
      }
    }
    QTest::newRow("typed line separator")
        << int(IDC_REPORT_VIEW) << int(Qt::Key_unknown) << 0 << QStringLiteral("\u2028");
    QTest::newRow("typed paragraph separator")
        << int(IDC_REPORT_VIEW) << int(Qt::Key_unknown) << 0 << QStringLiteral("\u2029");
    for (const char* pasted : {"\r", "\n", "\r\n", "\u2028", "\u2029"}) {
      QTest::addRow("pasted %s", QByteArray(pasted).toPercentEncoding().constData())
          << int(IDC_REPORT_VIEW) << 0 << 0 << QString::fromUtf8(pasted);
    }
  }

  void everyEnterAndBreakReadsBackAsCrLf() {
    QFETCH(int, id);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    const QByteArray held = id == IDC_REPORT_VIEW ? "ab" : "27.10.1980";
    WindowWatcher<QDialog> boxes{OpenMessageBox, [](QDialog* box) { box->reject(); }};
    RunMainDialog([&](HWND dialog) {
      SetDlgItemTextA(dialog, id, held.constData());
      QWidget* control = Widget(dialog, id);
      control->setFocus();
      SendDlgItemMessageA(dialog, id, EM_SETSEL, 1, 1);
      if (key == 0) {
        QApplication::clipboard()->setText(text);
        Choose(dialog, IDM_PASTE);
      } else {
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key(key), text,
                            Qt::KeyboardModifiers::fromInt(modifiers));
      }
      if (id == IDC_REPORT_VIEW) {
        QCOMPARE(ItemText(dialog, id), QByteArray("a\r\nb"));
        QCOMPARE(ReportView(dialog)->document()->blockCount(), 2);
        QCOMPARE(Commands, key == 0 ? QList<int>{IDM_PASTE} : QList<int>{});
      } else {
        QCOMPARE(ItemText(dialog, id), held);
        QCOMPARE(Commands, QList<int>{IDOK});
        QCOMPARE(ItemText(dialog, IDC_REPORT_VIEW), ComposedReport(held));
      }
    });
    QCOMPARE(boxes.Seen(), 0);
  }

  // ES_NOHIDESEL: F10 or Alt (a trip to the menu bar) keeps a text
  // control's selection, so that the "Tekst" menu's Copy, Cut and Delete
  // act on it.
  void aTripToTheMenuBarKeepsTheSelection_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("key");
    for (int id : {IDC_BIRTH_DATE_INPUT, IDC_REPORT_VIEW}) {
      QTest::addRow("F10 in %d", id) << id << int(Qt::Key_F10);
      QTest::addRow("Alt in %d", id) << id << int(Qt::Key_Alt);
    }
  }

  void aTripToTheMenuBarKeepsTheSelection() {
    QFETCH(int, id);
    QFETCH(int, key);
    struct Item {
      int command;
      QByteArray after;
    } const items[] = {
        {IDM_COPY, "27. Oktoober 1980"}, {IDM_CUT, "27.  1980"}, {IDM_DELETE, "27.  1980"}};
    RunMainDialog([&](HWND dialog) {
      QWidget* control = Widget(dialog, id);
      QMenuBar* bar = dialog->widget->findChild<QMenuBar*>();
      QApplication::clipboard()->clear();
      for (const Item& item : items) {
        SetDlgItemTextA(dialog, id, "27. Oktoober 1980");
        control->setFocus();
        SendDlgItemMessageA(dialog, id, EM_SETSEL, 4, 12);  // "Oktoober"
        QTest::keyClick(control, Qt::Key(key));
        QTRY_COMPARE(QApplication::focusWidget(), bar);
        QTest::keyClick(bar, Qt::Key(key));
        QTRY_COMPARE(QApplication::focusWidget(), control);
        Choose(dialog, item.command);
        QCOMPARE(ItemText(dialog, id), item.after);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Oktoober"));
      }
    });
  }

  // An accent typed as a key of its own joins the letter before it where
  // the code page has the pair, as a pasted one does; elsewhere it is "?".
  void aTypedAccentJoinsItsLetter_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    for (int id : {IDC_REPORT_VIEW, IDC_BIRTH_DATE_INPUT}) {
      QTest::addRow("o and tilde in %d", id) << id << "o" << QStringLiteral("õ");
      QTest::addRow("S and caron in %d", id) << id << "S" << QStringLiteral("Š");
      QTest::addRow("x and tilde in %d", id) << id << "x" << QStringLiteral("x?");
      QTest::addRow("at the start of %d", id) << id << "" << QStringLiteral("?");
    }
  }

  void aTypedAccentJoinsItsLetter() {
    QFETCH(int, id);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QChar accent = before == "S" ? QChar(0x030C) : QChar(0x0303);
    RunMainDialog([&](HWND dialog) {
      SetDlgItemTextA(dialog, id, "");
      QWidget* control = Widget(dialog, id);
      control->setFocus();
      for (QChar typed : before + accent) {
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(typed), Qt::NoModifier);
      }
      QCOMPARE(ItemText(dialog, id),
               QByteArray::fromStdString(CodePageFromUtf8(after.toStdString())));
    });
  }

  void rejectedDateShowsTheErrorBoxOnceAndKeepsTheView() {
    char expectedCaption[kDateTextSize];
    ComposeDateError(expectedCaption, sizeof expectedCaption);
    QString expected = QString::fromStdString(Utf8FromCodePage(ReportText)).replace("\r\n", "\n");
    QString caption, text;
    WindowWatcher<QDialog> boxes{OpenMessageBox, [&](QDialog* box) {
                                   caption = box->windowTitle();
                                   text = box->findChild<QLabel*>()->text();
                                   QTest::keyClick(box, Qt::Key_Return);
                                 }};
    RunMainDialog([&](HWND dialog) {
      QLineEdit* input = DateInput(dialog);
      input->setFocus();
      input->setText("27/10/1980");
      QTest::keyClick(input, Qt::Key_Return);
      QCOMPARE(ItemText(dialog, IDC_REPORT_VIEW), Table(8000));
    });
    QCOMPARE(boxes.Seen(), 1);
    QCOMPARE(caption, QString(expectedCaption));
    QCOMPARE(caption, QString("Viga"));
    QCOMPARE(text, expected);
    QVERIFY(text.startsWith("Kontrolli kuupäeva, ma ei suuda sealt vajalikku välja lugeda.\n"));
  }

  // Whatever a person pastes into the date input gets one clear answer:
  // the report of the date the input holds, or the error box with the view
  // left as it was.
  void anythingPastedIntoTheDateInputGetsAClearAnswer_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("nothing") << QString() << false;
    QTest::newRow("100,000 digits") << QString(100000, '9') << false;
    QTest::newRow("date, then 99,990 blanks") << "27.10.1980" + QString(99990, ' ') << true;
    QTest::newRow("Cyrillic month") << QString("27. Октябрь 1980") << false;
    QTest::newRow("emoji year") << QString("27.10.\U0001F600") << false;
    QTest::newRow("line breaks") << QString("27.\n10.\n1980") << true;
    QTest::newRow("TAB first") << QString("\t27.10.1980") << true;
    QTest::newRow("negative year") << QString("1. jaanuar -9999") << true;
  }

  void anythingPastedIntoTheDateInputGetsAClearAnswer() {
    QFETCH(QString, pasted);
    QFETCH(bool, accepted);
    WindowWatcher<QDialog> boxes{OpenMessageBox,
                                 [](QDialog* box) { QTest::keyClick(box, Qt::Key_Return); }};
    RunMainDialog([&](HWND dialog) {
      QLineEdit* input = DateInput(dialog);
      input->setFocus();
      input->selectAll();
      QApplication::clipboard()->setText(pasted);
      input->paste();
      QTest::keyClick(input, Qt::Key_Return);
      QByteArray held = ItemText(dialog, IDC_BIRTH_DATE_INPUT);
      QByteArray expected = accepted ? ComposedReport(held.left(255).constData()) : Table(8000);
      QCOMPARE(ItemText(dialog, IDC_REPORT_VIEW), expected);
    });
    QCOMPARE(boxes.Seen(), accepted ? 0 : 1);
  }

  void growingMovesAndSizesExactlyTheRightControls_data() {
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::newRow("wider") << 120 << 0;
    QTest::newRow("taller") << 0 << 90;
    QTest::newRow("both") << 200 << 150;
    QTest::newRow("one pixel") << 1 << 1;
  }

  void growingMovesAndSizesExactlyTheRightControls() {
    QFETCH(int, dx);
    QFETCH(int, dy);
    // How each control follows: moves right, moves down, grows wider, grows taller.
    struct Follows {
      int id;
      bool right, down, wider, taller;
    } const follows[] = {
        {IDOK, false, false, false, false},
        {IDCANCEL, true, false, false, false},
        {IDC_HELP_BUTTON, true, false, false, false},
        {IDC_STATIC, false, false, false, false},
        {IDC_STATIC, false, false, false, false},
        {IDC_SAVE_BUTTON, true, false, false, false},
        {IDC_STATUS_BAR, false, true, true, false},  // as it places itself
        {IDC_REPORT_VIEW, false, false, true, true},
        {IDC_BIRTH_DATE_INPUT, false, false, false, false},
    };
    RunMainDialog([&](HWND dialog) {
      QSize opening = ClientSize(dialog);
      std::vector<QRect> before = Layout(dialog);
      ResizeClient(dialog, opening + QSize(dx, dy));
      std::vector<QRect> after = Layout(dialog);
      for (size_t i = 0; i < std::size(follows); ++i) {
        const Follows& f = follows[i];
        QCOMPARE(LiveDialog(dialog)->Controls()[i]->id, f.id);
        QRect expected = before[i].translated(f.right ? dx : 0, f.down ? dy : 0);
        expected.setSize(before[i].size() + QSize(f.wider ? dx : 0, f.taller ? dy : 0));
        QCOMPARE(after[i], expected);
      }
      ResizeClient(dialog, opening);
      QCOMPARE(Layout(dialog), before);
    });
  }

  // The dialog moves the status bar on every size, but the bar places itself
  // along the bottom at its own height, whatever rectangle it is given.
  void statusBarPlacesItselfWhereverItIsMoved() {
    RunMainDialog([](HWND dialog) {
      HWND bar = GetDlgItem(dialog, IDC_STATUS_BAR);
      QRect placed = bar->widget->geometry();
      QSize client = ClientSize(dialog);
      QCOMPARE(placed,
               QRect(0, client.height() - placed.height(), client.width(), placed.height()));
      SetWindowPos(bar, nullptr, 10, 20, 30, 40, SWP_NOZORDER);
      QCOMPARE(bar->widget->geometry(), placed);
    });
  }

  void cannotBeMadeSmallerThanItOpened() {
    RunMainDialog([](HWND dialog) {
      RECT outer;
      GetWindowRect(dialog, &outer);
      QSize opening(outer.right - outer.left, outer.bottom - outer.top);
      QCOMPARE(dialog->widget->minimumSize(), opening);
      MINMAXINFO info{};
      QCOMPARE(MainDialogProc(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 1);
      QCOMPARE(QSize(info.ptMinTrackSize.x, info.ptMinTrackSize.y), opening);
      SetWindowPos(dialog, nullptr, 0, 0, opening.width() - 50, opening.height() - 40,
                   SWP_NOMOVE | SWP_NOZORDER);
      QTest::qWait(20);
      QCOMPARE(dialog->widget->size(), opening);
    });
  }

  void minimisingAndRestoringKeepsTheLayout() {
    RunMainDialog([](HWND dialog) {
      ResizeClient(dialog, ClientSize(dialog) + QSize(60, 40));
      std::vector<QRect> before = Layout(dialog);
      dialog->widget->showMinimized();
      QCOMPARE(ReportView(dialog)->size(), QSize(0, 0));  // 0 x 0 client: sizes clamp at 0
      dialog->widget->showNormal();
      QTRY_VERIFY(!dialog->widget->isMinimized());
      QCOMPARE(Layout(dialog), before);
    });
  }

  void editCommandsGoToTheTextControlFocusedLast() {
    RunMainDialog([](HWND dialog) {
      QLineEdit* input = DateInput(dialog);
      QPlainTextEdit* view = ReportView(dialog);
      struct Step {
        const char* action;
        QWidget* click;
        QWidget* selected;  // where "Select all" then selects
      } const steps[] = {
          {"click the date input", input, input},
          {"click the OK button", Widget(dialog, IDOK), input},
          {"click the report view", view->viewport(), view},
          {"click the help button", Widget(dialog, IDC_HELP_BUTTON), view},
          {"click the date input again", input, input},
      };
      for (const Step& step : steps) {
        SendDlgItemMessageA(dialog, IDC_BIRTH_DATE_INPUT, EM_SETSEL, static_cast<WPARAM>(-1), 0);
        SendDlgItemMessageA(dialog, IDC_REPORT_VIEW, EM_SETSEL, static_cast<WPARAM>(-1), 0);
        ClickLikeAPerson(step.click);
        Choose(dialog, IDM_SELECT_ALL);
        bool inputSelected = input->selectedText() == input->text();
        bool viewSelected =
            view->textCursor().selectedText().size() == view->document()->characterCount() - 1;
        QVERIFY2(inputSelected == (step.selected == input), step.action);
        QVERIFY2(viewSelected == (step.selected == view), step.action);
      }
    });
  }

  void editCommandsCutAndPasteInTheReportView() {
    RunMainDialog([](HWND dialog) {
      ReportView(dialog)->setFocus();
      Choose(dialog, IDM_SELECT_ALL);
      Choose(dialog, IDM_CUT);
      QCOMPARE(ItemText(dialog, IDC_REPORT_VIEW), QByteArray());
      Choose(dialog, IDM_PASTE);
      Choose(dialog, IDM_PASTE);
      QCOMPARE(ItemText(dialog, IDC_REPORT_VIEW), Table(8000) + Table(8000));
      Choose(dialog, IDM_UNDO);
      QCOMPARE(ItemText(dialog, IDC_REPORT_VIEW), Table(8000));
      Choose(dialog, IDM_SELECT_ALL);
      Choose(dialog, IDM_DELETE);
      QCOMPARE(ItemText(dialog, IDC_REPORT_VIEW), QByteArray());
    });
  }

  void tabVisitsTheTabStopsInTemplateOrder() {
    RunMainDialog([](HWND dialog) {
      const int order[] = {IDCANCEL,        IDC_HELP_BUTTON,      IDC_SAVE_BUTTON,
                           IDC_REPORT_VIEW, IDC_BIRTH_DATE_INPUT, IDOK};
      for (int id : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Widget(dialog, id));
      }
      QVERIFY(Commands.empty());
    });
  }

  void readingAControlStopsAtTheBufferSize() {
    RunMainDialog([](HWND dialog) {
      char text[5] = "xxxx";
      QCOMPARE(GetDlgItemTextA(dialog, IDC_BIRTH_DATE_INPUT, text, sizeof text), 4u);
      QCOMPARE(QByteArray(text), QByteArray("27. "));
      QCOMPARE(GetDlgItemTextA(dialog, 4711, text, sizeof text), 0u);
      QCOMPARE(QByteArray(text), QByteArray());
      QVERIFY(GetDlgItem(dialog, 4711) == nullptr);
      QVERIFY(!SetDlgItemTextA(dialog, 4711, "x"));
    });
  }

  void printerItemsAreGrayedAndDoNothing() {
    RunMainDialog([](HWND dialog) {
      for (int id : {IDM_PRINTER_SETUP, IDM_PAGE_SETUP, IDM_PRINT}) {
        QVERIFY(!MenuAction(dialog, id)->isEnabled());
        QCOMPARE(MainDialogProc(dialog, WM_COMMAND, id, 0), 0);
      }
      QCOMPARE(ItemText(dialog, IDC_REPORT_VIEW), Table(8000));
    });
  }

  void everyWayOfClosingEndsTheDialogWithOne_data() {
    QTest::addColumn<int>("way");
    for (int way = 0; way < static_cast<int>(std::size(kClosers)); ++way) {
      QTest::newRow(kClosers[way].name) << way;
    }
  }

  void everyWayOfClosingEndsTheDialogWithOne() {
    QFETCH(int, way);
    QCOMPARE(RunMainDialog(kClosers[way].close, true), 1);
  }

  void rightClickOnTheDialogOpensTheHelpPopup_data() {
    QTest::addColumn<int>("target");  // 0: the client area itself
    QTest::addColumn<bool>("popup");
    QTest::newRow("background") << 0 << true;
    QTest::newRow("label") << static_cast<int>(IDC_STATIC) << true;
    QTest::newRow("button") << static_cast<int>(IDOK) << false;
    QTest::newRow("report view") << static_cast<int>(IDC_REPORT_VIEW) << false;
    QTest::newRow("date input") << static_cast<int>(IDC_BIRTH_DATE_INPUT) << false;
  }

  void rightClickOnTheDialogOpensTheHelpPopup() {
    QFETCH(int, target);
    QFETCH(bool, popup);
    QStringList items;
    QPoint shownAt;
    WindowWatcher<QMenu> popups{OpenPopup, [&](QMenu* menu) {
                                  shownAt = menu->pos();
                                  for (QAction* a : menu->actions()) items << a->text();
                                  menu->setActiveAction(menu->actions().first());
                                  QTest::keyClick(menu, Qt::Key_Return);
                                }};
    QPoint clickedAt;
    RunMainDialog([&](HWND dialog) {
      QWidget* client = LiveDialog(dialog)->Client();
      QPoint at = target == 0 ? QPoint(5, 5) : Widget(dialog, target)->geometry().center();
      clickedAt = client->mapToGlobal(at);
      QWidget* receiver = client->childAt(at) ? client->childAt(at) : client;
      QTest::mouseClick(receiver, Qt::RightButton, {}, receiver->mapFrom(client, at));
      QCoreApplication::processEvents();
    });
    QCOMPARE(popups.Seen(), popup ? 1 : 0);
    if (!popup) return;
    QCOMPARE(items, QStringList({"Mis värk on ?!", "", "Ohhoo !"}));
    QCOMPARE(shownAt, clickedAt);
    // The chosen item arrives after the popup has closed.
    QCOMPARE(Commands, QList<int>({kTrackEnd, IDM_HELP}));
  }

  void entryReturnsOne() {
    QTimer::singleShot(0, qApp, [] {
      QVERIFY(QTest::qWaitForWindowActive(MainDialog->widget));
      QTest::keyClick(MainDialog->widget, Qt::Key_Escape);
    });
    QCOMPARE(WinMain(ProgramModule(), nullptr, nullptr, 10), 1);
  }

  void withoutTheRichEditLibraryTheDialogCannotBeCreated() {
    HMODULE richEdit = LoadLibraryA("riched32");  // ".DLL" implied, case ignored
    QVERIFY(richEdit != nullptr);
    QVERIFY(FreeLibrary(richEdit));
    QVERIFY(FreeLibrary(richEdit));  // the load of initTestCase
    QVERIFY(!IsRichEditLoaded());
    QCOMPARE(
        DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr, MainDialogProc, 0),
        -1);
    QVERIFY(LoadLibraryA("RICHED32.DLL") == richEdit);
  }

  void dialogUnitsRoundAsMulDiv_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<int>("result");
    QTest::newRow("exact") << 440 << 8 << 4 << 880;
    QTest::newRow("down") << 237 << 15 << 8 << 444;
    QTest::newRow("up") << 3 << 15 << 8 << 6;
    QTest::newRow("half away from zero") << 1 << 1 << 2 << 1;
    QTest::newRow("negative half") << -1 << 1 << 2 << -1;
    QTest::newRow("negative") << -3 << 15 << 8 << -6;
  }

  void dialogUnitsRoundAsMulDiv() {
    QFETCH(int, number);
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    QFETCH(int, result);
    QCOMPARE(MulDiv(number, numerator, denominator), result);
  }
};

QTEST_MAIN(MainDialogTest)
#include "main_dialog_test.moc"
