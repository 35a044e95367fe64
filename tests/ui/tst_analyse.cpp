// "&Analyse" from the input window: the result windows after one and after
// two runs, the out-of-date line above them, the boxes of a failed run, the
// line an error names, and a save that fails before the run.
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>

#include "MessageBoxWatch.h"
#include "TestFiles.h"
#include "run/AnalysisRun.h"
#include "ui/ChartGraph.h"
#include "ui/DiagramWindow.h"
#include "ui/ErrorBox.h"
#include "ui/InputWindow.h"
#include "ui/LineNumberEdit.h"

using namespace spanwise::ui;
using spanwise::RunFault;
using spanwise::RunOutcome;

Q_DECLARE_METATYPE(RunFault)

namespace {

// A diagram file as the run writes it: one "x , y" pair per line.
QList<QPointF> DiagramPoints(const QString& path) {
  QList<QPointF> points;
  for (const QByteArray& line : ReadBytes(path).split('\n')) {
    const QList<QByteArray> fields = line.split(',');
    if (fields.size() == 2) points.append({fields[0].trimmed().toDouble(), fields[1].toDouble()});
  }
  return points;
}

QString TextOf(QWidget* window) { return window->findChild<QPlainTextEdit*>("Text1")->toPlainText(); }

QList<QPointF> DrawnPoints(QWidget* window) {
  return static_cast<DiagramWindow*>(window)->graph()->drawnPoints();
}

// The out-of-date line of a result window; empty when it is not shown.
QString Banner(QWidget* window) {
  auto* banner = window->findChild<QLabel*>("Stale");
  return banner->isVisibleTo(window) ? banner->text() : QString();
}

QByteArray WithLine(QByteArray file, int line, const QByteArray& text) {
  QList<QByteArray> lines = file.split('\n');
  lines[line - 1] = text + '\r';
  return lines.join('\n');
}

void Apply(LineNumberEdit* text, Qt::Key key) {
  text->moveCursor(QTextCursor::End);
  QTest::keyClick(text, key);
}

const char* const kForms[] = {"Form2", "Form3", "Form4"};

}  // namespace

class AnalyseTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void eachRunShowsItsFilesAndEditsMarkThemOutOfDate();
  void failedRunKeepsTheWindowsOutOfDateAndNamesItsLine();
  void failedSaveStopsTheAnalysis();
  void eachFaultHasItsOwnBoxWithTheReasonInSight_data();
  void eachFaultHasItsOwnBoxWithTheReasonInSight();
  void closingTheInputWindowClosesEveryWindow();

 private:
  QString File(const char* name) const { return folder_->filePath(QString::fromLatin1(name)); }
  QWidget* Result(const char* name) const { return window_->findChild<QWidget*>(name); }
  LineNumberEdit* Text() const { return window_->findChild<LineNumberEdit*>("Text1"); }
  void Start() {
    window_ = std::make_unique<InputWindow>(folder_->path());
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  // The accelerator animates a click: the run happens when the button is
  // released again.
  void PressAltA() {
    auto* button = window_->findChild<QPushButton*>("Command1");
    window_->activateWindow();  // result windows of a run take the focus
    QTRY_COMPARE(QApplication::activeWindow(), window_.get());
    QTest::keyClick(window_.get(), Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY(!button->isDown());
  }
  void ReplaceText(const QByteArray& file) {
    Text()->selectAll();
    Text()->insertPlainText(QString::fromUtf8(file).remove(QLatin1Char('\r')));
  }
  void CheckResultsShowTheFiles() {
    QCOMPARE(TextOf(Result("Form2")).toUtf8(), ReadBytes(File("Beam.txt")).replace("\r\n", "\n"));
    QCOMPARE(DrawnPoints(Result("Form3")), DiagramPoints(File("BM.TXT")));
    QCOMPARE(DrawnPoints(Result("Form4")), DiagramPoints(File("SF.TXT")));
    for (const char* form : kForms) QCOMPARE(Banner(Result(form)), QString());
  }

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<InputWindow> window_;
};

void AnalyseTest::init() {
  window_.reset();
  folder_ = std::make_unique<QTemporaryDir>();
  QVERIFY(WriteBytes(File("Beam.sma"), ExampleBytes()));
}

void AnalyseTest::eachRunShowsItsFilesAndEditsMarkThemOutOfDate() {
  Start();
  PressAltA();
  for (const char* form : kForms) QVERIFY2(Result(form) && Result(form)->isVisible(), form);
  QVERIFY(!ReadBytes(File("Beam.txt")).isEmpty());
  CheckResultsShowTheFiles();
  QCOMPARE(ReadBytes(File("Beam.sma")), ExampleBytes());  // analysing alone saves nothing
  const QString first_report = TextOf(Result("Form2"));
  const QStringList captions = {Result("Form2")->windowTitle(), Result("Form3")->windowTitle(),
                                Result("Form4")->windowTitle()};

  ReplaceText(WithLine(ExampleBytes(), 20, "2, 0, 50, moment at joint 2"));
  for (const char* form : kForms) {
    QCOMPARE(Banner(Result(form)), QStringLiteral("Out of date: the input has changed since this analysis"));
  }
  QCOMPARE(TextOf(Result("Form2")), first_report);  // the banner is not in the report
  QCOMPARE(Result("Form3")->windowTitle(), captions[1]);
  PressAltA();
  QVERIFY(TextOf(Result("Form2")) != first_report);
  CheckResultsShowTheFiles();
  QCOMPARE(window_->findChildren<DiagramWindow*>().size(), 2);
  QCOMPARE((QStringList{Result("Form2")->windowTitle(), Result("Form3")->windowTitle(),
                        Result("Form4")->windowTitle()}),
           captions);
}

void AnalyseTest::failedRunKeepsTheWindowsOutOfDateAndNamesItsLine() {
  // Line 9 holds the material count; empty lines after the data push it out
  // of view once the cursor is at the end.
  Start();
  PressAltA();
  const QPointer<QWidget> report = Result("Form2");
  const QString shown_report = TextOf(report);
  ReplaceText(WithLine(ExampleBytes(), 9, "x") + QByteArray(60, '\n'));
  Text()->moveCursor(QTextCursor::End);
  QVERIFY(Text()->cursorForPosition({0, 0}).blockNumber() > 8);  // line 9 out of view
  const QByteArray saved = ReadBytes(File("Beam.sma"));

  MessageBoxWatch box;
  PressAltA();
  QCOMPARE(box.title, QStringLiteral("Error In Your Data"));
  QCOMPARE(box.informative, QString::fromStdString(spanwise::AnalysisRun(File("Beam.sma").toStdString()).reason));
  QVERIFY(box.informative.contains(QStringLiteral("line 9")));
  QCOMPARE(Result("Form2"), report.data());
  QCOMPARE(TextOf(report), shown_report);
  for (const char* form : kForms) {
    QCOMPARE(Banner(Result(form)), QStringLiteral("Out of date: the last analysis failed"));
  }
  QCOMPARE(Text()->textCursor().blockNumber(), 8);
  QVERIFY(Text()->viewport()->rect().contains(Text()->cursorRect()));
  QCOMPARE(Text()->markedLine(), 9);
  QCOMPARE(ReadBytes(File("Beam.sma")), saved);

  QTest::keyClick(Text(), Qt::Key_Delete);  // the next edit ends the mark; the latest event wins
  QCOMPARE(Text()->markedLine(), 0);
  QCOMPARE(Banner(report), QStringLiteral("Out of date: the input has changed since this analysis"));
}

// A file size limit makes the save fail while the older Beam.sma stays
// readable: the box says so, and the older file is not analysed.
void AnalyseTest::failedSaveStopsTheAnalysis() {
  Start();
  Apply(Text(), Qt::Key_X);
  const QByteArray older = ReadBytes(File("Beam.sma"));
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit unlimited{};
  getrlimit(RLIMIT_FSIZE, &unlimited);
  const rlimit small{64, unlimited.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  Apply(Text(), Qt::Key_Y);
  MessageBoxWatch box;
  PressAltA();
  setrlimit(RLIMIT_FSIZE, &unlimited);
  QVERIFY2(box.text.startsWith(QStringLiteral("Could not save Beam.sma: ")), qPrintable(box.text));
  QVERIFY(box.text.contains(QStringLiteral("not started")));
  QCOMPARE(ReadBytes(File("Beam.sma")), older);
  QVERIFY(!QFile::exists(File("Beam.txt")));
  QVERIFY(!Result("Form2"));
}

void AnalyseTest::eachFaultHasItsOwnBoxWithTheReasonInSight_data() {
  QTest::addColumn<RunFault>("fault");
  QTest::addColumn<QString>("title");  // empty: no box
  QTest::newRow("data") << RunFault::kData << "Error In Your Data";
  QTest::newRow("internal") << RunFault::kInternal << "Internal error";
  QTest::newRow("write") << RunFault::kWrite << "Could not write the results";
  QTest::newRow("cancelled") << RunFault::kCancelled << "";
}

void AnalyseTest::eachFaultHasItsOwnBoxWithTheReasonInSight() {
  QFETCH(RunFault, fault);
  QFETCH(QString, title);
  RunOutcome outcome;
  outcome.fault = fault;
  outcome.reason = "the reason, line 3";
  outcome.warnings = {"line 12, member loads record 3: load type 3 is not 1, 2 or 4"};
  MessageBoxWatch box;
  ShowRunFault(nullptr, outcome, File("Beam.sma"));
  QTest::qWait(30);
  QCOMPARE(box.title, title);
  if (!title.isEmpty()) QVERIFY((box.text + box.informative).contains("the reason, line 3"));
  if (fault == RunFault::kInternal) QVERIFY(box.informative.contains(File("Beam.sma")));
  // Warnings come in a notice that does not stop the engineer.
  QWidget owner;
  ShowRunWarnings(&owner, outcome);
  auto* notice = owner.findChild<QMessageBox*>("Warnings");
  QVERIFY(notice && notice->isVisible() && !notice->isModal());
  QVERIFY(notice->informativeText().contains("load type 3"));
}

void AnalyseTest::closingTheInputWindowClosesEveryWindow() {
  Start();
  PressAltA();
  window_->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(!window->isVisible());
}

QTEST_MAIN(AnalyseTest)
#include "tst_analyse.moc"
