// The chart control the two diagram windows draw with. A diagram is handed
// over in one fixed order of calls:
//
//   SetPointCount(n); SetCurrentPoint(1); SetAutoIncrement(0);
//   for i = 1..n: SetCurrentPoint(i); SetAbscissa(x(i)); SetValue(-y(i));
//   SetDrawMode(2);
//
// and the control draws the n points, in the order given, after the last
// call. The windows know nothing else about the chart, so any control that
// honours these calls will do (the tests use one that records them).
#pragma once

namespace spanwise::ui {

class Graph {
 public:
  // Draw mode that shows the points handed over so far.
  static constexpr int kDrawNow = 2;

  virtual ~Graph() = default;

  // Number of points; drops any earlier points.
  virtual void SetPointCount(int count) = 0;
  // Selects the 1-based point the next SetAbscissa and SetValue fill.
  virtual void SetCurrentPoint(int index) = 0;
  // 0: the current point stays where SetCurrentPoint put it.
  virtual void SetAutoIncrement(int on) = 0;
  virtual void SetAbscissa(double x) = 0;
  // The plotted value, drawn upwards.
  virtual void SetValue(double value) = 0;
  virtual void SetDrawMode(int mode) = 0;
};

}  // namespace spanwise::ui
