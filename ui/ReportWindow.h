// Form2, "results": the report Beam.txt as text. Its content is fixed when it
// is created; the next analysis replaces the whole window.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace spanwise::ui {

class ReportWindow : public QWidget {
  Q_OBJECT

 public:
  ReportWindow(const QString& report_path, QWidget* owner);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPlainTextEdit* text_;
};

}  // namespace spanwise::ui
