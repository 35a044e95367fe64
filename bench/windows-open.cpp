// How long the three result windows of a long beam take to be open and drawn
// once the analysis run has ended, the time an engineer waits after
// "&Analyse" beyond the run itself.
//   spanwise-windows-bench [MEMBERS [REPEATS]]
// The beam: spans of 5, E = 2E8, I = 0.0004, joint 1 fixed and every other
// joint propped, a uniform load of 6 on every span and a point load of 10 at
// 2.0 on every odd span. Every repeat runs the analysis, then times from the
// end of the run until the report and both diagrams have painted; the report
// box goes on filling after that, and the time until it holds the whole
// report is printed too. Then the Beam window of the same result: from its
// making until its picture has painted. Prints the medians in seconds.
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
#include <memory>
#include <string>
#include <vector>

#include "input/BeamModel.h"
#include "run/AnalysisRun.h"
#include "ui/BeamView.h"
#include "ui/BeamWindow.h"
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

// Design values of the beam file when the run kept none: the model as read,
// and every member's functions as pieces of the degrees the design stage
// gives (a moment of degree 2, a deflection of degree 4), with extremes.
std::shared_ptr<const spanwise::DesignValues> StandInDesign(const std::string& bytes) {
  using spanwise::Piece;
  auto values = std::make_shared<spanwise::DesignValues>();
  values->model = spanwise::ReadBeamModel(bytes);
  long m = 0;
  for (const auto& member : values->model.members) {
    spanwise::MemberDesign d;
    d.member = ++m, d.i = member.i, d.j = member.j, d.length = 5;
    d.moment = {Piece{0, 2, {-30, 20, -3}}, Piece{2, 5, {16, 8, -3}}};
    d.shear = {Piece{0, 2, {-20, 6}}, Piece{2, 5, {-2, 6}}};
    d.rotation = {Piece{0, 2, {0, 1e-4, 0, -1e-5}}, Piece{2, 5, {1e-4, 0, -1e-5}}};
    d.deflection = {Piece{0, 2, {0, 0, 1e-4, 0, -1e-6}}, Piece{2, 5, {1e-4, 1e-4, 0, -1e-5}}};
    d.moment_max = {true, 3.3, 21.3}, d.moment_min = {true, 0, -30};
    d.shear_max = {true, 5, 16}, d.shear_min = {true, 0, -20};
    d.deflection_max = {true, 2.5, 1.2e-4}, d.deflection_min = {true, 0, 0};
    values->members.push_back(d);
  }
  return values;
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
  std::vector<double> beam_drawn;
  bool beam_stand_in = false;
  for (int r = 0; r < repeats; ++r) {
    results.CloseAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();

    spanwise::RunOptions options;
    options.keep_design = true;
    const spanwise::RunOutcome outcome = spanwise::AnalysisRun(input.toStdString(), options);
    if (!outcome.ok) {
      std::fprintf(stderr, "spanwise-windows-bench: %s\n", outcome.reason.c_str());
      return 1;
    }
    QElapsedTimer clock;
    clock.start();
    results.Refresh(QString::fromStdString(outcome.report_path),
                    QString::fromStdString(outcome.bm_path),
                    QString::fromStdString(outcome.sf_path), outcome.design);
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

    const auto design = outcome.design ? outcome.design : StandInDesign(bytes);
    clock.restart();
    auto* beam = new spanwise::ui::BeamWindow(design, input, input, &owner);
    beam->setAttribute(Qt::WA_DeleteOnClose);
    beam->show();
    watch.Reset({beam->view()});
    while (!watch.AllPainted()) QCoreApplication::processEvents();
    beam_drawn.push_back(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    beam_stand_in = !outcome.design;
    beam->close();
  }

  std::printf(
      "result windows of %ld members open and drawn: median %.3f s (goal 1 s; %d runs, %.3f .. "
      "%.3f)\n",
      members, Median(drawn), repeats, *std::min_element(drawn.begin(), drawn.end()),
      *std::max_element(drawn.begin(), drawn.end()));
  std::printf("report text complete: median %.3f s\n", Median(complete));
  std::printf(
      "Beam window of %ld members open and drawn%s: median %.3f s (goal 1 s; %.3f .. %.3f)\n",
      members, beam_stand_in ? " (stand-in design values)" : "", Median(beam_drawn),
      *std::min_element(beam_drawn.begin(), beam_drawn.end()),
      *std::max_element(beam_drawn.begin(), beam_drawn.end()));
  return 0;
}
