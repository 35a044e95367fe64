// The windows' captions and sizes, the report shown exactly, and what the
// diagram chart draws and labels.
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "TestFiles.h"
#include "ui/ChartGraph.h"
#include "ui/DiagramWindow.h"
#include "ui/InputWindow.h"
#include "ui/ReportWindow.h"

using namespace spanwise::ui;

class ResultWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void windowsHaveTheirCaptionsAndSizes_data();
  void windowsHaveTheirCaptionsAndSizes();
  void inputBoxGrowsWithItsWindow();
  void reportShowsTheFileExactly();
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

void ResultWindowsTest::reportShowsTheFileExactly() {
  WriteBytes(File("Beam.txt"),
             "GLOBAL DISPLACEMENTS\r\nMember  1 Joint j (Fy, Mz)\r\n-9.17E-30    -2.74E-04  \r\n"
             "\r\n\r\nLOCAL FORCES\r\n");
  ReportWindow window(File("Beam.txt"), nullptr);
  auto* text = window.findChild<QPlainTextEdit*>("Text1");
  QCOMPARE(text->toPlainText(), QStringLiteral("GLOBAL DISPLACEMENTS\nMember  1 Joint j (Fy, Mz)\n"
                                               "-9.17E-30    -2.74E-04  \n\n\nLOCAL FORCES\n"));
  QVERIFY(text->font().bold());
  QCOMPARE(text->font().pointSizeF(), 11.25);
  QCOMPARE(text->font().styleHint(), QFont::Serif);
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
