#include "common/MemberGeometry.h"
#include "common/MemberReleases.h"
#include "results/ReportLines.h"
#include "results/Results.h"

namespace spanwise {

void OutputGlobalDisp(const Structure& structure, const LoadSet& loads, const Array1& TempDisp1,
                      Array3& GloDisp1, OutputFile& Channel99, const DecimFormat& decim) {
  const long NoOfMembers1 = structure.NM;
  const Array2& JN1 = structure.JN;
  for (long m = 1; m <= NoOfMembers1; ++m) {
    const double Ji = JN1(m, 1);
    const double Jj = JN1(m, 2);
    GloDisp1(m, 1, 1) = TempDisp1(2 * Ji - 1);
    GloDisp1(m, 2, 1) = TempDisp1(2 * Ji);
    GloDisp1(m, 3, 1) = TempDisp1(2 * Jj - 1);
    GloDisp1(m, 4, 1) = TempDisp1(2 * Jj);
    if (const int released = structure.ReleasesOf(m); released != 0)
      HingeDisplacements(structure, m, released, loads.unreleased.at(static_cast<std::size_t>(m)),
                         GloDisp1);
  }
  Channel99.Line("GLOBAL DISPLACEMENTS");
  for (long m = 1; m <= NoOfMembers1; ++m) {
    MemberLine(Channel99, m, "Joint i (Fy, Mz)");
    ValueLine(Channel99, decim, GloDisp1(m, 1, 1), GloDisp1(m, 2, 1), false);
    MemberLine(Channel99, m, "Joint j (Fy, Mz)");
    ValueLine(Channel99, decim, GloDisp1(m, 3, 1), GloDisp1(m, 4, 1), false);
    Channel99.EndLine();
  }
}

void HingeDisplacements(const Structure& structure, long m, int released,
                        const std::array<double, 4>& E, Array3& GloDisp1) {
  const double rotation = RotationSign(m, structure.JN, structure.XCoord);
  std::array<double, 4> d{};
  for (int r = 1; r <= 4; ++r)
    d.at(static_cast<std::size_t>(r - 1)) = (r % 2 == 0 ? rotation : 1.0) * GloDisp1(m, r, 1);
  const double EI = structure.YM(structure.Property(m, 1)) * structure.MI(structure.Property(m, 2));
  ReleasedEndRotations(released, EI, MemberLength(m, structure.JN, structure.XCoord), E, d);
  GloDisp1(m, 2, 1) = rotation * d[1];
  GloDisp1(m, 4, 1) = rotation * d[3];
}

}  // namespace spanwise
