// Paints a BeamPicture into a rectangle, for the screen and for PNG, SVG and
// PDF alike: the beam band on top, then the moment, shear and deflection
// bands on one shared X axis. Draws only what lies in the X range asked for;
// where one pixel holds many points, the diagrams keep each column's first,
// smallest, largest and last value, and symbols and labels that would overlap
// are left out.
#pragma once

#include <QRectF>
#include <QString>
#include <utility>
#include <vector>

class QPainter;

namespace spanwise::ui {

class BeamPicture;

struct BeamFrame {
  double x0 = 0, x1 = 1;  // X at the left and right edge of the plot (x1 > x0)
  double hover_x = 0;     // X of the pointer's line
  bool hover = false;
  QString hover_text;  // what the window shows of the values at hover_x
  // A moving case's vehicle where the hovered value is largest: (X, load) of each axle.
  std::vector<std::pair<double, double>> vehicle;
};

// The part of area the X axis spans (area less the band titles).
QRectF PlotArea(const QRectF& area);

// Which band of area y lies in: -1 the beam's, 0..2 a diagram's (Diagram),
// -2 none.
int BandAt(const QRectF& area, double y, bool has_results);

// painter in/out; area in; picture in; frame in.
void PaintBeam(QPainter& painter, const QRectF& area, const BeamPicture& picture,
               const BeamFrame& frame);

}  // namespace spanwise::ui
