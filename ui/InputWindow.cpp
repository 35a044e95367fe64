#include "ui/InputWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "design/DesignStage.h"
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

QString Name(const QString& path) { return QFileInfo(path).fileName(); }

bool IsInputFile(const QString& path) { return path.endsWith(".sma", Qt::CaseInsensitive); }

// The input whose results the folder holds, as its Design.txt names it;
// empty when it holds none.
QString ResultsOf(const QString& folder) {
  QFile design(folder + QStringLiteral("/Design.txt"));
  if (!design.open(QIODevice::ReadOnly)) return {};
  const QByteArray line = design.readLine(4096).trimmed();
  return QFile::decodeName(QByteArray::fromStdString(DesignFileInput(line.toStdString())));
}

// The one local .sma file that mime carries; empty when it carries other things.
QString DroppedInput(const QMimeData* mime) {
  const QList<QUrl> urls = mime->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
  const QString path = urls.front().toLocalFile();
  return IsInputFile(path) ? path : QString();
}

constexpr int kRecentFiles = 10;
constexpr const char* kFilter = "Beam input (*.sma);;All files (*)";

}  // namespace

InputWindow::InputWindow(const QString& folder, const QString& file, QWidget* parent)
    : QMainWindow(parent),
      folder_(folder),
      path_(file.isEmpty() ? folder + QStringLiteral("/Beam.sma") : file),
      text_(new LineNumberEdit),
      analyse_(new QPushButton(QStringLiteral("&Analyse"))),
      help_(new QPushButton(QStringLiteral("&Help"))),
      folder_label_(new QLabel),
      notice_label_(new QLabel),
      beam_pane_(new BeamPane),
      results_(this) {
  setObjectName(QStringLiteral("Form1"));
  BuildControls();
  BuildMenu();
  // Filling the box (filling_) writes nothing.
  connect(text_, &QPlainTextEdit::textChanged, this, &InputWindow::Edited);
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
  connect(text_, &QPlainTextEdit::textChanged, this,
          [this] { beam_pane_->scheduleText(ToFileBytes(BoxText(text_), encoding_)); });
  connect(beam_pane_, &BeamPane::beamRequested, this, [this] {
    if (!results_.ShowBeam()) Analyse();
  });
  setAcceptDrops(true);
  text_->viewport()->installEventFilter(this);  // a dropped file is opened, not typed
  Open(path_, !file.isEmpty());
}

void InputWindow::BuildMenu() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("&New..."), QKeySequence::New, this, &InputWindow::NewFile);
  file->addAction(QStringLiteral("&Open..."), QKeySequence::Open, this, [this] {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open"),
                                                      QFileInfo(path_).absolutePath(), kFilter);
    if (!path.isEmpty()) openFile(path);
  });
  file->addAction(QStringLiteral("Save &As..."), QKeySequence::SaveAs, this, [this] {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save As"), path_, kFilter);
    if (!path.isEmpty()) saveAs(path);
  });
  QMenu* recent = file->addMenu(QStringLiteral("&Recent"));
  recent->setObjectName(QStringLiteral("Recent"));
  connect(recent, &QMenu::aboutToShow, this, [this, recent] {
    recent->clear();
    for (const QString& path : recentFiles())
      recent->addAction(QDir::toNativeSeparators(path), this, [this, path] { openFile(path); });
  });
  file->addSeparator();
  file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, &QWidget::close);
}

// path's text in the box, and the folder's results when asked for and they
// are path's own.
void InputWindow::Open(const QString& path, bool show_results) {
  CloseOffer();
  results_.CloseAll();
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
  path_ = QFileInfo(path).absoluteFilePath();
  ShowNotice({});
  filling_ = true;
  Load();
  filling_ = false;
  saved_ = true;
  // A save by rename replaces the file, and the watch on it ends; the watch
  // on the folder sees the new one.
  watcher_.addPath(QFileInfo(path_).absolutePath());
  watcher_.addPath(path_);
  beam_pane_->showText(ToFileBytes(BoxText(text_), encoding_));
  setWindowTitle(QStringLiteral("Input Data \u2013 %1").arg(Name(path_)));
  results_.SetInput(Name(path_));
  QSettings settings;
  QStringList recent = recentFiles();
  recent.removeAll(path_);
  recent.prepend(path_);
  settings.setValue(QStringLiteral("recentFiles"), recent.mid(0, kRecentFiles));
  ShowFolderResults(show_results);
}

// The folder line names the folder and, when its results are another
// input's, says so; show: the results of path_ in their windows.
void InputWindow::ShowFolderResults(bool show) {
  const QString folder = QFileInfo(path_).absolutePath();
  const QString of = ResultsOf(folder);
  QString line = QDir::toNativeSeparators(folder);
  if (!of.isEmpty() && of != Name(path_))
    line += QStringLiteral(
                "   The results in this folder are of %1; analysing this file replaces "
                "them")
                .arg(of);
  folder_label_->setText(line);
  folder_label_->setToolTip(line);
  if (!show || of != Name(path_)) return;
  const std::shared_ptr<const DesignValues> beam = BeamOnly(ReadFile(path_));
  results_.Refresh(path_.chopped(3) + QStringLiteral("txt"), folder + QStringLiteral("/BM.TXT"),
                   folder + QStringLiteral("/SF.TXT"), nullptr, beam ? beam->model.units : Units{});
  if (StampOf(folder + QStringLiteral("/Design.txt")).modified_ns < StampOf(path_).modified_ns)
    results_.MarkStale(kInputChangedBanner);
}

