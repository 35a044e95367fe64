#include "ui/ResultWindows.h"

#include <QFile>
#include <QFileInfo>

#include "common/CommitJournal.h"
#include "common/FolderLock.h"
#include "design/LoadChoice.h"
#include "ui/BeamWindow.h"
#include "ui/DiagramWindow.h"
#include "ui/ReportWindow.h"
#include "ui/StaleBanner.h"

namespace spanwise::ui {

void ResultWindows::Refresh(const QString& report_path, const QString& bm_path,
                            const QString& sf_path, std::shared_ptr<const DesignValues> values,
                            const Units& units) {
  // The three files are read while the windows are made: under the folder's
  // lock, so that a run elsewhere never shows half its set. A run killed
  // there meanwhile is rolled back first: the windows then show the old set.
  const std::string folder = QFile::encodeName(QFileInfo(report_path).absolutePath()).toStdString();
  bool rolled_back = false;
  const FolderLock lock = FolderLock::ForReading(folder, &rolled_back);
  Replace(report_,
          new ReportWindow(report_path, owner_, values ? ResultFilesLine(*values) : std::string()));
  Replace(moment_, new DiagramWindow(kMomentDiagram, bm_path, owner_, values, units));
  Replace(shear_, new DiagramWindow(kShearDiagram, sf_path, owner_, values, units));
  if (rolled_back) MarkStale(RolledBackNotice(folder).c_str());
}

void ResultWindows::RefreshBeam(std::shared_ptr<const DesignValues> values,
                                const QString& report_path, const QString& design_path) {
  beam_values_ = std::move(values);
  beam_report_ = report_path;
  beam_design_ = design_path;
  Replace(beam_, new BeamWindow(beam_values_, beam_report_, beam_design_, owner_));
}

bool ResultWindows::ShowBeam() {
  if (!beam_values_) return false;
  if (!beam_) Replace(beam_, new BeamWindow(beam_values_, beam_report_, beam_design_, owner_));
  beam_->raise();
  beam_->activateWindow();
  return true;
}

void ResultWindows::Replace(QPointer<QWidget>& slot, QWidget* window) {
  if (!input_.isEmpty())
    window->setWindowTitle(window->windowTitle() + QStringLiteral(" \u2013 ") + input_);
  if (slot) {
    window->setGeometry(slot->geometry());
    delete slot;
  }
  slot = window;
  window->show();
}

void ResultWindows::CloseAll() {
  for (QWidget* window : {report_.data(), moment_.data(), shear_.data(), beam_.data()}) {
    if (window) window->close();
  }
}

void ResultWindows::MarkStale(const char* banner) {
  for (QWidget* window : {report_.data(), moment_.data(), shear_.data()}) {
    if (window == nullptr) continue;
    auto* label = window->findChild<QLabel*>(QStringLiteral("Stale"));
    label->setText(QString::fromUtf8(banner));
    label->show();
  }
  if (beam_) static_cast<BeamWindow*>(beam_.data())->setOutOfDate(QString::fromUtf8(banner));
}

}  // namespace spanwise::ui
