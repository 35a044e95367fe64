// The input window keeps Beam.sma identical to its text: start-up, every
// edit, failed saves, changes by other programs; and the help.
#include <QDir>
#include <QMessageBox>
#include <QTextBrowser>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

#include "MessageBoxWatch.h"

#include "TestFiles.h"
#include "ui/HelpWindow.h"
#include "ui/InputWindow.h"
#include "ui/LineNumberEdit.h"

using namespace spanwise::ui;

enum class Edit { kTypeAtEnd, kTypeAtStart, kReturnAtEnd, kClearAll, kUndoTyping };
Q_DECLARE_METATYPE(Edit)

namespace {

void Apply(LineNumberEdit* text, Edit edit) {
  switch (edit) {
    case Edit::kTypeAtEnd:
      text->moveCursor(QTextCursor::End);
      QTest::keyClick(text, Qt::Key_X);
      break;
    case Edit::kTypeAtStart:
      text->moveCursor(QTextCursor::Start);
      QTest::keyClick(text, 'Z');
      break;
    case Edit::kReturnAtEnd:
      text->moveCursor(QTextCursor::End);
      QTest::keyClick(text, Qt::Key_Return);
      break;
    case Edit::kClearAll:
      text->selectAll();
      QTest::keyClick(text, Qt::Key_Delete);
      break;
    case Edit::kUndoTyping:
      text->moveCursor(QTextCursor::End);
      QTest::keyClick(text, Qt::Key_X);
      text->undo();
      break;
  }
}

}  // namespace

class InputWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
  }

  void startupShowsFileUnchangedAndWritesNothing_data();
  void startupShowsFileUnchangedAndWritesNothing();
  void startupWithoutFileWritesTheExample();
  void startupWithUnreadableFileOverwritesNothing();
  void everyEditSavesTextAndCrLf_data();
  void everyEditSavesTextAndCrLf();
  void failedSaveShowsNoticeAndLosesNothing_data();
  void failedSaveShowsNoticeAndLosesNothing();
  void everyByteOfTheFileSurvivesAnEdit_data();
  void everyByteOfTheFileSurvivesAnEdit();
  void latin1FileTellsWhatItCannotHold_data();
  void latin1FileTellsWhatItCannotHold();
  void outsideChangeIsOfferedAndNeverOverwritten_data();
  void outsideChangeIsOfferedAndNeverOverwritten();
  void helpOpensOnF1AndTheButton();

 private:
  QString Path() const { return folder_->filePath(QStringLiteral("Beam.sma")); }
  static LineNumberEdit* Text(InputWindow& window) {
    return window.findChild<LineNumberEdit*>(QStringLiteral("Text1"));
  }
  // The notice shown; empty when none is in view. The folder's path must
  // stay in view with it.
  static QString Notice(InputWindow& window) {
    auto* folder = window.findChild<QLabel*>(QStringLiteral("Folder"));
    auto* notice = window.findChild<QLabel*>(QStringLiteral("Notice"));
    if (!folder->isVisibleTo(&window)) return QStringLiteral("(folder hidden)");
    if (notice->text() != window.notice()) return QStringLiteral("(notice not shown)");
    return notice->isVisibleTo(&window) ? notice->text() : QString();
  }

  std::unique_ptr<QTemporaryDir> folder_;
};

void InputWindowTest::startupShowsFileUnchangedAndWritesNothing_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<QString>("shown");
  QTest::newRow("CR LF lines") << QByteArray("3\r\n0, joint 1\r\n") << "3\n0, joint 1\n";
  QTest::newRow("no last line end") << QByteArray("3\r\n0, joint 1") << "3\n0, joint 1";
  QTest::newRow("LF and lone CR") << QByteArray("a\nb\rc\r\n") << "a\nb\nc\n";
  QTest::newRow("empty lines and blanks") << QByteArray("a  \r\n\r\n\r\nb") << "a  \n\n\nb";
  QTest::newRow("empty file") << QByteArray() << "";
}

void InputWindowTest::startupShowsFileUnchangedAndWritesNothing() {
  QFETCH(QByteArray, file);
  QFETCH(QString, shown);
  WriteBytes(Path(), file);
  InputWindow window(folder_->path());
  QCoreApplication::processEvents();
  QCOMPARE(Text(window)->toPlainText(), shown);
  QCOMPARE(ReadBytes(Path()), file);
  QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"Beam.sma"});
  QCOMPARE(window.windowTitle(), QStringLiteral("Input Data"));
  QVERIFY(window.findChild<QLabel*>(QStringLiteral("Folder"))
              ->text()
              .contains(QDir::toNativeSeparators(folder_->path())));
}

