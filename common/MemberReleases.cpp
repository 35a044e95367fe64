#include "common/MemberReleases.h"

#include "common/Structure.h"

namespace spanwise {

std::array<std::array<double, 4>, 4> ReleasedStiffness(int released, double EI, double L) {
  std::array<std::array<double, 4>, 4> K{};
  if (released == (kReleaseI | kReleaseJ)) return K;  // a simply supported member
  const double a = (3 * EI) / ((L * L) * L);
  const double b = (3 * EI) / (L * L);
  const double c = (3 * EI) / L;
  // The free rows: the end that keeps its moment, the rotation r held.
  const int r = released == kReleaseI ? 3 : 1;  // 0-based rotation that stays
  K[0] = {a, 0, -a, 0};
  K[2] = {-a, 0, a, 0};
  K[0][r] = b;
  K[2][r] = -b;
  K[r] = {b, 0, -b, 0};
  K[r][r] = c;
  return K;
}

void CondenseEndLoads(int released, double L, std::array<double, 4>& E) {
  if ((released & kReleaseI) != 0) {
    const double e = E[1];
    E[0] = E[0] - (3 / (2 * L)) * e;
    E[2] = E[2] + (3 / (2 * L)) * e;
    E[3] = E[3] - e / 2;
    E[1] = 0;
  }
  if ((released & kReleaseJ) != 0) {
    const double e = E[3];
    // After end i's release the column of end j's rotation is (1/L, 0, -1/L, 1).
    const double ratio = (released & kReleaseI) != 0 ? 1 / L : 3 / (2 * L);
    E[0] = E[0] - ratio * e;
    E[2] = E[2] + ratio * e;
    if ((released & kReleaseI) == 0) E[1] = E[1] - e / 2;
    E[3] = 0;
  }
}

void ReleasedEndRotations(int released, double EI, double L, const std::array<double, 4>& E,
                          std::array<double, 4>& d) {
  const double chord = (d[2] - d[0]) / L;
  const bool loads = EI != 0;
  switch (released) {
    case kReleaseI:
      d[1] = 1.5 * chord - d[3] / 2 + (loads ? (E[1] * L) / (4 * EI) : 0);
      break;
    case kReleaseJ:
      d[3] = 1.5 * chord - d[1] / 2 + (loads ? (E[3] * L) / (4 * EI) : 0);
      break;
    case kReleaseI | kReleaseJ:
      d[1] = chord + (loads ? ((2 * E[1] - E[3]) * L) / (6 * EI) : 0);
      d[3] = chord + (loads ? ((2 * E[3] - E[1]) * L) / (6 * EI) : 0);
      break;
    default:
      break;
  }
}

}  // namespace spanwise
