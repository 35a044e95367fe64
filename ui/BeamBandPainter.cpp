#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "ui/BeamPaintParts.h"

namespace spanwise::ui {
namespace {

const QColor kLoadColour(190, 30, 30);
const QColor kReactionColour(20, 80, 200);
const QColor kSupportColour(60, 60, 60);
const QColor kSettlementColour(120, 40, 160);
const QColor kVehicleColour(230, 120, 0);

void Arrow(QPainter& painter, QPointF tail, QPointF head) {
  painter.drawLine(tail, head);
  const double dir = head.y() < tail.y() ? 1 : -1;  // head up: barbs below it
  painter.drawPolygon(QPolygonF({head, head + QPointF(-4, dir * 8), head + QPointF(4, dir * 8)}));
}

// Three quarters of a circle round the joint, the head showing the sense.
// A force drawn between near (by the beam) and far, its head at near when
// toward_near, in colour.
void ForceArrow(QPainter& painter, const QColor& colour, QPointF near, QPointF far,
                bool toward_near) {
  painter.setPen(QPen(colour, 1.5));
  painter.setBrush(colour);
  toward_near ? Arrow(painter, far, near) : Arrow(painter, near, far);
}

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

// A vertical spring: a zigzag from the beam down to its ground line.
void PaintVerticalSpring(QPainter& painter, double px, double axis) {
  painter.setPen(QPen(kSupportColour, 1.2));
  painter.setBrush(Qt::NoBrush);
  QPolygonF zigzag({QPointF(px, axis), QPointF(px, axis + 2)});
  for (int k = 0; k < 4; ++k) zigzag << QPointF(px + (k % 2 == 0 ? 4 : -4), axis + 3.5 + 2.5 * k);
  zigzag << QPointF(px, axis + 13) << QPointF(px, axis + 15);
  painter.drawPolyline(zigzag);
  painter.drawLine(QPointF(px - 8, axis + 15), QPointF(px + 8, axis + 15));
}

// A rotational spring: a coil of one and a half turns round the joint.
void PaintRotationalSpring(QPainter& painter, double px, double axis) {
  painter.setPen(QPen(kSupportColour, 1.2));
  painter.setBrush(Qt::NoBrush);
  QPolygonF coil;
  for (int k = 0; k <= 36; ++k) {
    const double turn = k / 36.0 * 3 * M_PI, radius = 3 + 6 * k / 36.0;
    coil << QPointF(px + radius * std::cos(turn), axis - radius * std::sin(turn));
  }
  painter.drawPolyline(coil);
}

// A hinge: an open circle at the released member end, beside the joint on
// the member's side.
void PaintHinge(QPainter& painter, double px, double axis, double side) {
  painter.setPen(QPen(kSupportColour, 1.2));
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(px + side * 5, axis), 3.5, 3.5);
}

// Labels of distributed loads, each centred over its load at the height it
// asks for, or higher where an earlier one stands (loads of several cases on
// one span): every intensity gets its label while there is room above.
class StackedLabels {
 public:
  StackedLabels(QPainter& painter, double top, double lo, double hi)
      : painter_(painter), metrics_(painter.font()), top_(top), lo_(lo), hi_(hi) {}
  void Draw(double px, const QString& text, double y) {
    if (text.isEmpty()) return;
    const double w = metrics_.horizontalAdvance(text);
    QRectF box(std::max(lo_, std::min(px - w / 2, hi_ - w)), y - metrics_.ascent(), w + 1,
               metrics_.height());
    const auto overlaps = [&](const QRectF& other) {
      return other.adjusted(-4, 0, 4, 0).intersects(box);
    };
    while (std::any_of(placed_.begin(), placed_.end(), overlaps)) {
      box.translate(0, -metrics_.height());
      if (box.top() < top_) return;
    }
    painter_.drawText(box, Qt::AlignCenter, text);
    // Only the latest few can meet a label further right.
    if (placed_.size() >= 24) placed_.erase(placed_.begin());
    placed_.push_back(box);
  }

 private:
  QPainter& painter_;
  QFontMetricsF metrics_;
  double top_, lo_, hi_;
  std::vector<QRectF> placed_;
};

// The nearest reaction force beyond the view on one side (toward_left: left
// of x0), searched from marks[from] outward; null when there is none.
const BeamMark* ReactionBeyond(const std::vector<BeamMark>& marks, std::size_t from,
                               bool toward_left) {
  const auto reaction = [&](std::size_t k) {
    return marks[k].kind == BeamMark::Kind::kReactionForce;
  };
  if (toward_left) {
    for (std::size_t k = from; k-- > 0;)
      if (reaction(k)) return &marks[k];
  } else {
    for (std::size_t k = from; k < marks.size(); ++k)
      if (reaction(k)) return &marks[k];
  }
  return nullptr;
}

// A reaction beyond the edge at px: a level arrow along the reaction row
// pointing out to it, its label beside.
void ReactionAtEdge(QPainter& painter, LabelRow& labels, double px, double y, bool left,
                    const QString& label) {
  const double out = left ? -1 : 1;
  painter.setPen(QPen(kReactionColour, 1.5));
  painter.setBrush(kReactionColour);
  const QPointF head(px + out * 2, y), tail(px - out * 22, y);
  painter.drawLine(tail, head);
  painter.drawPolygon(QPolygonF({head, head - QPointF(out * 8, 4), head - QPointF(out * 8, -4)}));
  labels.Draw(px - out * 12, label);
}

}  // namespace

