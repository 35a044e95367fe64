// Form3 "bending moment diagram" and Form4 "Shear Force Diagram": one diagram
// file drawn as a chart; with the design values of the run that wrote it, the
// exact diagram with the file's points on it. The content is fixed when the
// window is created; the next analysis replaces the whole window.
#pragma once

#include <QSize>
#include <QWidget>
#include <memory>

#include "design/BeamDiagram.h"

class QLabel;

namespace spanwise::ui {

class ChartGraph;

struct DiagramKind {
  const char* object_name;
  const char* caption;
  const char* value_title;
  QSize client;
  BeamDiagramOf of;
};

extern const DiagramKind kMomentDiagram;
extern const DiagramKind kShearDiagram;

class DiagramWindow : public QWidget {
  Q_OBJECT

 public:
  // values: the design values of the run that wrote the file, or null;
  // units: the input's, when values is null.
  DiagramWindow(const DiagramKind& kind, const QString& diagram_path, QWidget* owner,
                std::shared_ptr<const DesignValues> values = nullptr, const Units& units = {});

  ChartGraph* graph() const { return graph_; }
  // Why the chart is empty; empty when the file was read.
  QString notice() const;

 private:
  QLabel* notice_;
  ChartGraph* graph_;
};

}  // namespace spanwise::ui