QStringList InputWindow::recentFiles() {
  return QSettings().value(QStringLiteral("recentFiles")).toStringList();
}

bool InputWindow::openFile(const QString& path) {
  const InputLoad load = LoadInputFile(path);
  if (!IsInputFile(path) || load.state != InputLoad::State::kLoaded) {
    QMessageBox::warning(this, QStringLiteral("Not opened"),
                         QStringLiteral("Could not open %1: %2")
                             .arg(QDir::toNativeSeparators(path),
                                  !IsInputFile(path)                         ? "it is no .sma file"
                                  : load.state == InputLoad::State::kMissing ? "it does not exist"
                                                                             : load.error));
    return false;
  }
  if (!saved_ &&
      QMessageBox::question(this, QStringLiteral("Not saved"),
                            QStringLiteral("The text shown is not saved in %1. Open %2 and lose "
                                           "it?")
                                .arg(Name(path_), Name(path))) != QMessageBox::Yes)
    return false;
  Open(path, true);
  return true;
}

// The results in path's folder are another input's: analysing path there
// would replace them, so the engineer says first.
bool InputWindow::MayReplaceResults(const QString& path) {
  const QString of = ResultsOf(QFileInfo(path).absolutePath());
  if (of.isEmpty() || of == Name(path)) return true;
  return QMessageBox::question(
             this, QStringLiteral("Another model's results"),
             QStringLiteral("The folder %1 holds the results of %2. Analysing %3 there replaces "
                            "them. Save %3 there?")
                 .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()), of, Name(path)),
             QMessageBox::Save | QMessageBox::Cancel) == QMessageBox::Save;
}

bool InputWindow::saveAs(QString path) {
  if (!IsInputFile(path)) path += QStringLiteral(".sma");
  if (!MayReplaceResults(path)) return false;
  const QString error = SaveAtomically(path, ToFileBytes(BoxText(text_), encoding_));
  if (!error.isEmpty()) {
    QMessageBox::warning(this, QStringLiteral("Not saved"),
                         QStringLiteral("Could not save %1: %2").arg(path, error));
    return false;
  }
  Open(path, true);
  return true;
}

// A new, empty input file where the engineer chooses.
void InputWindow::NewFile() {
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("New"),
                                              QFileInfo(path_).absolutePath(), kFilter);
  if (path.isEmpty()) return;
  if (!IsInputFile(path)) path += QStringLiteral(".sma");
  if (!MayReplaceResults(path)) return;
  const QString error = SaveAtomically(path, ToFileBytes({}));
  if (!error.isEmpty()) {
    QMessageBox::warning(this, QStringLiteral("Not created"),
                         QStringLiteral("Could not create %1: %2").arg(path, error));
    return;
  }
  Open(path, true);
}

void InputWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedInput(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

// Opened once the drop is over: opening may ask first.
void InputWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedInput(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

bool InputWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool drag = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
                    event->type() == QEvent::Drop;
  if (watched != text_->viewport() || !drag ||
      DroppedInput(static_cast<QDropEvent*>(event)->mimeData()).isEmpty())
    return QMainWindow::eventFilter(watched, event);
  if (event->type() == QEvent::Drop) {
    dropEvent(static_cast<QDropEvent*>(event));
  } else {
    static_cast<QDropEvent*>(event)->acceptProposedAction();
  }
  return true;
}

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
      ShowNotice(QStringLiteral("Could not read %1: %2").arg(Name(path_), load.error));
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
    ShowNotice(QStringLiteral("%1 holds an example beam: press F1 for help on its format.")
                   .arg(Name(path_)),
               false);
  } else {
    ShowNotice(QStringLiteral("Could not save %1: %2").arg(Name(path_), error));
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
    ShowNotice(QStringLiteral("Not saved: %1 was changed by another program. Load its "
                              "text or keep this one first.")
                   .arg(Name(path_)));
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
    ShowNotice(QStringLiteral("Could not save %1: %2").arg(Name(path_), error));
  } else if (!lost.isEmpty()) {
    // Saving the file as UTF-8 instead would change the bytes of every
    // Latin-1 label in it.
    ShowNotice(QStringLiteral("%1 is Latin-1 text, which has no \u201C%2\u201D: it is saved as ?")
                   .arg(Name(path_), lost));
  } else {
    ShowNotice({});
  }
}

// True when the file holds other bytes than this window last read or wrote.
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
  offer_ = new QMessageBox(QMessageBox::Question, QStringLiteral("%1 changed").arg(Name(path_)),
                           QStringLiteral("Another program has changed %1.").arg(Name(path_)),
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
                  QStringLiteral("Another program has changed %1. Which text should be "
                                 "analysed?")
                      .arg(Name(path_)),
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
                                        "an older %2 than the text shown.")
                             .arg(notice(), Name(path_)));
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
    ShowFolderResults(false);  // the folder's results are now this file's
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
