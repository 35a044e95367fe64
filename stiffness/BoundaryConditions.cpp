#include "stiffness/Stiffness.h"

namespace spanwise {

void BoundaryConditions(const Structure& structure, BandMatrix& GlStK, Array1& GloExtLoad) {
  constexpr double kLargeNumber = 1e30;  // overwrites the diagonal, is not added to it
  for (long j = 1; j <= structure.NJ; ++j) {
    const Support& support = structure.SupportOf(j);
    for (const Component c : {Component::kVertical, Component::kRotation}) {
      const long p = 2 * j - 2 + static_cast<long>(c);
      switch (support.Of(c)) {
        case Restraint::kFixed:
          GlStK(p, p) = kLargeNumber;
          GloExtLoad(p) = 0;
          break;
        case Restraint::kSpring:
          GlStK(p, p) = GlStK(p, p) + support.SpringOf(c);
          break;
        case Restraint::kFree:
          break;
      }
    }
  }
  // A rotation that only released ends meet: its row and column are zero;
  // 1 on the diagonal solves it to 0 and leaves every other unknown alone.
  if (structure.released.empty()) return;
  const std::vector<bool> loose = structure.LooseRotations();
  for (long j = 1; j <= structure.NJ; ++j) {
    if (!loose.at(static_cast<std::size_t>(j))) continue;
    GlStK(2 * j, 2 * j) = 1;
    GloExtLoad(2 * j) = 0;
  }
}

void PrescribeSettlements(const std::vector<Settlement>& settlements, long load_case,
                          Array1& GloExtLoad) {
  constexpr double kLargeNumber = 1e30;  // the restraint's diagonal
  for (const Settlement& s : settlements) {
    if (s.load_case != load_case) continue;
    if (s.dy != 0) GloExtLoad(2 * s.joint - 1) = GloExtLoad(2 * s.joint - 1) + kLargeNumber * s.dy;
    if (s.rz != 0) GloExtLoad(2 * s.joint) = GloExtLoad(2 * s.joint) + kLargeNumber * s.rz;
  }
}

}  // namespace spanwise
