// The three result windows of the latest analysis: the report and the two
// diagrams. Each refresh replaces them, so they always show the files the
// latest run wrote. Until the next refresh they can be marked out of date.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "design/DesignValues.h"

namespace spanwise::ui {

class ResultWindows {
 public:
  // owner: the input window; the result windows close with it.
  explicit ResultWindows(QWidget* owner) : owner_(owner) {}

  // Replaces the report window, then the bending moment and the shear force
  // windows, and shows them; a replaced window leaves its place on the
  // screen to its successor. values: the design values of the run that wrote
  // the files, or null: the diagrams are then drawn from the files alone,
  // their values in units.
  void Refresh(const QString& report_path, const QString& bm_path, const QString& sf_path,
               std::shared_ptr<const DesignValues> values = nullptr, const Units& units = {});
  void CloseAll();
  // The input file's name, which the windows made from now on carry in their
  // titles; the Beam window of another input's analysis is no longer shown.
  void SetInput(const QString& name) {
    input_ = name;
    beam_values_.reset();
  }
  // Shows the banner text above the content of every open result window;
  // the latest call wins. The next Refresh shows windows without it.
  void MarkStale(const char* banner);
  // Replaces the Beam window with one of values (the run's files beside it)
  // and shows it.
  void RefreshBeam(std::shared_ptr<const DesignValues> values, const QString& report_path,
                   const QString& design_path);
  // Brings the Beam window of the latest analysis to the front, made anew if
  // it was closed; false when there has been no analysis.
  bool ShowBeam();

 private:
  void Replace(QPointer<QWidget>& slot, QWidget* window);

  QWidget* owner_;
  QString input_;
  QPointer<QWidget> report_;
  QPointer<QWidget> moment_;
  QPointer<QWidget> shear_;
  QPointer<QWidget> beam_;
  std::shared_ptr<const DesignValues> beam_values_;
  QString beam_report_, beam_design_;
};

}  // namespace spanwise::ui
