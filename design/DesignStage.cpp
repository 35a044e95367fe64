#include "design/DesignStage.h"

#include <cmath>

#include "common/FloatingPoint.h"
#include "common/MemberGeometry.h"
#include "design/DesignParts.h"
#include "input/StructureInput.h"

namespace spanwise {
namespace {

// Overflows are said per member, the first few with their input line.
constexpr int kOverflowsSaid = 10;

void SayOverflow(const RecordLines& Lines, long m, const char* what, int& overflows,
                 std::vector<std::string>& warnings) {
  ClearFloatingPointFaults();
  if (++overflows > kOverflowsSaid) return;
  const std::string place = Lines.Place(RecordRef{kMembersSection, m});
  warnings.push_back((place.empty() ? "" : place + ": ") + "the " + what + " of member " +
                     std::to_string(m) + " overflow; Design.txt gives them as none");
}

void FillModel(const Structure& structure, BeamModel& model) {
  const auto& [NJ, NMT, NXS, NM, XCoord, supports, YM, MI, JN, Property, released] = structure;
  model.joints.reserve(static_cast<std::size_t>(NJ));
  for (long J = 1; J <= NJ; ++J) model.joints.push_back({XCoord(J), structure.SupportOf(J)});
  model.members.reserve(static_cast<std::size_t>(NM));
  for (long m = 1; m <= NM; ++m)
    model.members.push_back(
        {static_cast<long>(JN(m, 1)), static_cast<long>(JN(m, 2)), structure.ReleasesOf(m)});
}

// Reactions: the GLOBAL end forces of the members at a joint minus its joint
// load, for its restrained components; and the equilibrium check.
void Reactions(const Structure& structure, const Solution& solution, const DesignLoads& loads,
               DesignValues& design) {
  const auto& [NJ, NMT, NXS, NM, XCoord, supports, YM, MI, JN, Property, released] = structure;
  const Array1& TempDisp = solution.TempDisp;
  const Array3& GloForce = solution.GloForce;
  Array1 end_fy("EndForceFy", {NJ}), end_mz("EndForceMz", {NJ});
  for (long m = 1; m <= NM; ++m) {
    end_fy(JN(m, 1)) = end_fy(JN(m, 1)) + GloForce(m, 1, 1);
    end_mz(JN(m, 1)) = end_mz(JN(m, 1)) + GloForce(m, 2, 1);
    end_fy(JN(m, 2)) = end_fy(JN(m, 2)) + GloForce(m, 3, 1);
    end_mz(JN(m, 2)) = end_mz(JN(m, 2)) + GloForce(m, 4, 1);
  }
  Equilibrium& equilibrium = design.equilibrium;
  const std::vector<bool> loose = structure.LooseRotations();
  design.joints.reserve(static_cast<std::size_t>(NJ));
  for (long J = 1; J <= NJ; ++J) {
    JointDesign joint;
    joint.joint = J;
    joint.x = XCoord(J);
    joint.deflection = TempDisp(2 * J - 1);
    joint.rotation = TempDisp(2 * J);
    joint.support = structure.SupportOf(J);
    const std::size_t j = static_cast<std::size_t>(J);
    joint.rotation_present = !loose.at(j);
    joint.fy = SupportForce(joint.support, Component::kVertical, end_fy(J) - loads.joint_fy.at(j),
                            joint.deflection);
    joint.mz = SupportForce(joint.support, Component::kRotation, end_mz(J) - loads.joint_mz.at(j),
                            joint.rotation);
    joint.overflow = !std::isfinite(joint.fy) || !std::isfinite(joint.mz);
    if (joint.support.HoldsVertical())
      equilibrium.reactions_fy = equilibrium.reactions_fy + joint.fy;
    design.joints.push_back(joint);
  }
  equilibrium.loads_fy = loads.loads_fy;
  equilibrium.residual = equilibrium.reactions_fy + equilibrium.loads_fy;
  equilibrium.present = std::isfinite(equilibrium.loads_fy) &&
                        std::isfinite(equilibrium.reactions_fy) &&
                        std::isfinite(equilibrium.residual);
  if (!equilibrium.present)
    design.warnings.push_back(
        "the sums of the loads and reactions overflow; Design.txt gives them as none");
  for (const JointDesign& joint : design.joints)
    if (joint.overflow)
      design.warnings.push_back("the reactions at joint " + std::to_string(joint.joint) +
                                " overflow; Design.txt gives them as none");
  ClearFloatingPointFaults();
}

void Hinges(const Structure& structure, const Solution& solution, DesignValues& design) {
  if (structure.released.empty()) return;
  const std::vector<bool> loose = structure.LooseRotations();
  for (long m = 1; m <= structure.NM; ++m) {
    const double sign = RotationSign(m, structure.JN, structure.XCoord);
    for (int e = 1; e <= 2; ++e) {
      if ((structure.ReleasesOf(m) & (e == 1 ? kReleaseI : kReleaseJ)) == 0) continue;
      const long J = static_cast<long>(structure.JN(m, e));
      design.hinges.push_back({m, e, J, sign * solution.LoDisp(m, 2 * e, 1),
                               solution.TempDisp(2 * J), !loose.at(static_cast<std::size_t>(J))});
    }
  }
}

}  // namespace

void DesignStage(const Structure& structure, const RecordLines& Lines, const LoadRecords& records,
                 const Solution& solution, bool keep_functions, DesignValues& design) {
  const auto& [NJ, NMT, NXS, NM, XCoord, supports, YM, MI, JN, Property, released] = structure;
  const Array3& LoDisp = solution.LoDisp;
  const Array3& LoForce = solution.LoForce;
  const Array3& GloForce = solution.GloForce;
  ClearFloatingPointFaults();
  design = DesignValues{};
  DesignLoads loads;
  GatherDesignLoads(records, structure, loads, keep_functions, design.model);
  if (keep_functions) {
    FillModel(structure, design.model);
    design.model.settlements = records.settlements;
  }

  design.members.resize(static_cast<std::size_t>(NM));
  MemberScratch scratch;
  MemberDesign work;  // the functions of one member, when they are not kept
  int overflows = 0;
  for (long m = 1; m <= NM; ++m) {
    MemberDesign& out = design.members.at(static_cast<std::size_t>(m - 1));
    MemberDesign& member = keep_functions ? out : work;
    out.member = m;
    out.i = static_cast<long>(JN(m, 1));
    out.j = static_cast<long>(JN(m, 2));
    out.length = MemberLength(m, JN, XCoord);
    for (int r = 1; r <= 4; ++r)
      out.end_forces.at(static_cast<std::size_t>(r - 1)) = GloForce(m, r, 1);
    const MemberLoad* first =
        loads.member_loads.data() + loads.first.at(static_cast<std::size_t>(m));
    const MemberLoad* last =
        loads.member_loads.data() + loads.first.at(static_cast<std::size_t>(m) + 1);

    MomentAndShear(out.length, LoForce(m, 1, 1), LoForce(m, 2, 1), first, last, scratch, member);
    const bool moment_finite = ExtremesOf(member.moment, scratch, out.moment_max, out.moment_min);
    const bool shear_finite = ExtremesOf(member.shear, scratch, out.shear_max, out.shear_min);
    if (!moment_finite || !shear_finite || FloatingPointFault()) {
      member.moment.clear();
      member.shear.clear();
      out.moment_max = out.moment_min = out.shear_max = out.shear_min = Extreme{};
      SayOverflow(Lines, m, "moment and shear", overflows, design.warnings);
      continue;
    }

    const double EI = YM(Property(m, 1)) * MI(Property(m, 2));
    if (EI == 0) continue;  // no deflection: it is absent
    RotationAndDeflection(EI, LoDisp(m, 1, 1), LoDisp(m, 2, 1), RotationSign(m, JN, XCoord),
                          member);
    if (!ExtremesOf(member.deflection, scratch, out.deflection_max, out.deflection_min) ||
        FloatingPointFault()) {
      member.rotation.clear();
      member.deflection.clear();
      out.deflection_max = out.deflection_min = Extreme{};
      SayOverflow(Lines, m, "rotation and deflection", overflows, design.warnings);
    }
  }
  if (overflows > kOverflowsSaid)
    design.warnings.push_back("and " + std::to_string(overflows - kOverflowsSaid) +
                              " more overflows of members' design values");
  Reactions(structure, solution, loads, design);
  design.settlements = records.settlements;
  design.settlements_given = records.settlements_given;
  Hinges(structure, solution, design);
}

}  // namespace spanwise
