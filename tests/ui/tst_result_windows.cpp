// The result windows: the report shown exactly, read-only but copyable,
// also while a long one fills the box piece by piece; the diagram files drawn
// point by point, or the run's exact diagrams with the files' points on them;
// the extremes, the pointer read-out and the zoom; the line that says which
// load case they hold.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <algorithm>
#include <memory>
#include <tuple>

#include "TestFiles.h"
#include "run/AnalysisRun.h"
#include "ui/BeamWindow.h"
#include "ui/ChartGraph.h"
#include "ui/DiagramWindow.h"
#include "ui/ReportWindow.h"
#include "ui/ResultWindows.h"

using namespace spanwise::ui;

namespace {

// A report of many lines, as a file and as the box must show it. Lines carry
// trailing blanks, characters of two to four UTF-8 bytes, empty lines and
// here and there a lone CR, so that the pieces the box is filled with get
// cut next to all of them somewhere; the last line is longer than a piece
// and has no line end.
struct LongReport {
  QByteArray file;
  QString shown;
};

LongReport MakeLongReport(int lines, const QByteArray& tag) {
  LongReport report;
  for (int i = 0; i < lines; ++i) {
    QByteArray line =
        tag + " member " + QByteArray::number(i) + " \xc3\xa9 \xe2\x82\xac \xf0\x9d\x9b\xbc";
    line += QByteArray(i % 7, ' ');
    if (i % 11 == 0) line.clear();
    report.file += line + (i % 97 == 0 ? "\r" : "\r\n");
    report.shown += QString::fromUtf8(line) + QLatin1Char('\n');
  }
  const QByteArray last(200 * 1024, 'x');  // longer than any piece, and no line end
  report.file += last;
  report.shown += QString::fromLatin1(last);
  return report;
}

QPlainTextEdit* ReportText(QWidget* window) { return window->findChild<QPlainTextEdit*>("Text1"); }

// Filling a long report takes a moment on a slow or sanitized build.
constexpr int kFillTimeout = 60000;

QPoint PixelOf(ChartGraph* graph, QPointF value) {
  return graph->mapFromScene(graph->chart()->mapToScene(graph->chart()->mapToPosition(value)));
}

// Spans 6, 8 and 6 on rollers, 100 at 3.4 into span 2: the moment's peak and
// the shear's jump lie between two stations.
constexpr const char* kThreeSpans =
    "4\r\n0, a\r\n6, b\r\n14, c\r\n20, d\r\n4\r\n1, 1, 0, a\r\n2, 1, 0, b\r\n"
    "3, 1, 0, c\r\n4, 1, 0, d\r\n1\r\n2E8, steel\r\n1\r\n0.0004, section\r\n3\r\n"
    "1, 2, 1, 1, s1\r\n2, 3, 1, 1, s2\r\n3, 4, 1, 1, s3\r\n1\r\n2, 1, 100, 0, 3.4, 0, p\r\n"
    "0\r\n";

// The points of a diagram file as the run wrote them.
QList<QPointF> FilePoints(const QString& path) {
  QList<QPointF> points;
  for (const QByteArray& line : ReadBytes(path).split('\n')) {
    const QList<QByteArray> pair = line.split(',');
    if (pair.size() == 2)
      points.append({pair[0].trimmed().toDouble(), pair[1].trimmed().toDouble()});
  }
  return points;
}

QString ShownLoads(QWidget* window) {
  return window->findChild<QLabel*>(QStringLiteral("ShownLoads"))->text();
}

QValueAxis* XAxis(ChartGraph* graph) {
  return qobject_cast<QValueAxis*>(graph->chart()->axes(Qt::Horizontal).first());
}

}  // namespace

class ResultWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { folder_ = std::make_unique<QTemporaryDir>(); }

  // The report repeats the input's labels in the input's encoding.
  void reportShowsTheFileExactly() {
    for (const auto& [file, shown] : {std::pair{QByteArray("Member  1 Tr\xE4ger\r\n"),
                                                QStringLiteral("Member  1 Tr\u00E4ger\n")},
                                      std::pair{QByteArray(), QString()}}) {
      WriteBytes(File("Beam.txt"), file);
      ReportWindow window(File("Beam.txt"), nullptr);
      QTRY_VERIFY_WITH_TIMEOUT(!window.isLoading(), kFillTimeout);
      QCOMPARE(ReportText(&window)->toPlainText(), shown);
    }
  }
  // The window is drawn at once, with a few screenfuls, and filled from the
  // event loop. Typing changes nothing, also while the box fills; Ctrl+A and
  // Ctrl+C copy it all.
  void longReportIsShownAtOnceReadOnlyButCopyable() {
    const LongReport report = MakeLongReport(40000, "long");
    WriteBytes(File("Beam.txt"), report.file);
    ReportWindow window(File("Beam.txt"), nullptr);
    QPlainTextEdit* text = ReportText(&window);
    const QString first = text->toPlainText();
    QVERIFY(window.isLoading() && report.shown.startsWith(first) && first.endsWith('\n'));
    QVERIFY2(first.count(QLatin1Char('\n')) >= 100, "fewer than a few screenfuls at once");
    window.show();
    for (Qt::Key key : {Qt::Key_X, Qt::Key_Delete, Qt::Key_Return}) QTest::keyClick(text, key);
    QTRY_VERIFY_WITH_TIMEOUT(!window.isLoading(), kFillTimeout);
    QCOMPARE(text->toPlainText(), report.shown);
    QCOMPARE(text->cursorForPosition({0, 0}).blockNumber(), 0);  // the first lines stay in view
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), report.shown);
  }

  void replacingOrClosingAFillingReportShowsOnlyTheNewOne() {
    QWidget owner;
    ResultWindows results(&owner);
    const auto refresh = [&](const char* tag) {
      const LongReport report = MakeLongReport(30000, tag);
      WriteBytes(File("Beam.txt"), report.file);
      results.Refresh(File("Beam.txt"), File("BM.TXT"), File("BM.TXT"));
      return std::pair(QPointer(owner.findChild<ReportWindow*>("Form2")), report.shown);
    };
    const QPointer<ReportWindow> filling = refresh("first").first;
    const auto [second, shown] = refresh("second");
    QVERIFY(!filling && owner.findChildren<ReportWindow*>().size() == 1);
    QTRY_VERIFY_WITH_TIMEOUT(!second->isLoading(), kFillTimeout);
    QCOMPARE(ReportText(second)->toPlainText(), shown);
    const QPointer<ReportWindow> closed = refresh("third").first;
    closed->close();  // while filling: the window goes and nothing fills it any more
    QTRY_VERIFY(!closed);
    QTest::qWait(50);
    QVERIFY(owner.findChildren<ReportWindow*>().isEmpty());
  }

  // The file is a free sequence of numbers, two per point; a malformed or
  // missing one gives an empty chart and says why.
  void diagramDrawsEveryPairInFileOrder() {
    const struct {
      QByteArray file;
      QList<QPointF> points;
      QString notice;
    } cases[] = {
        {"", {}, ""},
        {"1,2\r\n3\r\n4\r\n", {{1, 2}, {3, 4}}, ""},                // a pair split over lines
        {" 0 , 1.57441860465116 \r\n 5 ,-2.5 \r\n 5 , 3E-20 \r\n",  // as the run writes it
         {{0, 1.57441860465116}, {5, -2.5}, {5, 3e-20}},
         ""},
        {"1,2\r\n3\r\n", {}, "Could not read BM.TXT: "},  // numbers run out in a pair
    };
    for (const auto& c : cases) {
      WriteBytes(File("BM.TXT"), c.file);
      DiagramWindow window(kMomentDiagram, File("BM.TXT"), nullptr);
      QCOMPARE(window.graph()->drawnPoints(), c.points);
      QVERIFY2(
          c.notice.isEmpty() ? window.notice().isEmpty() : window.notice().startsWith(c.notice),
          c.file.constData());
    }
    DiagramWindow missing(kShearDiagram, File("SF.TXT"), nullptr);
    QVERIFY(missing.notice().startsWith("Could not read SF.TXT: "));
    QVERIFY(missing.graph()->drawnPoints().isEmpty());
  }

  // A rounding residue of zero reads as 0, and extremes get 6 digits.
  void positiveValuesHangBelowTheAxisAndExtremesAreNamed() {
    const auto window = ShowDiagram("0, 1\r\n1, 5.123456789\r\n2, -3\r\n3, 2\r\n");
    QVERIFY(window);
    QChart* chart = window->graph()->chart();
    QVERIFY(chart->mapToPosition({1, 5}).y() > chart->mapToPosition({1, 0}).y());
    QVERIFY(chart->mapToPosition({1, 0}).y() > chart->mapToPosition({2, -3}).y());
    QCOMPARE(chart->title(),
             QStringLiteral("largest of the stations: max 5.12346 at x = 1,  min -3 at x = 2"));
    const auto residue = ShowDiagram("0, 1000\r\n1, -1.13687E-13\r\n2, 5\r\n");
    QCOMPARE(residue->graph()->chart()->title(),
             QStringLiteral("largest of the stations: max 1000 at x = 0,  min 0 at x = 1"));
  }

  // Not the pointer's height: at x = 2.5 the curve is 20 whatever the height.
  void pointerShowsTheCurveValue() {
    const auto window = ShowDiagram("0, 0\r\n5, 40\r\n5, -10\r\n7.5, -5\r\n10, 0\r\n");
    QVERIFY(window);
    ChartGraph* graph = window->graph();
    graph->chart()->setPlotArea(QRectF(50, 20, 200, 150));  // 20 pixels per unit of x
    for (const auto& [at, shown] : {std::pair{QPointF(2.5, 35), "x = 2.5, value = 20"},
                                    std::pair{QPointF(5, 0), "x = 5, value = 40 and -10"}}) {
      QTest::mouseMove(graph->viewport(), PixelOf(graph, at));
      QCOMPARE(graph->readout(), QString::fromLatin1(shown));
      QTest::mouseMove(graph->viewport(), QPoint(1, 1));  // outside the plot area
      QCOMPARE(graph->readout(), QString());
      QTest::mouseMove(graph->viewport(), PixelOf(graph, at));
      QEvent leave(QEvent::Leave);
      QApplication::sendEvent(graph, &leave);
      QCOMPARE(graph->readout(), QString());
    }
  }

  // With the run's design values: the exact curve, its peak between two
  // stations named and read at the pointer, the jump under the load read on
  // both sides, and the file's 11 stations of each member as dots.
  void diagramsOfTheRunAreExactWithTheStationsOnThem() {
    WriteBytes(File("Beam.sma"), kThreeSpans);
    spanwise::RunOptions options;
    options.keep_design = true;
    const spanwise::RunOutcome run = spanwise::AnalysisRun(File("Beam.sma").toStdString(), options);
    QVERIFY2(run.ok, run.reason.c_str());
    const spanwise::MemberDesign& span2 = run.design->members.at(1);
    // The stations at 9.2 and 10 give 117.66 and -58.97, 41.03.
    for (const auto& [kind, file, title, at_load] :
         {std::tuple{&kMomentDiagram, "BM.TXT", "max 129.454 at x = 9.4,",
                     "x = 9.4, value = 129.454"},
          std::tuple{&kShearDiagram, "SF.TXT", "max 41.0338 at x = 9.4,",
                     "x = 9.4, value = -58.9662 and 41.0338"}}) {
      DiagramWindow window(*kind, File(file), nullptr, run.design);
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      ChartGraph* graph = window.graph();
      QCOMPARE(graph->stationPoints(), FilePoints(File(file)));
      QCOMPARE(graph->stationPoints().size(), 33);
      // The line reaches the exact extremes, the moment's peak above every station.
      const QList<QPointF> drawn = graph->drawnPoints();
      const double top = std::max_element(drawn.begin(), drawn.end(), [](QPointF a, QPointF b) {
                           return a.y() < b.y();
                         })->y();
      QCOMPARE(top, kind == &kMomentDiagram ? span2.moment_max.value : span2.shear_max.value);
      QVERIFY2(graph->chart()->title().startsWith(QString::fromLatin1(title)),
               qPrintable(graph->chart()->title()));
      QTest::mouseMove(graph->viewport(), PixelOf(graph, {9.4, 0}));
      QCOMPARE(graph->readout(), QString::fromLatin1(at_load));
      QVERIFY(ShownLoads(&window).isEmpty());  // no load cases
    }
  }

  // With load cases the report and the diagrams say they hold case 1 alone;
  // the Beam window opens on the first combination and says so.
  void windowsSayWhichLoadsTheyShow() {
    WriteBytes(File("Beam.sma"),
               ReadBytes(QStringLiteral(SPANWISE_SOURCE_DIR "/tests/data/bad/cases-block.sma")));
    spanwise::RunOptions options;
    options.keep_design = true;
    const spanwise::RunOutcome run = spanwise::AnalysisRun(File("Beam.sma").toStdString(), options);
    QVERIFY2(run.ok, run.reason.c_str());
    QWidget owner;
    ResultWindows results(&owner);
    results.Refresh(File("Beam.txt"), File("BM.TXT"), File("SF.TXT"), run.design);
    results.RefreshBeam(run.design, File("Beam.txt"), File("Design.txt"));
    for (const char* form : {"Form2", "Form3", "Form4"})
      QCOMPARE(ShownLoads(owner.findChild<QWidget*>(QString::fromLatin1(form))),
               QStringLiteral("Case 1: loads (fixed) alone: the envelopes of the combinations are "
                              "in the Beam window"));
    auto* beam = owner.findChild<BeamWindow*>();
    QCOMPARE(beam->choices()->currentText(), QStringLiteral("Combination ULS"));
    QVERIFY2(beam->shownLoads().startsWith(QStringLiteral("Combination ULS: its envelope")),
             qPrintable(beam->shownLoads()));
    beam->choices()->setCurrentIndex(1);
    QCOMPARE(beam->shownLoads(), QStringLiteral("Case 2: live (variable) alone"));
  }

  void zoomPanAndResetKeepTheExtremesNamed() {
    QByteArray file;
    for (int i = 0; i <= 1000; ++i)
      file += QByteArray::number(i) + ", " + QByteArray::number(i % 7) + "\r\n";
    const auto window = ShowDiagram(file);
    QVERIFY(window);
    ChartGraph* graph = window->graph();
    const QString title = graph->chart()->title();
    const auto span = [graph] { return XAxis(graph)->max() - XAxis(graph)->min(); };
    QCOMPARE(span(), 1000.0);
    QTest::mousePress(graph->viewport(), Qt::LeftButton, {}, PixelOf(graph, {100, 0}));
    QTest::mouseMove(graph->viewport(), PixelOf(graph, {200, 6}));
    QTest::mouseRelease(graph->viewport(), Qt::LeftButton, {}, PixelOf(graph, {200, 6}));
    QVERIFY(span() < 150 && XAxis(graph)->min() > 80);
    const double zoomed_min = XAxis(graph)->min();
    QTest::keyClick(graph, Qt::Key_Right);
    QVERIFY(XAxis(graph)->min() > zoomed_min);
    QTest::keyClick(graph, Qt::Key_Home);
    QCOMPARE(span(), 1000.0);
    QWheelEvent wheel(PixelOf(graph, {500, 3}), graph->mapToGlobal(PixelOf(graph, {500, 3})), {},
                      {0, 240}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(graph->viewport(), &wheel);
    QVERIFY(span() < 700);
    QTest::mouseDClick(graph->viewport(), Qt::LeftButton, {}, PixelOf(graph, {500, 3}));
    QCOMPARE(span(), 1000.0);
    QCOMPARE(graph->chart()->title(), title);
  }

 private:
  QString File(const char* name) const { return folder_->filePath(QString::fromLatin1(name)); }
  std::unique_ptr<DiagramWindow> ShowDiagram(const QByteArray& file) {
    WriteBytes(File("BM.TXT"), file);
    auto window = std::make_unique<DiagramWindow>(kMomentDiagram, File("BM.TXT"), nullptr);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
    return window;
  }

  std::unique_ptr<QTemporaryDir> folder_;
};

QTEST_MAIN(ResultWindowsTest)
#include "tst_result_windows.moc"
