#include "ui/AppFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace spanwise::ui {

QString AppFolder() {
  QString folder = qEnvironmentVariable("SPANWISE_HOME");
  if (folder.isEmpty()) {
    folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/spanwise";
  }
  QDir().mkpath(folder);
  return QDir::cleanPath(QDir(folder).absolutePath());
}

}  // namespace spanwise::ui
