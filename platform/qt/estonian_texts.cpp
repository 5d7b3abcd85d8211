#include "platform/qt/estonian_texts.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstring>

#include "platform/qt/layer_text.h"

namespace {

struct Translation {
  const char* context;
  const char* english;
  const char* estonian;
};

// The layer's own texts (layer_text.h), then Qt's source texts as its widgets
// ask for them; "&" marks the mnemonic.
constexpr Translation kTranslations[] = {
    {kLayerContext, "Error", "Viga"},
    {kLayerContext, "Question", "Küsimus"},
    {kLayerContext, "OK", "OK"},
    {kLayerContext, "New text: %1", "Uus tekst: %1"},
    {kLayerContext, "Save As", "Salvesta nimega"},
    {kLayerContext, "Ombrix needs a graphical desktop, but found no display to open its window on.",
     "Ombrix vajab graafilist töölauda, kuid ei leidnud ühtegi ekraani, kuhu oma akent avada."},
    {kLayerContext, "The folder “%1” does not exist.\nCheck the folder's name and try again.",
     "Kausta „%1“ ei ole olemas.\nKontrollige kausta nime ja proovige uuesti."},
    {kLayerContext, "Drive", "Ketas"},
    {kLayerContext, "Folder", "Kaust"},
    {kLayerContext, "File", "Fail"},
    {kLayerContext, "Text file", "Tekstifail"},
    {kLayerContext, "%1 file", "%1-fail"},
    {kLayerContext, "%1 byte", "%1 bait"},
    {kLayerContext, "%1 bytes", "%1 baiti"},
    {kLayerContext, "%1 KB", "%1 kB"},
    {kLayerContext, "%1 MB", "%1 MB"},
    {kLayerContext, "%1 GB", "%1 GB"},
    {kLayerContext, "%1 TB", "%1 TB"},
    // A file's time as QDateTime formats it: 7. dets 2023 10:05.
    {kLayerContext, "d MMM yyyy HH:mm", "d. MMM yyyy H:mm"},
    {kLayerContext, "Help", "Abi"},
    {kLayerContext, "&Contents", "&Sisukord"},
    {kLayerContext, "&Back", "&Tagasi"},
    {kLayerContext, "Close", "Sulge"},
    {kLayerContext, "Help file not found", "Abifaili ei leitud"},
    {kLayerContext, "The help file “%1” was not found. It was looked for in these places:",
     "Abifaili „%1“ ei leitud. Seda otsiti järgmistest kohtadest:"},

    {"QGuiApplication", "QT_LAYOUT_DIRECTION", "LTR"},

    {"QFileDialog", "Look in:", "Asukoht:"},
    {"QFileDialog", "File &name:", "Faili&nimi:"},
    {"QFileDialog", "Files of type:", "Faili tüüp:"},
    {"QFileDialog", "Directory:", "Kaust:"},
    {"QFileDialog", "Back", "Tagasi"},
    {"QFileDialog", "Go back", "Mine tagasi"},
    {"QFileDialog", "Forward", "Edasi"},
    {"QFileDialog", "Go forward", "Mine edasi"},
    {"QFileDialog", "Parent Directory", "Ülemkaust"},
    {"QFileDialog", "Go to the parent directory", "Mine ülemkausta"},
    {"QFileDialog", "Create New Folder", "Uus kaust"},
    {"QFileDialog", "Create a New Folder", "Loo uus kaust"},
    {"QFileDialog", "List View", "Loend"},
    {"QFileDialog", "Change to list view mode", "Näita faile loendina"},
    {"QFileDialog", "Detail View", "Üksikasjad"},
    {"QFileDialog", "Change to detail view mode", "Näita failide üksikasju"},
    {"QFileDialog", "Sidebar", "Külgriba"},
    {"QFileDialog", "List of places and bookmarks", "Kohad ja järjehoidjad"},
    {"QFileDialog", "Files", "Failid"},
    {"QFileDialog", "&Save", "&Salvesta"},
    {"QFileDialog", "&Open", "&Ava"},
    {"QFileDialog", "&Choose", "&Vali"},
    {"QFileDialog", "Save As", "Salvesta nimega"},
    {"QFileDialog", "Open", "Ava"},
    {"QFileDialog", "Find Directory", "Vali kaust"},
    {"QFileDialog", "Show ", "Näita: "},
    {"QFileDialog", "&Rename", "&Nimeta ümber"},
    {"QFileDialog", "&Delete", "&Kustuta"},
    {"QFileDialog", "Delete", "Kustuta"},
    {"QFileDialog", "Show &hidden files", "Näita &peidetud faile"},
    {"QFileDialog", "&New Folder", "&Uus kaust"},
    {"QFileDialog", "New Folder", "Uus kaust"},
    {"QFileDialog", "All Files (*)", "Kõik failid (*)"},
    {"QFileDialog", "All files (*)", "Kõik failid (*)"},
    {"QFileDialog", "Directories", "Kaustad"},
    {"QFileDialog", "Recent Places", "Hiljutised kohad"},
    {"QFileDialog", "Remove", "Eemalda"},
    {"QFileDialog", "%1\nDirectory not found.\nPlease verify the correct directory name was given.",
     "%1\nKausta ei leitud.\nKontrollige, kas kausta nimi on õige."},
    {"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.",
     "%1\nFaili ei leitud.\nKontrollige, kas failinimi on õige."},
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?",
     "%1 on juba olemas.\nKas soovite selle asendada?"},
    {"QFileDialog", "'%1' is write protected.\nDo you want to delete it anyway?",
     "„%1“ on kirjutuskaitstud.\nKas soovite selle siiski kustutada?"},
    {"QFileDialog", "Are you sure you want to delete '%1'?",
     "Kas soovite kindlasti „%1“ kustutada?"},
    {"QFileDialog", "Could not delete directory.", "Kausta ei õnnestunud kustutada."},

