#include "run/MovingCases.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/DataError.h"
#include "common/MemoryBudget.h"
#include "design/LaneLoad.h"
#include "design/MovingMember.h"
#include "design/VehicleExtremes.h"
#include "run/InfluenceLines.h"

namespace spanwise {
namespace {

constexpr const char* kMoving = "moving the vehicles";

// Consecutive pieces of value 0 made one: a reaction's line spans the beam.
void MergeZeros(InfluenceLine& line) {
  InfluenceLine merged;
  const auto zero = [](const Piece& p) {
    return std::all_of(p.c.begin(), p.c.end(), [](double c) { return c == 0; });
  };
  for (const Piece& p : line) {
    if (!merged.empty() && zero(p) && zero(merged.back()))
      merged.back().x1 = p.x1;
    else
      merged.push_back(p);
  }
  line = std::move(merged);
}

[[noreturn]] void Overflow(const LoadCase& c) {
  throw DataError("the influence lines of moving case '" + c.label + "' overflow", 0, 0);
}

// A reaction component's range: the axles' extremes and the lane's areas.
void ReactionRange(InfluenceModel& influence, long joint, InfluenceKind kind,
                   const Vehicle& vehicle, MovingScratch& scratch, const LoadCase& c,
                   MovingExtreme& max, MovingExtreme& min) {
  if (!QuantityInfluence(influence, {kind, 0, 0, joint}, scratch.line)) Overflow(c);
  MergeZeros(scratch.line);
  VehicleExtreme hi, lo;
  VehicleExtremes(scratch.line, vehicle, scratch.vehicle, hi, lo);
  const LaneAreas areas = LaneAreasOf(scratch.line, scratch.roots);
  const auto moving = [&](const VehicleExtreme& e, double lane) {
    if (!e.present) return MovingExtreme{true, 0, lane, 0, Direction::kIncreasingX};
    return MovingExtreme{true, 0, e.value + lane, e.x1, e.direction};
  };
  max = moving(hi, vehicle.lane * areas.positive);
  min = moving(lo, vehicle.lane * areas.negative);
  if (!std::isfinite(max.value) || !std::isfinite(min.value)) Overflow(c);
}

}  // namespace

void MovingEnvelopes(const Structure& structure, FactoredStiffness& factored, const Array3& LoMemK,
                     const LoadCases& cases, StepWatch& watch, MovingLines& model,
                     std::vector<MovingEnvelope>& moving) {
  moving.clear();
  model = {};
  if (std::none_of(cases.cases.begin(), cases.cases.end(),
                   [](const LoadCase& c) { return c.moving; }))
    return;
  InfluenceModel influence(structure, factored, LoMemK);
  model.xmin = influence.joints_x.front();
  model.xmax = influence.joints_x.back();
  const long NM = structure.NM;
  model.members.resize(static_cast<std::size_t>(NM));
  double held = 0;
  for (long m = 1; m <= NM; ++m) {
    watch.Step(kMoving, m - 1, 2 * NM);
    MemberInfluence& member = model.members.at(static_cast<std::size_t>(m - 1));
    if (!MemberEndInfluence(influence, m, member))
      throw DataError("the influence lines of member " + std::to_string(m) + " overflow", 0, 0);
    held = held + 4.0 * static_cast<double>(member.fy.size() * sizeof(Piece));
    if (m % 64 == 0 && m < NM)
      CheckMemoryBudget(held * static_cast<double>(NM - m) / static_cast<double>(m),
                        "the influence lines of " + std::to_string(NM) + " members");
  }
  MovingScratch scratch;
  long number = 1;
  for (const LoadCase& c : cases.cases) {
    ++number;
    if (!c.moving) continue;
    MovingEnvelope envelope;
    envelope.load_case = number;
    envelope.label = c.label;
    for (long j = 1; j <= structure.NJ; ++j) {
      const Support& support = structure.SupportOf(j);
      if (!support.IsRestrained()) continue;
      MovingEnvelope::Joint joint;
      joint.joint = j;
      joint.support = support;
      if (support.HoldsVertical())
        ReactionRange(influence, j, InfluenceKind::kReactionFy, c.vehicle, scratch, c, joint.fy_max,
                      joint.fy_min);
      if (support.HoldsRotation())
        ReactionRange(influence, j, InfluenceKind::kReactionMz, c.vehicle, scratch, c, joint.mz_max,
                      joint.mz_min);
      envelope.joints.push_back(joint);
    }
    for (long m = 1; m <= NM; ++m) {
      watch.Step(kMoving, NM + m - 1, 2 * NM);
      envelope.members.emplace_back();
      MovingMember(model.members.at(static_cast<std::size_t>(m - 1)), c.vehicle, model.xmin,
                   model.xmax, scratch, envelope.members.back());
    }
    moving.push_back(std::move(envelope));
  }
}

}  // namespace spanwise
