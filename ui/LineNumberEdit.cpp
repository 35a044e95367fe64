#include "ui/LineNumberEdit.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

namespace spanwise::ui {
namespace {

// The gutter only paints; the text box owns the numbers.
class Gutter : public QWidget {
 public:
  explicit Gutter(LineNumberEdit* edit) : QWidget(edit), edit_(edit) {}
  QSize sizeHint() const override { return {edit_->GutterWidth(), 0}; }

 protected:
  void paintEvent(QPaintEvent* event) override { edit_->PaintGutter(event); }

 private:
  LineNumberEdit* edit_;
};

constexpr int kGutterPadding = 3;

}  // namespace

LineNumberEdit::LineNumberEdit(QWidget* parent)
    : QPlainTextEdit(parent), gutter_(new Gutter(this)) {
  connect(this, &QPlainTextEdit::blockCountChanged, this, &LineNumberEdit::UpdateGutterWidth);
  connect(this, &QPlainTextEdit::updateRequest, this, &LineNumberEdit::UpdateGutter);
  connect(this, &QPlainTextEdit::textChanged, this, &LineNumberEdit::ClearMark);
  UpdateGutterWidth();
}

int LineNumberEdit::GutterWidth() const {
  const int digits = QString::number(qMax(1, blockCount())).size();
  return 2 * kGutterPadding + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void LineNumberEdit::UpdateGutterWidth() { setViewportMargins(GutterWidth(), 0, 0, 0); }

void LineNumberEdit::UpdateGutter(const QRect& rect, int dy) {
  if (dy != 0) {
    gutter_->scroll(0, dy);
  } else {
    gutter_->update(0, rect.y(), gutter_->width(), rect.height());
  }
  if (rect.contains(viewport()->rect())) UpdateGutterWidth();
}

void LineNumberEdit::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  const QRect area = contentsRect();
  gutter_->setGeometry(area.left(), area.top(), GutterWidth(), area.height());
}

void LineNumberEdit::PaintGutter(QPaintEvent* event) {
  QPainter painter(gutter_);
  painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
  painter.setPen(palette().color(QPalette::PlaceholderText));
  QTextBlock block = firstVisibleBlock();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  while (block.isValid() && top <= event->rect().bottom()) {
    const int bottom = top + qRound(blockBoundingRect(block).height());
    if (block.isVisible() && bottom >= event->rect().top()) {
      painter.drawText(0, top, gutter_->width() - kGutterPadding, fontMetrics().height(),
                       Qt::AlignRight, QString::number(block.blockNumber() + 1));
    }
    block = block.next();
    top = bottom;
  }
}

void LineNumberEdit::MarkLine(int line) {
  const QTextBlock block = document()->findBlockByNumber(qMin(line, blockCount()) - 1);
  if (!block.isValid()) return;
  QTextCursor cursor(block);
  setTextCursor(cursor);
  centerCursor();

  QTextEdit::ExtraSelection mark;
  mark.format.setBackground(QColor(255, 215, 215));
  mark.format.setProperty(QTextFormat::FullWidthSelection, true);
  mark.cursor = cursor;
  setExtraSelections({mark});
  marked_line_ = block.blockNumber() + 1;
}

void LineNumberEdit::ClearMark() {
  if (marked_line_ == 0) return;
  setExtraSelections({});
  marked_line_ = 0;
}

}  // namespace spanwise::ui
