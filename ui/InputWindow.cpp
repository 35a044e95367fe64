#include "ui/InputWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTextDocument>
#include <QVBoxLayout>

#include "run/AnalysisRun.h"
#include "ui/AnalysisTask.h"
#include "ui/BeamPane.h"
#include "ui/BeamWindow.h"
#include "ui/ErrorBox.h"
#include "ui/Fonts.h"
#include "ui/HelpWindow.h"
#include "ui/InputFile.h"
#include "ui/LineNumberEdit.h"
#include "ui/StaleBanner.h"
#include "ui/Twips.h"

namespace spanwise::ui {
namespace {

constexpr QSize kClient = TwipSize(6690, 3525);
constexpr QRect kText = TwipRect(120, 120, 6495, 3015);
constexpr QRect kAnalyse = TwipRect(1260, 3255, 855, 255);
constexpr QRect kHelp = TwipRect(3045, 3255, 1950, 240);

// How long an outside save may take between the first sign of it and the
// look at the file.
constexpr int kSettleMs = 150;

// The client area: the text box grows with the window, the buttons keep
// their distance from its bottom edge.
class Panel : public QWidget {
 public:
  Panel(QWidget* text, QWidget* analyse, QWidget* help)
      : text_(text), analyse_(analyse), help_(help) {
    for (QWidget* child : {text, analyse, help}) child->setParent(this);
    setMinimumSize(kClient);
  }
  QSize sizeHint() const override { return kClient; }

 protected:
  void resizeEvent(QResizeEvent* /*event*/) override {
    const QSize grow = size() - kClient;
    text_->setGeometry(kText.adjusted(0, 0, grow.width(), grow.height()));
    analyse_->setGeometry(kAnalyse.translated(0, grow.height()));
    help_->setGeometry(kHelp.translated(0, grow.height()));
  }

 private:
  QWidget* text_;
  QWidget* analyse_;
  QWidget* help_;
};

std::string NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString QtPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

// The box's text as typed. toPlainText() would turn a no-break space into a
// blank, changing a label's bytes with every save.
QString BoxText(const QPlainTextEdit* box) {
  QString text = box->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return text;
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

InputWindow::InputWindow(const QString& folder, QWidget* parent)
    : QMainWindow(parent),
      folder_(folder),
      text_(new LineNumberEdit),
      analyse_(new QPushButton(QStringLiteral("&Analyse"))),
      help_(new QPushButton(QStringLiteral("&Help"))),
      folder_label_(new QLabel(QDir::toNativeSeparators(folder))),
      notice_label_(new QLabel),
      beam_pane_(new BeamPane),
      results_(this) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Input Data"));
  BuildControls();
  Load();
  // Connected only now: filling the box at start-up writes nothing.
  connect(text_, &QPlainTextEdit::textChanged, this, &InputWindow::Edited);
  // A save by rename replaces the file, and the watch on it ends; the watch
  // on the folder sees the new one.
  watcher_.addPath(folder_);
  watcher_.addPath(inputPath());
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMs);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_, qOverload<>(&QTimer::start));
  connect(&settle_, &QTimer::timeout, this, &InputWindow::LookForOutsideChange);
  // The beam as typed, in a pane below the text.
  auto* dock = new QDockWidget(QStringLiteral("Beam"), this);
  dock->setObjectName(QStringLiteral("BeamDock"));
  dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
  dock->setTitleBarWidget(new QWidget);  // the pane's "&Beam" button names it
  dock->setWidget(beam_pane_);
  addDockWidget(Qt::BottomDockWidgetArea, dock);
  beam_pane_->showText(ToFileBytes(BoxText(text_), encoding_));
  connect(text_, &QPlainTextEdit::textChanged, this,
          [this] { beam_pane_->scheduleText(ToFileBytes(BoxText(text_), encoding_)); });
  connect(beam_pane_, &BeamPane::beamRequested, this, [this] {
    if (!results_.ShowBeam()) Analyse();
  });
}

QString InputWindow::inputPath() const { return folder_ + QStringLiteral("/Beam.sma"); }

