#include "common/DataError.h"
#include "stiffness/Stiffness.h"

namespace spanwise {

std::string DofName(long p) {
  return "degree of freedom " + std::to_string(p) + " (" + (p % 2 == 1 ? "vertical" : "rotation") +
         " of joint " + std::to_string((p + 1) / 2) + ")";
}

void ZeroPivot(long k) {
  throw DataError("the stiffness equations are singular: zero pivot at " + DofName(k) +
                      "; that joint is neither connected by a stiff member nor restrained",
                  RecordRef{kJointsSection, (k + 1) / 2});
}

}  // namespace spanwise
