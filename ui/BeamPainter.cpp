#include "ui/BeamPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "ui/BeamPicture.h"

namespace spanwise::ui {
namespace {

constexpr double kTitleWidth = 76;  // band titles left of the plot
constexpr double kRightMargin = 14;

const QColor kLoadColour(190, 30, 30);
const QColor kReactionColour(20, 80, 200);
const QColor kSupportColour(60, 60, 60);
const QColor kDiagramColours[3] = {QColor(20, 80, 200), QColor(20, 130, 60), QColor(130, 40, 160)};
const char* const kDiagramTitles[3] = {"Moment", "Shear", "Deflection"};

class XMap {
 public:
  XMap(const QRectF& plot, const BeamFrame& frame)
      : left_(plot.left()), scale_(plot.width() / (frame.x1 - frame.x0)), x0_(frame.x0) {}
  double operator()(double X) const { return left_ + (X - x0_) * scale_; }

 private:
  double left_, scale_, x0_;
};

// Places labels in one row from left to right, leaving out one that would
// overlap the last one placed.
class LabelRow {
 public:
  LabelRow(QPainter& painter, double y) : painter_(painter), y_(y) {}
  void Draw(double px, const QString& text, double y = NAN) {
    if (px < right_ + 6) return;  // overlaps whatever its width: not worth measuring
    const QFontMetricsF metrics(painter_.font());
    const double w = metrics.horizontalAdvance(text);
    const double left = px - w / 2;
    if (left < right_ + 6) return;
    right_ = left + w;
    const double at = std::isnan(y) ? y_ : y;
    painter_.drawText(QRectF(left, at - metrics.ascent(), w + 1, metrics.height()), Qt::AlignCenter,
                      text);
  }

 private:
  QPainter& painter_;
  double y_;
  double right_ = -HUGE_VAL;
};

void Arrow(QPainter& painter, QPointF tail, QPointF head) {
  painter.drawLine(tail, head);
  const double dir = head.y() < tail.y() ? 1 : -1;  // head up: barbs below it
  painter.drawPolygon(QPolygonF({head, head + QPointF(-4, dir * 8), head + QPointF(4, dir * 8)}));
}

// Three quarters of a circle round the joint, the head showing the sense.
void MomentArc(QPainter& painter, QPointF centre, double radius, double value) {
  const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(box, -45 * 16, 270 * 16);
  // Anticlockwise positive: the head at the arc's end (225 degrees on).
  const double at = (value > 0 ? 225.0 : -45.0) * M_PI / 180;
  const QPointF head = centre + QPointF(radius * std::cos(at), -radius * std::sin(at));
  const double tangent = at + (value > 0 ? M_PI / 2 : -M_PI / 2);
  const QPointF along(std::cos(tangent), -std::sin(tangent));
  const QPointF across(-along.y(), along.x());
  painter.setBrush(painter.pen().color());
  painter.drawPolygon(
      QPolygonF({head, head - along * 7 + across * 3.5, head - along * 7 - across * 3.5}));
}

void PaintSupport(QPainter& painter, BeamMark::Kind kind, double px, double axis, bool left_end,
                  bool right_end) {
  painter.setPen(QPen(kSupportColour, 1.2));
  painter.setBrush(QColor(220, 220, 220));
  switch (kind) {
    case BeamMark::Kind::kPinnedSupport:
      painter.drawPolygon(
          QPolygonF({QPointF(px, axis), QPointF(px - 7, axis + 12), QPointF(px + 7, axis + 12)}));
      painter.drawLine(QPointF(px - 10, axis + 14), QPointF(px + 10, axis + 14));
      break;
    case BeamMark::Kind::kRotationSupport:
      painter.drawRect(QRectF(px - 7, axis, 14, 7));
      painter.drawEllipse(QPointF(px - 4, axis + 10), 3, 3);
      painter.drawEllipse(QPointF(px + 4, axis + 10), 3, 3);
      painter.drawLine(QPointF(px - 10, axis + 14), QPointF(px + 10, axis + 14));
      break;
    default: {  // fixed: a wall with its hatching on the side away from the beam
      painter.setPen(QPen(kSupportColour, 2.5));
      const double side = left_end ? -1 : right_end ? 1 : 0;
      if (side == 0) {
        painter.setBrush(QBrush(kSupportColour, Qt::BDiagPattern));
        painter.drawRect(QRectF(px - 7, axis, 14, 12));
        break;
      }
      painter.drawLine(QPointF(px, axis - 14), QPointF(px, axis + 14));
      painter.setPen(QPen(kSupportColour, 1));
      for (double y = axis - 12; y <= axis + 14; y += 5)
        painter.drawLine(QPointF(px, y), QPointF(px + side * 6, y - 5));
    }
  }
}

void PaintBeamBand(QPainter& painter, const QRectF& band, const QRectF& plot,
                   const BeamPicture& picture, const BeamFrame& frame) {
  const XMap px(plot, frame);
  const QFontMetricsF metrics(painter.font());
  const double top_row = band.top() + metrics.ascent() + 2;
  const double bottom_row = band.bottom() - metrics.descent() - 2;
  const double axis = band.top() + band.height() * 0.52;
  const double load_height = std::max(8.0, axis - top_row - metrics.descent() - 14);
  const double reaction_length = std::max(10.0, bottom_row - metrics.ascent() - axis - 22);
  LabelRow load_labels(painter, top_row), reaction_labels(painter, bottom_row);
  LabelRow distributed_labels(painter, top_row);  // each at its trapezoid's top

  const auto [first, last] = picture.MarksIn(frame.x0, frame.x1);
  const auto& marks = picture.marks();
  // Members first, runs that touch on screen drawn as one line.
  painter.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::FlatCap));
  double run_from = NAN, run_to = NAN;
  for (std::size_t k = first; k < last; ++k) {
    if (marks[k].kind != BeamMark::Kind::kMember) continue;
    const double a = px(marks[k].x0), b = px(marks[k].x1);
    if (!std::isnan(run_to) && a <= run_to + 0.5) {
      run_to = std::max(run_to, b);
      continue;
    }
    if (!std::isnan(run_from)) painter.drawLine(QPointF(run_from, axis), QPointF(run_to, axis));
    run_from = a;
    run_to = b;
  }
  if (!std::isnan(run_from)) painter.drawLine(QPointF(run_from, axis), QPointF(run_to, axis));

