#include <algorithm>

#include "common/MemberGeometry.h"
#include "design/DesignParts.h"

namespace spanwise {
namespace {

// Groups the loads by member, keeping record order within a member (a
// counting sort; most files list them in member order already).
void GroupByMember(long NM, std::vector<MemberLoad>& all, DesignLoads& loads) {
  loads.first.assign(static_cast<std::size_t>(NM) + 2, 0);
  for (const MemberLoad& load : all) ++loads.first.at(static_cast<std::size_t>(load.m) + 1);
  for (std::size_t m = 1; m < loads.first.size(); ++m) loads.first[m] += loads.first[m - 1];
  const bool in_order = std::is_sorted(all.begin(), all.end(),
                                       [](const auto& a, const auto& b) { return a.m < b.m; });
  if (in_order) {
    loads.member_loads = std::move(all);
    return;
  }
  loads.member_loads.resize(all.size());
  std::vector<long> next(loads.first.begin(), loads.first.end());
  for (const MemberLoad& load : all)
    loads.member_loads.at(static_cast<std::size_t>(next.at(static_cast<std::size_t>(load.m))++)) =
        load;
}

// The total force of a load placed on its member of length L.
double Resultant(const MemberLoad& load, double L) {
  switch (load.Kind()) {
    case LoadKind::kPoint:
      return load.w1;
    case LoadKind::kDistributed:
      return (0.5 * (load.w1 + load.w2)) * ((L - load.l1) - load.l2);
    case LoadKind::kNone:
      break;
  }
  return 0;
}

}  // namespace

void GatherDesignLoads(const LoadRecords& records, const Structure& structure, DesignLoads& loads,
                       bool fill_model, BeamModel& model) {
  const long NJ = structure.NJ, NM = structure.NM;
  const Array2& JN = structure.JN;
  const Array1& XCoord = structure.XCoord;
  loads.loads_fy = 0;
  std::vector<MemberLoad> all;
  all.reserve(records.member_loads.size());
  if (fill_model) model.member_loads.reserve(records.member_loads.size());
  for (MemberLoad load : records.member_loads) {
    if (fill_model)
      model.member_loads.push_back({load.line, load.m, load.t, load.w1, load.w2, load.l1, load.l2});
    const double L = MemberLength(load.m, JN, XCoord);
    if (!PlaceOnMember(load, L)) continue;
    loads.loads_fy = loads.loads_fy - Resultant(load, L);
    all.push_back(load);
  }
  GroupByMember(NM, all, loads);

  loads.joint_fy.assign(static_cast<std::size_t>(NJ) + 1, 0);
  loads.joint_mz.assign(static_cast<std::size_t>(NJ) + 1, 0);
  for (const JointLoadRecord& joint : records.joint_loads) {
    if (fill_model) model.joint_loads.push_back({joint.line, joint.joint, joint.fy, joint.mz});
    loads.joint_fy.at(static_cast<std::size_t>(joint.joint)) += joint.fy;
    loads.joint_mz.at(static_cast<std::size_t>(joint.joint)) += joint.mz;
    loads.loads_fy = loads.loads_fy + joint.fy;
  }
}

}  // namespace spanwise
