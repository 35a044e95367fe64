// Runs with LC_ALL=de_DE.UTF-8 (comma decimals): the files "&Analyse" writes
// must be byte-identical to those of spanwise-analyse in the C locale.
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>

#include "TestFiles.h"
#include "ui/ChartGraph.h"
#include "ui/DiagramWindow.h"
#include "ui/InputWindow.h"

class LocaleTest : public QObject {
  Q_OBJECT

 private slots:
  void filesMatchTheHeadlessAnalyser();
};

void LocaleTest::filesMatchTheHeadlessAnalyser() {
  // Without the comma locale in force this test would prove nothing.
  QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
  QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QStringLiteral(","));

  QTemporaryDir headless;
  QTemporaryDir desktop;
  for (const QTemporaryDir* dir : {&headless, &desktop}) {
    QVERIFY(WriteBytes(dir->filePath("Beam.sma"), ExampleBytes()));
  }
  QProcess analyser;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  analyser.setProcessEnvironment(environment);
  analyser.start(QStringLiteral(SPANWISE_ANALYSE), {headless.filePath("Beam.sma")});
  QVERIFY(analyser.waitForFinished());
  QCOMPARE(analyser.exitCode(), 0);

  spanwise::ui::InputWindow window(desktop.path());
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  auto* analyse = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
  QTRY_VERIFY(!analyse->isDown());  // the accelerator's animated click is over

  for (const char* name : {"Beam.txt", "BM.TXT", "SF.TXT"}) {
    const QByteArray expected = ReadBytes(headless.filePath(name));
    QVERIFY2(!expected.isEmpty(), name);
    QVERIFY2(ReadBytes(desktop.filePath(name)) == expected, name);
  }
  // The chart reads the numbers with points, not commas.
  auto* moments = window.findChild<spanwise::ui::DiagramWindow*>(QStringLiteral("Form3"));
  QVERIFY(moments);
  QCOMPARE(moments->notice(), QString());
  QCOMPARE(moments->graph()->drawnPoints().first(), QPointF(0, 1.57441860465116));
}

QTEST_MAIN(LocaleTest)
#include "tst_locale.moc"
