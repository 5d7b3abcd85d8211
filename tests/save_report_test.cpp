// Saving the report as a person does it: the save button or menu item of the
// real main dialog, the real save dialog answered by typing a name into it,
// and the bytes that end up on the disk.
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <functional>

#include <windows.h>

#include "app/handles.h"
#include "app/resource.h"
#include "platform/qt/libraries.h"
#include "tables/buffers.h"
#include "tests/dialog_harness.h"
#include "text/code_page.h"

using Prepare = std::function<void(HWND)>;
Q_DECLARE_METATYPE(Prepare)

namespace {

QLineEdit* NameField(QFileDialog* dialog) {
  return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

// Types the name into the save dialog and presses Enter.
void EnterName(QFileDialog* dialog, const QString& name) {
  NameField(dialog)->setText(name);
  QTest::keyClick(NameField(dialog), Qt::Key_Return);
}

void ClickSave(HWND dialog) {
  QTest::mouseClick(Widget(dialog, IDC_SAVE_BUTTON), Qt::LeftButton);
}

QStringList FolderEntries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

QByteArray CodePage(const QString& text) {
  return QByteArray::fromStdString(CodePageFromUtf8(text.toStdString()));
}

// A text of exactly length bytes as the report view gives it back: lines of
// Estonian text in code page 1257 with CR LF.
QByteArray LongText(int length) {
  const QByteArray line = CodePage(QStringLiteral("Rida täis tähti: õäöü šž ÕÄÖÜ ŠŽ.\r\n"));
  QByteArray text;
  while (text.size() < length) text += line;
  text.truncate(length);
  if (text.endsWith('\r')) text[length - 1] = '.';
  return text;
}

}  // namespace

class SaveReportTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(StartAsTheProgramDoes()); }

  void savesWhatTheViewHolds_data() {
    QTest::addColumn<Prepare>("prepare");
    QTest::addColumn<bool>("viaMenu");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("savedAs");
    QTest::addColumn<QByteArray>("expected");

    Prepare nothing = [](HWND) {};
    Prepare report = [](HWND dialog) {
      DateInput(dialog)->selectAll();
      QTest::keyClicks(DateInput(dialog), QStringLiteral("5 MÄRTS 1990"));
      QTest::keyClick(DateInput(dialog), Qt::Key_Return);
    };
    Prepare edit = [](HWND dialog) {
      ReportView(dialog)->setFocus();
      ReportView(dialog)->moveCursor(QTextCursor::Start);
      QTest::keyClicks(ReportView(dialog), QStringLiteral("MINU MÄRKUS"));  // keyClicks: no ä
      QTest::keyClick(ReportView(dialog), Qt::Key_Return);
    };
    // Shift+Enter, Ctrl+Enter and a pasted line separator: three line breaks.
    Prepare breaks = [](HWND dialog) {
      ReportView(dialog)->setFocus();
      ReportView(dialog)->moveCursor(QTextCursor::Start);
      QTest::keyClick(ReportView(dialog), Qt::Key_Return, Qt::ShiftModifier);
      QTest::keyClick(ReportView(dialog), Qt::Key_Return, Qt::ControlModifier);
      QApplication::clipboard()->setText(QString(QChar::LineSeparator));
      Choose(dialog, IDM_PASTE);
    };
    Prepare empty = [](HWND dialog) {
      ReportView(dialog)->setFocus();
      Choose(dialog, IDM_SELECT_ALL);
      Choose(dialog, IDM_DELETE);
    };
    Prepare paste = [](HWND dialog) {
      QApplication::clipboard()->setText(
          QStringLiteral("Tere, Мир ☺! ") + QChar(0) +
          QStringLiteral("Pärast NUL-i: o\u0303 € „jutt“ – x\u00A0y.\n"));
      ReportView(dialog)->setFocus();
      ReportView(dialog)->moveCursor(QTextCursor::Start);
      Choose(dialog, IDM_PASTE);
      QVERIFY(ReportView(dialog)->toPlainText().startsWith("Tere, ??? ?! Pärast NUL-i: õ"));
    };
    Prepare type = [](HWND dialog) {
      ReportView(dialog)->setFocus();
      ReportView(dialog)->moveCursor(QTextCursor::Start);
      for (QChar letter : QStringLiteral("Жук")) {
        QTest::sendKeyEvent(QTest::Click, ReportView(dialog), Qt::Key_unknown, letter,
                            Qt::NoModifier);
      }
      QVERIFY(ReportView(dialog)->toPlainText().startsWith("???"));
    };
    // Every byte that code page 1257 defines, NUL aside; CR only before LF.
    auto everyCharacter = [] {
      QByteArray bytes;
      for (int byte = 1; byte < 256; ++byte) {
        bool defined = CharacterOfByte(static_cast<unsigned char>(byte)) != '?' || byte == '?';
        if (defined && byte != '\r' && byte != '\n') bytes += static_cast<char>(byte);
      }
      return bytes + "\r\n";
    }();
    Prepare set = [everyCharacter](HWND dialog) {
      SetDlgItemTextA(dialog, IDC_REPORT_VIEW, everyCharacter.constData());
    };
    auto text = [](int length) {
      return Prepare([length](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_REPORT_VIEW, LongText(length).constData());
      });
    };

    QTest::newRow("introduction before the first report") << nothing << false << "aruanne"
                                                          << "aruanne.txt" << Table(8000);
    QTest::newRow("the report after it, from the menu")
        << report << true << "aruanne.txt"
        << "aruanne.txt" << ComposedReport(CodePage("5 MÄRTS 1990"));
    QTest::newRow("the user's edit")
        << edit << false << "Õhtune märkus"
        << "Õhtune märkus.txt" << CodePage(QStringLiteral("MINU MÄRKUS\r\n")) + Table(8000);
    QTest::newRow("Shift+Enter, Ctrl+Enter and a pasted line separator")
        << breaks << false << "read"
        << "read.txt"
        << "\r\n\r\n\r\n" + Table(8000);
    QTest::newRow("an empty view gives 0 bytes") << empty << true << "tühi"
                                                 << "tühi.txt" << QByteArray();
    QTest::newRow("NUL and letters outside the code page pasted: gone and ?")
        << paste << false << "kiri.text"
        << "kiri.text"
        << CodePage(QStringLiteral("Tere, ??? ?! Pärast NUL-i: õ € „jutt“ – x\u00A0y.\r\n")) +
               Table(8000);
    QTest::newRow("letters outside the code page typed: ?")
        << type << true << "Отчёт"
        << "Отчёт.txt" << QByteArray("???") + Table(8000);
    QTest::newRow("every character of the code page") << set << false << "kõik"
                                                      << "kõik.txt" << everyCharacter;
    QTest::newRow("65,535 bytes, all that ReportText holds") << text(65535) << false << "suur"
                                                             << "suur.txt" << LongText(65535);
    QTest::newRow("one byte more") << text(65536) << true << "suur"
                                   << "suur.txt" << LongText(65536);
    QTest::newRow("200,000 bytes") << text(200000) << false << "suur"
                                   << "suur.txt" << LongText(200000);
  }

  void savesWhatTheViewHolds() {
    QFETCH(Prepare, prepare);
    QFETCH(bool, viaMenu);
    QFETCH(QString, typed);
    QFETCH(QString, savedAs);
    QFETCH(QByteArray, expected);
    QTemporaryDir folder;
    WindowWatcher<QFileDialog> saveDialogs{
        OpenSaveDialog, [&](QFileDialog* dialog) { EnterName(dialog, folder.filePath(typed)); }};
    WindowWatcher<QDialog> errors{OpenErrorBox, [](QDialog* box) { box->reject(); }};
    RunMainDialog([&](HWND dialog) {
      prepare(dialog);
      if (viaMenu) {
        Choose(dialog, IDM_SAVE);
      } else {
        ClickSave(dialog);
      }
      QVERIFY(Commands.contains(viaMenu ? IDM_SAVE : IDC_SAVE_BUTTON));
    });
    QCOMPARE(saveDialogs.Seen(), 1);
    QCOMPARE(errors.Seen(), 0);
    QCOMPARE(FolderEntries(folder.path()), QStringList{savedAs});
    QByteArray saved = FileBytes(folder.filePath(savedAs));
    QCOMPARE(saved.size(), expected.size());
    QVERIFY(saved == expected);
    QVERIFY(!saved.startsWith("\xEF\xBB\xBF"));
    QVERIFY(!saved.contains('\0'));
  }

  // As the ANSI rich-edit controls of Windows, both text controls hold only
  // what code page 1257 carries, however a text enters them.
  void theTextControlsHoldOnlyWhatTheCodePageCarries_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("way");
    for (int id : {IDC_BIRTH_DATE_INPUT, IDC_REPORT_VIEW}) {
      for (const char* way : {"pasted", "dropped", "typed"}) {
        QTest::addRow("%s into control %d", way, id) << id << QString(way);
      }
    }
  }

  void theTextControlsHoldOnlyWhatTheCodePageCarries() {
    QFETCH(int, id);
    QFETCH(QString, way);
    const QString text = QStringLiteral("Ж õ") + QChar(0) + QStringLiteral(" o\u0303 € 😀");
    RunMainDialog([&](HWND dialog) {
      SetDlgItemTextA(dialog, id, "");
      QWidget* control = Widget(dialog, id);
      control->setFocus();
      if (way == "pasted") {
        QApplication::clipboard()->setText(text);
        Choose(dialog, IDM_PASTE);
      } else if (way == "dropped") {
        QMimeData data;
        data.setText(text);
        QWidget* target = id == IDC_REPORT_VIEW ? ReportView(dialog)->viewport() : control;
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
      } else {
        // A key gives one character; no key gives a NUL or a lone accent.
        for (char32_t letter : QStringLiteral("Ж õ € 😀").toUcs4()) {
          QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString::fromUcs4(&letter, 1),
                              Qt::NoModifier);
        }
      }
      QString shown =
          id == IDC_REPORT_VIEW ? ReportView(dialog)->toPlainText() : DateInput(dialog)->text();
      QString expected = way == "typed" ? QStringLiteral("? õ € ?") : QStringLiteral("? õ õ € ?");
      QCOMPARE(shown, expected);
      QCOMPARE(ItemText(dialog, id), CodePage(expected));
    });
  }

  void theSaveDialogOpensAsTheProgramAsksInEstonian() {
    QString title, name, selectedFilter;
    QStringList filters, texts, lineMenu;
    bool modalToTheProgram = false;
    WindowWatcher<QFileDialog> saveDialogs{
        OpenSaveDialog, [&](QFileDialog* dialog) {
          title = dialog->windowTitle();
          modalToTheProgram = dialog->parentWidget() == MainDialog->widget &&
                              dialog->windowModality() == Qt::WindowModal;
          name = NameField(dialog)->text();
          auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
          for (int i = 0; i < types->count(); ++i) {
            filters << types->itemText(i);
          }
          selectedFilter = types->currentText();
          texts = VisibleTexts(dialog);
          QMenu* menu = NameField(dialog)->createStandardContextMenu();
          for (QAction* action : menu->actions()) {
            lineMenu << action->text().section('\t', 0, 0);
          }
          delete menu;
          QTest::keyClick(NameField(dialog), Qt::Key_Escape);
        }};
    RunMainDialog(ClickSave);
    QCOMPARE(saveDialogs.Seen(), 1);
    QCOMPARE(title, QStringLiteral("Salvesta see jutt kettale"));
    QVERIFY(modalToTheProgram);
    QCOMPARE(name, QString());
    QCOMPARE(filters, QStringList({"Tekstifailid (*.txt)", "Kõik Failid (*.*)"}));
    QCOMPARE(selectedFilter, filters.first());
    QCOMPARE(lineMenu, QStringList({"&Võta tagasi", "&Tee uuesti", "", "&Lõika", "&Kopeeri",
                                    "Kl&eebi", "K&ustuta", "", "V&ali kõik"}));
    const QSet<QString> estonian = {"Asukoht:",    "Faili&nimi:",
                                    "Faili tüüp:", "&Salvesta",
                                    "Loobu",       "Tagasi",
                                    "Edasi",       "Ülemkaust",
                                    "Uus kaust",   "Loend",
                                    "Üksikasjad",  "&Nimeta ümber",
                                    "&Kustuta",    "Näita &peidetud faile",
                                    "&Uus kaust",  "Nimi",
                                    "Suurus",      "Tüüp",
                                    "Muutmisaeg",  "Näita: Suurus",
                                    "Näita: Tüüp", "Näita: Muutmisaeg"};
    QVERIFY(texts.contains("Faili&nimi:"));
    for (const QString& text : texts) QVERIFY2(estonian.contains(text), qPrintable(text));
  }

  void cancellingWritesNothing_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("Escape") << 0;
    QTest::newRow("Loobu button") << 1;
    QTest::newRow("close box") << 2;
  }

  void cancellingWritesNothing() {
    QFETCH(int, way);
    QTemporaryDir folder;
    WindowWatcher<QFileDialog> saveDialogs{
        OpenSaveDialog, [&](QFileDialog* dialog) {
          NameField(dialog)->setText(folder.filePath("aruanne.txt"));
          if (way == 0) {
            QTest::keyClick(NameField(dialog), Qt::Key_Escape);
          } else if (way == 1) {
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
          } else {
            dialog->close();
          }
        }};
    WindowWatcher<QDialog> errors{OpenErrorBox, [](QDialog* box) { box->reject(); }};
    RunMainDialog([](HWND dialog) {
      ClickSave(dialog);
      QCOMPARE(ItemText(dialog, IDC_REPORT_VIEW), Table(8000));
    });
    QCOMPARE(saveDialogs.Seen(), 1);
    QCOMPARE(errors.Seen(), 0);
    QCOMPARE(FolderEntries(folder.path()), QStringList());
  }

  void replacingAFileIsAskedFirst_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("yes: exactly the new text, the longer old one gone") << true;
    QTest::newRow("no: back to the dialog, the old file kept") << false;
  }

  void replacingAFileIsAskedFirst() {
    QFETCH(bool, replace);
    QTemporaryDir folder;
    QString path = folder.filePath("vana.txt");
    QByteArray old(200000, 'x');
    WriteBytes(path, old);
    QString question;
    QStringList buttons;
    int visits = 0;
    WindowWatcher<QFileDialog> saveDialogs{OpenSaveDialog, [&](QFileDialog* dialog) {
                                             if (visits++ == 0) {
                                               EnterName(dialog, folder.filePath("vana"));
                                             } else {
                                               QTest::keyClick(NameField(dialog), Qt::Key_Escape);
                                             }
                                           }};
    WindowWatcher<QMessageBox> questions{
        OpenQuestion, [&](QMessageBox* box) {
          question = box->text();
          for (QAbstractButton* b : box->buttons()) {
            buttons << b->text();
          }
          QTest::mouseClick(box->button(replace ? QMessageBox::Yes : QMessageBox::No),
                            Qt::LeftButton);
        }};
    RunMainDialog(ClickSave);
    QCOMPARE(questions.Seen(), 1);
    QCOMPARE(question, QStringLiteral("vana.txt on juba olemas.\nKas soovite selle asendada?"));
    buttons.sort();
    QCOMPARE(buttons, QStringList({"&Ei", "&Jah"}));
    QCOMPARE(FolderEntries(folder.path()), QStringList{"vana.txt"});
    QByteArray saved = FileBytes(path);
    QCOMPARE(saved.size(), replace ? Table(8000).size() : old.size());
    QVERIFY(saved == (replace ? Table(8000) : old));
  }

  // Closing after the report view was edited asks whether to save the
  // edits: "Jah" saves and closes once the file holds them, "Ei" closes,
  // "Loobu" and a cancelled save stay. Without edits since the report was
  // built or saved, every way of closing closes at once.
  void closingAfterEditsAsksFirst_data() {
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("before");  // 0 nothing, 1 an edit, 2 then a report, 3 then a save
    QTest::addColumn<int>("answer");  // the button pressed, or 0 for the save cancelled
    QTest::addColumn<bool>("closes");
    for (int way = 0; way < static_cast<int>(std::size(kClosers)); ++way) {
      const char* name = kClosers[way].name;
      QTest::addRow("%s, no edit", name) << way << 0 << 0 << true;
      QTest::addRow("%s, edit: Jah", name) << way << 1 << int(IDYES) << true;
      QTest::addRow("%s, edit: Jah, save cancelled", name) << way << 1 << 0 << false;
      QTest::addRow("%s, edit: Ei", name) << way << 1 << int(IDNO) << true;
      QTest::addRow("%s, edit: Loobu", name) << way << 1 << int(IDCANCEL) << false;
    }
    QTest::newRow("edit, then a report") << 0 << 2 << 0 << true;
    QTest::newRow("edit, then a save") << 0 << 3 << 0 << true;
  }

  void closingAfterEditsAsksFirst() {
    QFETCH(int, way);
    QFETCH(int, before);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    const bool asked = before == 1;
    QTemporaryDir folder;
    const QString path = folder.filePath("muudetud.txt");
    const QByteArray edited = "MINU MARKUS" + Table(8000);
    bool cancelSave = before == 1 && answer == 0;
    WindowWatcher<QFileDialog> saveDialogs{OpenSaveDialog, [&](QFileDialog* dialog) {
                                             if (cancelSave) {
                                               QTest::keyClick(NameField(dialog), Qt::Key_Escape);
                                             } else {
                                               EnterName(dialog, path);
                                             }
                                           }};
    QString caption, text;
    QStringList buttons;
    bool questionIcon = false;
    WindowWatcher<QDialog> questions{
        OpenErrorBox, [&](QDialog* box) {
          caption = box->windowTitle();
          for (QLabel* label : box->findChildren<QLabel*>()) {
            text += label->text();
            questionIcon = questionIcon || !label->pixmap().isNull();
          }
          QPushButton* pressed = nullptr;
          for (QPushButton* b : box->findChildren<QPushButton*>()) {
            buttons << b->text();
            const char* wanted = answer == IDNO ? "&Ei" : answer == IDCANCEL ? "Loobu" : "&Jah";
            if (b->text() == QLatin1String(wanted)) pressed = b;
          }
          QTest::mouseClick(pressed, Qt::LeftButton);
        }};
    INT_PTR result = RunMainDialog(
        [&](HWND dialog) {
          if (before >= 1) {
            ReportView(dialog)->setFocus();
            ReportView(dialog)->moveCursor(QTextCursor::Start);
            QTest::keyClicks(ReportView(dialog), QStringLiteral("MINU MARKUS"));
          }
          if (before == 2) {
            DateInput(dialog)->setFocus();
            QTest::keyClick(DateInput(dialog), Qt::Key_Return);
          }
          if (before == 3) Choose(dialog, IDM_SAVE);
          kClosers[way].close(dialog);
          QCoreApplication::processEvents();  // a menu's command comes once it has closed
          if (!closes) {
            QVERIFY(dialog->widget->isVisible());
            QCOMPARE(ItemText(dialog, IDC_REPORT_VIEW), edited);
          }
        },
        closes);
    QCOMPARE(result, closes ? 1 : kAbandoned);
    QCOMPARE(questions.Seen(), asked ? 1 : 0);
    if (asked) {
      QCOMPARE(caption, QStringLiteral("Ombrix"));
      QCOMPARE(text, QStringLiteral("Kas salvestada muudatused enne sulgemist?"));
      QCOMPARE(buttons, QStringList({"&Jah", "&Ei", "Loobu"}));
      QVERIFY(questionIcon);
    }
    bool saved = before == 3 || (asked && answer == IDYES);
    QCOMPARE(saveDialogs.Seen(), saved || cancelSave ? 1 : 0);
    QCOMPARE(FileBytes(path), saved ? edited : QByteArray("(no file)"));
  }

  // However the question before replacing a file is answered, with the
  // mouse or the keyboard, the dialog's control that had the keyboard focus
  // has it again.
  void theFocusComesBackAfterTheOverwriteQuestion_data() {
    QTest::addColumn<bool>("replace");
    QTest::addColumn<bool>("keyboard");
    QTest::newRow("Jah, clicked") << true << false;
    QTest::newRow("Alt+J") << true << true;
    QTest::newRow("Ei, clicked") << false << false;
    QTest::newRow("Alt+E") << false << true;
  }

  void theFocusComesBackAfterTheOverwriteQuestion() {
    QFETCH(bool, replace);
    QFETCH(bool, keyboard);
    QTemporaryDir folder;
    QString path = folder.filePath("vana.txt");
    WriteBytes(path, "vana");
    int visits = 0;
    WindowWatcher<QFileDialog> saveDialogs{OpenSaveDialog, [&](QFileDialog* dialog) {
                                             if (visits++ == 0) {
                                               EnterName(dialog, path);
                                             } else {
                                               QTest::keyClick(NameField(dialog), Qt::Key_Escape);
                                             }
                                           }};
    QList<QMessageBox*> answered;
    WindowWatcher<QMessageBox> questions{
        OpenQuestion, [&](QMessageBox* box) {
          if (answered.contains(box)) return;  // a mnemonic clicks after a moment
          answered << box;
          if (keyboard) {
            box->activateWindow();
            QTRY_VERIFY(box->isActiveWindow());
            QTest::keyClick(box, replace ? Qt::Key_J : Qt::Key_E, Qt::AltModifier);
          } else {
            QTest::mouseClick(box->button(replace ? QMessageBox::Yes : QMessageBox::No),
                              Qt::LeftButton);
          }
        }};
    RunMainDialog([&](HWND dialog) {
      ReportView(dialog)->setFocus();
      Choose(dialog, IDM_SAVE);
      QTRY_COMPARE(QApplication::activeWindow(), dialog->widget);
      QTRY_COMPARE(QApplication::focusWidget(), ReportView(dialog));
      QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
      QVERIFY(ItemText(dialog, IDC_REPORT_VIEW).startsWith('x'));
    });
    QCOMPARE(answered.size(), 1);
    QCOMPARE(FileBytes(path), replace ? Table(8000) : QByteArray("vana"));
  }

  void namesThatCannotBeSavedAreRefusedInTheDialog_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("a folder that does not exist") << "puudub/aruanne.txt"
                                                  << "Kausta „%1/puudub“ ei ole olemas.";
    QTest::newRow("a name longer than the file system takes")
        << QString(300, QLatin1Char('n')) + ".txt"
        << "Nimi on liiga pikk: failinimes võib olla kuni 255 baiti ja koos kaustaga kuni 511 "
           "baiti.";
    QTest::newRow("a path too long for the request's 512 bytes")
        << QString(200, QLatin1Char('a')) + "/" + QString(200, QLatin1Char('b')) + "/" +
               QString(100, QLatin1Char('c')) + ".txt"
        << "Nimi on liiga pikk: failinimes võib olla kuni 255 baiti ja koos kaustaga kuni 511 "
           "baiti.";
  }

  void namesThatCannotBeSavedAreRefusedInTheDialog() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath(QString(200, 'a') + "/" + QString(200, 'b')));
    int visits = 0;
    WindowWatcher<QFileDialog> saveDialogs{OpenSaveDialog, [&](QFileDialog* dialog) {
                                             if (visits++ == 0) {
                                               EnterName(dialog, folder.filePath(typed));
                                             } else {
                                               QTest::keyClick(NameField(dialog), Qt::Key_Escape);
                                             }
                                           }};
    QString shown;
    WindowWatcher<QMessageBox> warnings{OpenQuestion, [&](QMessageBox* box) {
                                          shown = box->text();
                                          QTest::keyClick(box, Qt::Key_Return);
                                        }};
    WindowWatcher<QDialog> errors{OpenErrorBox, [](QDialog* box) { box->reject(); }};
    RunMainDialog(ClickSave);
    QCOMPARE(warnings.Seen(), 1);
    QCOMPARE(shown.section('\n', 0, 0), message.arg(folder.path()));
    QCOMPARE(saveDialogs.Seen(), 2);
    QCOMPARE(errors.Seen(), 0);
    QCOMPARE(FolderEntries(folder.path()), QStringList{QString(200, 'a')});
  }

  // What the layer gives back besides the path, and what it refuses.
  void theLayerFillsTheRequestOrRefusesIt() {
    QTemporaryDir folder;
    WindowWatcher<QFileDialog> saveDialogs{
        OpenSaveDialog, [&](QFileDialog* dialog) { EnterName(dialog, folder.filePath("kiri")); }};
    char name[512] = "";
    char title[16] = "";
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.lpstrFilter = "Tekst\0*.txt\0K\xF5ik\0*.*\0";
    request.nFilterIndex = 2;
    request.lpstrFile = name;
    request.nMaxFile = sizeof name;
    request.lpstrFileTitle = title;
    request.nMaxFileTitle = sizeof title;
    QVERIFY(GetSaveFileNameA(&request));
    QByteArray path = QFile::encodeName(folder.filePath("kiri"));
    QCOMPARE(QByteArray(name), path);
    QCOMPARE(static_cast<int>(request.nFileOffset), path.size() - 4);
    QCOMPARE(static_cast<int>(request.nFileExtension), path.size());  // none: at the NUL
    QCOMPARE(request.nFilterIndex, 2u);
    QCOMPARE(QByteArray(title), QByteArray("kiri"));

    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A + 1;
    QVERIFY(!GetSaveFileNameA(&request));
    QCOMPARE(saveDialogs.Seen(), 1);
  }

 private:
  static QStringList VisibleTexts(QFileDialog* dialog) {
    QStringList texts;
    auto add = [&texts](const QString& text) {
      if (!text.isEmpty()) texts << text;
    };
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
      if (label->isVisible()) add(label->text());
    }
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
      if (!button->isVisible()) continue;
      add(button->text());
      add(button->toolTip());
    }
    for (QAction* action : dialog->findChildren<QAction*>()) add(action->text());
    auto* details = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    for (int column = 0; column < details->model()->columnCount(); ++column) {
      add(details->model()->headerData(column, Qt::Horizontal).toString());
    }
    return texts;
  }
};

QTEST_MAIN(SaveReportTest)
#include "save_report_test.moc"
