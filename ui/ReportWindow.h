// Form2, "results": the report Beam.txt as read-only, selectable text. Its content is fixed when it
// is created; the next analysis replaces the whole window.
//
// A long beam's report runs to megabytes, and filling a text box with all of
// it at once keeps the window blank for seconds. The box therefore gets the
// first screenfuls at once and the rest in pieces from the event loop, so
// the window is drawn and usable at once; a window closed or replaced
// meanwhile simply stops filling.
#pragma once

#include <QByteArray>
#include <QTimer>
#include <QWidget>
#include <string>

#include "ui/InputFile.h"

class QPlainTextEdit;

namespace spanwise::ui {

class ReportWindow : public QWidget {
  Q_OBJECT

 public:
  // shown_loads: what the report holds, on a line above it (none when empty).
  ReportWindow(const QString& report_path, QWidget* owner, const std::string& shown_loads = {});

  // True until the box holds the whole file.
  bool isLoading() const { return next_ < file_.size(); }

 signals:
  // The box holds the whole file.
  void loaded();

 private:
  void AppendPiece();

  QPlainTextEdit* text_;
  QByteArray file_;     // the report as read
  qsizetype next_ = 0;  // first byte of file_ not yet in the box
  Encoding encoding_ = Encoding::kUtf8;
  QTimer filler_;
};

}  // namespace spanwise::ui
