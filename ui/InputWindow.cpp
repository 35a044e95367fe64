#include "ui/InputWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "run/AnalysisRun.h"
#include "ui/AnalysisTask.h"
#include "ui/ErrorBox.h"
#include "ui/Fonts.h"
#include "ui/InputFile.h"
#include "ui/LineNumberEdit.h"
#include "ui/Twips.h"

namespace spanwise::ui {
namespace {

constexpr QSize kClient = TwipSize(6690, 3525);
constexpr QRect kText = TwipRect(120, 120, 6495, 3015);
constexpr QRect kAnalyse = TwipRect(1260, 3255, 855, 255);
constexpr QRect kHome = TwipRect(3045, 3255, 1950, 240);

const char* const kHomePage = "https://quillmore.example/";

// The client area: the text box grows with the window, the buttons keep
// their distance from its bottom edge.
class Panel : public QWidget {
 public:
  Panel(QWidget* text, QWidget* analyse, QWidget* home)
      : text_(text), analyse_(analyse), home_(home) {
    for (QWidget* child : {text, analyse, home}) child->setParent(this);
    setMinimumSize(kClient);
  }
  QSize sizeHint() const override { return kClient; }

 protected:
  void resizeEvent(QResizeEvent* /*event*/) override {
    const QSize grow = size() - kClient;
    text_->setGeometry(kText.adjusted(0, 0, grow.width(), grow.height()));
    analyse_->setGeometry(kAnalyse.translated(0, grow.height()));
    home_->setGeometry(kHome.translated(0, grow.height()));
  }

 private:
  QWidget* text_;
  QWidget* analyse_;
  QWidget* home_;
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

}  // namespace

InputWindow::InputWindow(const QString& folder, QWidget* parent)
    : QMainWindow(parent),
      folder_(folder),
      text_(new LineNumberEdit),
      analyse_(new QPushButton(QStringLiteral("&Analyse"))),
      home_(new QPushButton(QStringLiteral("Quillmore Homepage"))),
      folder_label_(new QLabel(QDir::toNativeSeparators(folder))),
      notice_label_(new QLabel),
      results_(this) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Input Data"));
  BuildControls();
  Load();
  // Connected only now: filling the box at start-up writes nothing.
  connect(text_, &QPlainTextEdit::textChanged, this, &InputWindow::Save);
}

QString InputWindow::inputPath() const { return folder_ + QStringLiteral("/Beam.sma"); }

void InputWindow::BuildControls() {
  text_->setObjectName(QStringLiteral("Text1"));
  text_->setFont(SansFont(9.75));
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  analyse_->setObjectName(QStringLiteral("Command1"));
  home_->setObjectName(QStringLiteral("Command2"));
  for (QPushButton* button : {analyse_, home_}) button->setFont(SansFont(8.25));
  connect(analyse_, &QPushButton::clicked, this, &InputWindow::Analyse);
  connect(home_, &QPushButton::clicked, this, &InputWindow::OpenHomePage);
  setCentralWidget(new Panel(text_, analyse_, home_));
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
  QPalette warning = notice_label_->palette();
  warning.setColor(QPalette::WindowText, QColor(170, 0, 0));
  notice_label_->setPalette(warning);
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
  if (!error.isEmpty()) ShowNotice(QStringLiteral("Could not save Beam.sma: %1").arg(error));
  text_->setPlainText(ToBoxText(bytes, encoding_));
}

void InputWindow::Save() {
  const QString text = BoxText(text_);
  const QString error = SaveAtomically(inputPath(), ToFileBytes(text, encoding_));
  saved_ = error.isEmpty();
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

void InputWindow::ShowNotice(const QString& notice) {
  notice_label_->setText(notice);
  notice_label_->setToolTip(notice);
  notice_label_->setVisible(!notice.isEmpty());
}

QString InputWindow::notice() const { return notice_label_->text(); }

void InputWindow::Analyse() {
  if (!saved_) Save();  // the run reads the file, not the box
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const RunOutcome outcome = AnalyseWithProgress(NativePath(inputPath()), this);
  QGuiApplication::restoreOverrideCursor();
  if (outcome.fault == RunFault::kCancelled) return;  // the old results stay
  if (!outcome.ok) {
    ShowDataError(this, QString::fromStdString(outcome.reason));
    if (outcome.line > 0) {
      text_->setFocus();
      text_->MarkLine(outcome.line);
    }
    return;
  }
  results_.Refresh(QtPath(outcome.report_path), QtPath(outcome.bm_path), QtPath(outcome.sf_path));
}

void InputWindow::OpenHomePage() {
  QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePage)));  // a failure is ignored
}

void InputWindow::closeEvent(QCloseEvent* event) {
  results_.CloseAll();
  event->accept();
  QCoreApplication::quit();
}

}  // namespace spanwise::ui
