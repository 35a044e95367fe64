#include <map>

#include "common/MemberGeometry.h"
#include "design/Envelope.h"

namespace spanwise {
namespace {

void AddCase(long number, bool variable, const std::vector<MemberLoad>& member_loads,
             const std::vector<JointLoadRecord>& joint_loads,
             const std::vector<Settlement>& settlements, Array2& JN, Array1& XCoord,
             std::vector<LoadGroup>& groups) {
  const std::string section = CaseSection(number, "member loads");
  if (!variable) {
    LoadGroup group;
    group.name.load_case = number;
    for (MemberLoad load : member_loads)
      if (PlaceOnMember(load, MemberLength(load.m, JN, XCoord), section.c_str()))
        group.member_loads.push_back(load);
    group.joint_loads = joint_loads;
    for (const Settlement& s : settlements)
      if (s.load_case == number) group.settlements.push_back(s);
    groups.push_back(std::move(group));
    return;
  }
  std::map<long, LoadGroup> by_member, by_joint;
  for (MemberLoad load : member_loads) {
    if (!PlaceOnMember(load, MemberLength(load.m, JN, XCoord), section.c_str())) continue;
    LoadGroup& group = by_member[load.m];
    group.name.load_case = number;
    group.name.member = load.m;
    group.member_loads.push_back(load);
  }
  for (const JointLoadRecord& load : joint_loads) {
    LoadGroup& group = by_joint[load.joint];
    group.name.load_case = number;
    group.name.joint = load.joint;
    group.joint_loads.push_back(load);
  }
  // A settlement joins its joint's group.
  for (const Settlement& s : settlements) {
    if (s.load_case != number) continue;
    LoadGroup& group = by_joint[s.joint];
    group.name.load_case = number;
    group.name.joint = s.joint;
    group.settlements.push_back(s);
  }
  for (auto& [m, group] : by_member) groups.push_back(std::move(group));
  for (auto& [j, group] : by_joint) groups.push_back(std::move(group));
}

}  // namespace

void MakeLoadGroups(const LoadRecords& case1, const LoadCases& cases, Array2& JN, Array1& XCoord,
                    std::vector<LoadGroup>& groups) {
  groups.clear();
  AddCase(1, false, case1.member_loads, case1.joint_loads, cases.settlements, JN, XCoord, groups);
  long number = 1;
  for (const LoadCase& c : cases.cases) {
    if (c.moving) {  // a vehicle is no group: its envelope is its own (run/MovingCases.h)
      ++number;
      continue;
    }
    AddCase(++number, c.variable, c.member_loads, c.joint_loads, cases.settlements, JN, XCoord,
            groups);
  }
}

}  // namespace spanwise
