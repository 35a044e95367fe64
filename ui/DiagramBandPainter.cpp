#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "ui/BeamPaintParts.h"

namespace spanwise::ui {
namespace {

const QColor kDiagramColours[3] = {QColor(20, 80, 200), QColor(20, 130, 60), QColor(130, 40, 160)};
const char* const kDiagramTitles[3] = {"Moment", "Shear", "Deflection"};

// Keeps per pixel column the first, smallest, largest and last point.
struct Column {
  double column = 0;
  int count = 0;
  QPointF first, last;
  double low = 0, high = 0;
};

class ColumnAggregate {
 public:
  void Add(double x, double y) {
    ++points_;
    if (!columns_.empty() && std::floor(x) == columns_.back().column) {
      Column& c = columns_.back();
      ++c.count;
      c.low = std::min(c.low, y);
      c.high = std::max(c.high, y);
      c.last = QPointF(x, y);
      return;
    }
    columns_.push_back({std::floor(x), 1, QPointF(x, y), QPointF(x, y), y, y});
  }
  const std::vector<Column>& columns() const { return columns_; }
  // More points than per_column per column on the whole.
  bool Dense(std::size_t per_column = 2) const { return points_ > per_column * columns_.size(); }
  // The points to draw through: each column's first, smallest, largest, last.
  QPolygonF Polyline() const {
    QPolygonF out;
    for (const Column& c : columns_) {
      out << c.first;
      if (c.count > 2) out << QPointF(c.column + 0.5, c.low) << QPointF(c.column + 0.5, c.high);
      if (c.count > 1) out << c.last;
    }
    return out;
  }

 private:
  std::vector<Column> columns_;
  std::size_t points_ = 0;
};

// The stroke through dense columns: each column's extent and the step from
// one column to the next.
void AppendDenseStroke(const ColumnAggregate& columns, QVector<QLineF>& stroke) {
  const Column* previous = nullptr;
  for (const Column& c : columns.columns()) {
    const double x = c.column + 0.5;
    stroke.append(QLineF(x, c.low, x, c.high));
    if (previous != nullptr) stroke.append(QLineF(previous->last, c.first));
    previous = &c;
  }
}

void PaintDenseLines(QPainter& painter, const QVector<QLineF>& fill, const QVector<QLineF>& stroke,
                     const QColor& colour) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(QColor(colour.red(), colour.green(), colour.blue(), 40), 0));
  painter.drawLines(fill);
  painter.setPen(QPen(colour, 0));
  painter.drawLines(stroke);
  painter.setRenderHint(QPainter::Antialiasing, true);
}

// Where many points share each pixel: a vertical line per column, which
// Qt draws at once, where one path turning back and forth thousands of times
// would take it seconds.
void PaintDenseCurve(QPainter& painter, const ColumnAggregate& columns, double zero,
                     const QColor& colour) {
  QVector<QLineF> fill, stroke;
  for (const Column& c : columns.columns()) {
    const double x = c.column + 0.5;
    fill.append(QLineF(x, std::min(zero, c.low), x, std::max(zero, c.high)));
  }
  AppendDenseStroke(columns, stroke);
  PaintDenseLines(painter, fill, stroke, colour);
}

// A dense band: high and low hold the same columns (the points of the max
// and the min curve share their X). The fill joins the columns' extents, so
// that columns without a point between them are covered too.
void PaintDenseBand(QPainter& painter, const ColumnAggregate& high, const ColumnAggregate& low,
                    const QColor& colour) {
  QPolygonF top, bottom;
  const auto& a = high.columns();
  const auto& b = low.columns();
  for (std::size_t k = 0; k < a.size() && k < b.size(); ++k) {
    const double x = a[k].column + 0.5;
    top << QPointF(x, std::min(a[k].low, b[k].low));
    bottom << QPointF(x, std::max(a[k].high, b[k].high));
  }
  constexpr qsizetype kRun = 64;
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 40));
  for (qsizetype from = 0; from + 1 < top.size(); from += kRun) {
    QPolygonF area = top.mid(from, kRun + 1);
    const QPolygonF under = bottom.mid(from, kRun + 1);
    for (qsizetype k = under.size(); k-- > 0;) area << under[k];
    painter.drawPolygon(area);
  }
  painter.setBrush(Qt::NoBrush);
  QVector<QLineF> stroke;
  AppendDenseStroke(high, stroke);
  AppendDenseStroke(low, stroke);
  PaintDenseLines(painter, {}, stroke, colour);
}

