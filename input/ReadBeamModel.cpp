#include <string>
#include <utility>

#include "common/Array.h"
#include "common/MemberGeometry.h"
#include "input/BeamModel.h"
#include "input/JointLoadRecord.h"
#include "input/Layout.h"
#include "input/LoadCases.h"
#include "input/MemberLoad.h"
#include "input/ReadCount.h"
#include "input/StructureInput.h"

namespace spanwise {

// The same passes as the run, in the same order, so that the first fault
// found is the one the run would report while reading.
BeamModel ReadBeamModel(std::string bytes) {
  FieldReader Channel1("");
  RecordLines Lines;
  Structure structure = ReadStructure(bytes, Lines, Channel1);
  const long NJ = structure.NJ, NM = structure.NM;
  const Array2& JN = structure.JN;
  const Array1& XCoord = structure.XCoord;

  BeamModel model;
  const long loads = ReadCount(Channel1, kMemberLoads.Count(), false);
  for (long record = 1; record <= loads; ++record) {
    MemberLoad load = ReadMemberLoad(Channel1, record, NM);
    if (load.Kind() == LoadKind::kNone) model.warnings.push_back(UnknownLoadType(load));
    PlaceOnMember(load, MemberLength(load.m, JN, XCoord));
    model.member_loads.push_back({load.line, load.m, load.t, load.w1, load.w2, load.l1, load.l2});
  }
  const long joint_loads = ReadCount(Channel1, kJointLoads.Count(), false);
  for (long record = 1; record <= joint_loads; ++record) {
    const JointLoadRecord load = ReadJointLoad(Channel1, record, NJ);
    model.joint_loads.push_back({load.line, load.joint, load.fy, load.mz});
  }
  LoadCases blocks;
  ReadLoadCases(Channel1, NM, NJ, blocks, model.warnings);
  ApplySupportBlocks(blocks, Lines, structure);
  model.units = blocks.units;
  for (const Settlement& s : blocks.settlements)
    if (s.load_case == 1) model.settlements.push_back(s);

  model.joints.resize(static_cast<std::size_t>(NJ));
  for (long j = 1; j <= NJ; ++j) {
    BeamModel::Joint& joint = model.joints[static_cast<std::size_t>(j - 1)];
    joint.x = XCoord(j);
    joint.support = structure.SupportOf(j);
  }
  model.members.resize(static_cast<std::size_t>(NM));
  for (long m = 1; m <= NM; ++m)
    model.members[static_cast<std::size_t>(m - 1)] = {
        static_cast<long>(JN(m, 1)), static_cast<long>(JN(m, 2)), structure.ReleasesOf(m)};

  return model;
}

}  // namespace spanwise