  // One symbol of a kind per few pixels: where joints crowd, the rest would
  // only blacken the band.
  std::array<double, 16> last_at;
  last_at.fill(-HUGE_VAL);
  for (std::size_t k = first; k < last; ++k) {
    const BeamMark& mark = marks[k];
    const double a = px(mark.x0);
    double& previous = last_at.at(static_cast<std::size_t>(mark.kind));
    if (mark.kind != BeamMark::Kind::kDistributedLoad && mark.kind != BeamMark::Kind::kMember) {
      if (a - previous < 7) continue;
      previous = a;
    }
    switch (mark.kind) {
      case BeamMark::Kind::kMember:
        break;
      case BeamMark::Kind::kFixedSupport:
      case BeamMark::Kind::kPinnedSupport:
      case BeamMark::Kind::kRotationSupport:
        PaintSupport(painter, mark.kind, a, axis, mark.x0 <= picture.xMin(),
                     mark.x0 >= picture.xMax());
        break;
      case BeamMark::Kind::kPointLoad: {
        painter.setPen(QPen(kLoadColour, 1.5));
        painter.setBrush(kLoadColour);
        const QPointF far(a, axis - 3 - load_height), near(a, axis - 3);
        mark.v0 >= 0 ? Arrow(painter, far, near) : Arrow(painter, near, far);
        load_labels.Draw(a, mark.label);
        break;
      }
      case BeamMark::Kind::kDistributedLoad: {
        const double b = px(mark.x1);
        if (b - a < 0.5 && a - previous < 1) continue;  // a pixel already filled
        previous = a;
        const double peak = picture.peakDistributed() > 0 ? picture.peakDistributed() : 1;
        const double h0 = std::abs(mark.v0) / peak * load_height * 0.6;
        const double h1 = std::abs(mark.v1) / peak * load_height * 0.6;
        painter.setPen(QPen(kLoadColour, 1));
        painter.setBrush(QColor(kLoadColour.red(), kLoadColour.green(), kLoadColour.blue(), 60));
        painter.drawPolygon(QPolygonF({QPointF(a, axis - 3), QPointF(a, axis - 3 - h0),
                                       QPointF(b, axis - 3 - h1), QPointF(b, axis - 3)}));
        distributed_labels.Draw((a + b) / 2, mark.label,
                                axis - 6 - std::max(h0, h1) - metrics.descent());
        break;
      }
      case BeamMark::Kind::kJointForce: {
        painter.setPen(QPen(kLoadColour, 1.5));
        painter.setBrush(kLoadColour);
        const QPointF far(a, axis - 3 - load_height), near(a, axis - 3);
        mark.v0 >= 0 ? Arrow(painter, near, far) : Arrow(painter, far, near);
        load_labels.Draw(a, mark.label);
        break;
      }
      case BeamMark::Kind::kJointMoment:
        painter.setPen(QPen(kLoadColour, 1.5));
        MomentArc(painter, QPointF(a, axis), 13, mark.v0);
        load_labels.Draw(a, mark.label);
        break;
      case BeamMark::Kind::kReactionForce: {
        painter.setPen(QPen(kReactionColour, 1.5));
        painter.setBrush(kReactionColour);
        const QPointF near(a, axis + 18), far(a, axis + 18 + reaction_length);
        mark.v0 >= 0 ? Arrow(painter, far, near) : Arrow(painter, near, far);
        reaction_labels.Draw(a, mark.label);
        break;
      }
      case BeamMark::Kind::kReactionMoment:
        painter.setPen(QPen(kReactionColour, 1.5));
        MomentArc(painter, QPointF(a, axis), 20, mark.v0);
        reaction_labels.Draw(a + 24, mark.label);
        break;
    }
  }
}

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
  // More points than two per column on the whole.
  bool Dense() const { return points_ > 2 * columns_.size(); }
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