void InputWindowTest::startupWithoutFileWritesTheExample() {
  InputWindow window(folder_->path());
  QCOMPARE(ReadBytes(Path()), ExampleBytes());
  QVERIFY(Text(window)->toPlainText().startsWith(QStringLiteral("3\n0, joint 1\n")));
  QVERIFY(Notice(window).contains(QStringLiteral("F1")));  // a hint to the help
}

void InputWindowTest::startupWithUnreadableFileOverwritesNothing() {
  QVERIFY(QDir(folder_->path()).mkpath(QStringLiteral("Beam.sma")));
  WriteBytes(Path() + QStringLiteral("/keep"), "kept");
  InputWindow window(folder_->path());
  window.show();  // a status line hides what it must when it is on screen
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCOMPARE(Text(window)->toPlainText(), QString());
  QVERIFY(Notice(window).startsWith(QStringLiteral("Could not read Beam.sma: ")));
  QCOMPARE(ReadBytes(Path() + QStringLiteral("/keep")), QByteArray("kept"));
}

void InputWindowTest::everyEditSavesTextAndCrLf_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<Edit>("edit");
  QTest::addColumn<QByteArray>("saved");
  QTest::newRow("type at end") << QByteArray("3\r\n0, joint 1\r\n") << Edit::kTypeAtEnd
                               << QByteArray("3\r\n0, joint 1\r\nx\r\n");
  // The line end of the last save stays and one more is added.
  QTest::newRow("type at start") << QByteArray("ab\r\ncd\r\n") << Edit::kTypeAtStart
                                 << QByteArray("Zab\r\ncd\r\n\r\n");
  QTest::newRow("new line") << QByteArray("ab") << Edit::kReturnAtEnd << QByteArray("ab\r\n\r\n");
  QTest::newRow("LF file comes back CR LF")
      << QByteArray("a\nb") << Edit::kTypeAtEnd << QByteArray("a\r\nbx\r\n");
  QTest::newRow("clear the box") << QByteArray("3\r\n0, joint 1\r\n") << Edit::kClearAll
                                 << QByteArray("\r\n");
  QTest::newRow("undo is an edit too")
      << QByteArray("ab") << Edit::kUndoTyping << QByteArray("ab\r\n");
}

void InputWindowTest::everyEditSavesTextAndCrLf() {
  QFETCH(QByteArray, file);
  QFETCH(Edit, edit);
  QFETCH(QByteArray, saved);
  WriteBytes(Path(), file);
  InputWindow window(folder_->path());
  Apply(Text(window), edit);
  QCOMPARE(ReadBytes(Path()), saved);
  QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"Beam.sma"});
}

// Tests run as root, where permissions stop no write, so a folder is made
// unusable by putting something in the way.
void InputWindowTest::failedSaveShowsNoticeAndLosesNothing_data() {
  QTest::addColumn<bool>("block_folder");
  QTest::newRow("a file where the folder was") << true;
  QTest::newRow("a folder where Beam.sma was") << false;
}

void InputWindowTest::failedSaveShowsNoticeAndLosesNothing() {
  QFETCH(bool, block_folder);
  const QString folder = folder_->filePath(QStringLiteral("app"));
  const QString moved = folder_->filePath(QStringLiteral("app-moved"));
  QDir().mkpath(folder);
  const QString path = folder + QStringLiteral("/Beam.sma");
  WriteBytes(path, "ab\r\n");
  InputWindow window(folder);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  LineNumberEdit* text = Text(window);
  text->moveCursor(QTextCursor::End);

  if (block_folder) {
    QVERIFY(QDir().rename(folder, moved));
    WriteBytes(folder, "in the way");
  } else {
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));
  }
  QTest::keyClicks(text, QStringLiteral("cd"));
  QVERIFY(Notice(window).startsWith(QStringLiteral("Could not save Beam.sma: ")));
  if (block_folder) QCOMPARE(ReadBytes(moved + QStringLiteral("/Beam.sma")), QByteArray("ab\r\n"));

  if (block_folder) {
    QVERIFY(QFile::remove(folder));
    QVERIFY(QDir().rename(moved, folder));
  } else {
    QVERIFY(QDir().rmdir(path));
  }
  QTest::keyClick(text, Qt::Key_E);
  QCOMPARE(Notice(window), QString());
  QCOMPARE(ReadBytes(path), QByteArray("ab\r\ncde\r\n"));
  QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Beam.sma"});
}

