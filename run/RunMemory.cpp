#include "run/RunMemory.h"

#include <cmath>
#include <string>

#include "common/MemoryBudget.h"
#include "common/PlainNumber.h"
#include "stiffness/BandMatrix.h"

namespace spanwise {
namespace {

// Doubles per member: JN 3, Property 3, KP11..KP22 36, LoMemK 25,
// GloMemK11..GloMemK22 36, GloDisp, LoDisp, LoForce, GloForce 20,
// LoExtLoad 5, MemBM and MemSF 24.
constexpr double kMemberBytes = 8.0 * 152;
// Per joint: XCoord, FixFy, FixMz, TempDisp and GloExtLoad (two each), and
// the stability check's groups.
constexpr double kJointBytes = 8.0 * 7 + 64;
// The program itself, the output buffers and the allocator's slack.
constexpr double kBaseBytes = 16e6;

std::string JointNumber(double j) { return PlainNumber(std::nearbyint(j)); }

}  // namespace

double RunMemoryBytes(const StructureCounts& counts, long HalfBand, double input_bytes,
                      double extra_per_member) {
  const double NM = static_cast<double>(counts.NM < 0 ? 0 : counts.NM) + 1;
  const double NJ = static_cast<double>(counts.NJ < 0 ? 0 : counts.NJ) + 1;
  const double others = static_cast<double>(counts.NMT > 0 ? counts.NMT : 0) +
                        static_cast<double>(counts.NXS > 0 ? counts.NXS : 0) + 2;
  return kBaseBytes + input_bytes + NM * (kMemberBytes + extra_per_member) + NJ * kJointBytes +
         8.0 * others + BandMatrix::Bytes(2 * (counts.NJ < 0 ? 0 : counts.NJ), HalfBand);
}

long WidestMember(long NM, Array2& JN) {
  long widest = 0;
  double most = -1;
  for (long m = 1; m <= NM; ++m) {
    const double apart = std::fabs(JN(m, 1) - JN(m, 2));
    if (apart > most) most = apart, widest = m;
  }
  return widest;
}

void CheckRunMemory(const StructureCounts& counts, long HalfBand, double input_bytes,
                    double extra_per_member, Array2* JN) {
  const double total = RunMemoryBytes(counts, HalfBand, input_bytes, extra_per_member);
  const double band = BandMatrix::Bytes(2 * counts.NJ, HalfBand);
  const double members = static_cast<double>(counts.NM) * (kMemberBytes + extra_per_member);
  std::string what;
  if (JN != nullptr && band >= members && band >= 0.5 * total && counts.NM > 0) {
    const long m = WidestMember(counts.NM, *JN);
    what = "member " + std::to_string(m) + " joins joints " + JointNumber((*JN)(m, 1)) + " and " +
           JointNumber((*JN)(m, 2)) + ", so the stiffness matrix of " + std::to_string(counts.NJ) +
           " joints";
  } else if (members >= band) {
    what = std::to_string(counts.NM) + " members";
  } else {
    what = std::to_string(counts.NJ) + " joints";
  }
  CheckMemoryBudget(total - input_bytes, what);
}

}  // namespace spanwise
