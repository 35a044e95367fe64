#include "common/Structure.h"

namespace spanwise {

const Support& Structure::SupportOf(long j) const {
  if (j < 1 || j > NJ) ThrowIndexError("supports", 1, static_cast<double>(j), NJ);
  return supports[static_cast<std::size_t>(j)];
}

std::vector<bool> Structure::LooseRotations() const {
  std::vector<bool> loose(static_cast<std::size_t>(NJ) + 1, false);
  if (released.empty()) return loose;
  std::vector<bool> held(loose.size(), false);
  for (long m = 1; m <= NM; ++m) {
    const bool stiff = YM(Property(m, 1)) * MI(Property(m, 2)) != 0;
    for (int e = 1; e <= 2; ++e) {
      const auto J = static_cast<std::size_t>(JN(m, e));
      loose.at(J) = true;
      if (stiff && (ReleasesOf(m) & (e == 1 ? kReleaseI : kReleaseJ)) == 0) held.at(J) = true;
    }
  }
  for (long j = 1; j <= NJ; ++j) {
    const auto J = static_cast<std::size_t>(j);
    loose.at(J) = loose.at(J) && !held.at(J) && !SupportOf(j).HoldsRotation();
  }
  return loose;
}

}  // namespace spanwise
