// The Beam window draws what the design values hold: supports, loads and
// reactions where they act, extremes labelled, the hover read-out, a member
// entered right to left mirrored; the input window's pane reads the text as
// it is typed and says why it does not read; the exports write files; a run
// with load cases draws each case alone and each combination as a band, a
// moving case as a band too, where a click opens an influence line.
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

#include "TestFiles.h"
#include "run/AnalysisRun.h"
#include "ui/BeamPane.h"
#include "ui/BeamPicture.h"
#include "ui/BeamView.h"
#include "ui/BeamWindow.h"
#include "ui/InfluencePane.h"
#include "ui/InputWindow.h"

using namespace spanwise;
using namespace spanwise::ui;

namespace {

// A simple span of 10 under 100 at 3.3 from joint 1, entered from joint
// `i` to joint `j`; M, V in the member's own direction.
std::shared_ptr<DesignValues> SimpleSpan(long i, long j) {
  auto v = std::make_shared<DesignValues>();
  const Support pinned{Restraint::kFixed, Restraint::kFree};
  v->model.joints = {{0, pinned}, {10, pinned}};
  v->model.members = {{i, j}};
  const double a = i == 1 ? 3.3 : 6.7;  // the load from end i
  v->model.member_loads = {{0, 1, 1, 100, 0, a, 0}};
  v->joints = {{.joint = 1, .x = 0, .support = pinned, .fy = 67},
               {.joint = 2, .x = 10, .support = pinned, .fy = 33}};
  MemberDesign m;
  m.member = 1, m.i = i, m.j = j, m.length = 10;
  const double r = i == 1 ? 67 : 33;  // reaction at end i
  m.moment = {{0, a, {0, r}}, {a, 10, {221.1, r - 100}}};
  m.shear = {{0, a, {-r}}, {a, 10, {100 - r}}};
  m.moment_max = {true, a, 221.1};
  m.moment_min = {true, 0, 0};
  v->members = {m};
  return v;
}

const BeamMark* Find(const BeamPicture& p, BeamMark::Kind kind, double x) {
  for (const BeamMark& m : p.marks())
    if (m.kind == kind && m.x0 == x) return &m;
  return nullptr;
}

long Count(const BeamPicture& p, BeamMark::Kind kind) {
  return std::count_if(p.marks().begin(), p.marks().end(),
                       [&](const BeamMark& m) { return m.kind == kind; });
}

// Hovers over X as the pointer would and returns the read-out.
QString HoverAt(BeamView* view, double X) {
  const QRectF plot = PlotArea(QRectF(view->rect()));
  const BeamFrame& f = view->frame();
  view->hoverAt(plot.left() + (X - f.x0) / (f.x1 - f.x0) * plot.width());
  return view->hoverText();
}

// The design values of an input analysed in a folder of its own, as the
// windows get them; null when the run failed.
std::shared_ptr<const DesignValues> Analysed(const QByteArray& bytes) {
  QTemporaryDir dir;
  RunOptions options;
  options.keep_design = true;
  if (!WriteBytes(dir.filePath("Beam.sma"), bytes)) return nullptr;
  const RunOutcome run = AnalysisRun(dir.filePath("Beam.sma").toStdString(), options);
  return run.ok ? run.design : nullptr;
}

}  // namespace

class BeamWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void drawsTheBeamEitherWayEntered() {
    for (const long i : {1L, 2L}) DrawsTheBeam(i);
  }

  void exportsPictureAndTexts() {
    QTemporaryDir dir;
    BeamWindow window(SimpleSpan(1, 2), dir.filePath("Beam.txt"), {}, nullptr);
    window.resize(600, 400);
    QVERIFY(WriteBytes(dir.filePath("Beam.txt"), "MEMBER FORCES\r\n"));
    for (const char* name : {"b.png", "b.svg", "b.pdf"})
      QCOMPARE(window.exportPicture(dir.filePath(name)), QString());
    QCOMPARE(BeamWindow::exportTextPdf(dir.filePath("Beam.txt"), dir.filePath("r.pdf")), QString());
    QVERIFY(!BeamWindow::exportTextPdf(dir.filePath("none.txt"), dir.filePath("n.pdf")).isEmpty());
    QVERIFY(ReadBytes(dir.filePath("b.svg")).contains(">221.1<"));
    for (const char* name : {"b.png", "b.pdf", "r.pdf"})
      QVERIFY2(QFile(dir.filePath(name)).size() > 500, name);
    // A table wider than a portrait page holds goes on landscape pages.
    QVERIFY(WriteBytes(dir.filePath("Design.txt"), QByteArray(120, 'x') + "\r\n"));
    QCOMPARE(BeamWindow::exportTextPdf(dir.filePath("Design.txt"), dir.filePath("d.pdf")),
             QString());
    for (const auto& [name, landscape] : {std::pair{"r.pdf", false}, std::pair{"d.pdf", true}}) {
      const QByteArray pdf = ReadBytes(dir.filePath(name));
      const qsizetype at = pdf.indexOf("/MediaBox [0 0 ");
      QVERIFY2(at >= 0, name);
      const QList<QByteArray> size = pdf.mid(at + 15, 20).split(' ');
      QCOMPARE(size.at(0).toDouble() > size.at(1).toDouble(), landscape);
    }
  }

  // The golden model of springs, a Gerber hinge and a settlement of case 3:
  // the marks of each, the spring's reaction, and the kink at the hinge.
  void drawsSpringsHingesAndSettlements() {
    const std::shared_ptr<const DesignValues> design =
        Analysed(QByteArray::fromStdString(test::Slurp(test::kData / "golden/supports/Beam.sma")));
    QVERIFY(design != nullptr);
    BeamWindow window(design, {}, {}, nullptr);
    using K = BeamMark::Kind;
    for (const int k : {0, 2}) {  // case 1, then the settlement case
      window.choices()->setCurrentIndex(k);
      const BeamPicture& p = *window.view()->picture();
      QVERIFY(Find(p, K::kRotationalSpring, 0) && Find(p, K::kPinnedSupport, 0));
      QVERIFY(Find(p, K::kVerticalSpring, 14) && !Find(p, K::kPinnedSupport, 14));
      QVERIFY(Find(p, K::kReactionForce, 14) && Find(p, K::kReactionMoment, 0));
      QCOMPARE(Find(p, K::kHinge, 8)->v0, 1.0);  // on the suspended span's side
      const BeamMark* settled = Find(p, K::kSettlement, 6);
      QCOMPARE(settled ? settled->label : QString(), k == 2 ? QStringLiteral("-0.01") : QString());
      // The deflection's slope jumps at the hinge.
      const double h = 1e-3, v = p.At(8).deflection;
      const double left = (v - p.At(8 - h).deflection) / h,
                   right = (p.At(8 + h).deflection - v) / h;
      QVERIFY2(std::abs(right - left) > 1e-3, qPrintable(QString::number(right - left)));
    }
  }

  // The example's three cases (a point, a uniform load and a moment at joint
  // 2; two variable span loads; a moment at joint 2) and the combinations
  // ULS (all three) and SLS (case 3 at factor 0).
  void drawsEachLoadChoice() {
    const std::shared_ptr<const DesignValues> design =
        Analysed(QByteArray::fromStdString(test::Slurp(test::kData / "bad/cases-block.sma")));
    QVERIFY(design != nullptr);
    BeamWindow window(design, {}, {}, nullptr);
    window.resize(800, 500);
    QComboBox* box = window.choices();
    QCOMPARE(box->currentIndex(), 3);  // the first combination
    QVERIFY(window.view()->picture()->isBand());
    struct Row {
      QString text;
      long distributed, point, moments;
      QString moment_label;  // at joint 2: two cases' moments share one label
    };
    const Row rows[] = {{"Case 1: loads (fixed)", 1, 1, 1, "5"},
                        {"Case 2: live (variable)", 2, 0, 0, ""},
                        {"Case 3: wind (fixed)", 0, 0, 1, "5"},
                        {"Combination ULS", 3, 1, 2, "5 + 5"},
                        {"Combination SLS", 3, 1, 1, "5"}};
    QCOMPARE(box->count(), 5);
    for (int k = 0; k < 5; ++k) {
      const Row& row = rows[k];
      QCOMPARE(box->itemText(k), row.text);
      box->setCurrentIndex(k);
      const BeamPicture& p = *window.view()->picture();
      QCOMPARE(Count(p, BeamMark::Kind::kDistributedLoad), row.distributed);
      QCOMPARE(Count(p, BeamMark::Kind::kPointLoad), row.point);
      QCOMPARE(Count(p, BeamMark::Kind::kJointMoment), row.moments);
      const BeamMark* moment = Find(p, BeamMark::Kind::kJointMoment, 5);
      QCOMPARE(moment ? moment->label : QString(), row.moment_label);
      const bool band = k >= 3;
      QCOMPARE(p.isBand(), band);
      QVERIFY2(window.shownLoads().startsWith(row.text + (band ? ": its envelope" : " alone")),
               qPrintable(window.shownLoads()));
      // The fixed end's support moment is labelled, though no extreme of member 1.
      QVERIFY(std::any_of(p.extremes().begin(), p.extremes().end(), [](const ExtremeMark& e) {
        return e.diagram == kMomentDiagram && e.x == 0 && !e.label.isEmpty();
      }));
      QCOMPARE(Count(p, BeamMark::Kind::kReactionForce), 3);
      const QString hover = HoverAt(window.view(), 2.5);
      QVERIFY2(hover.contains("max = ") == band && hover.contains("(case ") == band,
               qPrintable(hover));
      QVERIFY(!p.extremes().empty());
      // Every diagram's band: max >= min everywhere, apart somewhere.
      for (int d = 0; band && d < 3; ++d) {
        bool apart = false;
        for (std::size_t k = 0; k < p.members().size(); ++k) {
          const EnvelopeCurve& c = p.Band(k, 8)->at(static_cast<std::size_t>(d));
          QVERIFY(!c.x.empty() && c.max.size() == c.x.size() && c.min.size() == c.x.size());
          for (std::size_t i = 0; i < c.x.size(); ++i) {
            QVERIFY(c.max[i] >= c.min[i]);
            apart = apart || c.max[i] > c.min[i];
          }
        }
        QVERIFY2(apart, qPrintable(row.text));
      }
    }
  }

  // Two spans under a lorry: its band, the vehicle while hovering, and a
  // click (not a drag) on a diagram or a support opens its influence line.
  void drawsAMovingCaseAndItsInfluenceLines() {
    const std::shared_ptr<const DesignValues> design = Analysed(
        "3\n0, a\n10, b\n20, c\n3\n1, 1, 0, a\n2, 1, 0, b\n3, 1, 0, c\n1\n"
        "2E8, e\n1\n0.0004, i\n2\n1, 2, 1, 1, s1\n2, 3, 1, 1, s2\n1\n"
        "1, 2, 5, 5, 0, 0, dead\n0\nCASES, 1\nmoving, lorry\n2, 9, lorry\n"
        "100, 0, front\n100, 1.5, rear\n");
    QVERIFY(design != nullptr);
    BeamWindow window(design, {}, {}, nullptr);
    window.resize(800, 500);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QComboBox* box = window.choices();
    QCOMPARE(box->itemText(1), QStringLiteral("Case 2: lorry (moving)"));
    box->setCurrentIndex(1);
    const BeamPicture& p = *window.view()->picture();
    QVERIFY(p.isBand() && p.movingCase() == 2);
    QCOMPARE(Count(p, BeamMark::Kind::kReactionForce), 3);
    for (std::size_t k = 0; k < p.members().size(); ++k)
      for (const EnvelopeCurve& c : *p.Band(k, 8)) {
        QVERIFY(c.x.size() >= 9 && c.max.size() == c.x.size() && c.min.size() == c.x.size());
        for (std::size_t i = 0; i < c.x.size(); ++i) QVERIFY(c.max[i] >= c.min[i]);
      }
    BeamView* view = window.view();
    const QRectF plot = PlotArea(QRectF(view->rect()));
    const auto at = [&](double X, int band) {
      const BeamFrame& f = view->frame();
      const double h = view->height() * 0.66 / 3;
      return QPoint(static_cast<int>(plot.left() + (X - f.x0) / (f.x1 - f.x0) * plot.width()),
                    static_cast<int>(band < 0 ? view->height() * 0.2
                                              : view->height() * 0.34 + (band + 0.5) * h));
    };
    QVERIFY2(HoverAt(view, 5).contains(QStringLiteral("axle 1 at X = ")),
             qPrintable(view->hoverText()));
    QVERIFY(!view->frame().vehicle.empty());
    InfluencePane* pane = window.influence();
    QVERIFY(!pane->isVisible());
    QTest::mousePress(view, Qt::LeftButton, {}, at(5, kMomentDiagram));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(5, kMomentDiagram) + QPoint(6, 0));
    QVERIFY(!pane->isVisible());  // a drag
    QTest::mouseClick(view, Qt::LeftButton, {}, at(5, kMomentDiagram) + QPoint(0, 3));
    QVERIFY(pane->isVisible());
    QVERIFY2(pane->title().contains(QStringLiteral("M at x = ")), qPrintable(pane->title()));
    QVERIFY(!pane->xs().empty() && !pane->vehicle().axles.empty());
    QTest::mouseClick(view, Qt::LeftButton, {}, at(10, -1));
    QVERIFY2(pane->title().contains(QStringLiteral("reaction of joint 2")),
             qPrintable(pane->title()));
    QVERIFY(!pane->vehicle().lane.empty());
  }

  // The member-load section of a text, and why the pane does not read it.
  void paneSaysWhyTheTextDoesNotRead() {
    const std::pair<QString, QString> cases[] = {
        {"1\n1, 1, 10, 0, 2, 0, p", ""},
        {"1\n1, 3, 10, 0, 2, 0, p", "line 14, member loads record 1: load type 3 is not 1, 2 or 4"},
        {"1\n2, 1, 10, 0, 2, 0, p", "member 2 is not defined"},
        {"1\n1, 1, 10, 0, 7, 0, p", "lies outside member 1"},
        {"1\n1, 2, 1, 1, 3, 3, p", "is longer than member 1"}};
    for (const auto& [loads, reason] : cases) {
      QTemporaryDir dir;
      InputWindow window(dir.path());
      auto* pane = window.findChild<BeamPane*>();
      window.findChild<QPlainTextEdit*>()->setPlainText(
          "2\n0,a\n5,b\n2\n1,1,0,s\n2,1,1,t\n1\n2E8,e\n1\n4E-4,i\n1\n1,2,1,1,m\n" + loads +
          "\n0\n");
      // A text that reads replaces the example's drawing (whose joint 2 has a roller).
      const auto read = [&] {
        const BeamPicture* p = pane->view()->picture();
        return reason.isEmpty()
                   ? pane->reason().isEmpty() && p && Find(*p, BeamMark::Kind::kFixedSupport, 5)
                   : pane->reason().contains(reason);
      };
      QTRY_VERIFY2(read(), qPrintable(pane->reason()));
    }
  }

 private:
  void DrawsTheBeam(long i) {
    BeamWindow window(SimpleSpan(i, 3 - i), {}, {}, nullptr);
    const BeamPicture& p = *window.view()->picture();
    using K = BeamMark::Kind;
    QVERIFY(Find(p, K::kPinnedSupport, 0) && Find(p, K::kPinnedSupport, 10));
    QVERIFY(!Find(p, K::kFixedSupport, 0) && !Find(p, K::kRotationSupport, 0));
    const BeamMark* load = Find(p, K::kPointLoad, i == 1 ? 3.3 : 10 - 6.7);
    QVERIFY(load);
    QCOMPARE(load->label, QStringLiteral("100"));
    QCOMPARE(Find(p, K::kReactionForce, 0)->label, QStringLiteral("67"));
    QCOMPARE(Find(p, K::kReactionForce, 10)->label, QStringLiteral("33"));
    // The moment's extremes; the shear drawn as for the member left to right.
    QCOMPARE(p.extremes().size(), std::size_t{2});
    const ExtremeMark& peak = p.extremes()[i == 1 ? 1 : 0];
    QCOMPARE(peak.x, i == 1 ? 3.3 : 10 - 6.7);
    QCOMPARE(peak.label, QStringLiteral("221.1"));
    QCOMPARE(p.At(1).shear, -67.0);
    QCOMPARE(p.At(5).shear, 33.0);

    window.resize(800, 500);
    BeamView* view = window.view();
    QVERIFY2(HoverAt(view, 5).contains(QStringLiteral("M = 165 ")), qPrintable(view->hoverText()));
    QVERIFY(view->hoverText().contains(QStringLiteral("V = 33 ")));
    QVERIFY(view->hoverText().endsWith(QStringLiteral("deflection = none")));
  }
};

QTEST_MAIN(BeamWindowTest)
#include "tst_beam_window.moc"
