#include "results/Results.h"

namespace spanwise {

void CombineLocalK(long NoOfMembersa, MemberStiffness& k) {
  const Array3 &LoMemK11a = k.KP11, &LoMemK12a = k.KP12, &LoMemK21a = k.KP21, &LoMemK22a = k.KP22;
  Array3& LoMemKa = k.LoMemK;
  for (long m = 1; m <= NoOfMembersa; ++m) {
    for (int r = 1; r <= 2; ++r) {
      for (int c = 1; c <= 2; ++c) {
        LoMemKa(m, r, c) = LoMemK11a(m, r, c);
        LoMemKa(m, r, c + 2) = LoMemK12a(m, r, c);
        LoMemKa(m, r + 2, c) = LoMemK21a(m, r, c);
        LoMemKa(m, r + 2, c + 2) = LoMemK22a(m, r, c);
      }
    }
  }
}

}  // namespace spanwise

namespace spanwise {

void MemberResults(const Structure& structure, MemberStiffness& k, const LoadSet& loads,
                   Solution& solution, const DecimFormat& decim, OutputFile& Channel99) {
  const long NM = structure.NM;
  auto& [TempDisp, GloDisp, LoDisp, LoForce, GloForce] = solution;
  OutputGlobalDisp(structure, loads, TempDisp, GloDisp, Channel99, decim);
  LoDispToGloDisp(NM, LoDisp, GloDisp, structure.JN, structure.XCoord);
  CombineLocalK(NM, k);
  OutputLocalForces(NM, LoForce, k.LoMemK, LoDisp, loads.LoExtLoad, Channel99, decim);
  OutputGlobalForces(NM, GloForce, LoForce, structure.JN, structure.XCoord, Channel99, decim);
}

}  // namespace spanwise
