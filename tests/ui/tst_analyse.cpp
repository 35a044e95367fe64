// "&Analyse" from the input window: the result windows after one and after
// two runs, the error box, and the line an error names.
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "MessageBoxWatch.h"
#include "TestFiles.h"
#include "run/AnalysisRun.h"
#include "ui/ChartGraph.h"
#include "ui/DiagramWindow.h"
#include "ui/InputWindow.h"
#include "ui/LineNumberEdit.h"

using spanwise::ui::DiagramWindow;
using spanwise::ui::InputWindow;
using spanwise::ui::LineNumberEdit;

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

QString TextOf(QWidget* window) {
  return window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
}

QList<QPointF> DrawnPoints(QWidget* window) {
  return static_cast<DiagramWindow*>(window)->graph()->drawnPoints();
}

QByteArray WithLine(QByteArray file, int line, const QByteArray& text) {
  QList<QByteArray> lines = file.split('\n');
  lines[line - 1] = text + '\r';
  return lines.join('\n');
}

}  // namespace

class AnalyseTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void altARunsTheAnalysisAndShowsTheResults();
  void secondRunShowsTheNewFiles();
  void inputFaultShowsTheBoxAndRefreshesNoWindow();
  void errorNamingLine9MarksItWithoutSaving();
  void closingTheInputWindowClosesEveryWindow();

 private:
  QString File(const char* name) const { return folder_->filePath(QString::fromLatin1(name)); }
  QWidget* Result(const char* name) const {
    return window_->findChild<QWidget*>(QString::fromLatin1(name));
  }
  LineNumberEdit* Text() const { return window_->findChild<LineNumberEdit*>("Text1"); }
  void Start();
  // The accelerator animates a click: the run happens when the button is
  // released again.
  void PressAltA() {
    auto* button = window_->findChild<QPushButton*>("Command1");
    window_->activateWindow();  // result windows of a run take the focus
    QTRY_COMPARE(QApplication::activeWindow(), window_.get());
    QTest::keyClick(window_.get(), Qt::Key_A, Qt::AltModifier);
    QVERIFY(button->isDown());
    QTRY_VERIFY(!button->isDown());
  }
  void ReplaceText(const QByteArray& file) {
    Text()->selectAll();
    Text()->insertPlainText(QString::fromUtf8(file).remove(QLatin1Char('\r')));
  }

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<InputWindow> window_;
};

void AnalyseTest::init() {
  window_.reset();
  folder_ = std::make_unique<QTemporaryDir>();
  QVERIFY(WriteBytes(File("Beam.sma"), ExampleBytes()));
}

