#include "ui/ReportWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>

#include "ui/Fonts.h"
#include "ui/InputFile.h"
#include "ui/Twips.h"

namespace spanwise::ui {
namespace {

constexpr QSize kClient = TwipSize(5640, 3450);
constexpr QRect kText = TwipRect(0, 0, 5535, 3375);

}  // namespace

ReportWindow::ReportWindow(const QString& report_path, QWidget* owner)
    : QWidget(owner, Qt::Window), text_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("results"));
  setAttribute(Qt::WA_DeleteOnClose);
  text_->setObjectName(QStringLiteral("Text1"));
  text_->setFont(SerifFont(11.25, QFont::Bold));
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Users may scribble in the box; nothing is saved, so no undo history is
  // kept either, which also makes a long report load faster.
  text_->setUndoRedoEnabled(false);
  QFile file(report_path);
  if (file.open(QIODevice::ReadOnly)) {
    text_->setPlainText(ToBoxText(file.readAll()));
  } else {
    text_->setPlaceholderText(QStringLiteral("Could not read %1: %2")
                                  .arg(QFileInfo(report_path).fileName(), file.errorString()));
  }
  resize(kClient);
}

void ReportWindow::resizeEvent(QResizeEvent* /*event*/) {
  text_->setGeometry(kText.adjusted(0, 0, width() - kClient.width(), height() - kClient.height()));
}

}  // namespace spanwise::ui
