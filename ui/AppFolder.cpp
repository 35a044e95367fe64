#include "ui/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace spanwise::ui {

QString AppFolder() {
  // Decoded as file names are, so the bytes of a non-ASCII folder name reach
  // the analysis run unchanged.
  QString folder = QFile::decodeName(qgetenv("SPANWISE_HOME"));
  if (folder.isEmpty()) {
    folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/spanwise";
  }
  QDir().mkpath(folder);
  return QDir::cleanPath(QDir(folder).absolutePath());
}

}  // namespace spanwise::ui
