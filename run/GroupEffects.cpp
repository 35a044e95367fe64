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
                 StepWatch& watch, EnvelopeSource& source) {
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
  std::vector<long> touched;
  // Released ends: each group's end loads condensed, the ones before kept.
  const bool releases = !structure.released.empty();
  const std::vector<bool> loose = structure.LooseRotations();
  std::vector<std::array<double, 4>> unreleased(releases ? static_cast<std::size_t>(NM) + 1 : 0);
  for (long g = 0; g < G; ++g) {
    watch.Step(kSolvingGroups, g, G);
    const LoadGroup& group = groups.at(static_cast<std::size_t>(g));
    for (long k = 1; k <= 2 * NJ; ++k) GloExtLoad(k) = 0;
    touched.clear();
    for (const MemberLoad& placed : group.member_loads) {
      MemberLoad load = placed;
      FixedEndActions(load, MemberLength(load.m, JN, XCoord), LoExtLoad);
      touched.push_back(load.m);
    }
    std::sort(touched.begin(), touched.end());
    touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
    if (releases) CondenseGroupLoads(structure, touched, LoExtLoad, unreleased);
    for (long m : touched) {
      const double rotation = RotationSign(m, JN, XCoord);
      for (int end = 0; end < 2; ++end) {
        const long J = static_cast<long>(JN(m, end + 1));
        GloExtLoad(2 * J - 1) = GloExtLoad(2 * J - 1) + LoExtLoad(m, 2 * end + 1);
        GloExtLoad(2 * J) = GloExtLoad(2 * J) + rotation * LoExtLoad(m, 2 * end + 2);
      }
    }
    for (const JointLoadRecord& load : group.joint_loads) {
      GloExtLoad(2 * load.joint - 1) = GloExtLoad(2 * load.joint - 1) + load.fy;
      GloExtLoad(2 * load.joint) = GloExtLoad(2 * load.joint) + load.mz;
    }
    for (long J = 1; J <= NJ; ++J) {
      const Support& support = structure.SupportOf(J);
      if (support.FixesVertical()) GloExtLoad(2 * J - 1) = 0;
      if (support.FixesRotation() || loose.at(static_cast<std::size_t>(J))) GloExtLoad(2 * J) = 0;
      end_fy(J) = 0;
      end_mz(J) = 0;
    }
    PrescribeSettlements(group.settlements, group.name.load_case, GloExtLoad);
    SolveBand(factored.band, factored.pivots, GloExtLoad, Disp);

    for (long m = 1; m <= NM; ++m) {
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
        for (int k = 0; k < 4; ++k) f = f + LoMemK(m, r + 1, k + 1) * d.at(k);
        force[r] = f - LoExtLoad(m, r + 1);
      }
      // Far from its loads a group's effect underflows to exactly zero: it
      // is left out there (group 0 stays, so every member has one).
      EnvelopeSource::Member& member = source.members.at(static_cast<std::size_t>(m - 1));
      bool zero = g > 0;
      for (int r = 0; r < 4; ++r) zero = zero && force[r] == 0 && d.at(r) == 0;
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
    for (EnvelopeSource::Joint& joint : source.joints) {
      const double fy = SupportForce(joint.support, Component::kVertical, end_fy(joint.joint),
                                     Disp(2 * joint.joint - 1));
      const double mz = SupportForce(joint.support, Component::kRotation, end_mz(joint.joint),
                                     Disp(2 * joint.joint));
      if (fy == 0 && mz == 0) continue;
      held = held + static_cast<double>(sizeof(EnvelopeSource::Reaction));
      joint.reactions.push_back({g, fy, mz});
    }
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
  return true;
}

}  // namespace spanwise
