// "&Analyse" from the input window, in an application folder whose name holds
// blanks and non-ASCII characters, in a locale with comma decimals (run with
// LC_ALL=de_DE.UTF-8): the files written are the golden ones and the result
// windows show them, after one and after two runs; the
// out-of-date line above them; the boxes of a failed run and the line an
// error names; a save that fails before the run.
#include <sys/resource.h>

#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>

#include "MessageBoxWatch.h"
#include "TestFiles.h"
#include "run/AnalysisRun.h"
#include "ui/AppFolder.h"
#include "ui/ChartGraph.h"
#include "ui/DiagramWindow.h"
#include "ui/ErrorBox.h"
#include "ui/InputWindow.h"
#include "ui/LineNumberEdit.h"

using namespace spanwise::ui;
using spanwise::RunFault;

namespace {

QString TextOf(QWidget* window) {
  return window->findChild<QPlainTextEdit*>("Text1")->toPlainText();
}

// The file's points, as dots on the exact curve of the run.
QList<QPointF> Stations(QWidget* window) {
  return static_cast<DiagramWindow*>(window)->graph()->stationPoints();
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

void TypeAtEnd(LineNumberEdit* text, Qt::Key key) {
  text->moveCursor(QTextCursor::End);
  QTest::keyClick(text, key);
}

const QString kChanged = QStringLiteral("Out of date: the input has changed since this analysis");
const char* const kForms[] = {"Form2", "Form3", "Form4"};

}  // namespace

class AnalyseTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_.reset();
    base_ = std::make_unique<QTemporaryDir>();
    qputenv("SPANWISE_HOME",
            QFile::encodeName(base_->filePath(QStringLiteral(" Tr\u00E4ger \u20AC \u6881 "))));
    folder_ = AppFolder();
    QVERIFY(WriteBytes(File("Beam.sma"), ExampleBytes()));
  }

  void eachRunShowsItsFilesAndEditsMarkThemOutOfDate() {
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));  // else this would prove less
    Start();
    PressAltA();
    CheckResultsShowTheFiles();
    // The bytes under this locale and in such a folder are RunTest's; here what the windows show.
    QCOMPARE(ReadBytes(File("Beam.sma")), ExampleBytes());  // analysing alone saves nothing
    QCOMPARE(QDir(base_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);

    const QString first_report = TextOf(Result("Form2"));
    const QString caption = Result("Form3")->windowTitle();
    ReplaceText(WithLine(ExampleBytes(), 20, "2, 0, 50, moment at joint 2"));
    for (const char* form : kForms) QCOMPARE(Banner(Result(form)), kChanged);
    QCOMPARE(TextOf(Result("Form2")), first_report);  // the line is not in the report
    QCOMPARE(Result("Form3")->windowTitle(), caption);
    PressAltA();
    QVERIFY(TextOf(Result("Form2")) != first_report);
    CheckResultsShowTheFiles();
    QCOMPARE(window_->findChildren<DiagramWindow*>().size(), 2);
  }

  // Line 9 holds the material count; empty lines after the data push it
  // out of view once the cursor is at the end.
  void failedRunKeepsTheWindowsOutOfDateAndNamesItsLine() {
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
    QCOMPARE(box.informative,
             QString::fromStdString(spanwise::AnalysisRun(File("Beam.sma").toStdString()).reason));
    QVERIFY(box.informative.contains(QStringLiteral("line 9")));
    QCOMPARE(Result("Form2"), report.data());
    QCOMPARE(TextOf(report), shown_report);
    for (const char* form : kForms)
      QCOMPARE(Banner(Result(form)), QStringLiteral("Out of date: the last analysis failed"));
    QCOMPARE(Text()->textCursor().blockNumber(), 8);
    QVERIFY(Text()->viewport()->rect().contains(Text()->cursorRect()));
    QCOMPARE(Text()->markedLine(), 9);
    QCOMPARE(ReadBytes(File("Beam.sma")), saved);
    QTest::keyClick(Text(), Qt::Key_Delete);  // the next edit ends the mark; the latest event wins
    QCOMPARE(Text()->markedLine(), 0);
    QCOMPARE(Banner(report), kChanged);
  }

  // A file size limit makes saves fail while the older Beam.sma stays
  // readable: the status line and "&Analyse" say so, and the older file is
  // neither cut short nor analysed. Once the limit is gone the next key
  // saves all that was typed.
  void failedSaveStopsTheAnalysisAndLosesNothing() {
    Start();
    TypeAtEnd(Text(), Qt::Key_X);
    const QByteArray older = ReadBytes(File("Beam.sma"));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit small{64, unlimited.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    TypeAtEnd(Text(), Qt::Key_Y);
    MessageBoxWatch box;
    PressAltA();
    setrlimit(RLIMIT_FSIZE, &unlimited);
    QVERIFY(window_->notice().startsWith(QStringLiteral("Could not save Beam.sma: ")));
    QVERIFY(box.text.startsWith(window_->notice()) && box.text.contains("not started"));
    QCOMPARE(ReadBytes(File("Beam.sma")), older);
    QVERIFY(!QFile::exists(File("Beam.txt")));
    TypeAtEnd(Text(), Qt::Key_Z);
    QCOMPARE(ReadBytes(File("Beam.sma")), older.chopped(2) + "yz\r\n");
    QCOMPARE(window_->notice(), QString());
  }

  void eachFaultHasItsOwnBoxWithTheReasonInSight() {
    for (const auto& [fault, title] : {std::pair{RunFault::kData, "Error In Your Data"},
                                       {RunFault::kInternal, "Internal error"},
                                       {RunFault::kWrite, "Could not write the results"},
                                       {RunFault::kCancelled, ""}})  // no box
      FaultBox(fault, title);
  }

  void closingTheInputWindowClosesEveryWindow() {
    Start();
    PressAltA();
    window_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(!window->isVisible());
  }

 private:
  void FaultBox(RunFault fault, const QString& title) {
    spanwise::RunOutcome outcome;
    outcome.fault = fault;
    outcome.reason = "the reason, line 3";
    outcome.warnings = {"line 12, member loads record 3: load type 3 is not 1, 2 or 4"};
    MessageBoxWatch box;
    ShowRunFault(nullptr, outcome, File("Beam.sma"));
    QCOMPARE(box.title, title);
    if (!title.isEmpty()) QVERIFY((box.text + box.informative).contains("the reason, line 3"));
    if (fault == RunFault::kInternal) QVERIFY(box.informative.contains(File("Beam.sma")));
    QWidget owner;  // warnings come in a notice that does not stop the engineer
    ShowRunWarnings(&owner, outcome);
    auto* notice = owner.findChild<QMessageBox*>("Warnings");
    QVERIFY(notice && notice->isVisible() && !notice->isModal());
    QVERIFY(notice->informativeText().contains("load type 3"));
  }

  QString File(const char* name) const { return folder_ + '/' + QString::fromLatin1(name); }
  QWidget* Result(const char* name) const { return window_->findChild<QWidget*>(name); }
  LineNumberEdit* Text() const { return window_->findChild<LineNumberEdit*>("Text1"); }
  void Start() {
    window_ = std::make_unique<InputWindow>(folder_);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  // The accelerator animates a click: the run happens when the button is
  // released again.
  void PressAltA() {
    window_->activateWindow();  // result windows of a run take the focus
    QTRY_COMPARE(QApplication::activeWindow(), window_.get());
    QTest::keyClick(window_.get(), Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY(!window_->findChild<QPushButton*>("Command1")->isDown());
  }
  void ReplaceText(const QByteArray& file) {
    Text()->selectAll();
    Text()->insertPlainText(QString::fromUtf8(file).remove(QLatin1Char('\r')));
  }
  void CheckResultsShowTheFiles() {
    for (const char* form : kForms) QVERIFY2(Result(form) && Result(form)->isVisible(), form);
    QCOMPARE(TextOf(Result("Form2")).toUtf8(), ReadBytes(File("Beam.txt")).replace("\r\n", "\n"));
    // How a file is drawn is tst_result_windows'; here that it is the new file.
    QCOMPARE(Stations(Result("Form3")),
             DiagramWindow(kMomentDiagram, File("BM.TXT"), nullptr).graph()->drawnPoints());
    QCOMPARE(Stations(Result("Form4")),
             DiagramWindow(kShearDiagram, File("SF.TXT"), nullptr).graph()->drawnPoints());
    for (const char* form : kForms) QCOMPARE(Banner(Result(form)), QString());
  }

  std::unique_ptr<QTemporaryDir> base_;
  QString folder_;
  std::unique_ptr<InputWindow> window_;
};

QTEST_MAIN(AnalyseTest)
#include "tst_analyse.moc"
