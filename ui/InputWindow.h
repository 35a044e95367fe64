// Form1, "Input Data": the beam as text, kept identical to Beam.sma in the
// application folder, the "&Analyse" command and the "&Help" button (F1).
// Closing it ends the program.
//
// Another program may change Beam.sma while the window is open. The window
// notices it (a watch on the file and its folder, and a look at the file
// before every save) and offers to load the new text; while that offer is
// open nothing is saved, and "&Analyse" asks which text to analyse. An edit
// never overwrites an outside change unasked.
#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "ui/FileStamp.h"
#include "ui/InputFile.h"
#include "ui/ResultWindows.h"

class QLabel;
class QPushButton;

namespace spanwise::ui {

class HelpWindow;
class BeamPane;
class LineNumberEdit;

class InputWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit InputWindow(const QString& folder, QWidget* parent = nullptr);

  QString inputPath() const;
  // What the status line reports above the folder's path; empty when all is well.
  QString notice() const;
  // The open offer to load an outside change of Beam.sma, or null.
  QMessageBox* outsideChangeOffer() const { return offer_; }

 public slots:
  void Analyse();
  void ShowHelp();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void Load();
  void WriteExample();
  void Edited();
  void Save();
  void Write();
  bool ChangedOutside();
  void LookForOutsideChange();
  void OfferOutsideText();
  void CloseOffer();
  void LoadOutsideText();
  void KeepWindowText();
  bool ChooseTextToAnalyse();
  void ShowNotice(const QString& notice, bool warning = true);
  void Remember(const QByteArray& bytes);

  QString folder_;
  LineNumberEdit* text_;
  QPushButton* analyse_;
  QPushButton* help_;
  QLabel* folder_label_;
  QLabel* notice_label_;
  BeamPane* beam_pane_;
  ResultWindows results_;
  QPointer<HelpWindow> help_window_;
  bool saved_ = true;                    // false while the box holds edits Beam.sma lacks
  bool filling_ = false;                 // true while the window itself fills the box
  Encoding encoding_ = Encoding::kUtf8;  // the one Beam.sma came in
  QByteArray known_bytes_;               // Beam.sma as last read or written here
  FileStamp known_stamp_;                // and its stamp then
  QFileSystemWatcher watcher_;
  QTimer settle_;  // lets an outside save finish before looking
  QPointer<QMessageBox> offer_;
};

}  // namespace spanwise::ui