// One run of a curve or band: its area filled, then its curves. Without
// antialiasing, runs that share an edge do not cover it twice.
void PaintRun(QPainter& painter, const QPolygonF& area,
              std::initializer_list<const QPolygonF*> curves, const QColor& colour) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 40));
  painter.drawPolygon(area);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(colour, 1.5));
  painter.setBrush(Qt::NoBrush);
  for (const QPolygonF* curve : curves) painter.drawPolyline(*curve);
}

// Points a run holds: Qt's rasterizer slows down steeply on long winding paths.
constexpr qsizetype kRun = 64;

// Where the points are few: the curve itself, filled to the zero line, in runs.
void PaintCurve(QPainter& painter, const QPolygonF& curve, double zero, const QColor& colour) {
  for (qsizetype from = 0; from + 1 < curve.size(); from += kRun) {
    const QPolygonF run = curve.mid(from, kRun + 1);
    QPolygonF area = run;
    area << QPointF(run.back().x(), zero) << QPointF(run.front().x(), zero);
    PaintRun(painter, area, {&run}, colour);
  }
}

// Where the points are few: the area between a member's max and min curve
// (high and low, point by point at the same X), and both curves, in runs.
void PaintBand(QPainter& painter, const QPolygonF& high, const QPolygonF& low,
               const QColor& colour) {
  for (qsizetype from = 0; from + 1 < high.size() && from + 1 < low.size(); from += kRun) {
    const QPolygonF top = high.mid(from, kRun + 1), bottom = low.mid(from, kRun + 1);
    QPolygonF area = top;
    for (qsizetype k = bottom.size(); k-- > 0;) area << bottom[k];
    PaintRun(painter, area, {&top, &bottom}, colour);
  }
}

// A member's envelope extremes in one diagram, the largest and the
// smallest (a combination's or a moving case's); false where absent.
template <typename Member>
bool ExtremesOf(const Member* e, Diagram diagram, double& max, double& min) {
  if (e == nullptr) return false;
  const auto [hi, lo] = diagram == kMomentDiagram ? std::pair(&e->moment_max, &e->moment_min)
                        : diagram == kShearDiagram
                            ? std::pair(&e->shear_max, &e->shear_min)
                            : std::pair(&e->deflection_max, &e->deflection_min);
  max = hi->value;
  min = lo->value;
  return hi->present && lo->present;
}

// The band of every member in view: each member's max and min curve mapped
// onto the screen, left to right; a member a few pixels wide, too narrow for
// a curve, as the range between its extremes.
template <typename ToY>
void PaintEnvelope(QPainter& painter, const BeamPicture& picture, const BeamFrame& frame,
                   Diagram diagram, const XMap& px, ToY py, const QColor& colour) {
  ColumnAggregate high, low;
  std::vector<std::pair<QPolygonF, QPolygonF>> members;
  const auto [first, last] = picture.MembersIn(frame.x0, frame.x1);
  for (std::size_t k = first; k < last; ++k) {
    const DiagramMember& m = picture.members()[k];
    if (m.envelope == nullptr && m.moving == nullptr) continue;
    auto& [top, bottom] = members.emplace_back();
    const auto point = [&](double x, double max, double min) {
      top << QPointF(x, max);
      bottom << QPointF(x, min);
      high.Add(x, max);
      low.Add(x, min);
    };
    const double left = px(m.x_lo), right = px(m.x_hi);
    if (right - left < 3) {
      double max = 0, min = 0;
      if (!ExtremesOf(m.envelope, diagram, max, min) && !ExtremesOf(m.moving, diagram, max, min))
        continue;
      const double a = py(m.Drawn(diagram, max)), b = py(m.Drawn(diagram, min));
      point(left, a, b);
      point(right, a, b);
      continue;
    }
    // Enough points inside each piece for a smooth curve at this zoom.
    const int per_piece = static_cast<int>(std::clamp((right - left) / 8, 1.0, 24.0));
    const std::shared_ptr<const BandCurves> curves = picture.Band(k, per_piece);
    if (!curves) continue;
    const EnvelopeCurve& curve = curves->at(static_cast<std::size_t>(diagram));
    const std::size_t n = std::min({curve.x.size(), curve.max.size(), curve.min.size()});
    const auto at = [&](std::size_t i) {
      point(px(m.ToX(curve.x[i])), py(m.Drawn(diagram, curve.max[i])),
            py(m.Drawn(diagram, curve.min[i])));
    };
    if (m.mirrored) {
      for (std::size_t i = n; i-- > 0;) at(i);
    } else {
      for (std::size_t i = 0; i < n; ++i) at(i);
    }
  }
  // Polygons up to a few points a pixel: a band is many short curves.
  if (high.Dense(6)) {
    PaintDenseBand(painter, high, low, colour);
  } else {
    for (const auto& [top, bottom] : members) PaintBand(painter, top, bottom, colour);
  }
}

