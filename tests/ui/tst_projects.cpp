// Input files anywhere: each analysed beside itself, the folder's one result
// set shown only with its own input, Save As, the recent files, a dropped file.
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "MessageBoxWatch.h"
#include "TestFiles.h"
#include "run/AnalysisRun.h"
#include "ui/BeamWindow.h"
#include "ui/InputWindow.h"
#include "ui/LineNumberEdit.h"
#include "ui/StaleBanner.h"

using namespace spanwise::ui;

class ProjectsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() {
    QSettings().clear();
    app_ = std::make_unique<QTemporaryDir>();
    other_ = std::make_unique<QTemporaryDir>();
  }

  // Opened elsewhere, analysed there: the application folder keeps its Beam.sma alone.
  void aFileElsewhereIsAnalysedBesideItself() {
    InputWindow window(app_->path());
    const QString job = Other("job.sma", ExampleBytes());
    QVERIFY(window.openFile(job));
    QVERIFY(window.windowTitle().contains("job.sma"));
    window.Analyse();
    QCOMPARE(Files(other_->path()),
             QStringList({"BM.TXT", "Design.txt", "SF.TXT", "job.sma", "job.txt"}));
    QCOMPARE(Files(app_->path()), QStringList{"Beam.sma"});
    QVERIFY(Window(window, "Form2")->windowTitle().endsWith("job.sma"));
    // The Beam window's table is Design.csv byte for byte.
    auto* beam = window.findChild<BeamWindow*>();
    QCOMPARE(beam->exportCsv(other_->path() + "/job.csv"), QString());
    spanwise::RunOptions csv;
    csv.csv = true;
    QVERIFY(spanwise::AnalysisRun(QFile::encodeName(job).toStdString(), csv).ok);
    QCOMPARE(ReadBytes(other_->path() + "/job.csv"), ReadBytes(other_->path() + "/Design.csv"));
  }

  // Save As to a new folder, an edit saved there, analysed there; the old file unchanged.
  void saveAsThenEditThenAnalyse() {
    InputWindow window(app_->path());
    const QString first = window.inputPath();
    QVERIFY(window.saveAs(other_->path() + "/copy"));
    QCOMPARE(window.inputPath(), other_->path() + "/copy.sma");
    auto* text = window.findChild<LineNumberEdit*>("Text1");
    text->selectAll();
    text->insertPlainText(QString::fromUtf8(ExampleBytes()).remove('\r').replace("2E8", "3E8"));
    QVERIFY(ReadBytes(window.inputPath()).contains("3E8"));
    QCOMPARE(ReadBytes(first), ExampleBytes());
    window.Analyse();
    QVERIFY(ReadBytes(other_->path() + "/Design.txt").startsWith("DESIGN VALUES OF copy.sma\r\n"));
    QVERIFY(QFileInfo::exists(other_->path() + "/copy.txt"));
  }

  // The latest first, each once, ten at most; the window opens the last one.
  void theRecentFiles() {
    InputWindow window(app_->path());
    for (int k = 0; k < 12; ++k)
      QVERIFY(window.openFile(Other(QString("b%1.sma").arg(k % 11), ExampleBytes())));
    const QStringList recent = InputWindow::recentFiles();
    QCOMPARE(recent.size(), 10);
    QCOMPARE(recent.front(), other_->path() + "/b0.sma");
    QCOMPARE(recent.at(1), other_->path() + "/b10.sma");
    QCOMPARE(recent.count(recent.front()), 1);
  }

  void aDroppedFileIsOpened() {
    InputWindow window(app_->path());
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(Other("dropped.sma", "1\r\n"))});
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject&>(window).event(&drop);  // as the application hands it over
    QTRY_COMPARE(window.inputPath(), other_->path() + "/dropped.sma");
    QCOMPARE(window.findChild<LineNumberEdit*>("Text1")->toPlainText(), "1\n");
  }

  // A folder's results are shown with their own input only, marked when
  // older than it; another input's are named, and Save As there asks first.
  void theFolderShowsOneResultSet() {
    const QString job = Other("job.sma", ExampleBytes());
    QVERIFY(spanwise::AnalysisRun(QFile::encodeName(job).toStdString()).ok);
    QFile input(job);
    QVERIFY(input.open(QIODevice::ReadWrite));
    QVERIFY(input.setFileTime(QDateTime::currentDateTime().addSecs(60),
                              QFileDevice::FileModificationTime));
    input.close();
    InputWindow window(app_->path(), job);
    QVERIFY(Window(window, "Form2"));
    QCOMPARE(Window(window, "Form3")->findChild<QLabel*>("Stale")->text(),
             QString(kInputChangedBanner));
    QVERIFY(window.openFile(Other("other.sma", ExampleBytes())));
    QTRY_VERIFY(!Window(window, "Form2"));
    QVERIFY(window.findChild<QLabel*>("Folder")->text().endsWith(
        "The results in this folder are of job.sma; analysing this file replaces them"));
    InputWindow second(app_->path());
    MessageBoxWatch cancel("Cancel");
    QVERIFY(!second.saveAs(other_->path() + "/third.sma"));
    QVERIFY(cancel.text.contains("holds the results of job.sma"));
    QVERIFY(!QFileInfo::exists(other_->path() + "/third.sma"));
  }

 private:
  QString Other(const QString& name, const QByteArray& bytes) const {
    const QString path = other_->path() + '/' + name;
    WriteBytes(path, bytes);
    return path;
  }
  static QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
  }
  static QWidget* Window(const InputWindow& window, const char* name) {
    return window.findChild<QWidget*>(name);
  }

  std::unique_ptr<QTemporaryDir> app_, other_;
};

QTEST_MAIN(ProjectsTest)
#include "tst_projects.moc"
