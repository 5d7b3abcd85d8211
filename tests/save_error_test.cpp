// The box that says why a save failed: one sentence for each reason, the
// error icon, the file's name as the system spells it; and the real causes
// that lead to each box through the save command, the old file kept.
#include <signal.h>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <functional>

#include <windows.h>

#include "app/resource.h"
#include "app/save_error.h"
#include "platform/qt/last_error.h"
#include "tests/dialog_harness.h"

using Obstacle = std::function<QString(const QString& folder, std::function<void()>* undo)>;
Q_DECLARE_METATYPE(Obstacle)

namespace {

constexpr uid_t kNobody = 65534;  // and nogroup

const QString kReadOnly = QStringLiteral(
    "Fail on kirjutuskaitstud: salvestage teise nime all või eemaldage faililt kirjutuskaitse.");
const QString kNoPermission = QStringLiteral(
    "Teil pole õigust sellesse faili või kausta kirjutada: valige kaust, kuhu teil on "
    "kirjutusõigus, näiteks oma kodukaust.");
const QString kNotAFile = QStringLiteral(
    "Selle nime all on kaust, seade, toru või viide, mitte tavaline fail: valige teine nimi.");
const QString kDiskFull = QStringLiteral(
    "Kettal pole piisavalt vaba ruumi: vabastage ruumi või salvestage teisele kettale.");
const QString kTooLong = QStringLiteral(
    "Faili nimi või asukoht on liiga pikk: valige lühem nimi või kaust, mis asub ketta juurele "
    "lähemal.");

QString SystemSays(int error) {
  return QStringLiteral("Süsteemi teade: ") + QString::fromLocal8Bit(std::strerror(error));
}

struct Shown {
  QString caption;
  QString text;
  bool errorIcon = false;
};

// Reads the error box and closes it with Enter.
std::function<void(QDialog*)> Read(Shown* shown) {
  return [shown](QDialog* box) {
    QList<QLabel*> labels = box->findChildren<QLabel*>();
    shown->caption = box->windowTitle();
    for (QLabel* label : labels) {
      if (!label->pixmap().isNull()) {
        shown->errorIcon = true;
      } else {
        shown->text = label->text();
      }
    }
    QTest::keyClick(box, Qt::Key_Return);
  };
}

}  // namespace

class SaveErrorTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(StartAsTheProgramDoes()); }

  void eachReasonHasItsSentence_data() {
    QTest::addColumn<uint>("error");
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only") << uint(ERROR_FILE_READ_ONLY) << kReadOnly;
    QTest::newRow("no permission") << uint(ERROR_ACCESS_DENIED) << kNoPermission;
    QTest::newRow("not a regular file") << uint(ERROR_BAD_FILE_TYPE) << kNotAFile;
    QTest::newRow("disk full") << uint(ERROR_DISK_FULL) << kDiskFull;
    QTest::newRow("disk full, as Windows also says it")
        << uint(ERROR_HANDLE_DISK_FULL) << kDiskFull;
    QTest::newRow("name too long") << uint(ERROR_FILENAME_EXCED_RANGE) << kTooLong;
    QTest::newRow("file too large: the system's message")
        << uint(ERROR_FILE_TOO_LARGE) << SystemSays(EFBIG);
    QTest::newRow("a disk error: the system's message")
        << uint(ErrorFromErrno(EIO)) << SystemSays(EIO);
    QTest::newRow("out of memory: the system's message")
        << uint(ERROR_NOT_ENOUGH_MEMORY) << SystemSays(ENOMEM);
  }

  void eachReasonHasItsSentence() {
    QFETCH(uint, error);
    QFETCH(QString, reason);
    Shown shown;
    WindowWatcher<QDialog> errors{OpenErrorBox, Read(&shown)};
    // A name the program's code page cannot spell, shown as the system has it.
    ShowSaveError("/tmp/Документы/aruanne ☺.txt", error);
    QCOMPARE(errors.Seen(), 1);
    QCOMPARE(shown.caption, QStringLiteral("Viga"));
    QVERIFY(shown.errorIcon);
    QCOMPARE(shown.text,
             QStringLiteral("Faili „/tmp/Документы/aruanne ☺.txt“ ei õnnestunud salvestada.\n") +
                 reason);
  }

  // The save command meets each cause for real: the box says why, and the
  // old file stays as it was, nothing of the save's left beside it.
  void realCausesShowTheirReason_data() {
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only file, also for root")
        << Obstacle([](const QString& folder, std::function<void()>*) {
             QFile::setPermissions(folder + "/vana.txt", QFile::ReadOwner | QFile::ReadGroup);
             return QString();
           })
        << kReadOnly;
    QTest::newRow("a folder without write permission")
        << Obstacle([](const QString& folder, std::function<void()>* undo) {
             QByteArray name = QFile::encodeName(folder);
             chmod(name.constData(), 0555);
             QFile::remove(folder + "/vana.txt");
             *undo = [name] { chmod(name.constData(), 0755); };
             if (geteuid() != 0) return QString();
             // Root writes into any folder: it acts as nobody while it saves.
             setfsgid(kNobody);
             setfsuid(kNobody);
             *undo = [name] {
               setfsuid(0);
               setfsgid(0);
               chmod(name.constData(), 0755);
             };
             return static_cast<uid_t>(setfsuid(static_cast<uid_t>(-1))) == kNobody
                        ? QString()
                        : QStringLiteral("cannot act as another user");
           })
        << kNoPermission;
    QTest::newRow("a FIFO") << Obstacle([](const QString& folder, std::function<void()>*) {
      QFile::remove(folder + "/vana.txt");
      mkfifo(QFile::encodeName(folder + "/vana.txt").constData(), 0644);
      return QString();
    }) << kNotAFile;
    QTest::newRow("a full disk") << Obstacle([](const QString& folder,
                                                std::function<void()>* undo) {
      QByteArray name = QFile::encodeName(folder);
      if (geteuid() != 0 || mount("tmpfs", name.constData(), "tmpfs", 0, "size=64k") != 0) {
        return QStringLiteral("cannot mount a small tmpfs here");
      }
      *undo = [name] { umount2(name.constData(), MNT_DETACH); };
      WriteBytes(folder + "/vana.txt", "vana");
      QFile filler(folder + "/täis");
      if (filler.open(QIODevice::WriteOnly)) {
        while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
        }
      }
      return QString();
    }) << kDiskFull;
    QTest::newRow("a file-size limit") << Obstacle([](const QString&, std::function<void()>* undo) {
      rlimit before{};
      getrlimit(RLIMIT_FSIZE, &before);
      rlimit limited = before;
      limited.rlim_cur = 1000;
      setrlimit(RLIMIT_FSIZE, &limited);
      *undo = [before] { setrlimit(RLIMIT_FSIZE, &before); };
      return QString();
    }) << SystemSays(EFBIG);
  }

  void realCausesShowTheirReason() {
    QFETCH(Obstacle, obstacle);
    QFETCH(QString, reason);
    QTemporaryDir base;
    QVERIFY(chmod(QFile::encodeName(base.path()).constData(), 0755) == 0);
    QString folder = base.filePath("kõik Файлы");
    QVERIFY(QDir().mkdir(folder));
    QString path = folder + "/vana.txt";
    WriteBytes(path, "vana");
    std::function<void()> undo;
    QString skip = obstacle(folder, &undo);
    if (!skip.isEmpty()) {
      if (undo) undo();
      QSKIP(qPrintable(skip));
    }
    QByteArray old = FileBytes(path);
    QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                QDir::Hidden | QDir::System);
    WindowWatcher<QFileDialog> saveDialogs{
        OpenSaveDialog, [&](QFileDialog* dialog) {
          auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
          name->setText(path);
          QTest::keyClick(name, Qt::Key_Return);
        }};
    WindowWatcher<QMessageBox> questions{
        OpenQuestion,
        [](QMessageBox* box) { QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton); }};
    Shown shown;
    WindowWatcher<QDialog> errors{OpenErrorBox, Read(&shown)};
    RunMainDialog(
        [](HWND dialog) { QTest::mouseClick(Widget(dialog, IDC_SAVE_BUTTON), Qt::LeftButton); });
    QStringList after = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                               QDir::Hidden | QDir::System);
    QByteArray held = FileBytes(path);
    if (undo) undo();
    QCOMPARE(saveDialogs.Seen(), 1);
    QCOMPARE(errors.Seen(), 1);
    QVERIFY(shown.errorIcon);
    QCOMPARE(shown.text,
             QStringLiteral("Faili „%1“ ei õnnestunud salvestada.\n").arg(path) + reason);
    QCOMPARE(held, old);
    QCOMPARE(after, before);
  }
};

QTEST_MAIN(SaveErrorTest)
#include "save_error_test.moc"
