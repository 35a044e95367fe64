#include "design/MovingChoice.h"

#include <algorithm>

#include "design/DesignParts.h"
#include "design/LaneLoad.h"
#include "design/MemberInfluence.h"
#include "design/MovingMember.h"
#include "design/VehicleExtremes.h"

namespace spanwise {
namespace {

constexpr InfluenceKind KindOf(Quantity q) {
  return q == Quantity::kMoment  ? InfluenceKind::kMoment
         : q == Quantity::kShear ? InfluenceKind::kShear
                                 : InfluenceKind::kDeflection;
}

const MemberInfluence* LinesOf(const DesignValues& design, long m) {
  if (design.moving_lines == nullptr || m < 1 ||
      static_cast<std::size_t>(m) > design.moving_lines->members.size())
    return nullptr;
  const MemberInfluence& lines = design.moving_lines->members[static_cast<std::size_t>(m - 1)];
  return lines.fy.empty() ? nullptr : &lines;  // none after an overflow
}

const Vehicle& VehicleOf(const DesignValues& design, const MovingEnvelope& envelope) {
  return design.vehicles.at(static_cast<std::size_t>(&envelope - design.moving.data()));
}

std::vector<double> JointsX(const DesignValues& design) {
  std::vector<double> xs;
  for (const BeamModel::Joint& joint : design.model.joints) xs.push_back(joint.x);
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  return xs;
}

// a + b, both lines over the same interval without gaps.
InfluenceLine Sum(const InfluenceLine& a, const InfluenceLine& b) {
  if (a.empty()) return b;
  InfluenceLine out;
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const double x0 = std::max(a[i].x0, b[j].x0), x1 = std::min(a[i].x1, b[j].x1);
    Piece p{x0, x1, a[i].c};
    std::array<double, 6> q = b[j].c;
    ShiftCubic(p.c, x0 - a[i].x0);
    ShiftCubic(q, x0 - b[j].x0);
    for (std::size_t k = 0; k < 4; ++k) p.c[k] = p.c[k] + q[k];
    out.push_back(p);
    if (a[i].x1 <= x1) ++i;
    if (b[j].x1 <= x1) ++j;
  }
  return out;
}

// The vertical end force of member at end i (F1) or end j (F3 = -F1, and
// 1 - F1 for a load on the member: its vertical equilibrium).
InfluenceLine EndForce(const MemberInfluence& member, bool end_i) {
  InfluenceLine line;
  for (std::size_t k = 0; k < member.fy.size(); ++k) {
    const Piece& f = member.fy[k];
    Piece& p = line.emplace_back(Piece{f.x0, f.x1, {}});  // the cubic only
    for (std::size_t n = 0; n < 4; ++n) p.c[n] = end_i ? f.c[n] : -f.c[n];
    if (!end_i && k == member.own) p.c[0] = p.c[0] + 1;
  }
  return line;
}

}  // namespace

const MovingEnvelope* MovingCaseOf(const DesignValues& design, long load_case) {
  if (design.moving_lines == nullptr || design.vehicles.size() != design.moving.size())
    return nullptr;
  for (const MovingEnvelope& envelope : design.moving)
    if (envelope.load_case == load_case) return &envelope;
  return nullptr;
}

bool MovingAt(const DesignValues& design, long load_case, long m, double x, Quantity quantity,
              MovingExtreme& max, MovingExtreme& min) {
  max = min = MovingExtreme{};
  const MovingEnvelope* envelope = MovingCaseOf(design, load_case);
  const MemberInfluence* member = LinesOf(design, m);
  if (envelope == nullptr || member == nullptr) return false;
  MovingScratch scratch;
  MovingSection(*member, KindOf(quantity), x, VehicleOf(design, *envelope),
                design.moving_lines->xmin, design.moving_lines->xmax, scratch, max, min);
  return max.present || min.present;
}

bool MovingCurveOf(const DesignValues& design, long load_case, long m, Quantity quantity,
                   int per_piece, EnvelopeCurve& curve) {
  curve = {};
  const MovingEnvelope* envelope = MovingCaseOf(design, load_case);
  const MemberInfluence* member = LinesOf(design, m);
  if (envelope == nullptr || member == nullptr ||
      static_cast<std::size_t>(m) > envelope->members.size() ||
      (quantity == Quantity::kDeflection && member->EI == 0))
    return false;
  const double L = member->length;
  const int n = std::max(per_piece, 2);
  std::vector<double> xs;
  for (int i = 0; i <= n; ++i) xs.push_back(i == n ? L : (L * i) / n);
  const MovingEnvelope::Member& e = envelope->members[static_cast<std::size_t>(m - 1)];
  const MovingExtreme* extremes[3][2] = {{&e.moment_max, &e.moment_min},
                                         {&e.shear_max, &e.shear_min},
                                         {&e.deflection_max, &e.deflection_min}};
  for (const MovingExtreme* x : extremes[static_cast<int>(quantity)])
    if (x->present && x->x >= 0 && x->x <= L) xs.push_back(x->x);
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  const Vehicle& vehicle = VehicleOf(design, *envelope);
  MovingScratch scratch;
  for (const double x : xs) {
    MovingExtreme max, min;
    MovingSection(*member, KindOf(quantity), x, vehicle, design.moving_lines->xmin,
                  design.moving_lines->xmax, scratch, max, min);
    if (!max.present || !min.present) continue;
    curve.x.push_back(x);
    curve.max.push_back(max.value);
    curve.min.push_back(min.value);
  }
  return true;
}

