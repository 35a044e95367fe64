#include <string>

#include "common/DataError.h"
#include "common/MemberGeometry.h"
#include "common/MemberReleases.h"
#include "loads/Loads.h"

namespace spanwise {
namespace {

// A joint moment where nothing takes it: every member end there is released.
void CheckLooseMoments(const Structure& structure, const std::vector<JointLoadRecord>& case1,
                       const LoadCases& cases) {
  if (structure.released.empty()) return;
  const std::vector<bool> loose = structure.LooseRotations();
  const auto check = [&](const std::vector<JointLoadRecord>& loads, long number) {
    long record = 0;
    for (const JointLoadRecord& load : loads) {
      ++record;
      if (load.mz == 0 || !loose.at(static_cast<std::size_t>(load.joint))) continue;
      throw DataError("line " + std::to_string(load.line) + ", " +
                          CaseSection(number, "joint loads") + " record " + std::to_string(record) +
                          ": the moment Mz acts at joint " + std::to_string(load.joint) +
                          ", where every member end is released and no support holds the "
                          "rotation: nothing takes it",
                      load.line, 3);
    }
  };
  check(case1, 1);
  for (std::size_t c = 0; c < cases.cases.size(); ++c)
    check(cases.cases[c].joint_loads, static_cast<long>(c) + 2);
}

// Released ends carry no moment: their members' fixed-end actions condensed.
void CondenseReleased(const Structure& structure, LoadSet& loads) {
  if (structure.released.empty()) return;
  loads.unreleased.assign(static_cast<std::size_t>(structure.NM) + 1, {});
  for (long m = 1; m <= structure.NM; ++m) {
    const int released = structure.ReleasesOf(m);
    if (released == 0) continue;
    std::array<double, 4> E{};
    for (int r = 1; r <= 4; ++r) E.at(static_cast<std::size_t>(r - 1)) = loads.LoExtLoad(m, r);
    loads.unreleased.at(static_cast<std::size_t>(m)) = E;
    CondenseEndLoads(released, MemberLength(m, structure.JN, structure.XCoord), E);
    for (int r = 1; r <= 4; ++r) loads.LoExtLoad(m, r) = E.at(static_cast<std::size_t>(r - 1));
  }
}

}  // namespace

void InputVolatileData(Structure& structure, const RecordLines& Lines, FieldReader& Channel1,
                       bool keep_records, LoadSet& loads, std::vector<std::string>& Warnings) {
  BeamLoad(structure, Channel1, keep_records, loads, Warnings);
  std::vector<JointLoadRecord> joint_loads;
  JointLoad(structure.NJ, Channel1, joint_loads);
  ReadLoadCases(Channel1, structure.NM, structure.NJ, loads.cases, Warnings);
  ApplySupportBlocks(loads.cases, Lines, structure);
  CheckLooseMoments(structure, joint_loads, loads.cases);
  CondenseReleased(structure, loads);
  AddMemberLoads(structure, loads);
  AddJointLoads(joint_loads, loads.GloExtLoad);
  if (keep_records) {
    loads.records.joint_loads = std::move(joint_loads);
    loads.records.settlements_given = !loads.cases.settlements.empty();
    for (const Settlement& s : loads.cases.settlements)
      if (s.load_case == 1) loads.records.settlements.push_back(s);
  }
  // Further cases' records that add nothing to the envelopes are said too.
  for (std::size_t c = 0; c < loads.cases.cases.size(); ++c) {
    const std::string section = CaseSection(static_cast<long>(c) + 2, "member loads");
    for (MemberLoad load : loads.cases.cases[c].member_loads) {
      if (load.Kind() == LoadKind::kNone)
        Warnings.push_back(UnknownLoadType(load, section));
      else if (const double L = MemberLength(load.m, structure.JN, structure.XCoord);
               !PlaceOnMember(load, L, section.c_str()))
        Warnings.push_back(NoLoadedLength(load, L, section));
    }
  }
  Channel1.Close();
}

}  // namespace spanwise
