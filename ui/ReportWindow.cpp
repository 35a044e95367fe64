#include "ui/ReportWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

#include "ui/Fonts.h"
#include "ui/InputFile.h"
#include "ui/StaleBanner.h"
#include "ui/Twips.h"

namespace spanwise::ui {
namespace {

constexpr QSize kClient = TwipSize(5640, 3450);
constexpr QSize kText = TwipSize(5535, 3375);

// Bytes the box gets before the window is first drawn: a few screenfuls.
constexpr qsizetype kFirstPiece = 16 * 1024;
// Bytes per turn of the event loop afterwards: some 20 ms of work, short
// enough that scrolling and typing stay smooth while the box fills.
constexpr qsizetype kPiece = 128 * 1024;

// The end of the piece that starts at from: just after the first line feed
// at or beyond from + size, or the end of the file. Cutting after a line
// feed keeps every CR LF and every UTF-8 sequence whole, so the pieces
// converted one by one give exactly the text of the whole file converted.
qsizetype PieceEnd(const QByteArray& file, qsizetype from, qsizetype size) {
  const qsizetype end = from + size;
  if (end >= file.size()) return file.size();
  const qsizetype feed = file.indexOf('\n', end - 1);
  return feed < 0 ? file.size() : feed + 1;
}

}  // namespace

ReportWindow::ReportWindow(const QString& report_path, QWidget* owner,
                           const std::string& shown_loads)
    : QWidget(owner, Qt::Window), text_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("results"));
  setAttribute(Qt::WA_DeleteOnClose);
  text_->setObjectName(QStringLiteral("Text1"));
  text_->setFont(SerifFont(11.25, QFont::Bold));
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Read-only, so the box always shows the report as written, but the
  // engineer can still select and copy from it.
  text_->setReadOnly(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setUndoRedoEnabled(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, kClient.width() - kText.width(),
                             kClient.height() - kText.height());
  layout->setSpacing(0);
  layout->addWidget(MakeStaleBanner(this));
  layout->addWidget(MakeShownLoadsLine(this, shown_loads));
  layout->addWidget(text_, 1);
  QFile file(report_path);
  if (file.open(QIODevice::ReadOnly)) {
    file_ = file.readAll();
    // The report repeats the input's labels, Latin-1 ones too.
    encoding_ = EncodingOf(file_) == Encoding::kLatin1 ? Encoding::kLatin1 : Encoding::kUtf8;
    next_ = PieceEnd(file_, 0, kFirstPiece);
    text_->setPlainText(ToBoxText(file_.first(next_), encoding_));
  } else {
    text_->setPlaceholderText(QStringLiteral("Could not read %1: %2")
                                  .arg(QFileInfo(report_path).fileName(), file.errorString()));
  }
  filler_.setInterval(0);
  connect(&filler_, &QTimer::timeout, this, &ReportWindow::AppendPiece);
  if (isLoading()) filler_.start();
  resize(kClient);
}

void ReportWindow::AppendPiece() {
  const qsizetype end = PieceEnd(file_, next_, kPiece);
  // At the document's end; the box's own cursor, selection and scroll
  // position stay where they are.
  QTextCursor at_end(text_->document());
  at_end.movePosition(QTextCursor::End);
  at_end.insertText(ToBoxText(file_.sliced(next_, end - next_), encoding_));
  next_ = end;
  if (isLoading()) return;
  filler_.stop();
  file_.clear();
  next_ = 0;
  emit loaded();
}

}  // namespace spanwise::ui
