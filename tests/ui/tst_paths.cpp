// An application folder whose path holds blanks and non-ASCII characters,
// named by SPANWISE_HOME or found under XDG_DATA_HOME: the window saves
// there, and "&Analyse" writes the three files there, the same as the
// headless analyser writes them.
#include <QDir>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "MessageBoxWatch.h"
#include "TestFiles.h"
#include "ui/AppFolder.h"
#include "ui/InputWindow.h"
#include "ui/LineNumberEdit.h"

using spanwise::ui::InputWindow;
using spanwise::ui::LineNumberEdit;

class PathsTest : public QObject {
  Q_OBJECT

 private slots:
  void windowSavesAndAnalysesInTheFolder_data();
  void windowSavesAndAnalysesInTheFolder();
};

void PathsTest::windowSavesAndAnalysesInTheFolder_data() {
  QTest::addColumn<QString>("variable");
  QTest::addColumn<QString>("value");   // below a fresh temporary folder
  QTest::addColumn<QString>("folder");  // the application folder below it
  QTest::newRow("SPANWISE_HOME") << "SPANWISE_HOME" << QStringLiteral("\u00C4rger mit Balken")
                                 << QStringLiteral("\u00C4rger mit Balken");
  QTest::newRow("SPANWISE_HOME, blanks at the ends")
      << "SPANWISE_HOME" << QStringLiteral(" Tr\u00E4ger \u20AC \u6881 ")
      << QStringLiteral(" Tr\u00E4ger \u20AC \u6881 ");
  QTest::newRow("XDG_DATA_HOME") << "XDG_DATA_HOME" << QStringLiteral("Daten f\u00FCr Tr\u00E4ger")
                                 << QStringLiteral("Daten f\u00FCr Tr\u00E4ger/spanwise");
}

void PathsTest::windowSavesAndAnalysesInTheFolder() {
  QFETCH(QString, variable);
  QFETCH(QString, value);
  QFETCH(QString, folder);
  QTemporaryDir base;
  QVERIFY(base.isValid());
  qunsetenv("SPANWISE_HOME");
  qputenv(variable.toLatin1(), QFile::encodeName(base.filePath(value)));
  const QString app_folder = spanwise::ui::AppFolder();
  qunsetenv(variable.toLatin1().constData());
  QCOMPARE(app_folder, base.filePath(folder));
  QVERIFY(QDir(app_folder).exists());

  // A first start writes the example there; a typed character is saved there.
  InputWindow window(app_folder);
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  const QString input = app_folder + QStringLiteral("/Beam.sma");
  QCOMPARE(ReadBytes(input), ExampleBytes());
  auto* text = window.findChild<LineNumberEdit*>(QStringLiteral("Text1"));
  QTextCursor cursor(text->document()->findBlockByNumber(1));  // "0, joint 1"
  cursor.movePosition(QTextCursor::EndOfBlock);
  text->setTextCursor(cursor);
  QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QStringLiteral("\u00DF"),
                      Qt::NoModifier);
  const QByteArray saved =
      ExampleBytes().replace("0, joint 1\r\n", "0, joint 1\xC3\x9F\r\n") + "\r\n";
  QCOMPARE(ReadBytes(input), saved);
  QCOMPARE(window.notice(), QString());

  // The headless analyser on the same input, in a folder of plain ASCII.
  QTemporaryDir headless;
  QVERIFY(WriteBytes(headless.filePath(QStringLiteral("Beam.sma")), saved));
  QProcess analyser;
  analyser.start(QStringLiteral(SPANWISE_ANALYSE), {headless.filePath(QStringLiteral("Beam.sma"))});
  QVERIFY(analyser.waitForFinished());
  QCOMPARE(analyser.exitCode(), 0);

  auto* analyse = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  MessageBoxWatch box;  // a file not found would show the error box
  QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
  QTRY_VERIFY(!analyse->isDown());  // the accelerator's animated click is over
  QVERIFY2(!box.shown, qPrintable(box.details));
  for (const char* name : {"Beam.txt", "BM.TXT", "SF.TXT"}) {
    const QByteArray expected = ReadBytes(headless.filePath(QString::fromLatin1(name)));
    QVERIFY2(!expected.isEmpty(), name);
    QVERIFY2(ReadBytes(app_folder + '/' + QString::fromLatin1(name)) == expected, name);
  }
  auto* report = window.findChild<QWidget*>(QStringLiteral("Form2"));
  QVERIFY(report);
  QTRY_COMPARE(report->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText().toUtf8(),
               ReadBytes(app_folder + QStringLiteral("/Beam.txt")).replace("\r\n", "\n"));
  // Nothing went to a folder of a garbled name.
  QCOMPARE(QDir(base.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
           QStringList{value});
  QStringList files = QDir(app_folder).entryList(QDir::Files);
  files.sort();
  QCOMPARE(files, (QStringList{"BM.TXT", "Beam.sma", "Beam.txt", "Design.txt", "SF.TXT"}));
}

QTEST_MAIN(PathsTest)
#include "tst_paths.moc"
