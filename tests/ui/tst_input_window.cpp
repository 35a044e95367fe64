// The input window keeps Beam.sma identical to its text: start-up, every
// edit, every byte of every encoding, changes by other programs; the help.
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

#include "MessageBoxWatch.h"
#include "TestFiles.h"
#include "run/AnalysisRun.h"
#include "ui/HelpWindow.h"
#include "ui/InputWindow.h"
#include "ui/LineNumberEdit.h"

using namespace spanwise::ui;

enum class Edit { kNone, kTypeAtEnd, kTypeAtStart, kReturnAtEnd, kClearAll, kUndoTyping };
Q_DECLARE_METATYPE(Edit)

namespace {

void Apply(LineNumberEdit* text, Edit edit) {
  if (edit == Edit::kNone) return;
  text->moveCursor(edit == Edit::kTypeAtStart ? QTextCursor::Start : QTextCursor::End);
  if (edit == Edit::kClearAll) text->selectAll();
  QTest::keyClick(text, edit == Edit::kReturnAtEnd ? Qt::Key_Return
                        : edit == Edit::kClearAll  ? Qt::Key_Delete
                                                   : Qt::Key_X);
  if (edit == Edit::kUndoTyping) text->undo();
}

void Type(LineNumberEdit* text, const QString& typed) {
  text->moveCursor(QTextCursor::End);
  QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, typed, Qt::NoModifier);
}

}  // namespace

class InputWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { folder_ = std::make_unique<QTemporaryDir>(); }

  // The box shows the file with plain line feeds; loading writes nothing; an
  // edit saves the text with CR LF line ends and one CR LF more (the line end
  // of the last save stays and one more is added).
  void startupWritesNothingAndEveryEditSaves() {
    const struct {
      QByteArray file;
      QString shown;
      Edit edit;
      QByteArray saved;
    } cases[] = {
        // clang-format off
        {"3\r\n0, joint 1\r\n", "3\n0, joint 1\n", Edit::kTypeAtEnd, "3\r\n0, joint 1\r\nx\r\n"},
        {"a\nb\rc\r\n", "a\nb\nc\n", Edit::kTypeAtStart, "xa\r\nb\r\nc\r\n\r\n"},  // LF, lone CR
        {"ab", "ab", Edit::kReturnAtEnd, "ab\r\n\r\n"},  // no last line end
        {"a\nb", "a\nb", Edit::kTypeAtEnd, "a\r\nbx\r\n"},  // LF comes back CR LF
        {"a  \r\n\r\n\r\nb", "a  \n\n\nb", Edit::kClearAll, "\r\n"},  // blanks, empty lines
        {"", "", Edit::kUndoTyping, "\r\n"},  // undo is an edit too
        // clang-format on
    };
    for (const auto& c : cases) {
      init();
      WriteBytes(Path(), c.file);
      InputWindow window(folder_->path());
      QCoreApplication::processEvents();
      QCOMPARE(Text(window)->toPlainText(), c.shown);
      QCOMPARE(ReadBytes(Path()), c.file);
      Apply(Text(window), c.edit);
      QCOMPARE(ReadBytes(Path()), c.saved);
      QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"Beam.sma"});
      QVERIFY(window.findChild<QLabel*>("Folder")->text().contains(
          QDir::toNativeSeparators(folder_->path())));
    }
  }

  // Without Beam.sma: the example and a hint to the help. With a folder in
  // its place: an empty box, a notice, and nothing overwritten.
  void startupWithoutAFile() {
    for (const bool folder_in_the_way : {false, true}) {
      init();
      if (folder_in_the_way) QDir(folder_->path()).mkpath(QStringLiteral("Beam.sma/keep"));
      InputWindow window(folder_->path());
      Show(window);
      QCOMPARE(Text(window)->toPlainText().isEmpty(), folder_in_the_way);
      QCOMPARE(ReadBytes(Path()), folder_in_the_way ? QByteArray() : ExampleBytes());
      QVERIFY(Notice(window).contains(folder_in_the_way ? "Could not read Beam.sma: " : "F1"));
      QCOMPARE(QDir(Path() + "/keep").exists(), folder_in_the_way);
    }
  }

  // A file that is not valid UTF-8 is shown and saved as Latin-1; valid UTF-8
  // stays UTF-8, its byte-order mark too. One character typed at the end must
  // leave every byte before it as it was. Latin-1 has no euro sign: the file
  // gets one '?' per such character, and the status line says so.
  void everyByteOfTheFileSurvivesAnEdit_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("label");  // how the box shows a label of the file
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("typed_bytes");
    const QString trager = QStringLiteral("Tr\u00E4ger S\u00FCd");
    const QString e = QStringLiteral("\u00E9");
    const QByteArray utf8("1\r\n0, Tr\xC3\xA4ger S\xC3\xBC\x64\r\n");
    const QByteArray latin1("1\r\n0, Tr\xE4ger S\xFC\x64\r\n");
    const QByteArray mark("\xEF\xBB\xBF");
    QByteArray high;  // every byte above ASCII, the no-break space 0xA0 among them
    for (int byte = 0x80; byte <= 0xFF; ++byte) high.append(char(byte));
    const QByteArray x("x"), e8("\xC3\xA9"), e1("\xE9");
    // clang-format off
    QTest::newRow("UTF-8") << utf8 << trager << e << e8;
    QTest::newRow("UTF-8 with byte-order mark") << mark + utf8 << trager << e << e8;
    QTest::newRow("UTF-8 beyond Latin-1 and a mark inside") << QByteArray("0, \xE2\x82\xAC \xF0\x9F\x8F\x97 a\xEF\xBB\xBFz\r\n")
        << QStringLiteral("\u20AC \U0001F3D7 a\uFEFFz") << "x" << x;
    QTest::newRow("UTF-8 no-break space and line separator") << QByteArray("0, a\xC2\xA0z\xE2\x80\xA8y\r\n")
        << QStringLiteral("a\u00A0z\u2028y") << "x" << x;
    QTest::newRow("Latin-1") << latin1 << trager << e << e1;
    QTest::newRow("Latin-1, every byte above ASCII") << "0, " + high + "\r\n" << QString::fromLatin1(high) << e << e1;
    QTest::newRow("Latin-1 after a byte-order mark") << mark + "0, Tr\xE4ger\r\n" << QStringLiteral("\u00EF\u00BB\u00BF0") << e << e1;
    QTest::newRow("UTF-8 cut off at the end is Latin-1") << QByteArray("0, Tr\xC3\xA4ger\xC3\r\n")
        << QStringLiteral("Tr\u00C3\u00A4ger\u00C3") << "x" << x;
    QTest::newRow("overlong UTF-8 is Latin-1") << QByteArray("0, a\xC0\xAFz\r\n") << QStringLiteral("a\u00C0\u00AFz") << "x" << x;
    QTest::newRow("UTF-8 of a surrogate is Latin-1") << QByteArray("0, a\xED\xA0\x80z\r\n")
        << QStringLiteral("a\u00ED\u00A0\u0080z") << "x" << x;
    QTest::newRow("control bytes and a tab") << QByteArray("0, a\x01\x1B\x7F\tb\r\n") << QStringLiteral("a\u0001\u001B\u007F\tb") << "x" << x;
    QTest::newRow("Latin-1 has no euro sign") << latin1 << trager << QStringLiteral("\u20AC") << QByteArray("?");
    QTest::newRow("Latin-1 has nothing beyond the basic plane") << latin1 << trager << QStringLiteral("\U0001F3D7") << QByteArray("?");
    // clang-format on
  }

  void everyByteOfTheFileSurvivesAnEdit() {
    QFETCH(QByteArray, file);
    QFETCH(QString, label);
    QFETCH(QString, typed);
    QFETCH(QByteArray, typed_bytes);
    WriteBytes(Path(), file);
    InputWindow window(folder_->path());
    Show(window);
    // As the box holds it: toPlainText() would show a no-break space as a blank.
    const QString shown = Text(window)->document()->toRawText();
    QVERIFY2(shown.contains(label), qPrintable(shown));
    QVERIFY(!shown.startsWith(QChar(0xFEFF)));  // a byte-order mark is kept out of the box
    QCOMPARE(ReadBytes(Path()), file);          // loading writes nothing
    Type(Text(window), typed);
    QCOMPARE(ReadBytes(Path()), file + typed_bytes + "\r\n");
    QCOMPARE(Text(window)->toPlainText().endsWith(typed), true);
    QCOMPARE(Notice(window).contains(typed), typed_bytes == "?");
    if (typed_bytes != "?") return;
    QTest::keyClick(Text(window), Qt::Key_Backspace);  // the notice stays while the character does
    QCOMPARE(ReadBytes(Path()), file + "\r\n");
    QCOMPARE(Notice(window), QString());
  }
  // Another program saves Beam.sma, by rename or in place, while the window is
  // open. The window offers its text; until the engineer chooses, keystrokes
  // save nothing, also one typed before the change was noticed. "&Analyse"
  // then asks which text to analyse. Afterwards every edit saves again.
  void outsideChangeIsOfferedAndNeverOverwritten() {
    const struct {
      bool by_rename, typed_at_once;
      QString answer;  // in the offer, or in the question of "&Analyse"
    } cases[] = {{true, false, "&Load the new text"},
                 {false, false, "&Keep this text"},
                 {true, true, "&Load the new text"},  // typed before noticed
                 {true, false, "The &file's"},
                 {false, true, "This &window's"}};
    for (const auto& [by_rename, typed_at_once, answer] : cases) {
      init();
      OutsideChange(by_rename, typed_at_once, answer);
      if (QTest::currentTestFailed()) return;
    }
  }

  void helpOpensOnF1AndTheButton() {
    InputWindow window(folder_->path());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(Text(window), Qt::Key_F1);
    auto* help = window.findChild<HelpWindow*>(QStringLiteral("Help"));
    QVERIFY(help && help->isVisible());
    help->close();
    auto* button = window.findChild<QPushButton*>(QStringLiteral("Command2"));
    QCOMPARE(button->text(), QStringLiteral("&Help"));
    button->click();
    QVERIFY(help->isVisible());
    QCOMPARE(window.findChildren<HelpWindow*>().size(), 1);
    // The input format shown is the one file the README repeats.
    const QByteArray format =
        ReadBytes(QStringLiteral(SPANWISE_SOURCE_DIR "/docs/input-format.md"));
    QVERIFY(!format.isEmpty() &&
            ReadBytes(QStringLiteral(SPANWISE_SOURCE_DIR "/README.md")).contains(format));
    QVERIFY(
        help->toPlainText().contains(QStringLiteral("2, 2, 6, 6, 0, 0, uniform load on span 2")));
  }

 private:
  // Another program saves Beam.sma while the window is open; see above.
  void OutsideChange(bool by_rename, bool typed_at_once, const QString& answer) {
    const bool analyse = answer.startsWith("Th");
    const bool file_wins = answer.contains("Load") || answer.contains("file");
    WriteBytes(Path(), ExampleBytes());
    InputWindow window(folder_->path());
    Show(window);
    const QByteArray outside = ExampleBytes().replace("2, 0, 5, moment", "2, 0, 50, moment");
    if (by_rename) {
      WriteBytes(Path() + ".new", outside);
      QVERIFY(std::rename(qPrintable(Path() + ".new"), qPrintable(Path())) == 0);
    } else {
      WriteBytes(Path(), outside);
    }
    if (!typed_at_once) QTRY_VERIFY(window.outsideChangeOffer());
    Apply(Text(window), Edit::kTypeAtEnd);
    QVERIFY(window.outsideChangeOffer());
    QCOMPARE(ReadBytes(Path()), outside);
    if (analyse) {
      MessageBoxWatch question(answer);
      window.Analyse();
      QCOMPARE(question.title, QStringLiteral("Which text?"));
      const QByteArray report = ReadBytes(folder_->filePath("Beam.txt"));
      QVERIFY(!report.isEmpty() && spanwise::AnalysisRun(Path().toStdString()).ok);
      QCOMPARE(ReadBytes(folder_->filePath("Beam.txt")), report);  // the run read the chosen text
    } else {
      for (QAbstractButton* button : window.outsideChangeOffer()->buttons()) {
        if (button->text() == answer) button->click();
      }
    }
    QTRY_VERIFY(!window.outsideChangeOffer());
    const QString window_text = ToBoxText(ExampleBytes()) + "x";
    QCOMPARE(Text(window)->toPlainText(), file_wins ? ToBoxText(outside) : window_text);
    QCOMPARE(ReadBytes(Path()), file_wins ? outside : ToFileBytes(window_text));
    Apply(Text(window), Edit::kTypeAtEnd);
    QCOMPARE(ReadBytes(Path()), ToFileBytes(Text(window)->toPlainText()));
  }
  QString Path() const { return folder_->filePath(QStringLiteral("Beam.sma")); }
  static LineNumberEdit* Text(InputWindow& window) {
    return window.findChild<LineNumberEdit*>("Text1");
  }
  // The notice shown; empty when none is in view. The folder's path must
  // stay in view with it.
  static QString Notice(InputWindow& window) {
    if (!window.findChild<QLabel*>("Folder")->isVisibleTo(&window)) return "(folder hidden)";
    auto* notice = window.findChild<QLabel*>("Notice");
    return notice->isVisibleTo(&window) ? notice->text() : QString();
  }
  static void Show(InputWindow& window) {
    window.show();  // a status line hides what it must when it is on screen
    QVERIFY(QTest::qWaitForWindowExposed(&window));
  }

  std::unique_ptr<QTemporaryDir> folder_;
};

QTEST_MAIN(InputWindowTest)
#include "tst_input_window.moc"
