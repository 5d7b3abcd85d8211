#include "platform/qt/file_details.h"

#include <QDateTime>
#include <QFileSystemModel>
#include <QLocale>

#include "platform/qt/layer_text.h"

namespace {

// The columns of QFileSystemModel.
constexpr int kSizeColumn = 1;
constexpr int kTimeColumn = 3;

QString FileSize(qint64 bytes) {
  constexpr double kUnit = 1024;
  constexpr int kWholeFrom = 10;  // "1,5 kB", but "15 kB"
  const char* const units[] = {"%1 KB", "%1 MB", "%1 GB", "%1 TB"};
  QLocale locale;
  if (bytes < kUnit)
    return LayerText(bytes == 1 ? "%1 byte" : "%1 bytes").arg(locale.toString(bytes));
  double amount = bytes / kUnit;
  size_t unit = 0;
  while (amount >= kUnit && unit + 1 < std::size(units)) {
    amount /= kUnit;
    ++unit;
  }
  return LayerText(units[unit]).arg(locale.toString(amount, 'f', amount < kWholeFrom ? 1 : 0));
}

}  // namespace

QString FileKinds::type(const QFileInfo& info) const {
  if (info.isRoot()) return LayerText("Drive");
  if (info.isDir()) return LayerText("Folder");
  QString suffix = info.suffix();
  if (suffix.isEmpty()) return LayerText("File");
  if (suffix.compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0) return LayerText("Text file");
  return LayerText("%1 file").arg(suffix.toUpper());
}

QVariant FileDetails::data(const QModelIndex& index, int role) const {
  auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
  bool detail = index.column() == kSizeColumn || index.column() == kTimeColumn;
  if (role != Qt::DisplayRole || !detail || files == nullptr) {
    return QIdentityProxyModel::data(index, role);
  }
  QModelIndex file = mapToSource(index);
  if (index.column() == kTimeColumn) {
    return QLocale().toString(files->lastModified(file), LayerText("d MMM yyyy HH:mm"));
  }
  return files->isDir(file) ? QString() : FileSize(files->size(file));
}
