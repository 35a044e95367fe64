#include "ui/BeamPicture.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/DiagramReadout.h"
#include "common/Structure.h"
#include "input/MemberLoad.h"
#include "ui/NumberLabel.h"

namespace spanwise::ui {
namespace {

// X of joint j (1-based); a joint the model lacks stands at 0.
double JointX(const BeamModel& model, long j) {
  if (j < 1 || static_cast<std::size_t>(j) > model.joints.size()) return 0;
  return model.joints[static_cast<std::size_t>(j - 1)].x;
}

const BeamModel::Member* MemberOf(const BeamModel& model, long m) {
  if (m < 1 || static_cast<std::size_t>(m) > model.members.size()) return nullptr;
  return &model.members[static_cast<std::size_t>(m - 1)];
}

// Whether the joint at member's end i (at_i) or end j is held against
// rotation and the end keeps its moment: a support moment is labelled there.
bool RotationFixedAt(const BeamModel& model, const BeamModel::Member* member, bool at_i) {
  if (member == nullptr || (member->released & (at_i ? kReleaseI : kReleaseJ)) != 0) return false;
  const long j = at_i ? member->i : member->j;
  if (j < 1 || static_cast<std::size_t>(j) > model.joints.size()) return false;
  return model.joints[static_cast<std::size_t>(j - 1)].support.HoldsRotation();
}

constexpr Quantity kQuantities[3] = {Quantity::kMoment, Quantity::kShear, Quantity::kDeflection};

// "w1 – w2", or one number when they are equal; also a reaction's range;
// with its unit.
QString LoadLabel(double w1, double w2, const Units& units, Dimension dimension) {
  return WithUnit(
      w1 == w2 ? NumberLabel(w1) : NumberLabel(w1) + QStringLiteral(" \u2013 ") + NumberLabel(w2),
      units, dimension);
}

// The first index whose reach (largest x1 so far) gets to a, and the end of
// those that start at or before b.
template <typename T, typename Start>
std::pair<std::size_t, std::size_t> InRange(const std::vector<T>& items,
                                            const std::vector<double>& reach, double a, double b,
                                            Start start) {
  const auto first = std::lower_bound(reach.begin(), reach.end(), a) - reach.begin();
  const auto last = std::upper_bound(items.begin(), items.end(), b,
                                     [&](double v, const T& item) { return v < start(item); }) -
                    items.begin();
  return {static_cast<std::size_t>(first), static_cast<std::size_t>(std::max(first, last))};
}

}  // namespace

const Piecewise& DiagramMember::Function(Diagram d) const {
  return d == kMomentDiagram  ? design->moment
         : d == kShearDiagram ? design->shear
                              : design->deflection;
}

BeamPicture::BeamPicture(std::shared_ptr<const DesignValues> values) : values_(std::move(values)) {
  if (!values_) return;
  Frame();
  AddBeamMarks(*values_);
  AddMembers(*values_);
}

BeamPicture::BeamPicture(std::shared_ptr<const DesignValues> run, long combination)
    : run_(std::move(run)), combination_(combination) {
  if (run_) values_ = CombinationLoads(*run_, combination);
  if (!values_) return;
  Frame();
  AddBeamMarks(*values_);
  AddMembers(*run_);  // the run's members for their geometry; the band is the combination's
}

BeamPicture::BeamPicture(std::shared_ptr<const DesignValues> run, MovingCase moving)
    : run_(std::move(run)), moving_case_(moving.load_case) {
  if (!run_ || MovingCaseOf(*run_, moving_case_) == nullptr) return;
  auto beam = std::make_shared<DesignValues>();  // the beam without loads: the vehicle moves
  beam->model = run_->model;
  beam->model.member_loads.clear();
  beam->model.joint_loads.clear();
  beam->model.settlements.clear();
  values_ = std::move(beam);
  Frame();
  AddBeamMarks(*values_);
  AddMembers(*run_);
}

void BeamPicture::Frame() {
  const BeamModel& model = values_->model;
  units_ = model.units;
  if (model.joints.empty()) return;
  const auto [lo, hi] = std::minmax_element(
      model.joints.begin(), model.joints.end(),
      [](const BeamModel::Joint& a, const BeamModel::Joint& b) { return a.x < b.x; });
  x_min_ = lo->x;
  x_max_ = hi->x > lo->x ? hi->x : lo->x + 1;
}

void BeamPicture::AddBeamMarks(const DesignValues& values) {
  using Kind = BeamMark::Kind;
  const BeamModel& model = values.model;
  const auto label = [this](double v, Dimension dimension) {
    return WithUnit(NumberLabel(v), units_, dimension);
  };
  for (const BeamModel::Member& member : model.members) {
    const double xi = JointX(model, member.i), xj = JointX(model, member.j);
    marks_.push_back({Kind::kMember, std::min(xi, xj), std::max(xi, xj), 0, 0, {}});
  }
  for (const BeamModel::Joint& joint : model.joints) {
    const Support& s = joint.support;
    if (s.FixesVertical() || s.FixesRotation()) {
      const Kind kind = s.FixesVertical() && s.FixesRotation() ? Kind::kFixedSupport
                        : s.FixesVertical()                    ? Kind::kPinnedSupport
                                                               : Kind::kRotationSupport;
      marks_.push_back({kind, joint.x, joint.x, 0, 0, {}});
    }
    if (s.vertical == Restraint::kSpring)
      marks_.push_back({Kind::kVerticalSpring, joint.x, joint.x, s.kv, 0, {}});
    if (s.rotation == Restraint::kSpring)
      marks_.push_back({Kind::kRotationalSpring, joint.x, joint.x, s.kr, 0, {}});
  }
  for (const BeamModel::Member& member : model.members) {
    const double xi = JointX(model, member.i), xj = JointX(model, member.j);
    const double toward_j = xj < xi ? -1.0 : 1.0;  // the side of the joint the member lies on
    if ((member.released & kReleaseI) != 0)
      marks_.push_back({Kind::kHinge, xi, xi, toward_j, 0, {}});
    if ((member.released & kReleaseJ) != 0)
      marks_.push_back({Kind::kHinge, xj, xj, -toward_j, 0, {}});
  }
  for (const Settlement& s : model.settlements) {
    const double x = JointX(model, s.joint);
    QString label = s.dy != 0 ? NumberLabel(s.dy) : QString();
    if (s.rz != 0)
      label += (label.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("rz ") +
               NumberLabel(s.rz);
    marks_.push_back({Kind::kSettlement, x, x, s.dy, s.rz, label});
  }
  for (const BeamModel::MemberLoad& load : model.member_loads) {
    const BeamModel::Member* member = MemberOf(model, load.member);
    if (member == nullptr) continue;
    const double xi = JointX(model, member->i), xj = JointX(model, member->j);
    const double sign = xj < xi ? -1.0 : 1.0;  // a member entered right to left runs leftwards
    const double L = std::abs(xj - xi);
    switch (KindOf(load.type)) {
      case LoadKind::kPoint:
        marks_.push_back({Kind::kPointLoad, xi + sign * load.l1, xi + sign * load.l1, load.w1, 0,
                          label(load.w1, Dimension::kForce)});
        break;
      case LoadKind::kDistributed: {
        if (!((L - load.l1) - load.l2 > 0)) break;
        double s = xi + sign * load.l1, e = xi + sign * (L - load.l2);
        double ws = load.w1, we = load.w2;
        if (e < s) std::swap(s, e), std::swap(ws, we);
        marks_.push_back({Kind::kDistributedLoad, s, e, ws, we,
                          LoadLabel(load.w1, load.w2, units_, Dimension::kLoad)});
        peak_distributed_ = std::max({peak_distributed_, std::abs(ws), std::abs(we)});
        break;
      }
      case LoadKind::kNone:
        break;
    }
  }
  for (const BeamModel::JointLoad& load : model.joint_loads) {
    const double x = JointX(model, load.joint);
    if (load.fy != 0)
      marks_.push_back({Kind::kJointForce, x, x, load.fy, 0, label(load.fy, Dimension::kForce)});
    if (load.mz != 0)
      marks_.push_back({Kind::kJointMoment, x, x, load.mz, 0, label(load.mz, Dimension::kMoment)});
  }
  for (const JointDesign& joint : values.joints) {
    if (joint.support.HoldsVertical())
      marks_.push_back({Kind::kReactionForce, joint.x, joint.x, joint.fy, 0,
                        label(joint.fy, Dimension::kForce)});
    if (joint.support.HoldsRotation())
      marks_.push_back({Kind::kReactionMoment, joint.x, joint.x, joint.mz, 0,
                        label(joint.mz, Dimension::kMoment)});
  }
  // A combination's reactions: from the smallest to the largest, the arrow
  // in the sense of the largest.
  if (isBand() && static_cast<std::size_t>(combination_) < run_->combinations.size()) {
    for (const auto& joint : run_->combinations[static_cast<std::size_t>(combination_)].joints) {
      const double x = JointX(model, joint.joint);
      if (joint.support.HoldsVertical() && !joint.overflow)
        marks_.push_back({Kind::kReactionForce, x, x, joint.fy_max, 0,
                          LoadLabel(joint.fy_min, joint.fy_max, units_, Dimension::kForce)});
      if (joint.support.HoldsRotation() && !joint.overflow)
        marks_.push_back({Kind::kReactionMoment, x, x, joint.mz_max, 0,
                          LoadLabel(joint.mz_min, joint.mz_max, units_, Dimension::kMoment)});
    }
  }
  // A moving case's reactions likewise.
  const MovingEnvelope* moving = run_ ? MovingCaseOf(*run_, moving_case_) : nullptr;
  for (std::size_t k = 0; moving != nullptr && k < moving->joints.size(); ++k) {
    const MovingEnvelope::Joint& joint = moving->joints[k];
    const double x = JointX(model, joint.joint);
    if (joint.fy_max.present && joint.fy_min.present)
      marks_.push_back(
          {Kind::kReactionForce, x, x, joint.fy_max.value, 0,
           LoadLabel(joint.fy_min.value, joint.fy_max.value, units_, Dimension::kForce)});
    if (joint.mz_max.present && joint.mz_min.present)
      marks_.push_back(
          {Kind::kReactionMoment, x, x, joint.mz_max.value, 0,
           LoadLabel(joint.mz_min.value, joint.mz_max.value, units_, Dimension::kMoment)});
  }
  std::stable_sort(marks_.begin(), marks_.end(),
                   [](const BeamMark& a, const BeamMark& b) { return a.x0 < b.x0; });
  // Loads of one kind at one point (several records, or several cases of a
  // combination) are drawn on top of each other: one label holds them all.
  for (std::size_t k = 0; k < marks_.size(); ++k) {
    BeamMark& first = marks_[k];
    const bool at_a_point = first.kind == Kind::kPointLoad || first.kind == Kind::kJointForce ||
                            first.kind == Kind::kJointMoment;
    for (std::size_t n = k + 1; at_a_point && n < marks_.size() && marks_[n].x0 == first.x0; ++n)
      if (marks_[n].kind == first.kind && !marks_[n].label.isEmpty()) {
        first.label += QStringLiteral(" + ") + marks_[n].label;
        marks_[n].label.clear();
      }
  }
  double reach = -HUGE_VAL;
  for (const BeamMark& mark : marks_) marks_reach_.push_back(reach = std::max(reach, mark.x1));
}

template <typename E>
void BeamPicture::AddExtremes(const DiagramMember& m,
                              const std::array<std::pair<const E*, const E*>, 3>& extremes) {
  for (int d = 0; d < 3; ++d) {
    const auto diagram = static_cast<Diagram>(d);
    const auto [max, min] = extremes[static_cast<std::size_t>(d)];
    if (max == nullptr) continue;
    for (const E* e : {max, min}) {
      if (e == nullptr || !e->present ||
          (e == min && max->present && max->x == min->x && max->value == min->value))
        continue;
      const double drawn = m.Drawn(diagram, e->value);
      const double X = m.ToX(e->x);
      // A value already marked there (a support moment that is an extreme,
      // or the same moment from the member on the joint's other side).
      const auto same = [&](const ExtremeMark& o) {
        return o.diagram == diagram && o.x == X && o.value == drawn;
      };
      const std::size_t recent = std::min<std::size_t>(extremes_.size(), 16);
      if (std::any_of(extremes_.end() - static_cast<std::ptrdiff_t>(recent), extremes_.end(), same))
        continue;
      extremes_.push_back({diagram, X, drawn, NumberLabel(drawn)});
      double& peak = peak_[static_cast<std::size_t>(d)];
      peak = std::max(peak, std::abs(drawn));
    }
  }
}

void BeamPicture::AddMembers(const DesignValues& values) {
  const CombinationEnvelope* envelope = nullptr;
  if (combination_ >= 0 && static_cast<std::size_t>(combination_) < values.combinations.size())
    envelope = &values.combinations[static_cast<std::size_t>(combination_)];
  const MovingEnvelope* moving = moving_case_ > 0 ? MovingCaseOf(values, moving_case_) : nullptr;
  for (const MemberDesign& design : values.members) {
    const BeamModel::Member* member = MemberOf(values.model, design.member);
    const double xi = member ? JointX(values.model, member->i) : 0;
    const double xj = member ? JointX(values.model, member->j) : design.length;
    members_.push_back({&design, xi, std::min(xi, xj), std::max(xi, xj), xj < xi});
    DiagramMember& m = members_.back();
    if (!isBand()) {
      AddExtremes<Extreme>(m, {{{&design.moment_max, &design.moment_min},
                                {&design.shear_max, &design.shear_min},
                                {&design.deflection_max, &design.deflection_min}}});
      for (const double x : {0.0, design.length}) {
        if (!RotationFixedAt(values.model, member, x == 0)) continue;
        const Extreme at{true, x, Evaluate(design.moment, x, x == 0 ? Side::kRight : Side::kLeft)};
        AddExtremes<Extreme>(m, {{{&at, nullptr}, {}, {}}});
      }
      continue;
    }
    const std::size_t k = static_cast<std::size_t>(design.member - 1);
    if (moving != nullptr && design.member >= 1 && k < moving->members.size()) {
      const MovingEnvelope::Member& e = moving->members[k];
      m.moving = &e;
      AddExtremes<MovingExtreme>(m, {{{&e.moment_max, &e.moment_min},
                                      {&e.shear_max, &e.shear_min},
                                      {&e.deflection_max, &e.deflection_min}}});
      continue;
    }
    if (envelope == nullptr || design.member < 1 || k >= envelope->members.size()) continue;
    const CombinationEnvelope::Member& e = envelope->members[k];
    m.envelope = &e;
    AddExtremes<EnvelopeExtreme>(m, {{{&e.moment_max, &e.moment_min},
                                      {&e.shear_max, &e.shear_min},
                                      {&e.deflection_max, &e.deflection_min}}});
    for (const double x : {0.0, design.length}) {
      if (!RotationFixedAt(values.model, member, x == 0)) continue;
      const EnvelopeReading r = EnvelopeAt(values, combination_, design.member, x,
                                           Quantity::kMoment, x == 0 ? Side::kRight : Side::kLeft);
      const EnvelopeExtreme max{r.present, x, r.max, {}}, min{r.present, x, r.min, {}};
      AddExtremes<EnvelopeExtreme>(m, {{{&max, &min}, {}, {}}});
    }
  }
  bands_.resize(isBand() ? members_.size() : 0);
  band_points_.resize(bands_.size());
  std::stable_sort(members_.begin(), members_.end(),
                   [](const DiagramMember& a, const DiagramMember& b) { return a.x_lo < b.x_lo; });
  double reach = -HUGE_VAL;
  for (const DiagramMember& m : members_) members_reach_.push_back(reach = std::max(reach, m.x_hi));
  // A rounding residue of a zero (a supported joint's deflection) reads 0.
  for (ExtremeMark& e : extremes_)
    e.label = WithUnit(NumberLabel(ShownValue(e.value, peak_[static_cast<std::size_t>(e.diagram)])),
                       units_, kDiagramDimensions[static_cast<std::size_t>(e.diagram)]);
  std::stable_sort(extremes_.begin(), extremes_.end(),
                   [](const ExtremeMark& a, const ExtremeMark& b) { return a.x < b.x; });
}

std::pair<std::size_t, std::size_t> BeamPicture::MarksIn(double a, double b) const {
  return InRange(marks_, marks_reach_, a, b, [](const BeamMark& m) { return m.x0; });
}

std::pair<std::size_t, std::size_t> BeamPicture::MembersIn(double a, double b) const {
  return InRange(members_, members_reach_, a, b, [](const DiagramMember& m) { return m.x_lo; });
}

std::shared_ptr<const BandCurves> BeamPicture::Band(std::size_t k, int per_piece) const {
  if (k >= bands_.size() || k >= members_.size()) return nullptr;
  if (bands_[k] && band_points_[k] >= per_piece) return bands_[k];
  // A beam looked at member by member from end to end keeps only the last.
  constexpr std::size_t kKept = 2000;
  if (bands_kept_ >= kKept) {
    for (auto& curves : bands_) curves.reset();
    bands_kept_ = 0;
  }
  auto curves = std::make_shared<BandCurves>();
  for (std::size_t d = 0; d < 3; ++d) {
    const long member = members_[k].design->member;
    if (moving_case_ > 0)
      MovingCurveOf(*run_, moving_case_, member, kQuantities[d], per_piece, curves->at(d));
    else
      EnvelopeCurveOf(*run_, combination_, member, kQuantities[d], per_piece, curves->at(d));
  }
  if (!bands_[k]) ++bands_kept_;
  bands_[k] = curves;
  band_points_[k] = per_piece;
  return curves;
}

EnvelopeReading BeamPicture::MovingReading(long member, double x, Quantity quantity,
                                           PlacedVehicle& vehicle) const {
  MovingExtreme max, min;
  if (!MovingAt(*run_, moving_case_, member, x, quantity, max, min) || !max.present || !min.present)
    return {};
  // Where the vehicle stands for each, in words.
  const auto where = [this](const MovingExtreme& e) {
    return QStringLiteral("axle 1 at X = %1, %2")
        .arg(WithUnit(NumberLabel(e.position), units_, Dimension::kLength),
             e.direction == Direction::kIncreasingX ? QStringLiteral("+x") : QStringLiteral("-x"))
        .toStdString();
  };
  const std::size_t n =
      static_cast<std::size_t>(MovingCaseOf(*run_, moving_case_) - run_->moving.data());
  vehicle = PlaceVehicle(run_->vehicles.at(n), max.position, max.direction, x_min_, x_max_);
  return {true, max.value, min.value, where(max), where(min)};
}

ValuesAt BeamPicture::At(double X) const {
  ValuesAt at;
  const auto [first, last] = MembersIn(X, X);
  for (std::size_t k = first; k < last; ++k) {
    const DiagramMember& m = members_[k];
    if (X < m.x_lo || X > m.x_hi) continue;
    const double x = std::clamp(m.ToMember(X), 0.0, m.design->length);
    // The value just right of the pointer along X, whichever way the member runs.
    const Side side = m.mirrored ? Side::kLeft : Side::kRight;
    at.on_member = true;
    if (isBand()) {
      at.band = true;
      for (std::size_t d = 0; d < 3; ++d) {
        EnvelopeReading& r = at.envelope.at(d);
        if (moving_case_ > 0) {
          r = MovingReading(m.design->member, x, kQuantities[d], at.vehicle.at(d));
        } else {
          r = EnvelopeAt(*run_, combination_, m.design->member, x, kQuantities[d], side);
        }
        if (d != kShearDiagram || !m.mirrored) continue;
        // Drawn negated: the smallest value becomes the largest.
        std::swap(r.max, r.min);
        std::swap(r.max_adverse, r.min_adverse);
        r.max = m.Drawn(kShearDiagram, r.max);
        r.min = m.Drawn(kShearDiagram, r.min);
      }
      break;
    }
    at.moment = Evaluate(m.design->moment, x, side);
    at.shear = m.Drawn(kShearDiagram, Evaluate(m.design->shear, x, side));
    at.has_deflection = !m.design->deflection.empty();
    if (at.has_deflection) at.deflection = Evaluate(m.design->deflection, x, side);
    break;
  }
  return at;
}

}  // namespace spanwise::ui
