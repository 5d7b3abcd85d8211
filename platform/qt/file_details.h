// What the save dialog says about each file, in the user's language and the
// program's locale rather than the system's: the kind of file (Qt would
// name it after the desktop's file types), and in the detail view its size
// ("15 baiti", "1,5 kB": sizes in units of 1024 bytes, as Windows counts
// them) and the time it was changed ("7. dets 2023 10:05").
#ifndef OMBRIX_PLATFORM_QT_FILE_DETAILS_H
#define OMBRIX_PLATFORM_QT_FILE_DETAILS_H

#include <QFileIconProvider>
#include <QIdentityProxyModel>

class FileKinds : public QFileIconProvider {
 public:
  QString type(const QFileInfo& info) const override;
};

// Between a file dialog and its QFileSystemModel.
class FileDetails : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex& index, int role) const override;
};

#endif
