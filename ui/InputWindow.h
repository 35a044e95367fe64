// Form1, "Input Data": the beam as text, kept identical to Beam.sma in the
// application folder, the "&Analyse" command and the home page button.
// Closing it ends the program.
#pragma once

#include <QMainWindow>

#include "ui/InputFile.h"
#include "ui/ResultWindows.h"

class QLabel;
class QPushButton;

namespace spanwise::ui {

class BeamPane;
class LineNumberEdit;

class InputWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit InputWindow(const QString& folder, QWidget* parent = nullptr);

  QString inputPath() const;
  // What the status line reports above the folder's path; empty when all is well.
  QString notice() const;

 public slots:
  void Analyse();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void Load();
  void WriteExample();
  void Save();
  void OpenHomePage();
  void ShowNotice(const QString& notice);

  QString folder_;
  LineNumberEdit* text_;
  QPushButton* analyse_;
  QPushButton* home_;
  QLabel* folder_label_;
  QLabel* notice_label_;
  BeamPane* beam_pane_;
  ResultWindows results_;
  bool saved_ = true;                    // false while the box holds edits Beam.sma lacks
  Encoding encoding_ = Encoding::kUtf8;  // the one Beam.sma came in
};

}  // namespace spanwise::ui
