// Beam.sma survives the program being killed while it saves: the typist (the
// input window typing a long text, saving after every character) is killed
// with SIGKILL at random moments, again and again, and after every kill
// Beam.sma must hold one whole text the window saved, never a truncated or
// empty one. Each start pastes a random part of the text first, so the saves
// cut short are of every length up to that of a long beam's file.
// SPANWISE_KILL_SEED=N repeats a run's moments.
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>

#include "TestFiles.h"

namespace {

constexpr int kKills = 50;

// A beam of many joints, its labels in several scripts: some 30,000
// characters.
QString LongText() {
  const int joints = 1000;
  QString text = QString::number(joints) + QLatin1Char('\n');
  for (int i = 0; i < joints; ++i) {
    text += QString::number(i * 2.5) +
            QStringLiteral(", Gelenk %1 \u00C4\u00DF \u20AC \u6881\n").arg(i + 1);
  }
  return text;
}

// The bytes the window saves for a text: CR LF line ends, one CR LF more.
QByteArray Saved(const QString& text) { return text.toUtf8().replace("\n", "\r\n") + "\r\n"; }

// How many characters of text the file holds, when it is one whole save of
// the typist (1 and up) or the example of the first start (0); -1 otherwise.
qsizetype TypedIn(const QByteArray& file, const QString& text) {
  if (file == ExampleBytes()) return 0;
  if (!file.endsWith("\r\n") || !file.isValidUtf8()) return -1;
  const qsizetype typed = QString::fromUtf8(file.chopped(2)).remove(QLatin1Char('\r')).size();
  if (typed == 0 || typed > text.size()) return -1;
  return file == Saved(text.left(typed)) ? typed : -1;
}

}  // namespace

class KillSavingTest : public QObject {
  Q_OBJECT

 private slots:
  void everyKillLeavesOneWholeSave() {
    const quint32 seed = qEnvironmentVariableIsSet("SPANWISE_KILL_SEED")
                             ? quint32(qEnvironmentVariableIntValue("SPANWISE_KILL_SEED"))
                             : QRandomGenerator::global()->generate();
    qInfo("SPANWISE_KILL_SEED=%u", seed);
    QRandomGenerator random(seed);

    QTemporaryDir folder;
    const QString home = folder.filePath(QStringLiteral("home"));
    const QString input = home + QStringLiteral("/Beam.sma");
    const QString text_file = folder.filePath(QStringLiteral("text"));
    const QString text = LongText();
    QVERIFY(WriteBytes(text_file, text.toUtf8()));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SPANWISE_HOME"), home);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    int mid_text = 0;  // kills that left part of the text, not all or nothing
    for (int kill = 0; kill < kKills; ++kill) {
      QProcess typist;
      // Settings of its own each start: a kill while the settings file's lock
      // is being written leaves a lock Qt waits 30 s to call stale.
      environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                         folder.filePath(QStringLiteral("config%1").arg(kill)));
      typist.setProcessEnvironment(environment);
      typist.setProcessChannelMode(QProcess::ForwardedErrorChannel);
      // At least a few thousand characters are left to type.
      const qsizetype pasted = random.bounded(int(text.size()) - 3000);
      typist.start(QStringLiteral(SPANWISE_TYPIST), {text_file, QString::number(pasted)});
      QVERIFY(typist.waitForStarted());
      // Most kills come while it types; every fifth at any moment from its
      // start, so also while it starts up. The first start writes the example
      // to the fresh folder, which must be there before a kill can be judged.
      if (kill == 0 || kill % 5 != 0) {
        while (!typist.readAllStandardOutput().contains("typing")) {
          QVERIFY2(typist.waitForReadyRead(10000), "the typist did not start typing");
        }
        QThread::msleep(random.bounded(200));
      } else {
        QThread::msleep(random.bounded(300));
      }
      ::kill(typist.processId(), SIGKILL);
      QVERIFY(typist.waitForFinished(10000));
      QCOMPARE(typist.exitStatus(), QProcess::CrashExit);

      const QByteArray file = ReadBytes(input);
      const qsizetype typed = TypedIn(file, text);
      QVERIFY2(typed >= 0,
               qPrintable(QStringLiteral("kill %1 left %2 bytes").arg(kill).arg(file.size())));
      if (typed > 0 && typed < text.size()) ++mid_text;
    }
    qInfo("%d kills, %d in the middle of the text", kKills, mid_text);
    // Kills that all came before the first or after the last key press
    // would prove nothing.
    QVERIFY2(mid_text >= kKills / 2, "too few kills while the text was being typed");
  }
};

QTEST_MAIN(KillSavingTest)
#include "tst_kill_saving.moc"
