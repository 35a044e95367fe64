// Form3 "bending moment diagram" and Form4 "Shear Force Diagram": one diagram
// file drawn as a chart. The content is fixed when the window is created; the
// next analysis replaces the whole window.
#pragma once

#include <QSize>
#include <QWidget>

class QLabel;

namespace spanwise::ui {

class ChartGraph;

struct DiagramKind {
  const char* object_name;
  const char* caption;
  const char* value_title;
  QSize client;
};

extern const DiagramKind kMomentDiagram;
extern const DiagramKind kShearDiagram;

class DiagramWindow : public QWidget {
  Q_OBJECT

 public:
  DiagramWindow(const DiagramKind& kind, const QString& diagram_path, QWidget* owner);

  ChartGraph* graph() const { return graph_; }
  // Why the chart is empty; empty when the file was read.
  QString notice() const;

 private:
  QLabel* notice_;
  ChartGraph* graph_;
};

}  // namespace spanwise::ui