bool BeamInfluence(const DesignValues& design, const InfluenceQuantity& quantity,
                   InfluenceLine& line) {
  line.clear();
  if (design.moving_lines == nullptr) return false;
  const std::vector<double> joints_x = JointsX(design);
  if (quantity.kind != InfluenceKind::kReactionFy) {
    const MemberInfluence* member = LinesOf(design, quantity.member);
    if (quantity.kind == InfluenceKind::kReactionMz || member == nullptr) return false;
    const InfluenceLine section = SectionInfluence(*member, quantity.kind, quantity.x);
    if (section.empty()) return false;
    line = OverTheBeam(section, joints_x);
    return true;
  }
  const long J = quantity.joint;
  if (J < 1 || static_cast<std::size_t>(J) > design.model.joints.size()) return false;
  const Support& support = design.model.joints[static_cast<std::size_t>(J - 1)].support;
  if (!support.HoldsVertical()) return false;
  for (const BeamModel::Member& ends : design.model.members) {
    if (ends.i != J && ends.j != J) continue;
    const MemberInfluence* member = LinesOf(design, &ends - design.model.members.data() + 1);
    if (member == nullptr) {
      line.clear();
      return false;
    }
    if (support.vertical == Restraint::kSpring) {
      // The joint's deflection, from a member that has one.
      const InfluenceLine v =
          SectionInfluence(*member, InfluenceKind::kDeflection, ends.i == J ? 0 : member->length);
      if (v.empty()) continue;
      line = OverTheBeam(v, joints_x);
      for (Piece& p : line)
        for (std::size_t n = 0; n < 4; ++n) p.c[n] = -(support.kv * p.c[n]);
      return true;
    }
    line = Sum(line, OverTheBeam(EndForce(*member, ends.i == J), joints_x));
  }
  return !line.empty();
}

PlacedVehicle PlaceVehicle(const Vehicle& vehicle, double position, Direction direction,
                           double xmin, double xmax) {
  PlacedVehicle placed;
  placed.present = true;
  placed.position = position;
  placed.direction = direction;
  const double sign = direction == Direction::kIncreasingX ? -1.0 : 1.0;
  double offset = 0;
  for (const Axle& axle : vehicle.axles) {
    offset = offset + axle.spacing;
    const double X = position + sign * offset;
    if (X >= xmin && X <= xmax) placed.axles.push_back({X, axle.load});
  }
  return placed;
}

PlacedVehicle WorstVehicle(const InfluenceLine& line, const Vehicle& vehicle, bool largest) {
  if (line.empty()) return {};
  VehicleScratch scratch;
  VehicleExtreme max, min;
  VehicleExtremes(line, vehicle, scratch, max, min);
  const VehicleExtreme& e = largest ? max : min;
  PlacedVehicle placed;
  if (e.present) placed = PlaceVehicle(vehicle, e.x1, e.direction, line.front().x0, line.back().x1);
  placed.present = true;
  placed.value = e.present ? e.value : 0;
  if (vehicle.lane == 0) return placed;
  // The lane on the lengths where the line has the sign sought.
  std::vector<double> roots;
  for (const Piece& p : line) {
    roots.assign({0.0});
    SignChangesIn(p.c.data(), 3, 0, p.x1 - p.x0, roots);
    roots.push_back(p.x1 - p.x0);
    for (std::size_t k = 0; k + 1 < roots.size(); ++k) {
      const double a = p.x0 + roots[k], b = p.x0 + roots[k + 1];
      const double mid = PieceValue(p, (a + b) / 2);
      if (!(b > a) || (largest ? !(mid > 0) : !(mid < 0))) continue;
      if (!placed.lane.empty() && placed.lane.back().second == a)
        placed.lane.back().second = b;
      else
        placed.lane.push_back({a, b});
    }
  }
  const LaneAreas areas = LaneAreasOf(line, roots);
  placed.value = placed.value + vehicle.lane * (largest ? areas.positive : areas.negative);
  return placed;
}

}  // namespace spanwise
