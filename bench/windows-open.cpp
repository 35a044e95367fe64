// How long the three result windows of a long beam take to be open and drawn
// once the analysis run has ended, the time an engineer waits after
// "&Analyse" beyond the run itself.
//   spanwise-windows-bench [MEMBERS [REPEATS]]
// The beam: spans of 5, E = 2E8, I = 0.0004, joint 1 fixed and every other
// joint propped, a uniform load of 6 on every span and a point load of 10 at
// 2.0 on every odd span. Every repeat runs the analysis, then times from the
// end of the run until the report and both diagrams have painted; the report
// box goes on filling after that, and the time until it holds the whole
// report is printed too. Prints the medians in seconds.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "run/AnalysisRun.h"
#include "ui/ReportWindow.h"
#include "ui/ResultWindows.h"

using spanwise::ui::ReportWindow;
using spanwise::ui::ResultWindows;

namespace {

std::string Num(long value) {
  char buf[24];
  return {buf, std::to_chars(buf, buf + sizeof buf, value).ptr};
}

std::string BeamFile(long members) {
  std::string out;
  const auto line = [&out](const std::string& text) { out += text + "\r\n"; };
  line(Num(members + 1));
  for (long j = 1; j <= members + 1; ++j) line(Num(5 * (j - 1)) + ", joint " + Num(j));
  line(Num(members + 1));
  line("1, 1, 1, fixed end");
  for (long j = 2; j <= members + 1; ++j) line(Num(j) + ", 1, 0, prop");
  line("1");
  line("2E8, steel");
  line("1");
  line("0.0004, beam section");
  line(Num(members));
  for (long m = 1; m <= members; ++m) {
    line(Num(m) + ", " + Num(m + 1) + ", 1, 1, span " + Num(m));
  }
  line(Num(members + (members + 1) / 2));
  for (long m = 1; m <= members; ++m) {
    line(Num(m) + ", 2, 6, 6, 0, 0, uniform load");
    if (m % 2 == 1) line(Num(m) + ", 1, 10, 0, 2.0, 0, point load");
  }
  line("0");
  return out;
}

// Notes which of the watched widgets have painted since the last Reset.
class PaintWatch : public QObject {
 public:
  void Reset(const std::vector<QWidget*>& widgets) {
    watched_ = widgets;
    painted_.assign(widgets.size(), false);
  }
  bool AllPainted() const {
    return std::all_of(painted_.begin(), painted_.end(), [](bool p) { return p; });
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      for (std::size_t i = 0; i < watched_.size(); ++i) {
        if (watched_[i] == object) painted_[i] = true;
      }
    }
    return false;
  }

 private:
  std::vector<QWidget*> watched_;
  std::vector<bool> painted_;
};

// The viewports the report text and the two charts are painted on.
std::vector<QWidget*> Canvases(QWidget& owner) {
  std::vector<QWidget*> canvases;
  for (const char* form : {"Form2", "Form3", "Form4"}) {
    auto* window = owner.findChild<QWidget*>(QString::fromLatin1(form));
    if (window == nullptr) return {};
    for (const char* control : {"Text1", "Graph1"}) {
      if (auto* view = window->findChild<QAbstractScrollArea*>(QString::fromLatin1(control))) {
        canvases.push_back(view->viewport());
      }
    }
  }
  return canvases;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const long members = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
  const int repeats = argc > 2 ? std::atoi(argv[2]) : 5;
  if (members < 1 || repeats < 1) {
    std::fputs("usage: spanwise-windows-bench [MEMBERS [REPEATS]]\n", stderr);
    return 2;
  }

  QTemporaryDir folder;
  const QString input = folder.filePath(QStringLiteral("Beam.sma"));
  QFile file(input);
  const std::string bytes = BeamFile(members);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size())) {
    std::fprintf(stderr, "spanwise-windows-bench: cannot write %s\n", qPrintable(input));
    return 1;
  }
  file.close();

  QWidget owner;  // stands in for the input window
  ResultWindows results(&owner);
  PaintWatch watch;
  app.installEventFilter(&watch);
  std::vector<double> drawn;
  std::vector<double> complete;
  for (int r = 0; r < repeats; ++r) {
    results.CloseAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();

    const spanwise::RunOutcome outcome = spanwise::AnalysisRun(input.toStdString());
    if (!outcome.ok) {
      std::fprintf(stderr, "spanwise-windows-bench: %s\n", outcome.reason.c_str());
      return 1;
    }
    QElapsedTimer clock;
    clock.start();
    results.Refresh(QString::fromStdString(outcome.report_path),
                    QString::fromStdString(outcome.bm_path),
                    QString::fromStdString(outcome.sf_path));
    const std::vector<QWidget*> canvases = Canvases(owner);
    if (canvases.size() != 3) {
      std::fputs("spanwise-windows-bench: a result window is missing\n", stderr);
      return 1;
    }
    watch.Reset(canvases);
    while (!watch.AllPainted()) QCoreApplication::processEvents();
    drawn.push_back(static_cast<double>(clock.nsecsElapsed()) * 1e-9);

    auto* report = owner.findChild<ReportWindow*>(QStringLiteral("Form2"));
    while (report->isLoading()) QCoreApplication::processEvents();
    complete.push_back(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
  }

  std::printf(
      "result windows of %ld members open and drawn: median %.3f s (goal 1 s; %d runs, %.3f .. "
      "%.3f)\n",
      members, Median(drawn), repeats, *std::min_element(drawn.begin(), drawn.end()),
      *std::max_element(drawn.begin(), drawn.end()));
  std::printf("report text complete: median %.3f s\n", Median(complete));
  return 0;
}
