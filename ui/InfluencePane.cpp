#include "ui/InfluencePane.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "ui/BeamPainter.h"

namespace spanwise::ui {

InfluencePane::InfluencePane(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("InfluencePane"));
  setMinimumHeight(120);
}

void InfluencePane::setLine(const QString& title, const InfluenceLine& line,
                            const PlacedVehicle& vehicle, double xmin, double xmax) {
  title_ = title;
  xs_.clear();
  ys_.clear();
  SampleForDrawing(line, 24, xs_, ys_);
  vehicle_ = vehicle;
  xmin_ = xmin;
  xmax_ = xmax > xmin ? xmax : xmin + 1;
  peak_ = 0;
  for (const double y : ys_) peak_ = std::max(peak_, std::abs(y));
  if (!(peak_ > 0) || !std::isfinite(peak_)) peak_ = 1;
  update();
}

void InfluencePane::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area(rect());
  painter.fillRect(area, Qt::white);
  painter.setPen(QColor(210, 210, 210));
  painter.drawLine(area.topLeft(), area.topRight());
  painter.setPen(Qt::black);
  painter.drawText(area.adjusted(6, 2, -6, 0), Qt::AlignLeft | Qt::AlignTop, title_);
  if (xs_.empty()) return;
  const QRectF plot = PlotArea(area).adjusted(0, 40, 0, -10);
  const double zero = plot.center().y(), half = plot.height() / 2;
  const auto px = [&](double X) {
    return plot.left() + (X - xmin_) / (xmax_ - xmin_) * plot.width();
  };
  const auto py = [&](double v) { return zero - v / peak_ * half; };
  // The lane where it lies, then the line filled to its axis.
  const QColor lane(230, 120, 0, 50), line(20, 80, 200);
  for (const auto& [a, b] : vehicle_.lane)
    painter.fillRect(QRectF(QPointF(px(a), plot.top() - 8), QPointF(px(b), plot.top() - 2)), lane);
  painter.setPen(QPen(QColor(150, 150, 150), 1));
  painter.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));
  QPolygonF curve;
  for (std::size_t k = 0; k < xs_.size(); ++k) curve << QPointF(px(xs_[k]), py(ys_[k]));
  QPolygonF area_under = curve;
  area_under << QPointF(curve.back().x(), zero) << QPointF(curve.front().x(), zero);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(line.red(), line.green(), line.blue(), 40));
  painter.drawPolygon(area_under);
  painter.setPen(QPen(line, 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(curve);
  // The axles, pointing down onto the line's axis.
  const QColor axle(230, 120, 0);
  painter.setPen(QPen(axle, 1.5));
  painter.setBrush(axle);
  for (const auto& [X, load] : vehicle_.axles) {
    const QPointF head(px(X), plot.top() - 10), tail(px(X), plot.top() - 26);
    painter.drawLine(tail, head);
    painter.drawPolygon(QPolygonF({head, head + QPointF(-4, -8), head + QPointF(4, -8)}));
  }
}

}  // namespace spanwise::ui
