#include "run/RestraintWarning.h"

#include <algorithm>
#include <cmath>

#include "common/DecimalDigits.h"

namespace spanwise {

void RestraintWarnings(const Structure& structure, const BandMatrix& GlStK,
                       std::vector<std::string>& warnings) {
  constexpr double kNearRestraint = 1e18;  // 1e-12 of the restraint 1E30
  for (long j = 1; j <= structure.NJ; ++j) {
    const long p = 2 * j - 1;
    const Support& support = structure.SupportOf(j);
    double stiffness = 0;
    if (support.FixesVertical()) stiffness = std::fabs(GlStK(p, p));
    if (support.FixesRotation()) stiffness = std::max(stiffness, std::fabs(GlStK(p + 1, p + 1)));
    if (stiffness >= kNearRestraint)
      warnings.push_back("joint " + std::to_string(j) + ": its stiffness " + SixDigits(stiffness) +
                         " is more than 1e-12 of the supports' restraint 1E30, so reactions and "
                         "support displacements lose accuracy; check the units of E and I");
  }
}

}  // namespace spanwise
