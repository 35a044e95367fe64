#include <algorithm>

#include "common/MemberGeometry.h"
#include "design/DesignParts.h"
#include "input/Layout.h"
#include "input/ReadCount.h"

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

}  // namespace

void ReadDesignLoads(const std::string& F, long NJ, long NM, Array2& JN, Array1& XCoord,
                     DesignLoads& loads, bool fill_model, BeamModel& model) {
  FieldReader Channel1 = FieldReader::Open(F);
  for (const SectionLayout* section :
       {&kJoints, &kSupports, &kMaterials, &kCrossSections, &kMembers})
    SkipSection(Channel1, *section);

  loads.loads_fy = 0;
  std::vector<MemberLoad> all;
  const long member_loads = ReadCount(Channel1, kMemberLoads.Count(), false);
  all.reserve(static_cast<std::size_t>(member_loads));
  for (long record = 1; record <= member_loads; ++record) {
    MemberLoad load = ReadMemberLoad(Channel1, record, NM);
    if (fill_model)
      model.member_loads.push_back({load.line, load.m, load.t, load.w1, load.w2, load.l1, load.l2});
    const double L = MemberLength(load.m, JN, XCoord);
    if (!PlaceOnMember(load, L)) continue;
    const double resultant =
        load.IsPoint() ? load.w1 : (0.5 * (load.w1 + load.w2)) * ((L - load.l1) - load.l2);
    loads.loads_fy = loads.loads_fy - resultant;
    all.push_back(load);
  }
  GroupByMember(NM, all, loads);

  loads.joint_fy.assign(static_cast<std::size_t>(NJ) + 1, 0);
  loads.joint_mz.assign(static_cast<std::size_t>(NJ) + 1, 0);
  const long joint_loads = ReadCount(Channel1, kJointLoads.Count(), false);
  for (long record = 1; record <= joint_loads; ++record) {
    const long J = ReadIndex(Channel1, kJointLoads.Field(record, 1), NJ, "joint");
    const int line = Channel1.line();
    const double Fy = Channel1.ReadNumber(kJointLoads.Field(record, 2));
    const double Mz = Channel1.ReadNumber(kJointLoads.Field(record, 3));
    Channel1.ReadLabel(kJointLoads.Label(record));
    if (fill_model) model.joint_loads.push_back({line, J, Fy, Mz});
    loads.joint_fy.at(static_cast<std::size_t>(J)) += Fy;
    loads.joint_mz.at(static_cast<std::size_t>(J)) += Mz;
    loads.loads_fy = loads.loads_fy + Fy;
  }
  Channel1.Close();
}

}  // namespace spanwise
