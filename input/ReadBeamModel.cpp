#include <string>
#include <utility>

#include "common/Array.h"
#include "common/MemberGeometry.h"
#include "input/BeamModel.h"
#include "input/JointLoadRecord.h"
#include "input/Layout.h"
#include "input/MemberLoad.h"
#include "input/ReadCount.h"
#include "input/StructureInput.h"

namespace spanwise {

// The same passes as the run, in the same order, so that the first fault
// found is the one the run would report while reading.
BeamModel ReadBeamModel(std::string bytes) {
  long NJ = 0, NS = 0, NMT = 0, NXS = 0, NM = 0, NLB = 0, NLJ = 0;
  {
    FieldReader counting(bytes);
    Numberof(counting, NJ, NS, NMT, NXS, NM, NLB, NLJ);
  }
  Array1 XCoord("XCoord", {NJ}), FixFy("FixFy", {NJ}), FixMz("FixMz", {NJ});
  Array1 YM("YM", {NMT}), MI("MI", {NXS});
  Array2 JN("JN", {NM, 2}), Property("Property", {NM, 2});
  FieldReader Channel1(std::move(bytes));
  RecordLines Lines;
  InputJoints(XCoord, Lines.joints, Channel1);
  InputSupports(FixFy, FixMz, Channel1);
  InputMaterials(YM, Channel1);
  InputCrossSections(MI, Channel1);
  InputMembers(JN, Property, NJ, NMT, NXS, Lines.members, Channel1);

  BeamModel model;
  model.joints.resize(static_cast<std::size_t>(NJ));
  for (long j = 1; j <= NJ; ++j) {
    BeamModel::Joint& joint = model.joints[static_cast<std::size_t>(j - 1)];
    joint.x = XCoord(j);
    joint.fix_fy = FixFy(j) == 1;  // as the supports are applied: 1 fixes
    joint.fix_mz = FixMz(j) == 1;
  }
  model.members.resize(static_cast<std::size_t>(NM));
  for (long m = 1; m <= NM; ++m)
    model.members[static_cast<std::size_t>(m - 1)] = {static_cast<long>(JN(m, 1)),
                                                      static_cast<long>(JN(m, 2))};

  const long loads = ReadCount(Channel1, kMemberLoads.Count(), false);
  for (long record = 1; record <= loads; ++record) {
    MemberLoad load = ReadMemberLoad(Channel1, record, NM);
    if (!load.IsPoint() && !load.IsDistributed()) model.warnings.push_back(UnknownLoadType(load));
    PlaceOnMember(load, MemberLength(load.m, JN, XCoord));
    model.member_loads.push_back({load.line, load.m, load.t, load.w1, load.w2, load.l1, load.l2});
  }
  const long joint_loads = ReadCount(Channel1, kJointLoads.Count(), false);
  for (long record = 1; record <= joint_loads; ++record) {
    const JointLoadRecord load = ReadJointLoad(Channel1, record, NJ);
    model.joint_loads.push_back({load.line, load.joint, load.fy, load.mz});
  }
  return model;
}

}  // namespace spanwise
