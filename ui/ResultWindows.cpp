#include "ui/ResultWindows.h"

#include <QFile>
#include <QFileInfo>

#include "common/FolderLock.h"
#include "ui/DiagramWindow.h"
#include "ui/ReportWindow.h"

namespace spanwise::ui {

void ResultWindows::Refresh(const QString& report_path, const QString& bm_path,
                            const QString& sf_path) {
  // The three files are read while the windows are made: under the folder's
  // lock, so that a run elsewhere never shows half its set.
  const FolderLock lock = FolderLock::ForReading(
      QFile::encodeName(QFileInfo(report_path).absolutePath()).toStdString());
  Replace(report_, new ReportWindow(report_path, owner_));
  Replace(moment_, new DiagramWindow(kMomentDiagram, bm_path, owner_));
  Replace(shear_, new DiagramWindow(kShearDiagram, sf_path, owner_));
}

void ResultWindows::Replace(QPointer<QWidget>& slot, QWidget* window) {
  if (slot) {
    window->setGeometry(slot->geometry());
    delete slot;
  }
  slot = window;
  window->show();
}

void ResultWindows::CloseAll() {
  for (QWidget* window : {report_.data(), moment_.data(), shear_.data()}) {
    if (window) window->close();
  }
}

}  // namespace spanwise::ui
