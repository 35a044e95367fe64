// The windows' captions and sizes, the report shown exactly (also when a
// long one fills the box piece by piece), and what the diagram chart draws
// and labels.
#include <QFontInfo>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "TestFiles.h"
#include "ui/ChartGraph.h"
#include "ui/DiagramWindow.h"
#include "ui/InputWindow.h"
#include "ui/ReportWindow.h"
#include "ui/ResultWindows.h"

using namespace spanwise::ui;

namespace {

// A report of many lines, as a file and as the box must show it, written
// without the program's own conversion. Lines carry trailing blanks,
// characters of two to four UTF-8 bytes, empty lines and here and there a
// lone CR, so that the pieces the box is filled with get cut next to all of
// them somewhere.
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
    const QByteArray end = i % 97 == 0 ? "\r" : "\r\n";
    report.file += line + end;
    report.shown += QString::fromUtf8(line) + QLatin1Char('\n');
  }
  return report;
}

QPlainTextEdit* ReportText(QWidget* window) {
  return window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
}

// Filling a long report takes a moment on a slow or sanitized build.
constexpr int kFillTimeout = 60000;

}  // namespace

class ResultWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void windowsHaveTheirCaptionsAndSizes_data();
  void windowsHaveTheirCaptionsAndSizes();
  void inputBoxGrowsWithItsWindow();
  void reportShowsTheFileExactly_data();
  void reportShowsTheFileExactly();
  void longReportIsShownAtOnceAndFilledFromTheEventLoop();
  void reportStaysEditableWhileFilling();
  void replacingOrClosingAFillingReportShowsOnlyTheNewOne();
  void positiveValuesHangBelowTheAxis();
  void extremesAreLabelledWithTheirPositions();
  void pointerShowsPositionAndFileValue();
  void malformedDiagramGivesEmptyChartAndNotice();

 private:
  QString File(const char* name) const { return folder_->filePath(QString::fromLatin1(name)); }
  std::unique_ptr<DiagramWindow> ShowDiagram(const QByteArray& file);

  std::unique_ptr<QTemporaryDir> folder_;
};

void ResultWindowsTest::init() {
  folder_ = std::make_unique<QTemporaryDir>();
  WriteBytes(File("Beam.sma"), ExampleBytes());
  WriteBytes(File("Beam.txt"), "report\r\n");
  WriteBytes(File("BM.TXT"), "0, 1\r\n");
}

std::unique_ptr<DiagramWindow> ResultWindowsTest::ShowDiagram(const QByteArray& file) {
  WriteBytes(File("BM.TXT"), file);
  auto window = std::make_unique<DiagramWindow>(kMomentDiagram, File("BM.TXT"), nullptr);
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
  return window;
}

// Client areas and controls in pixels: the twips of the window tables / 15.
void ResultWindowsTest::windowsHaveTheirCaptionsAndSizes_data() {
  QTest::addColumn<QString>("form");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QSize>("client");
  QTest::addColumn<QString>("control");
  QTest::addColumn<QRect>("geometry");
  QTest::newRow("Form1 Text1") << "Form1"
                               << "Input Data" << QSize(446, 235) << "Text1"
                               << QRect(8, 8, 433, 201);
  QTest::newRow("Form1 Command1") << "Form1"
                                  << "Input Data" << QSize(446, 235) << "Command1"
                                  << QRect(84, 217, 57, 17);
  QTest::newRow("Form1 Command2") << "Form1"
                                  << "Input Data" << QSize(446, 235) << "Command2"
                                  << QRect(203, 217, 130, 16);
  QTest::newRow("Form2") << "Form2"
                         << "results" << QSize(376, 230) << "Text1" << QRect(0, 0, 369, 225);
  QTest::newRow("Form3") << "Form3"
                         << "bending moment diagram" << QSize(412, 259) << "Graph1"
                         << QRect(0, 0, 409, 257);
  QTest::newRow("Form4") << "Form4"
                         << "Shear Force Diagram" << QSize(411, 258) << "Graph1"
                         << QRect(0, 0, 409, 257);
}

void ResultWindowsTest::windowsHaveTheirCaptionsAndSizes() {
  QFETCH(QString, form);
  QFETCH(QString, caption);
  QFETCH(QSize, client);
  QFETCH(QString, control);
  QFETCH(QRect, geometry);
  std::unique_ptr<QWidget> window;
  if (form == "Form1") window = std::make_unique<InputWindow>(folder_->path());
  if (form == "Form2") window = std::make_unique<ReportWindow>(File("Beam.txt"), nullptr);
  if (form == "Form3")
    window = std::make_unique<DiagramWindow>(kMomentDiagram, File("BM.TXT"), nullptr);
  if (form == "Form4")
    window = std::make_unique<DiagramWindow>(kShearDiagram, File("BM.TXT"), nullptr);
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  QCOMPARE(window->objectName(), form);
  QCOMPARE(window->windowTitle(), caption);
  auto* main = qobject_cast<QMainWindow*>(window.get());
  QCOMPARE(main ? main->centralWidget()->size() : window->size(), client);
  QCOMPARE(window->findChild<QWidget*>(control)->geometry(), geometry);
}

