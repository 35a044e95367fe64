// "Beam": the analysed beam to scale with its supports, loads and reactions,
// and below it the exact moment, shear and deflection diagrams on the same X
// axis. When the input holds load cases, a selector shows one case alone or
// a combination's envelope as a band between its largest and smallest
// values; a moving case as the band over every position of its vehicle,
// where a click on a diagram or a support opens the influence line of that
// quantity with the vehicle at its worst. Its content is fixed when it is made; the next analysis
// replaces the window. Exports the picture (PNG, SVG, PDF) and prints the report and Design.txt or
// writes them as PDF.
#pragma once

#include <QMainWindow>
#include <memory>

#include "design/DesignValues.h"
#include "design/LoadChoice.h"

class QComboBox;
class QLabel;
class QPrinter;

namespace spanwise::ui {

class BeamView;
class InfluencePane;

class BeamWindow : public QMainWindow {
  Q_OBJECT

 public:
  // values in: the model and the results (the beam alone when it holds no
  // members' results); report_path, design_path: the files of that run.
  BeamWindow(std::shared_ptr<const DesignValues> values, const QString& report_path,
             const QString& design_path, QWidget* owner);

  BeamView* view() const { return view_; }
  // The influence line of what a click picked; hidden until one is picked
  // with a moving case shown.
  InfluencePane* influence() const { return influence_; }
  // The selector of case or combination; hidden when the run has no choices.
  QComboBox* choices() const { return choice_box_; }
  // The line that says which loads the picture shows; empty without load cases.
  QString shownLoads() const;
  // The banner's text; empty while the window shows the latest input.
  QString outOfDate() const;

  // Writes the picture as now in view to path, as PNG, SVG or PDF by its
  // suffix. Returns why it could not, empty on success.
  QString exportPicture(const QString& path) const;
  // Writes the run's design values to path as design/DesignCsv.h says (the
  // bytes of Design.csv); returns why it could not, empty on success.
  QString exportCsv(const QString& path) const;
  // Writes the text file source as a PDF document at pdf, on landscape
  // pages when its widest line is wider than a portrait one holds; returns why not.
  static QString exportTextPdf(const QString& source, const QString& pdf);

 public slots:
  // Shows reason in a banner above the picture; an empty reason hides it.
  void setOutOfDate(const QString& reason);

 private:
  // Draws choice k of choices_: case 1 as the run's own values.
  void ShowChoice(int k);
  // Shows the influence line of what view_ picked at X in band.
  void ShowInfluence(double X, int band, double per_pixel);
  void AskExportPicture();
  void AskExportCsv();
  void AskPrintReport();
  void AskTextPdf(const QString& source);

  std::shared_ptr<const DesignValues> run_;
  std::vector<LoadChoice> choices_;
  BeamView* view_;
  InfluencePane* influence_;
  QComboBox* choice_box_;
  QLabel* banner_;
  QLabel* shown_loads_;
  QString report_path_;
  QString design_path_;
};

// The beam of an input file without results, for a run that kept no design
// values; null when the bytes do not read as a model.
std::shared_ptr<const DesignValues> BeamOnly(const QByteArray& input_bytes);

// Prints the text file source on printer in a fixed-pitch face; returns why
// it could not, empty on success.
QString PrintTextFile(const QString& source, QPrinter& printer);

}  // namespace spanwise::ui
