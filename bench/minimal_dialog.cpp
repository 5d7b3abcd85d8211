// The floor for the window's start: a Qt dialog with one label and one
// button, shown and left running until it is closed.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle("Minimal");
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel("S\u00fcnnikuup\u00e4ev ja aasta:"));
  layout->addWidget(new QPushButton("OK"));
  dialog.show();
  return application.exec();
}