void AnalyseTest::Start() {
  window_ = std::make_unique<InputWindow>(folder_->path());
  window_->show();
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void AnalyseTest::altARunsTheAnalysisAndShowsTheResults() {
  Start();
  PressAltA();
  for (const char* name : {"Form2", "Form3", "Form4"}) {
    QVERIFY2(Result(name) && Result(name)->isVisible(), name);
  }
  QCOMPARE(Result("Form2")->windowTitle(), QStringLiteral("results"));
  QCOMPARE(Result("Form3")->windowTitle(), QStringLiteral("bending moment diagram"));
  QCOMPARE(Result("Form4")->windowTitle(), QStringLiteral("Shear Force Diagram"));
  QVERIFY(!ReadBytes(File("Beam.txt")).isEmpty());
  QCOMPARE(TextOf(Result("Form2")).toUtf8(), ReadBytes(File("Beam.txt")).replace("\r\n", "\n"));
  QCOMPARE(DrawnPoints(Result("Form3")), DiagramPoints(File("BM.TXT")));
  QCOMPARE(DrawnPoints(Result("Form4")), DiagramPoints(File("SF.TXT")));
  QCOMPARE(ReadBytes(File("Beam.sma")), ExampleBytes());
}

void AnalyseTest::secondRunShowsTheNewFiles() {
  Start();
  PressAltA();
  const QString first_report = TextOf(Result("Form2"));
  const QList<QPointF> first_moments = DrawnPoints(Result("Form3"));
  const QList<QPointF> first_shears = DrawnPoints(Result("Form4"));

  ReplaceText(WithLine(ExampleBytes(), 20, "2, 0, 50, moment at joint 2"));
  PressAltA();
  QVERIFY(TextOf(Result("Form2")) != first_report);
  QCOMPARE(TextOf(Result("Form2")).toUtf8(), ReadBytes(File("Beam.txt")).replace("\r\n", "\n"));
  QVERIFY(DrawnPoints(Result("Form3")) != first_moments);
  QCOMPARE(DrawnPoints(Result("Form3")), DiagramPoints(File("BM.TXT")));
  QVERIFY(DrawnPoints(Result("Form4")) != first_shears);
  QCOMPARE(DrawnPoints(Result("Form4")), DiagramPoints(File("SF.TXT")));
  QCOMPARE(window_->findChildren<DiagramWindow*>().size(), 2);
}

void AnalyseTest::inputFaultShowsTheBoxAndRefreshesNoWindow() {
  Start();
  PressAltA();
  const QPointer<QWidget> report = Result("Form2");
  const QPointer<QWidget> moments = Result("Form3");
  const QPointer<QWidget> shears = Result("Form4");
  const QString shown_report = TextOf(report);
  const QList<QPointF> shown_moments = DrawnPoints(moments);

  ReplaceText(WithLine(ExampleBytes(), 15, "2, 9, 1, 1, span 2"));  // no joint 9
  MessageBoxWatch box;
  PressAltA();
  QVERIFY(box.shown);
  QCOMPARE(box.title, QStringLiteral("Error In Your Data"));
  QCOMPARE(box.text, QStringLiteral("Please refer to the Orvenmark's Tessaly."));
  QCOMPARE(box.icon, QMessageBox::Critical);
  QCOMPARE(box.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
  const std::string reason = spanwise::AnalysisRun(File("Beam.sma").toStdString()).reason;
  QVERIFY(!reason.empty());
  QCOMPARE(box.details, QString::fromStdString(reason));

  QVERIFY(report && moments && shears);
  QCOMPARE(Result("Form2"), report.data());
  QCOMPARE(Result("Form3"), moments.data());
  QCOMPARE(Result("Form4"), shears.data());
  QCOMPARE(TextOf(report), shown_report);
  QCOMPARE(DrawnPoints(moments), shown_moments);
}

void AnalyseTest::errorNamingLine9MarksItWithoutSaving() {
  // Line 9 holds the material count; empty lines after the data push it out
  // of view once the cursor is at the end.
  const QByteArray file =
      WithLine(ExampleBytes(), 9, "x") + QByteArray(60, '\n').replace("\n", "\r\n");
  QVERIFY(WriteBytes(File("Beam.sma"), file));
  Start();
  Text()->moveCursor(QTextCursor::End);
  QVERIFY(Text()->cursorForPosition({0, 0}).blockNumber() > 8);  // line 9 out of view

  MessageBoxWatch box;
  PressAltA();
  QVERIFY(box.shown);
  QCOMPARE(Text()->textCursor().blockNumber(), 8);
  QCOMPARE(Text()->textCursor().positionInBlock(), 0);
  QVERIFY(Text()->viewport()->rect().contains(Text()->cursorRect()));
  QCOMPARE(Text()->markedLine(), 9);
  QCOMPARE(Text()->extraSelections().size(), 1);
  QCOMPARE(Text()->extraSelections().first().cursor.blockNumber(), 8);
  QCOMPARE(ReadBytes(File("Beam.sma")), file);
  QVERIFY(!Result("Form2"));

  QTest::keyClick(Text(), Qt::Key_Delete);  // the next edit ends the mark
  QCOMPARE(Text()->markedLine(), 0);
  QVERIFY(Text()->extraSelections().isEmpty());
}

void AnalyseTest::closingTheInputWindowClosesEveryWindow() {
  Start();
  PressAltA();
  const QList<QPointer<QWidget>> results = {Result("Form2"), Result("Form3"), Result("Form4")};
  window_->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (const QPointer<QWidget>& window : results) QVERIFY(!window || !window->isVisible());
  for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(!window->isVisible());
}

QTEST_MAIN(AnalyseTest)
#include "tst_analyse.moc"
