#include "stiffness/Stiffness.h"

namespace spanwise {

void BoundaryConditions(const Structure& structure, BandMatrix& GlStK, Array1& GloExtLoad) {
  constexpr double kLargeNumber = 1e30;  // overwrites the diagonal, is not added to it
  for (long j = 1; j <= structure.NJ; ++j) {
    const Support& support = structure.SupportOf(j);
    for (const Component c : {Component::kVertical, Component::kRotation}) {
      const long p = 2 * j - 2 + static_cast<long>(c);
      switch (c == Component::kVertical ? support.vertical : support.rotation) {
        case Restraint::kFixed:
          GlStK(p, p) = kLargeNumber;
          GloExtLoad(p) = 0;
          break;
        case Restraint::kFree:
          break;
      }
    }
  }
}

}  // namespace spanwise
