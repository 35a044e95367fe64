// The Graph of the diagram windows, drawn with Qt Charts: the diagram line in
// the order given, a zero line, a grid, the largest and smallest values marked
// and named with their positions in the title, and the diagram's value at the
// mouse pointer's position. Given the exact diagram of the same run, it draws
// that instead, the points handed over marked on it as dots, and its title
// and read-out give exact values; without it they are the largest of the
// stations and the straight line between them.
//
// The windows hand over negated values so that positive ones hang below the
// axis. Engineers read values with the sign their files hold, so the value
// axis grows downwards and every label, including the pointer read-out, shows
// the value with the file's sign.
//
// A long beam's diagram is a solid band at full size: dragging a rectangle
// zooms into it, the wheel zooms about the pointer, the arrow keys and a drag
// with the middle button pan, and Home or a double-click shows all again.
#pragma once

#include <QChartView>
#include <QPointF>
#include <memory>
#include <vector>

#include "common/DiagramReadout.h"
#include "common/Units.h"
#include "design/BeamDiagram.h"
#include "ui/Graph.h"

class QGraphicsSimpleTextItem;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace spanwise::ui {

class ChartGraph : public QChartView, public Graph {
  Q_OBJECT

 public:
  ChartGraph(const QString& value_title, QWidget* parent = nullptr);

  void SetPointCount(int count) override;
  void SetCurrentPoint(int index) override;
  void SetAutoIncrement(int on) override;
  void SetAbscissa(double x) override;
  void SetValue(double value) override;
  void SetDrawMode(int mode) override;

  // The axes' titles, the extremes and the read-out name the values'
  // dimension and the positions' length in units (nothing without them).
  void SetUnits(const Units& units, Dimension value);

  // Draws diagram in place of the line through the points handed over,
  // which stay as dots where no more than a few thousand are in view.
  void ShowExact(std::shared_ptr<const BeamDiagram> diagram);

  // The line drawn, with the file's sign: the points in the order given, or
  // the exact diagram's curve.
  QList<QPointF> drawnPoints() const;
  // The points given, drawn as dots on the exact curve (those in view).
  QList<QPointF> stationPoints() const;
  // What the pointer read-out shows; empty away from the plot area.
  QString readout() const;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Draw();
  void SetRanges(const QList<QPointF>& points);
  void LabelExtremes(QPointF high, QPointF low, const QString& what);
  void ShowStationsInView();
  bool HasCurrentPoint() const;
  void ShowReadout(QPointF at);

  std::vector<QPointF> given_;       // (x, value) as handed over
  std::vector<DiagramPoint> drawn_;  // with the file's sign
  std::shared_ptr<const BeamDiagram> exact_;
  double largest_magnitude_ = 0;
  int current_ = 1;
  bool auto_increment_ = false;
  QPoint pan_from_;  // last position of a middle-button drag
  bool panning_ = false;

  QLineSeries* line_;
  QLineSeries* zero_;
  QScatterSeries* largest_;
  QScatterSeries* smallest_;
  QScatterSeries* stations_;
  QString value_unit_, x_unit_;  // " kN·m", " m"; empty without units
  QValueAxis* x_axis_;
  QValueAxis* y_axis_;
  QGraphicsSimpleTextItem* readout_;
};

}  // namespace spanwise::ui
