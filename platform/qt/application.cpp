#include "platform/qt/application.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLocale>
#include <QPixmap>

#include "platform/qt/estonian_texts.h"
#include "platform/qt/focus_style.h"
#include "platform/rcgen/embedded_resources.h"

void PrepareApplication() {
  InstallEstonianTexts();
  QApplication::setStyle(new FocusStyle);
  QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
  if (const EmbeddedIcon* icon = ProgramIcon()) {
    QImage image = QImage::fromData(icon->bytes, icon->size, "ICO");
    if (!image.isNull()) QApplication::setWindowIcon(QIcon(QPixmap::fromImage(image)));
  }
}