// Every member's own diagram in view, filled to the zero line.
template <typename ToY>
void PaintCurves(QPainter& painter, const BeamPicture& picture, const BeamFrame& frame,
                 Diagram diagram, const XMap& px, ToY py, double zero, const QColor& colour) {
  ColumnAggregate columns;
  std::vector<double> xs, ys;
  const auto [first, last] = picture.MembersIn(frame.x0, frame.x1);
  for (std::size_t k = first; k < last; ++k) {
    const DiagramMember& m = picture.members()[k];
    const Piecewise& f = m.Function(diagram);
    if (f.empty()) continue;
    // Enough points inside each piece for a smooth curve at this zoom.
    const double width = px(m.x_hi) - px(m.x_lo);
    const int per_piece =
        static_cast<int>(std::clamp(width / (3.0 * static_cast<double>(f.size())), 1.0, 48.0));
    xs.clear();
    ys.clear();
    SampleForDrawing(f, per_piece, xs, ys);
    const auto point = [&](std::size_t i) {
      columns.Add(px(m.ToX(xs[i])), py(m.Drawn(diagram, ys[i])));
    };
    if (m.mirrored) {
      for (std::size_t i = xs.size(); i-- > 0;) point(i);
    } else {
      for (std::size_t i = 0; i < xs.size(); ++i) point(i);
    }
  }
  if (columns.Dense()) {
    PaintDenseCurve(painter, columns, zero, colour);
  } else {
    PaintCurve(painter, columns.Polyline(), zero, colour);
  }
}

}  // namespace

void PaintDiagramBand(QPainter& painter, const QRectF& band, const QRectF& plot,
                      const BeamPicture& picture, const BeamFrame& frame, Diagram diagram) {
  const XMap px(plot, frame);
  const QFontMetricsF metrics(painter.font());
  const double zero = band.center().y();
  const double half = band.height() / 2 - metrics.height() - 2;
  const double peak = picture.peak(diagram) > 0 ? picture.peak(diagram) : 1;
  // Moment and shear positive below the axis, as the two diagram windows draw
  // them; the deflection as the beam moves, up positive.
  const double up = diagram == kDeflectionDiagram ? 1 : -1;
  const auto py = [&](double value) { return zero - up * value / peak * half; };
  const QColor colour = kDiagramColours[diagram];

  painter.setPen(QPen(QColor(150, 150, 150), 1));
  painter.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));
  painter.setPen(colour);
  QString title = QString::fromLatin1(kDiagramTitles[diagram]);
  if (picture.units().Given())
    title += QStringLiteral("\n(%1)").arg(
        QString::fromStdString(UnitOf(picture.units(), kDiagramDimensions[diagram])));
  painter.drawText(QRectF(band.left() + 4, band.top(), kTitleWidth - 8, band.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, title);

  if (picture.isBand()) {
    PaintEnvelope(painter, picture, frame, diagram, px, py, colour);
  } else {
    PaintCurves(painter, picture, frame, diagram, px, py, zero, colour);
  }

  // The extremes, exact, each labelled where there is room.
  painter.setBrush(colour);
  LabelRow above(painter, 0), below(painter, 0);
  // One dot per cell of 3 by 3 pixels: a long beam has many extremes a pixel.
  const int cells_x = static_cast<int>(plot.width() / 3) + 2;
  const int cells_y = static_cast<int>(band.height() / 3) + 2;
  std::vector<bool> dotted(static_cast<std::size_t>(cells_x) * static_cast<std::size_t>(cells_y));
  const auto& extremes = picture.extremes();
  const auto from = std::lower_bound(extremes.begin(), extremes.end(), frame.x0,
                                     [](const ExtremeMark& e, double x) { return e.x < x; });
  for (auto e = from; e != extremes.end() && e->x <= frame.x1; ++e) {
    if (e->diagram != diagram) continue;
    const QPointF at(px(e->x), py(e->value));
    const int cx = std::clamp(static_cast<int>((at.x() - plot.left()) / 3), 0, cells_x - 1);
    const int cy = std::clamp(static_cast<int>((at.y() - band.top()) / 3), 0, cells_y - 1);
    auto cell = dotted.begin() + static_cast<std::ptrdiff_t>(cy) * cells_x + cx;
    if (*cell) continue;
    *cell = true;
    painter.setPen(colour);
    painter.drawEllipse(at, 2.5, 2.5);
    painter.setPen(Qt::black);
    if (up * e->value >= 0)
      above.Draw(at.x(), e->label, at.y() - 4 - metrics.descent());
    else
      below.Draw(at.x(), e->label, at.y() + 4 + metrics.ascent());
  }
}

}  // namespace spanwise::ui
