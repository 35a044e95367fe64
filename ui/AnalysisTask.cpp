#include "ui/AnalysisTask.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <mutex>
#include <thread>

namespace spanwise::ui {
namespace {

// What the run last said, handed from its thread to this one.
struct Shared {
  std::mutex mutex;
  std::string stage;
  int percent = 0;
  std::atomic<bool> cancel{false};
};

}  // namespace

RunOutcome AnalyseWithProgress(const std::string& input, RunOptions options, QWidget* owner) {
  Shared shared;
  options.cancel = &shared.cancel;
  options.progress = [&shared](const char* stage, int percent) {
    const std::lock_guard<std::mutex> hold(shared.mutex);
    shared.stage = stage;
    shared.percent = percent;
  };
  RunOutcome outcome;
  QEventLoop loop;
  std::thread run([&] {
    outcome = AnalysisRun(input, options);
    // Queued: the loop ends once it runs, even if the run ended before it began.
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });

  QProgressDialog dialog(QStringLiteral("Analysing…"), QStringLiteral("Cancel"), 0, 100, owner);
  dialog.setWindowTitle(QStringLiteral("Analyse"));
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setMinimumDuration(500);
  dialog.setAutoReset(false);
  dialog.setValue(0);
  QObject::connect(&dialog, &QProgressDialog::canceled, [&shared] { shared.cancel = true; });
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    const std::lock_guard<std::mutex> hold(shared.mutex);
    if (!shared.stage.empty()) dialog.setLabelText(QString::fromStdString(shared.stage));
    dialog.setValue(shared.percent);
  });
  poll.start(50);
  loop.exec();
  run.join();
  return outcome;
}

}  // namespace spanwise::ui