// Where many points share each pixel: a vertical line per column, which
// Qt draws at once, where one path turning back and forth thousands of times
// would take it seconds.
void PaintDenseCurve(QPainter& painter, const ColumnAggregate& columns, double zero,
                     const QColor& colour) {
  QVector<QLineF> fill, stroke;
  const Column* previous = nullptr;
  for (const Column& c : columns.columns()) {
    const double x = c.column + 0.5;
    fill.append(QLineF(x, std::min(zero, c.low), x, std::max(zero, c.high)));
    stroke.append(QLineF(x, c.low, x, c.high));
    if (previous != nullptr) stroke.append(QLineF(previous->last, c.first));
    previous = &c;
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(QColor(colour.red(), colour.green(), colour.blue(), 40), 0));
  painter.drawLines(fill);
  painter.setPen(QPen(colour, 0));
  painter.drawLines(stroke);
  painter.setRenderHint(QPainter::Antialiasing, true);
}

// Where the points are few: the curve itself, filled to the zero line, in
// short runs (Qt's rasterizer slows down steeply on long winding paths).
void PaintCurve(QPainter& painter, const QPolygonF& curve, double zero, const QColor& colour) {
  constexpr qsizetype kRun = 64;
  const QColor fill(colour.red(), colour.green(), colour.blue(), 40);
  for (qsizetype from = 0; from + 1 < curve.size(); from += kRun) {
    const QPolygonF run = curve.mid(from, kRun + 1);
    QPolygonF area = run;
    area << QPointF(run.back().x(), zero) << QPointF(run.front().x(), zero);
    // Without antialiasing, runs that share an edge do not cover it twice.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPolygon(area);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(colour, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(run);
  }
}

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
  painter.drawText(QRectF(band.left() + 4, band.top(), kTitleWidth - 8, band.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(kDiagramTitles[diagram]));

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

}  // namespace

QRectF PlotArea(const QRectF& area) { return area.adjusted(kTitleWidth, 0, -kRightMargin, 0); }

void PaintBeam(QPainter& painter, const QRectF& area, const BeamPicture& picture,
               const BeamFrame& frame) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(area, Qt::white);
  const QRectF plot = PlotArea(area);
  // Alone, the beam keeps a band of its own height in the middle: stretched
  // to a tall window its arrows would only grow long.
  const double beam_height =
      picture.hasResults() ? area.height() * 0.34 : std::min(area.height(), 240.0);
  const double beam_top =
      picture.hasResults() ? area.top() : area.top() + (area.height() - beam_height) / 2;
  const QRectF beam_band(area.left(), beam_top, area.width(), beam_height);
  painter.setClipRect(area);
  painter.setPen(Qt::black);
  painter.drawText(QRectF(area.left() + 4, beam_band.top(), kTitleWidth - 8, beam_band.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Beam"));
  painter.setClipRect(plot.adjusted(-12, 0, 12, 0));
  PaintBeamBand(painter, beam_band, plot, picture, frame);
  if (picture.hasResults()) {
    const double h = (area.height() - beam_band.height()) / 3;
    for (int d = 0; d < 3; ++d) {
      const QRectF band(area.left(), beam_band.bottom() + d * h, area.width(), h);
      painter.setClipRect(area);
      painter.setPen(QColor(210, 210, 210));
      painter.drawLine(band.topLeft(), band.topRight());
      painter.setClipRect(band.intersected(area));
      PaintDiagramBand(painter, band, plot, picture, frame, static_cast<Diagram>(d));
    }
  }
  painter.setClipRect(area);
  if (frame.hover) {
    const double x = XMap(plot, frame)(frame.hover_x);
    painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
  }
  painter.restore();
}

}  // namespace spanwise::ui