// A file that is not valid UTF-8 is shown and saved as Latin-1; valid UTF-8
// stays UTF-8, its byte-order mark too. One character typed at the end must
// leave every byte before it as it was.
void InputWindowTest::everyByteOfTheFileSurvivesAnEdit_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<QString>("label");  // how the box shows a label of the file
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QByteArray>("typed_bytes");
  const QString trager = QStringLiteral("Tr\u00E4ger S\u00FCd");
  const QString e_acute = QStringLiteral("\u00E9");
  QByteArray high;  // every byte above ASCII, the no-break space 0xA0 among them
  for (int byte = 0x80; byte <= 0xFF; ++byte) high.append(char(byte));

  const QByteArray mark("\xEF\xBB\xBF");
  QTest::newRow("UTF-8") << QByteArray("1\r\n0, Tr\xC3\xA4ger S\xC3\xBC\x64\r\n") << trager
                         << e_acute << QByteArray("\xC3\xA9");
  QTest::newRow("UTF-8, typing ASCII")
      << QByteArray("1\r\n0, Tr\xC3\xA4ger S\xC3\xBC\x64\r\n") << trager << "x" << QByteArray("x");
  QTest::newRow("UTF-8 with byte-order mark") << mark + "1\r\n0, Tr\xC3\xA4ger S\xC3\xBC\x64\r\n"
                                              << trager << e_acute << QByteArray("\xC3\xA9");
  QTest::newRow("UTF-8 beyond Latin-1 and a mark inside")
      << QByteArray("0, \xE2\x82\xAC \xF0\x9F\x8F\x97 a\xEF\xBB\xBFz\r\n")
      << QStringLiteral("\u20AC \U0001F3D7 a\uFEFFz") << "x" << QByteArray("x");
  QTest::newRow("UTF-8 no-break space and line separator")
      << QByteArray("0, a\xC2\xA0z\xE2\x80\xA8y\r\n") << QStringLiteral("a\u00A0z\u2028y") << "x"
      << QByteArray("x");
  QTest::newRow("Latin-1") << QByteArray("1\r\n0, Tr\xE4ger S\xFC\x64\r\n") << trager << e_acute
                           << QByteArray("\xE9");
  QTest::newRow("Latin-1, typing ASCII")
      << QByteArray("1\r\n0, Tr\xE4ger S\xFC\x64\r\n") << trager << "x" << QByteArray("x");
  QTest::newRow("Latin-1, every byte above ASCII")
      << "0, " + high + "\r\n"
      << QString::fromLatin1(high) << e_acute << QByteArray("\xE9");
  QTest::newRow("Latin-1 after a byte-order mark")
      << mark + "0, Tr\xE4ger S\xFC\x64\r\n"
      << QStringLiteral("\u00EF\u00BB\u00BF0") << e_acute << QByteArray("\xE9");
  QTest::newRow("UTF-8 cut off at the end is Latin-1")
      << QByteArray("0, Tr\xC3\xA4ger\xC3\r\n") << QStringLiteral("Tr\u00C3\u00A4ger\u00C3") << "x"
      << QByteArray("x");
  QTest::newRow("overlong UTF-8 is Latin-1")
      << QByteArray("0, a\xC0\xAFz\r\n") << QStringLiteral("a\u00C0\u00AFz") << "x"
      << QByteArray("x");
  QTest::newRow("UTF-8 of a surrogate is Latin-1")
      << QByteArray("0, a\xED\xA0\x80z\r\n") << QStringLiteral("a\u00ED\u00A0\u0080z") << "x"
      << QByteArray("x");
  QTest::newRow("control bytes and a tab")
      << QByteArray("0, a\x01\x1B\x7F\tb\r\n") << QStringLiteral("a\u0001\u001B\u007F\tb") << "x"
      << QByteArray("x");
}