void PaintBeamBand(QPainter& painter, const QRectF& band, const QRectF& plot,
                   const BeamPicture& picture, const BeamFrame& frame) {
  const XMap px(plot, frame);
  const QFontMetricsF metrics(painter.font());
  const double top_row = band.top() + metrics.ascent() + 2;
  const double bottom_row = band.bottom() - metrics.descent() - 2;
  const double axis = band.top() + band.height() * 0.52;
  const double load_height = std::max(8.0, axis - top_row - metrics.descent() - 14);
  const double reaction_length = std::max(10.0, bottom_row - metrics.ascent() - axis - 22);
  // Within the clip the beam band is painted in (BeamPainter.cpp).
  const double lo = plot.left() - 29, hi = plot.right() + 29;
  LabelRow load_labels(painter, top_row, lo, hi), reaction_labels(painter, bottom_row, lo, hi);
  StackedLabels distributed_labels(painter, band.top(), lo, hi);  // each at its trapezoid's top

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

  // Reactions beyond the view: an arrow at the edge points to the nearest on
  // each side.
  const auto& all = picture.marks();
  const auto by_x = [](const BeamMark& m, double x) { return m.x0 < x; };
  const std::size_t before = static_cast<std::size_t>(
      std::lower_bound(all.begin(), all.end(), frame.x0, by_x) - all.begin());
  const std::size_t after = static_cast<std::size_t>(
      std::upper_bound(all.begin(), all.end(), frame.x1,
                       [](double x, const BeamMark& m) { return x < m.x0; }) -
      all.begin());
  const double edge_row = axis + 18 + reaction_length / 2;
  if (const BeamMark* left = ReactionBeyond(all, before, true))
    ReactionAtEdge(painter, reaction_labels, plot.left() + 2, edge_row, true, left->label);
  const BeamMark* right = ReactionBeyond(all, after, false);

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
        ForceArrow(painter, kLoadColour, {a, axis - 3}, {a, axis - 3 - load_height}, mark.v0 >= 0);
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
        ForceArrow(painter, kLoadColour, {a, axis - 3}, {a, axis - 3 - load_height}, mark.v0 < 0);
        load_labels.Draw(a, mark.label);
        break;
      }
      case BeamMark::Kind::kJointMoment:
        painter.setPen(QPen(kLoadColour, 1.5));
        MomentArc(painter, QPointF(a, axis), 13, mark.v0);
        load_labels.Draw(a, mark.label);
        break;
      case BeamMark::Kind::kReactionForce: {
        ForceArrow(painter, kReactionColour, {a, axis + 18}, {a, axis + 18 + reaction_length},
                   mark.v0 >= 0);
        reaction_labels.Draw(a, mark.label);
        break;
      }
      case BeamMark::Kind::kReactionMoment:
        painter.setPen(QPen(kReactionColour, 1.5));
        MomentArc(painter, QPointF(a, axis), 20, mark.v0);
        reaction_labels.Draw(a + 24, mark.label);
        break;
      case BeamMark::Kind::kVerticalSpring:
        PaintVerticalSpring(painter, a, axis);
        break;
      case BeamMark::Kind::kRotationalSpring:
        PaintRotationalSpring(painter, a, axis);
        break;
      case BeamMark::Kind::kHinge:
        PaintHinge(painter, a, axis, mark.v0);
        break;
      case BeamMark::Kind::kSettlement: {
        // Beside the support, in the sense of the settlement, labelled.
        const double tail = axis + 4, head = tail + (mark.v0 > 0 ? -1 : 1) * 14;
        if (mark.v0 != 0)
          ForceArrow(painter, kSettlementColour, {a + 12, tail}, {a + 12, head}, false);
        painter.setPen(kSettlementColour);
        painter.drawText(QPointF(a + 16, axis + 16), mark.label);
        break;
      }
    }
  }
  if (right != nullptr)
    ReactionAtEdge(painter, reaction_labels, plot.right() - 2, edge_row, false, right->label);
  // The vehicle at the hovered value's governing position: small arrows on the beam.
  for (const auto& [X, load] : frame.vehicle) {
    const double a = px(X);
    if (a < plot.left() || a > plot.right()) continue;
    ForceArrow(painter, kVehicleColour, {a, axis - 2}, {a, axis - 20}, true);
  }
}

}  // namespace spanwise::ui
