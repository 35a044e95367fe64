#include <string>

#include "common/DataError.h"
#include "common/FloatingPoint.h"
#include "common/MemberGeometry.h"
#include "common/MemberReleases.h"
#include "common/PlainNumber.h"
#include "stiffness/Stiffness.h"

namespace spanwise {

void LocalStiffness(long I, const Structure& structure, MemberStiffness& k) {
  const auto& [NJ, NMT, NXS, NM, XCoord, supports, YM, MI, JN, Property, released] = structure;
  auto& [KP11, KP12, KP21, KP22, GloMemK11, GloMemK12, GloMemK21, GloMemK22, LoMemK] = k;
  const double L = MemberLength(I, JN, XCoord);
  if (L == 0) {
    throw DataError("member " + std::to_string(I) + " has zero length: joints " +
                        PlainNumber(JN(I, 1)) + " and " + PlainNumber(JN(I, 2)) +
                        " are both at X = " + PlainNumber(XCoord(JN(I, 1))),
                    RecordRef{kMembersSection, I});
  }
  const double E = YM(Property(I, 1));
  const double Iz = MI(Property(I, 2));

  const double a = ((12 * E) * Iz) / ((L * L) * L);
  const double b = ((6 * E) * Iz) / (L * L);
  const double c = ((4 * E) * Iz) / L;
  if (FloatingPointFault())
    ThrowFloatingPointFault("stiffness of member " + std::to_string(I) + " (E = " + PlainNumber(E) +
                                ", I = " + PlainNumber(Iz) + ", length " + PlainNumber(L) + ")",
                            RecordRef{kMembersSection, I});

  const double kp11[2][2] = {{a, b}, {b, c}};
  const double kp12[2][2] = {{-a, b}, {-b, c / 2}};
  const double kp21[2][2] = {{-a, -b}, {b, c / 2}};
  const double kp22[2][2] = {{a, -b}, {-b, c}};
  for (int r = 1; r <= 2; ++r) {
    for (int col = 1; col <= 2; ++col) {
      KP11(I, r, col) = kp11[r - 1][col - 1];
      KP12(I, r, col) = kp12[r - 1][col - 1];
      KP21(I, r, col) = kp21[r - 1][col - 1];
      KP22(I, r, col) = kp22[r - 1][col - 1];
    }
  }
  // A hinge at an end: the member's stiffness condensed, its rows exact zeros.
  if (const int ends = structure.ReleasesOf(I); ends != 0) {
    const auto K = ReleasedStiffness(ends, E * Iz, L);
    for (int r = 1; r <= 2; ++r) {
      for (int col = 1; col <= 2; ++col) {
        KP11(I, r, col) = K.at(r - 1).at(col - 1);
        KP12(I, r, col) = K.at(r - 1).at(col + 1);
        KP21(I, r, col) = K.at(r + 1).at(col - 1);
        KP22(I, r, col) = K.at(r + 1).at(col + 1);
      }
    }
  }
}

}  // namespace spanwise