void InputWindowTest::everyByteOfTheFileSurvivesAnEdit() {
  QFETCH(QByteArray, file);
  QFETCH(QString, label);
  QFETCH(QString, typed);
  QFETCH(QByteArray, typed_bytes);
  WriteBytes(Path(), file);
  InputWindow window(folder_->path());
  LineNumberEdit* text = Text(window);
  // As the box holds it: toPlainText() would show a no-break space as a blank.
  const QString shown = text->document()->toRawText();
  QVERIFY2(shown.contains(label), qPrintable(shown));
  QVERIFY(!shown.startsWith(QChar(0xFEFF)));  // a byte-order mark is kept out of the box
  QCOMPARE(ReadBytes(Path()), file);          // loading writes nothing

  text->moveCursor(QTextCursor::End);
  QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, typed, Qt::NoModifier);
  QCOMPARE(ReadBytes(Path()), file + typed_bytes + "\r\n");
  QCOMPARE(Notice(window), QString());
}

// Latin-1 has no euro sign: the file gets one '?' per such character, the
// box keeps what was typed, and the status line says so until the character
// is gone again.
void InputWindowTest::latin1FileTellsWhatItCannotHold_data() {
  QTest::addColumn<QString>("typed");
  QTest::newRow("euro sign") << QStringLiteral("\u20AC");
  QTest::newRow("beyond the basic plane") << QStringLiteral("\U0001F3D7");
}

void InputWindowTest::latin1FileTellsWhatItCannotHold() {
  QFETCH(QString, typed);
  const QByteArray file("0, Tr\xE4ger\r\n");
  WriteBytes(Path(), file);
  InputWindow window(folder_->path());
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  LineNumberEdit* text = Text(window);
  text->moveCursor(QTextCursor::End);

  QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, typed, Qt::NoModifier);
  QCOMPARE(text->toPlainText(), QStringLiteral("0, Tr\u00E4ger\n") + typed);
  QCOMPARE(ReadBytes(Path()), file + "?\r\n");
  QVERIFY2(Notice(window).contains(typed), qPrintable(Notice(window)));
  QTest::keyClick(text, Qt::Key_A);
  QCOMPARE(ReadBytes(Path()), file + "?a\r\n");
  QVERIFY(Notice(window).contains(typed));

  QTest::keyClick(text, Qt::Key_Backspace);
  QTest::keyClick(text, Qt::Key_Backspace);
  QCOMPARE(ReadBytes(Path()), file + "\r\n");
  QCOMPARE(Notice(window), QString());
}

// Another program saves Beam.sma, by rename or in place, while the window is
// open. The window offers its text; until the engineer chooses, keystrokes
// save nothing, also one typed before the change was noticed. "&Analyse"
// then asks which text to analyse. Afterwards every edit saves again.
void InputWindowTest::outsideChangeIsOfferedAndNeverOverwritten_data() {
  QTest::addColumn<bool>("by_rename");
  QTest::addColumn<bool>("typed_at_once");
  QTest::addColumn<QString>("answer");  // in the offer, or in the question of "&Analyse"
  QTest::addColumn<bool>("analyse");
  QTest::addColumn<bool>("file_wins");
  QTest::newRow("rename, load it") << true << false << "&Load the new text" << false << true;
  QTest::newRow("in place, keep this text") << false << false << "&Keep this text" << false << false;
  QTest::newRow("typed before noticed") << true << true << "&Load the new text" << false << true;
  QTest::newRow("Analyse, the file's") << true << false << "The &file's" << true << true;
  QTest::newRow("Analyse, this window's") << false << true << "This &window's" << true << false;
}

void InputWindowTest::outsideChangeIsOfferedAndNeverOverwritten() {
  QFETCH(bool, by_rename);
  QFETCH(bool, typed_at_once);
  QFETCH(QString, answer);
  QFETCH(bool, analyse);
  QFETCH(bool, file_wins);
  WriteBytes(Path(), ExampleBytes());
  InputWindow window(folder_->path());
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
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
    QVERIFY(ReadBytes(folder_->filePath("Beam.txt")).size() > 0);
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

void InputWindowTest::helpOpensOnF1AndTheButton() {
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
  const QByteArray format = ReadBytes(QStringLiteral(SPANWISE_SOURCE_DIR "/docs/input-format.md"));
  QVERIFY(!format.isEmpty());
  QVERIFY(ReadBytes(QStringLiteral(SPANWISE_SOURCE_DIR "/README.md")).contains(format));
  QVERIFY(help->toPlainText().contains(QStringLiteral("2, 2, 6, 6, 0, 0, uniform load on span 2")));
}
QTEST_MAIN(InputWindowTest)
#include "tst_input_window.moc"
