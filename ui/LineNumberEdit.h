// A plain text box with the line numbers in a narrow gutter at its left edge,
// so that a line an error message names can be found at a glance. It can
// mark one line until the next edit.
#pragma once

#include <QPlainTextEdit>

namespace spanwise::ui {

class LineNumberEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit LineNumberEdit(QWidget* parent = nullptr);

  // Puts the cursor at the start of the 1-based line (the last one when there
  // are fewer), scrolls it into view and marks it. The text is not touched.
  void MarkLine(int line);
  // The marked line, 0 when none.
  int markedLine() const { return marked_line_; }

  int GutterWidth() const;
  void PaintGutter(QPaintEvent* event);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateGutterWidth();
  void UpdateGutter(const QRect& rect, int dy);
  void ClearMark();

  QWidget* gutter_;
  int marked_line_ = 0;
};

}  // namespace spanwise::ui