    {"QFileSystemModel", "Name", "Nimi"},
    {"QFileSystemModel", "Size", "Suurus"},
    {"QFileSystemModel", "Type", "Tüüp"},
    {"QFileSystemModel", "Kind", "Liik"},
    {"QFileSystemModel", "Date Modified", "Muutmisaeg"},
    {"QFileSystemModel", "Computer", "Arvuti"},
    {"QFileSystemModel", "My Computer", "Minu arvuti"},
    {"QFileSystemModel", "Invalid filename", "Sobimatu failinimi"},
    {"QFileSystemModel",
     "<b>The name \"%1\" cannot be used.</b><p>Try using another name, with fewer characters or "
     "no punctuation marks.",
     "<b>Nime „%1“ ei saa kasutada.</b><p>Proovige teist nime, milles on vähem märke või pole "
     "kirjavahemärke."},

    {"QPlatformTheme", "OK", "OK"},
    {"QPlatformTheme", "Save", "Salvesta"},
    {"QPlatformTheme", "Save All", "Salvesta kõik"},
    {"QPlatformTheme", "Open", "Ava"},
    {"QPlatformTheme", "&Yes", "&Jah"},
    {"QPlatformTheme", "Yes to &All", "Jah, &kõigile"},
    {"QPlatformTheme", "&No", "&Ei"},
    {"QPlatformTheme", "N&o to All", "E&i ühelegi"},
    {"QPlatformTheme", "Abort", "Katkesta"},
    {"QPlatformTheme", "Retry", "Proovi uuesti"},
    {"QPlatformTheme", "Ignore", "Eira"},
    {"QPlatformTheme", "Close", "Sulge"},
    {"QPlatformTheme", "Cancel", "Loobu"},
    {"QPlatformTheme", "Discard", "Loobu muudatustest"},
    {"QPlatformTheme", "Don't Save", "Ära salvesta"},
    {"QPlatformTheme", "Help", "Abi"},
    {"QPlatformTheme", "Apply", "Rakenda"},
    {"QPlatformTheme", "Reset", "Lähtesta"},
    {"QPlatformTheme", "Restore Defaults", "Taasta vaikeväärtused"},

    {"QLineEdit", "&Undo", "&Võta tagasi"},
    {"QLineEdit", "&Redo", "&Tee uuesti"},
    {"QLineEdit", "Cu&t", "&Lõika"},
    {"QLineEdit", "&Copy", "&Kopeeri"},
    {"QLineEdit", "&Paste", "Kl&eebi"},
    {"QLineEdit", "Delete", "K&ustuta"},
    {"QLineEdit", "Select All", "V&ali kõik"},

    {"QWidgetTextControl", "&Undo", "&Võta tagasi"},
    {"QWidgetTextControl", "&Redo", "&Tee uuesti"},
    {"QWidgetTextControl", "Cu&t", "&Lõika"},
    {"QWidgetTextControl", "&Copy", "&Kopeeri"},
    {"QWidgetTextControl", "Copy &Link Location", "Kopeeri &lingi aadress"},
    {"QWidgetTextControl", "&Paste", "Kl&eebi"},
    {"QWidgetTextControl", "Delete", "K&ustuta"},
    {"QWidgetTextControl", "Select All", "V&ali kõik"},

    {kLayerContext,
     "The name is too long: a file name may have at most %1 bytes, and with its folder "
     "%2.\nChoose a shorter name.",
     "Nimi on liiga pikk: failinimes võib olla kuni %1 baiti ja koos kaustaga kuni %2 baiti.\n"
     "Valige lühem nimi."},
};

class EstonianTranslator : public QTranslator {
 public:
  using QTranslator::QTranslator;

  bool isEmpty() const override { return false; }

  // Disambiguations are not looked at: no text here has two translations.
  QString translate(const char* context, const char* sourceText, const char*, int) const override {
    if (context == nullptr || sourceText == nullptr) return QString();
    for (const Translation& t : kTranslations) {
      if (std::strcmp(t.context, context) == 0 && std::strcmp(t.english, sourceText) == 0) {
        return QString::fromUtf8(t.estonian);
      }
    }
    return QString();
  }
};

}  // namespace

const char* EstonianLayerText(const char* english) {
  for (const Translation& t : kTranslations) {
    if (std::strcmp(t.context, kLayerContext) == 0 && std::strcmp(t.english, english) == 0) {
      return t.estonian;
    }
  }
  return english;
}

void InstallEstonianTexts() {
  static bool installed = false;
  if (installed || QCoreApplication::instance() == nullptr) return;
  installed = QCoreApplication::installTranslator(new EstonianTranslator(qApp));
}