void ResultWindowsTest::inputBoxGrowsWithItsWindow() {
  InputWindow window(folder_->path());
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  window.resize(window.size() + QSize(100, 50));
  QTRY_COMPARE(window.findChild<QWidget*>("Text1")->geometry(), QRect(8, 8, 533, 251));
  QCOMPARE(window.findChild<QWidget*>("Command1")->geometry(), QRect(84, 267, 57, 17));
  QCOMPARE(window.findChild<QWidget*>("Command2")->geometry(), QRect(203, 267, 130, 16));
}

void ResultWindowsTest::reportShowsTheFileExactly_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<QString>("shown");
  QTest::newRow("empty lines and trailing blanks")
      << QByteArray(
             "GLOBAL DISPLACEMENTS\r\nMember  1 Joint j (Fy, Mz)\r\n-9.17E-30    -2.74E-04  \r\n"
             "\r\n\r\nLOCAL FORCES\r\n")
      << QStringLiteral(
             "GLOBAL DISPLACEMENTS\nMember  1 Joint j (Fy, Mz)\n"
             "-9.17E-30    -2.74E-04  \n\n\nLOCAL FORCES\n");
  QTest::newRow("no last line end") << QByteArray("a\r\n b ") << QStringLiteral("a\n b ");
  // The report repeats the input's labels in the input's encoding.
  QTest::newRow("UTF-8 labels") << QByteArray("Member  1 Tr\xC3\xA4ger S\xC3\xBC\x64\r\n")
                                << QStringLiteral("Member  1 Tr\u00E4ger S\u00FCd\n");
  QTest::newRow("Latin-1 labels") << QByteArray("Member  1 Tr\xE4ger S\xFC\x64\r\n")
                                  << QStringLiteral("Member  1 Tr\u00E4ger S\u00FCd\n");
  QTest::newRow("empty file") << QByteArray() << QString();
  const LongReport long_report = MakeLongReport(40000, "long");
  QTest::newRow("long, in many pieces") << long_report.file << long_report.shown;
  // A line longer than any piece, without a line end at the end of the file.
  const QByteArray one_line(200 * 1024, 'x');
  QTest::newRow("one line longer than a piece")
      << QByteArray("head\r\n" + one_line + "\r\n" + one_line)
      << QString::fromLatin1("head\n" + one_line + "\n" + one_line);
}

void ResultWindowsTest::reportShowsTheFileExactly() {
  QFETCH(QByteArray, file);
  QFETCH(QString, shown);
  WriteBytes(File("Beam.txt"), file);
  ReportWindow window(File("Beam.txt"), nullptr);
  QTRY_VERIFY_WITH_TIMEOUT(!window.isLoading(), kFillTimeout);
  QPlainTextEdit* text = ReportText(&window);
  QCOMPARE(text->toPlainText(), shown);
  QVERIFY(text->font().bold());
  QCOMPARE(text->font().pointSizeF(), 11.25);
  QCOMPARE(text->font().styleHint(), QFont::Serif);
  QCOMPARE(QFontInfo(text->font()).family(), QStringLiteral("Liberation Serif"));
  QVERIFY(!text->isReadOnly());
}

// The window must be drawn at once, not after the whole report is in.
void ResultWindowsTest::longReportIsShownAtOnceAndFilledFromTheEventLoop() {
  const LongReport report = MakeLongReport(40000, "long");
  WriteBytes(File("Beam.txt"), report.file);
  ReportWindow window(File("Beam.txt"), nullptr);
  QSignalSpy loaded(&window, &ReportWindow::loaded);
  const QString first = ReportText(&window)->toPlainText();
  QVERIFY(window.isLoading());
  QVERIFY(first.size() < report.shown.size());
  QVERIFY2(first.count(QLatin1Char('\n')) >= 100, "fewer than a few screenfuls at once");
  QVERIFY(report.shown.startsWith(first));
  QVERIFY(first.endsWith(QLatin1Char('\n')));  // whole lines only

  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, kFillTimeout);
  QVERIFY(!window.isLoading());
  QCOMPARE(ReportText(&window)->toPlainText(), report.shown);
  // The first lines are still the ones in view.
  QCOMPARE(ReportText(&window)->cursorForPosition({0, 0}).blockNumber(), 0);
  QTest::qWait(20);
  QCOMPARE(loaded.size(), 1);
}

