#include "ui/ErrorBox.h"

#include <QDir>
#include <QMessageBox>

#include "run/AnalysisRun.h"

namespace spanwise::ui {
namespace {

// The reason stands in the box itself, not only under "Show Details...":
// an engineer should not have to click to learn what is wrong.
void ShowBox(QWidget* parent, const char* title, const QString& text, const QString& informative) {
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(title), text, QMessageBox::Ok, parent);
  box.setInformativeText(informative);
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);
  box.exec();
}

}  // namespace

void ShowRunFault(QWidget* parent, const RunOutcome& outcome, const QString& input_path) {
  const QString reason = QString::fromStdString(outcome.reason);
  switch (outcome.fault) {
    case RunFault::kNone:
    case RunFault::kCancelled:
      return;
    case RunFault::kData:
    case RunFault::kInput:  // Beam.sma gone or unreadable since it was saved
      ShowBox(parent, kErrorTitle, QString::fromUtf8(kErrorText), reason);
      return;
    case RunFault::kWrite:
      ShowBox(parent, kWriteErrorTitle, reason,
              QStringLiteral("The results of the previous analysis are as they were."));
      return;
    case RunFault::kUsage:  // the windows choose no load case: a fault of the program
    case RunFault::kInternal:
      ShowBox(parent, kInternalErrorTitle, reason,
              QStringLiteral("This is a fault of the program, not of your data. Please send "
                             "%1 with this message to its developers.")
                  .arg(QDir::toNativeSeparators(input_path)));
      return;
  }
}

void ShowRunWarnings(QWidget* parent, const RunOutcome& outcome) {
  if (outcome.warnings.empty()) return;
  QStringList lines;
  for (const std::string& warning : outcome.warnings) lines << QString::fromStdString(warning);
  auto* notice = new QMessageBox(QMessageBox::Warning, QStringLiteral("Warnings"),
                                 QStringLiteral("The analysis ran, with these warnings:"),
                                 QMessageBox::Ok, parent);
  notice->setObjectName(QStringLiteral("Warnings"));
  notice->setInformativeText(lines.join(QLatin1Char('\n')));
  notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
  notice->setAttribute(Qt::WA_DeleteOnClose);
  notice->setModal(false);
  notice->show();
}

}  // namespace spanwise::ui