void InputWindow::BuildControls() {
  text_->setObjectName(QStringLiteral("Text1"));
  text_->setFont(SansFont(9.75));
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  analyse_->setObjectName(QStringLiteral("Command1"));
  help_->setObjectName(QStringLiteral("Command2"));
  for (QPushButton* button : {analyse_, help_}) button->setFont(SansFont(8.25));
  connect(analyse_, &QPushButton::clicked, this, &InputWindow::Analyse);
  connect(help_, &QPushButton::clicked, this, &InputWindow::ShowHelp);
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  f1->setContext(Qt::ApplicationShortcut);
  connect(f1, &QShortcut::activated, this, &InputWindow::ShowHelp);
  setCentralWidget(new Panel(text_, analyse_, help_));
  // The status line: a notice, when there is one, above the folder's path.
  // The path stays in view with a notice: a failed save is exactly when the
  // engineer needs to know which folder is at fault. Long texts are clipped
  // rather than widening the window; the tool tip holds them whole.
  auto* status = new QWidget;
  auto* lines = new QVBoxLayout(status);
  lines->setContentsMargins(0, 0, 0, 0);
  lines->setSpacing(0);
  for (QLabel* label : {notice_label_, folder_label_}) {
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lines->addWidget(label);
  }
  folder_label_->setObjectName(QStringLiteral("Folder"));
  folder_label_->setToolTip(folder_label_->text());
  notice_label_->setObjectName(QStringLiteral("Notice"));
  notice_label_->hide();
  statusBar()->addWidget(status, 1);
  statusBar()->setSizeGripEnabled(true);
  text_->setFocus();
}

void InputWindow::Load() {
  const InputLoad load = LoadInputFile(inputPath());
  switch (load.state) {
    case InputLoad::State::kLoaded:
      encoding_ = load.encoding;
      Remember(ReadFile(inputPath()));
      text_->setPlainText(load.text);
      break;
    case InputLoad::State::kMissing:
      WriteExample();
      break;
    case InputLoad::State::kUnreadable:
      ShowNotice(QStringLiteral("Could not read Beam.sma: %1").arg(load.error));
      break;
  }
}

// A first start gets the bundled example, so the first "&Analyse" works.
void InputWindow::WriteExample() {
  QFile example(QStringLiteral(":/Beam.sma"));
  example.open(QIODevice::ReadOnly);
  const QByteArray bytes = example.readAll();
  encoding_ = EncodingOf(bytes);
  const QString error = SaveAtomically(inputPath(), bytes);
  if (error.isEmpty()) {
    Remember(bytes);
    ShowNotice(QStringLiteral("Beam.sma holds an example beam: press F1 for help on its format."),
               false);
  } else {
    ShowNotice(QStringLiteral("Could not save Beam.sma: %1").arg(error));
  }
  text_->setPlainText(ToBoxText(bytes, encoding_));
}

void InputWindow::Remember(const QByteArray& bytes) {
  known_bytes_ = bytes;
  known_stamp_ = StampOf(inputPath());
}

void InputWindow::Edited() {
  if (filling_) return;
  Save();
  results_.MarkStale(kInputChangedBanner);
}

// Every edit saves, unless another program has changed the file since this
// window last read or wrote it: then the engineer decides first.
void InputWindow::Save() {
  saved_ = false;
  if (!offer_ && ChangedOutside()) OfferOutsideText();
  if (offer_) {
    ShowNotice(
        QStringLiteral("Not saved: Beam.sma was changed by another program. Load its "
                       "text or keep this one first."));
    return;
  }
  Write();
}

void InputWindow::Write() {
  const QString text = BoxText(text_);
  const QByteArray bytes = ToFileBytes(text, encoding_);
  const QString error = SaveAtomically(inputPath(), bytes);
  saved_ = error.isEmpty();
  if (saved_) Remember(bytes);
  watcher_.addPath(inputPath());  // the new file, after a save by rename
  const QString lost = encoding_ == Encoding::kLatin1 ? LostInLatin1(text) : QString();
  if (!saved_) {
    ShowNotice(QStringLiteral("Could not save Beam.sma: %1").arg(error));
  } else if (!lost.isEmpty()) {
    // Saving the file as UTF-8 instead would change the bytes of every
    // Latin-1 label in it.
    ShowNotice(
        QStringLiteral("Beam.sma is Latin-1 text, which has no \u201C%1\u201D: it is saved as ?")
            .arg(lost));
  } else {
    ShowNotice({});
  }
}

// True when Beam.sma holds other bytes than this window last read or wrote.
// A file that is gone is no change to offer: the next save writes it anew.
bool InputWindow::ChangedOutside() {
  const FileStamp now = StampOf(inputPath());
  if (!now.exists || now == known_stamp_) return false;
  if (ReadFile(inputPath()) != known_bytes_) return true;
  known_stamp_ = now;  // touched or rewritten alike
  return false;
}

void InputWindow::LookForOutsideChange() {
  watcher_.addPath(inputPath());
  if (!offer_ && ChangedOutside()) OfferOutsideText();
}

