#include "run/GroupEffects.h"

#include <algorithm>
#include <array>
#include <string>

#include "common/FloatingPoint.h"
#include "common/MemberGeometry.h"
#include "common/MemberReleases.h"
#include "common/MemoryBudget.h"
#include "loads/Loads.h"
#include "stiffness/Stiffness.h"

namespace spanwise {

namespace {

constexpr const char* kSolvingGroups = "solving the load groups";

// The end loads of the touched members with released ends condensed;
// unreleased (0..NM) gains each one's loads before.
void CondenseGroupLoads(const Structure& structure, const std::vector<long>& touched,
                        Array2& LoExtLoad, std::vector<std::array<double, 4>>& unreleased) {
  for (long m : touched) {
    const int released = structure.ReleasesOf(m);
    if (released == 0) continue;
    std::array<double, 4>& E = unreleased.at(static_cast<std::size_t>(m));
    for (int r = 1; r <= 4; ++r) E.at(static_cast<std::size_t>(r - 1)) = LoExtLoad(m, r);
    std::array<double, 4> condensed = E;
    CondenseEndLoads(released, MemberLength(m, structure.JN, structure.XCoord), condensed);
    for (int r = 1; r <= 4; ++r) LoExtLoad(m, r) = condensed.at(static_cast<std::size_t>(r - 1));
  }
}

void Forget(EnvelopeSource& source) {
  for (EnvelopeSource::Member& member : source.members) member.effects = {};
  for (EnvelopeSource::Joint& joint : source.joints) joint.reactions = {};
}

}  // namespace

bool SolveGroups(const Structure& structure, FactoredStiffness& factored, const Array3& LoMemK,
                 bool full_reach, StepWatch& watch, EnvelopeSource& source) {
  const long NJ = structure.NJ, NM = structure.NM;
  const Array2& JN = structure.JN;
  const Array1& XCoord = structure.XCoord;
  ClearFloatingPointFaults();
  const std::vector<LoadGroup>& groups = source.groups;
  const long G = static_cast<long>(groups.size());
  double held = 0;  // bytes of the effects and reactions so far
  Array2 LoExtLoad("LoExtLoad", {NM, 4});
  Array1 GloExtLoad("GloExtLoad", {2 * NJ}), Disp("TempDisp", {2 * NJ});
  Array1 end_fy("EndForceFy", {NJ}), end_mz("EndForceMz", {NJ});
  // The members at each joint, and each restrained joint's place in source.
  std::vector<long> first_at(static_cast<std::size_t>(NJ) + 2, 0), at_joint,
      slot(static_cast<std::size_t>(NJ) + 1, -1);
  for (long m = 1; m <= NM; ++m)
    for (int end = 1; end <= 2; ++end) ++first_at.at(static_cast<std::size_t>(JN(m, end)) + 1);
  for (std::size_t J = 1; J < first_at.size(); ++J) first_at[J] += first_at[J - 1];
  at_joint.resize(static_cast<std::size_t>(first_at.back()));
  std::vector<long> fill(first_at.begin(), first_at.end() - 1);
  for (long m = 1; m <= NM; ++m)
    for (int end = 1; end <= 2; ++end)
      at_joint.at(static_cast<std::size_t>(fill.at(static_cast<std::size_t>(JN(m, end)))++)) = m;
  for (std::size_t k = 0; k < source.joints.size(); ++k)
    slot.at(static_cast<std::size_t>(source.joints[k].joint)) = static_cast<long>(k);
  std::vector<long> touched, reached, stamp(static_cast<std::size_t>(NM) + 1, -1);
  // Released ends: each group's end loads condensed, the ones before kept.
  const bool releases = !structure.released.empty();
  const std::vector<bool> loose = structure.LooseRotations();
  std::vector<std::array<double, 4>> unreleased(releases ? static_cast<std::size_t>(NM) + 1 : 0);
  for (long g = 0; g < G; ++g) {
    watch.Step(kSolvingGroups, g, G);
    const LoadGroup& group = groups.at(static_cast<std::size_t>(g));
    touched.clear();
    for (const MemberLoad& placed : group.member_loads) {
      MemberLoad load = placed;
      FixedEndActions(load, MemberLength(load.m, JN, XCoord), LoExtLoad);
      touched.push_back(load.m);
    }
    std::sort(touched.begin(), touched.end());
    touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
    if (releases) CondenseGroupLoads(structure, touched, LoExtLoad, unreleased);
    long first = 2 * NJ, last = 1;  // the rows the group loads
    const auto loads = [&](long J) {
      first = std::min(first, 2 * J - 1);
      last = std::max(last, 2 * J);
    };
    for (long m : touched) {
      const double rotation = RotationSign(m, JN, XCoord);
      for (int end = 0; end < 2; ++end) {
        const long J = static_cast<long>(JN(m, end + 1));
        GloExtLoad(2 * J - 1) = GloExtLoad(2 * J - 1) + LoExtLoad(m, 2 * end + 1);
        GloExtLoad(2 * J) = GloExtLoad(2 * J) + rotation * LoExtLoad(m, 2 * end + 2);
        loads(J);
      }
    }
    for (const JointLoadRecord& load : group.joint_loads) {
      GloExtLoad(2 * load.joint - 1) = GloExtLoad(2 * load.joint - 1) + load.fy;
      GloExtLoad(2 * load.joint) = GloExtLoad(2 * load.joint) + load.mz;
      loads(load.joint);
    }
    for (const Settlement& settlement : group.settlements)
      if (settlement.load_case == group.name.load_case) loads(settlement.joint);
    if (g == 0 || full_reach) first = 1, last = 2 * NJ;  // the plain case reaches everywhere
    first = std::min(first, last);
    for (long J = (first + 1) / 2; J <= last / 2; ++J) {
      const Support& support = structure.SupportOf(J);
      if (support.FixesVertical()) GloExtLoad(2 * J - 1) = 0;
      if (support.FixesRotation() || loose.at(static_cast<std::size_t>(J))) GloExtLoad(2 * J) = 0;
    }
    PrescribeSettlements(group.settlements, group.name.load_case, GloExtLoad);
    // Far from its loads a group's effect fades below any sum it could
    // enter: the solution stops at 1e-22 of its largest (see EnvelopeReach).
    long from = 1, to = 2 * NJ;
    SolveBandNear(factored.band, factored.pivots, g == 0 || full_reach ? 0 : 1e-22, first, last,
                  GloExtLoad, Disp, from, to);
    reached.clear();
    for (long J = (from + 1) / 2; J <= (to + 1) / 2; ++J)
      for (long k = first_at.at(static_cast<std::size_t>(J));
           k < first_at.at(static_cast<std::size_t>(J) + 1); ++k) {
        const long m = at_joint.at(static_cast<std::size_t>(k));
        if (stamp.at(static_cast<std::size_t>(m)) == g) continue;
        stamp.at(static_cast<std::size_t>(m)) = g;
        reached.push_back(m);
      }
    for (long m : touched)
      if (stamp.at(static_cast<std::size_t>(m)) != g) reached.push_back(m);
    std::sort(reached.begin(), reached.end());  // the order of a sum at a joint

    for (long m : reached) {
      const double rotation = RotationSign(m, JN, XCoord);
      const long i = static_cast<long>(JN(m, 1)), j = static_cast<long>(JN(m, 2));
      std::array<double, 4> d = {Disp(2 * i - 1), rotation * Disp(2 * i), Disp(2 * j - 1),
                                 rotation * Disp(2 * j)};
      if (const int released = structure.ReleasesOf(m); released != 0)
        ReleasedEndRotations(released, source.members.at(static_cast<std::size_t>(m - 1)).EI,
                             source.members.at(static_cast<std::size_t>(m - 1)).length,
                             unreleased.at(static_cast<std::size_t>(m)), d);
      double force[4];
      for (int r = 0; r < 4; ++r) {
        double f = 0;
        for (int k = 0; k < 4; ++k)
          f = f + LoMemK(m, r + 1, k + 1) * d.at(static_cast<std::size_t>(k));
        force[r] = f - LoExtLoad(m, r + 1);
      }
      // Where a group's effect underflows to exactly zero it is left out
      // (group 0 stays, so every member has one).
      EnvelopeSource::Member& member = source.members.at(static_cast<std::size_t>(m - 1));
      bool zero = g > 0;
      for (int r = 0; r < 4; ++r)
        zero = zero && force[r] == 0 && d.at(static_cast<std::size_t>(r)) == 0;
      if (zero) continue;
      held = held + static_cast<double>(sizeof(EnvelopeSource::Effect));
      member.effects.push_back(
          {g, {force[0], force[1], force[2], force[3]}, {d[0], d[1], d[2], d[3]}});
      end_fy(i) = end_fy(i) + force[0];
      end_mz(i) = end_mz(i) + rotation * force[1];
      end_fy(j) = end_fy(j) + force[2];
      end_mz(j) = end_mz(j) + rotation * force[3];
    }
    for (long m : touched) {
      for (int r = 1; r <= 4; ++r) LoExtLoad(m, r) = 0;
      if (releases) unreleased.at(static_cast<std::size_t>(m)) = {};
    }
    for (const JointLoadRecord& load : group.joint_loads) {
      end_fy(load.joint) = end_fy(load.joint) - load.fy;
      end_mz(load.joint) = end_mz(load.joint) - load.mz;
    }
    long lowest = NJ, highest = 1;  // the joints of the members reached
    for (long m : reached)
      for (int end = 1; end <= 2; ++end) {
        lowest = std::min(lowest, static_cast<long>(JN(m, end)));
        highest = std::max(highest, static_cast<long>(JN(m, end)));
      }
    for (const JointLoadRecord& load : group.joint_loads)
      lowest = std::min(lowest, load.joint), highest = std::max(highest, load.joint);
    for (long J = lowest; J <= highest; ++J) {
      const long k = slot.at(static_cast<std::size_t>(J));
      if (k >= 0) {
        EnvelopeSource::Joint& joint = source.joints.at(static_cast<std::size_t>(k));
        const double fy =
            SupportForce(joint.support, Component::kVertical, end_fy(J), Disp(2 * J - 1));
        const double mz = SupportForce(joint.support, Component::kRotation, end_mz(J), Disp(2 * J));
        if (fy != 0 || mz != 0) {
          held = held + static_cast<double>(sizeof(EnvelopeSource::Reaction));
          joint.reactions.push_back({g, fy, mz});
        }
      }
      end_fy(J) = 0;
      end_mz(J) = 0;
    }
    for (long k = std::min(from, std::max(1L, first - factored.band.lower()));
         k <= std::min(2 * NJ, to + factored.band.lower()); ++k)
      GloExtLoad(k) = 0;
    for (long k = from; k <= to; ++k) Disp(k) = 0;
    // How far a group reaches is known only once it is solved: the groups
    // to come are taken to reach as far as those so far, on average.
    if (g % 64 == 63 && g + 1 < G)
      CheckMemoryBudget(held * static_cast<double>(G - g - 1) / static_cast<double>(g + 1),
                        "the effects of " + std::to_string(G) + " load groups on " +
                            std::to_string(NM) + " members");
    if (FloatingPointFault()) {
      ClearFloatingPointFaults();
      Forget(source);
      return false;
    }
  }
  if (!full_reach)
    for (EnvelopeSource::Member& member : source.members) KeepGroupsThatMatter(source, member);
  return true;
}

}  // namespace spanwise
