// An application folder whose path holds blanks and non-ASCII characters,
// named by SPANWISE_HOME or found under XDG_DATA_HOME, in a locale with comma
// decimals (run with LC_ALL=de_DE.UTF-8): the window saves there, and
// "&Analyse" writes there the very bytes the headless analyser writes in the
// C locale.
#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <clocale>

#include "MessageBoxWatch.h"
#include "TestFiles.h"
#include "ui/AppFolder.h"
#include "ui/ChartGraph.h"
#include "ui/DiagramWindow.h"
#include "ui/InputWindow.h"
#include "ui/LineNumberEdit.h"

using namespace spanwise::ui;

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
  // Without the comma locale in force this test would prove less.
  QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
  QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QStringLiteral(","));
  QTemporaryDir base;
  qunsetenv("SPANWISE_HOME");
  qputenv(variable.toLatin1(), QFile::encodeName(base.filePath(value)));
  const QString app_folder = AppFolder();
  qunsetenv(variable.toLatin1().constData());
  QCOMPARE(app_folder, base.filePath(folder));

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
  QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QStringLiteral("\u00DF"), {});
  const QByteArray saved = ExampleBytes().replace("joint 1\r\n", "joint 1\xC3\x9F\r\n") + "\r\n";
  QCOMPARE(ReadBytes(input), saved);

  QTemporaryDir headless;  // a folder of plain ASCII, the C locale
  QVERIFY(WriteBytes(headless.filePath(QStringLiteral("Beam.sma")), saved));
  QProcess analyser;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  analyser.setProcessEnvironment(environment);
  analyser.start(QStringLiteral(SPANWISE_ANALYSE), {headless.filePath(QStringLiteral("Beam.sma"))});
  QVERIFY(analyser.waitForFinished());
  QCOMPARE(analyser.exitCode(), 0);

  auto* analyse = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  MessageBoxWatch box;  // a file not found would show the error box
  QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
  QTRY_VERIFY(!analyse->isDown());  // the accelerator's animated click is over
  QVERIFY2(!box.shown, qPrintable(box.text));
  for (const char* name : {"Beam.txt", "BM.TXT", "SF.TXT"}) {
    const QByteArray expected = ReadBytes(headless.filePath(QString::fromLatin1(name)));
    QVERIFY2(!expected.isEmpty(), name);
    QVERIFY2(ReadBytes(app_folder + '/' + QString::fromLatin1(name)) == expected, name);
  }
  // The chart reads the numbers with points, not commas.
  auto* moments = window.findChild<DiagramWindow*>(QStringLiteral("Form3"));
  QCOMPARE(moments->notice(), QString());
  QCOMPARE(moments->graph()->drawnPoints().first(), QPointF(0, 1.57441860465116));
  // Nothing went to a folder of a garbled name.
  QCOMPARE(QDir(base.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
           QStringList{value});
  QStringList files = QDir(app_folder).entryList(QDir::Files);
  files.sort();
  QCOMPARE(files, (QStringList{"BM.TXT", "Beam.sma", "Beam.txt", "SF.TXT"}));
}

QTEST_MAIN(PathsTest)
#include "tst_paths.moc"