// What the user types meanwhile stays where it was typed; edits are not saved.
void ResultWindowsTest::reportStaysEditableWhileFilling() {
  const LongReport report = MakeLongReport(40000, "long");
  WriteBytes(File("Beam.txt"), report.file);
  ReportWindow window(File("Beam.txt"), nullptr);
  QPlainTextEdit* text = ReportText(&window);
  text->moveCursor(QTextCursor::Start);
  QTest::keyClicks(text, QStringLiteral("typed "));  // before the event loop adds a piece
  QVERIFY(window.isLoading());
  window.show();
  QTRY_VERIFY_WITH_TIMEOUT(!window.isLoading(), kFillTimeout);
  QCOMPARE(text->toPlainText(), QStringLiteral("typed ") + report.shown);
  QCOMPARE(ReadBytes(File("Beam.txt")), report.file);
}

void ResultWindowsTest::replacingOrClosingAFillingReportShowsOnlyTheNewOne() {
  QWidget owner;
  ResultWindows results(&owner);
  const LongReport first = MakeLongReport(40000, "first");
  WriteBytes(File("Beam.txt"), first.file);
  results.Refresh(File("Beam.txt"), File("BM.TXT"), File("BM.TXT"));
  const QPointer<ReportWindow> filling = owner.findChild<ReportWindow*>(QStringLiteral("Form2"));
  QVERIFY(filling && filling->isLoading());

  const LongReport second = MakeLongReport(30000, "second");
  WriteBytes(File("Beam.txt"), second.file);
  results.Refresh(File("Beam.txt"), File("BM.TXT"), File("BM.TXT"));
  QVERIFY(!filling);
  QCOMPARE(owner.findChildren<ReportWindow*>().size(), 1);
  auto* report = owner.findChild<ReportWindow*>(QStringLiteral("Form2"));
  QTRY_VERIFY_WITH_TIMEOUT(!report->isLoading(), kFillTimeout);
  QCOMPARE(ReportText(report)->toPlainText(), second.shown);

  // Closed while filling: the window goes and nothing fills it any more.
  results.Refresh(File("Beam.txt"), File("BM.TXT"), File("BM.TXT"));
  const QPointer<ReportWindow> closed = owner.findChild<ReportWindow*>(QStringLiteral("Form2"));
  QVERIFY(closed && closed->isLoading());
  closed->close();
  QTRY_VERIFY(!closed);
  QTest::qWait(50);
  QVERIFY(owner.findChildren<ReportWindow*>().isEmpty());
}

void ResultWindowsTest::positiveValuesHangBelowTheAxis() {
  const auto window = ShowDiagram("0, 0\r\n1, 5\r\n2, -3\r\n");
  QVERIFY(window);
  QChart* chart = window->graph()->chart();
  const auto below = [chart](QPointF a, QPointF b) {
    return chart->mapToPosition(a).y() > chart->mapToPosition(b).y();
  };
  QVERIFY(below({1, 5}, {1, 0}));
  QVERIFY(below({1, 0}, {2, -3}));
  QCOMPARE(window->graph()->drawnPoints(), (QList<QPointF>{{0, 0}, {1, 5}, {2, -3}}));
}

void ResultWindowsTest::extremesAreLabelledWithTheirPositions() {
  const auto window = ShowDiagram("0, 1\r\n1, 5\r\n2, -3\r\n3, 2\r\n");
  QVERIFY(window);
  QChart* chart = window->graph()->chart();
  QCOMPARE(chart->title(), QStringLiteral("max 5 at x = 1,  min -3 at x = 2"));
  QList<QPointF> marked;
  for (QAbstractSeries* series : chart->series()) {
    if (auto* marker = qobject_cast<QScatterSeries*>(series)) marked += marker->points();
  }
  QCOMPARE(marked, (QList<QPointF>{{1, 5}, {2, -3}}));
}

void ResultWindowsTest::pointerShowsPositionAndFileValue() {
  const auto window = ShowDiagram("0, 0\r\n10, 40\r\n20, -40\r\n");
  QVERIFY(window);
  ChartGraph* graph = window->graph();
  const QPointF at = graph->chart()->mapToPosition({10, 40});
  QTest::mouseMove(graph->viewport(), graph->mapFromScene(graph->chart()->mapToScene(at)));
  const QRegularExpression form(QStringLiteral("^x = (\\S+), value = (\\S+)$"));
  const QRegularExpressionMatch match = form.match(graph->readout());
  QVERIFY2(match.hasMatch(), qPrintable(graph->readout()));
  QVERIFY(qAbs(match.captured(1).toDouble() - 10) < 0.2);
  QVERIFY(qAbs(match.captured(2).toDouble() - 40) < 1);

  QTest::mouseMove(graph->viewport(), QPoint(1, 1));  // outside the plot area
  QCOMPARE(graph->readout(), QString());
}

void ResultWindowsTest::malformedDiagramGivesEmptyChartAndNotice() {
  const auto window = ShowDiagram("0, 1\r\n1");
  QVERIFY(window);
  QVERIFY(window->notice().startsWith("Could not read BM.TXT: "));
  QVERIFY(window->graph()->drawnPoints().isEmpty());
}

QTEST_MAIN(ResultWindowsTest)
#include "tst_result_windows.moc"
