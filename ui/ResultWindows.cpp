#include "ui/ResultWindows.h"

#include "ui/DiagramWindow.h"
#include "ui/ReportWindow.h"
#include "ui/StaleBanner.h"

namespace spanwise::ui {

void ResultWindows::Refresh(const QString& report_path, const QString& bm_path,
                            const QString& sf_path) {
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

void ResultWindows::MarkStale(const char* banner) {
  for (QWidget* window : {report_.data(), moment_.data(), shear_.data()}) {
    if (window == nullptr) continue;
    auto* label = window->findChild<QLabel*>(QStringLiteral("Stale"));
    label->setText(QString::fromUtf8(banner));
    label->show();
  }
}

}  // namespace spanwise::ui
