#include "ui/ErrorBox.h"

#include <QMessageBox>

#include "run/AnalysisRun.h"

namespace spanwise::ui {

void ShowDataError(QWidget* parent, const QString& reason) {
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kErrorTitle),
                  QString::fromUtf8(kErrorText), QMessageBox::Ok, parent);
  box.setDetailedText(reason);
  box.exec();
}

}  // namespace spanwise::ui
