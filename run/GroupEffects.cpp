#include "run/GroupEffects.h"

#include <algorithm>

#include "common/FloatingPoint.h"
#include "common/MemberGeometry.h"
#include "common/MemoryBudget.h"
#include "loads/Loads.h"
#include "stiffness/Stiffness.h"

namespace spanwise {

bool SolveGroups(const std::vector<LoadGroup>& groups, long NJ, long NM, Array2& JN, Array1& XCoord,
                 Array1& FixFy, Array1& FixMz, BandMatrix& factored,
                 const std::vector<long>& pivots, Array3& LoMemK, GroupEffects& effects) {
  ClearFloatingPointFaults();
  const long G = static_cast<long>(groups.size());
  effects.groups = G;
  CheckMemoryBudget(8.0 * static_cast<double>(G) * (4.0 * NM + 2.0 * NJ),
                    "the effects of the load groups");
  effects.member.assign(static_cast<std::size_t>(NM * G * 4), 0.0);
  effects.reaction.assign(static_cast<std::size_t>(NJ * G * 2), 0.0);
  Array2 LoExtLoad("LoExtLoad", {NM, 4});
  Array1 GloExtLoad("GloExtLoad", {2 * NJ}), Disp("TempDisp", {2 * NJ});
  Array1 end_fy("EndForceFy", {NJ}), end_mz("EndForceMz", {NJ});
  std::vector<long> touched;
  for (long g = 0; g < G; ++g) {
    const LoadGroup& group = groups.at(static_cast<std::size_t>(g));
    for (long k = 1; k <= 2 * NJ; ++k) GloExtLoad(k) = 0;
    touched.clear();
    for (const MemberLoad& placed : group.member_loads) {
      MemberLoad load = placed;
      const double L = MemberLength(load.m, JN, XCoord);
      if (load.IsPoint())
        PointLoad(load.m, load.w1, load.w2, load.l1, load.l2, L, LoExtLoad, GloExtLoad, JN);
      else
        TrapezoidalUDL(load.m, load.w1, load.w2, load.l1, load.l2, L, LoExtLoad, GloExtLoad, JN);
      touched.push_back(load.m);
    }
    std::sort(touched.begin(), touched.end());
    touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
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
      if (FixFy(J) == 1) GloExtLoad(2 * J - 1) = 0;
      if (FixMz(J) == 1) GloExtLoad(2 * J) = 0;
      end_fy(J) = 0;
      end_mz(J) = 0;
    }
    SolveBand(factored, pivots, GloExtLoad, Disp);

    for (long m = 1; m <= NM; ++m) {
      const double rotation = RotationSign(m, JN, XCoord);
      const long i = static_cast<long>(JN(m, 1)), j = static_cast<long>(JN(m, 2));
      const double d[4] = {Disp(2 * i - 1), rotation * Disp(2 * i), Disp(2 * j - 1),
                           rotation * Disp(2 * j)};
      double force[4];
      for (int r = 0; r < 4; ++r) {
        double f = 0;
        for (int k = 0; k < 4; ++k) f = f + LoMemK(m, r + 1, k + 1) * d[k];
        force[r] = f - LoExtLoad(m, r + 1);
      }
      double* out = effects.member.data() + ((m - 1) * G + g) * 4;
      out[0] = force[0];
      out[1] = force[1];
      out[2] = d[0];
      out[3] = d[1];
      end_fy(i) = end_fy(i) + force[0];
      end_mz(i) = end_mz(i) + rotation * force[1];
      end_fy(j) = end_fy(j) + force[2];
      end_mz(j) = end_mz(j) + rotation * force[3];
    }
    for (long m : touched)
      for (int r = 1; r <= 4; ++r) LoExtLoad(m, r) = 0;
    for (const JointLoadRecord& load : group.joint_loads) {
      end_fy(load.joint) = end_fy(load.joint) - load.fy;
      end_mz(load.joint) = end_mz(load.joint) - load.mz;
    }
    for (long J = 1; J <= NJ; ++J) {
      double* out = effects.reaction.data() + ((J - 1) * G + g) * 2;
      out[0] = FixFy(J) == 1 ? end_fy(J) : 0;
      out[1] = FixMz(J) == 1 ? end_mz(J) : 0;
    }
    if (FloatingPointFault()) {
      ClearFloatingPointFaults();
      effects = GroupEffects{};
      return false;
    }
  }
  return true;
}

}  // namespace spanwise
