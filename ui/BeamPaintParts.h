// What the painters of the beam band and of the diagram bands share: the
// map from X to pixels and a row of labels that do not overlap.
#pragma once

#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <cmath>

#include "ui/BeamPainter.h"
#include "ui/BeamPicture.h"

namespace spanwise::ui {

inline constexpr double kTitleWidth = 76;  // band titles left of the plot

class XMap {
 public:
  XMap(const QRectF& plot, const BeamFrame& frame)
      : left_(plot.left()), scale_(plot.width() / (frame.x1 - frame.x0)), x0_(frame.x0) {}
  double operator()(double X) const { return left_ + (X - x0_) * scale_; }

 private:
  double left_, scale_, x0_;
};

// Places labels in one row from left to right, leaving out one that would
// overlap the last one placed; a label that would reach beyond [lo, hi] is
// moved inside.
class LabelRow {
 public:
  LabelRow(QPainter& painter, double y, double lo = -HUGE_VAL, double hi = HUGE_VAL)
      : painter_(painter), y_(y), lo_(lo), hi_(hi) {}
  void Draw(double px, const QString& text, double y = NAN) {
    // An empty label (a load whose value another's label holds) takes no room.
    if (text.isEmpty() || px < right_ + 6) return;  // overlaps whatever its width
    const QFontMetricsF metrics(painter_.font());
    const double w = metrics.horizontalAdvance(text);
    const double left = std::max(lo_, std::min(px - w / 2, hi_ - w));
    if (left < right_ + 6) return;
    right_ = left + w;
    const double at = std::isnan(y) ? y_ : y;
    painter_.drawText(QRectF(left, at - metrics.ascent(), w + 1, metrics.height()), Qt::AlignCenter,
                      text);
  }

 private:
  QPainter& painter_;
  double y_, lo_, hi_;
  double right_ = -HUGE_VAL;
};

// The beam band: members, supports, loads and reactions with their labels.
void PaintBeamBand(QPainter& painter, const QRectF& band, const QRectF& plot,
                   const BeamPicture& picture, const BeamFrame& frame);

// One diagram band: the curve of every member in view, its extremes labelled.
void PaintDiagramBand(QPainter& painter, const QRectF& band, const QRectF& plot,
                      const BeamPicture& picture, const BeamFrame& frame, Diagram diagram);

}  // namespace spanwise::ui