void InputWindow::OfferOutsideText() {
  offer_ = new QMessageBox(QMessageBox::Question, QStringLiteral("Beam.sma changed"),
                           QStringLiteral("Another program has changed Beam.sma."),
                           QMessageBox::NoButton, this);
  offer_->setObjectName(QStringLiteral("OutsideChange"));
  offer_->setInformativeText(
      QStringLiteral("Load its text into this window, or keep the text shown here and save it "
                     "over the change? Until you choose, edits here are not saved."));
  QPushButton* load =
      offer_->addButton(QStringLiteral("&Load the new text"), QMessageBox::AcceptRole);
  offer_->addButton(QStringLiteral("&Keep this text"), QMessageBox::RejectRole);
  offer_->setDefaultButton(load);
  offer_->setAttribute(Qt::WA_DeleteOnClose);
  offer_->setModal(false);
  connect(offer_, &QMessageBox::buttonClicked, this, [this, load](QAbstractButton* button) {
    if (button == load) {
      LoadOutsideText();
    } else {
      KeepWindowText();
    }
  });
  offer_->show();
}

// Closed boxes are deleted later; from now on there is no offer.
void InputWindow::CloseOffer() {
  if (offer_) offer_->close();
  offer_ = nullptr;
}

void InputWindow::LoadOutsideText() {
  CloseOffer();
  if (!StampOf(inputPath()).exists) {  // gone meanwhile: nothing to load, keep the window's
    Write();
    return;
  }
  const QByteArray bytes = ReadFile(inputPath());
  encoding_ = EncodingOf(bytes);
  Remember(bytes);
  filling_ = true;
  text_->setPlainText(ToBoxText(bytes, encoding_));
  filling_ = false;
  saved_ = true;
  ShowNotice({});
  results_.MarkStale(kInputChangedBanner);
}

void InputWindow::KeepWindowText() {
  CloseOffer();
  Write();
}

// With an outside change not yet settled: which text to analyse? False
// when the engineer cancels.
bool InputWindow::ChooseTextToAnalyse() {
  QMessageBox ask(QMessageBox::Question, QStringLiteral("Which text?"),
                  QStringLiteral("Another program has changed Beam.sma. Which text should be "
                                 "analysed?"),
                  QMessageBox::Cancel, this);
  ask.setObjectName(QStringLiteral("WhichText"));
  QPushButton* window = ask.addButton(QStringLiteral("This &window's"), QMessageBox::AcceptRole);
  QPushButton* file = ask.addButton(QStringLiteral("The &file's"), QMessageBox::AcceptRole);
  ask.setDefaultButton(window);
  ask.exec();
  if (ask.clickedButton() == window) {
    KeepWindowText();
  } else if (ask.clickedButton() == file) {
    LoadOutsideText();
  } else {
    return false;
  }
  return true;
}

void InputWindow::ShowNotice(const QString& notice, bool warning) {
  QPalette colours = palette();
  if (warning) colours.setColor(QPalette::WindowText, QColor(170, 0, 0));
  notice_label_->setPalette(colours);
  notice_label_->setText(notice);
  notice_label_->setToolTip(notice);
  notice_label_->setVisible(!notice.isEmpty());
}

QString InputWindow::notice() const { return notice_label_->text(); }

// The run reads the file, not the box: the file must hold what the window
// shows, or nothing is analysed.
void InputWindow::Analyse() {
  if (!offer_ && ChangedOutside()) OfferOutsideText();
  if (offer_ && !ChooseTextToAnalyse()) return;
  if (!saved_) Write();
  if (!saved_) {
    QMessageBox::warning(this, QStringLiteral("Not analysed"),
                         QStringLiteral("%1\nThe analysis was not started: it would have read "
                                        "an older Beam.sma than the text shown.")
                             .arg(notice()));
    return;
  }
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  RunOptions options;
  options.keep_design = true;
  const RunOutcome outcome = AnalyseWithProgress(NativePath(inputPath()), options, this);
  QGuiApplication::restoreOverrideCursor();
  if (outcome.fault == RunFault::kCancelled) return;  // the old results stay
  if (!outcome.ok) {
    results_.MarkStale(kAnalysisFailedBanner);
    ShowRunFault(this, outcome, inputPath());
    if (outcome.line > 0) {
      text_->setFocus();
      text_->MarkLine(outcome.line);
    }
  } else {
    results_.Refresh(QtPath(outcome.report_path), QtPath(outcome.bm_path), QtPath(outcome.sf_path),
                     outcome.design);
    results_.RefreshBeam(
        outcome.design ? outcome.design : BeamOnly(ToFileBytes(BoxText(text_), encoding_)),
        QtPath(outcome.report_path), QtPath(outcome.design_path));
  }
  ShowRunWarnings(this, outcome);
}

void InputWindow::ShowHelp() {
  if (!help_window_) help_window_ = new HelpWindow(this);
  help_window_->show();
  help_window_->raise();
  help_window_->activateWindow();
}

void InputWindow::closeEvent(QCloseEvent* event) {
  results_.CloseAll();
  event->accept();
  QCoreApplication::quit();
}

}  // namespace spanwise::ui
