// Form1, "Input Data": the beam as text, kept identical to its input file,
// the "&Analyse" command and the "&Help" button (F1). Closing it ends the
// program. The file is the application folder's Beam.sma at first; File
// opens others (New, Open..., Save As..., the last ten under Recent), and so
// does a .sma dropped on the window. A folder holds one result set, of the
// input its Design.txt names: opening a file shows them when they are its
// own (marked out of date when older than it), and says so when they are
// another's, which its analysis would replace.
//
// Another program may change the file while the window is open. The window
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
  // folder: the application folder; file: the input to open, with the
  // folder's results when they are its own; empty: folder's Beam.sma alone.
  explicit InputWindow(const QString& folder, const QString& file = {}, QWidget* parent = nullptr);

  QString inputPath() const { return path_; }
  // Opens the .sma file at path in place of the one open; false when it is
  // none or the engineer keeps the open one.
  bool openFile(const QString& path);
  // Saves the text as path (".sma" added when missing) and opens it there;
  // false when not saved. Asks first when that folder holds another input's
  // results.
  bool saveAs(QString path);
  // The files opened last, the latest first, at most ten.
  static QStringList recentFiles();
  // What the status line reports above the folder's path; empty when all is well.
  QString notice() const;
  // The open offer to load an outside change of Beam.sma, or null.
  QMessageBox* outsideChangeOffer() const { return offer_; }

 public slots:
  void Analyse();
  void ShowHelp();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildMenu();
  void Open(const QString& path, bool show_results);
  void ShowFolderResults(bool show);
  bool MayReplaceResults(const QString& path);
  void NewFile();
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

  QString folder_;  // the application folder
  QString path_;    // the open input file
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
