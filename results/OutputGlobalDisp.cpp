#include "results/ReportLines.h"
#include "results/Results.h"

namespace spanwise {

void OutputGlobalDisp(long NoOfMembers1, const Array2& JN1, const Array1& TempDisp1,
                      Array3& GloDisp1, OutputFile& Channel99, const DecimFormat& decim) {
  Channel99.Line("GLOBAL DISPLACEMENTS");
  for (long m = 1; m <= NoOfMembers1; ++m) {
    const double Ji = JN1(m, 1);
    const double Jj = JN1(m, 2);
    GloDisp1(m, 1, 1) = TempDisp1(2 * Ji - 1);
    GloDisp1(m, 2, 1) = TempDisp1(2 * Ji);
    GloDisp1(m, 3, 1) = TempDisp1(2 * Jj - 1);
    GloDisp1(m, 4, 1) = TempDisp1(2 * Jj);
    MemberLine(Channel99, m, "Joint i (Fy, Mz)");
    ValueLine(Channel99, decim, GloDisp1(m, 1, 1), GloDisp1(m, 2, 1), false);
    MemberLine(Channel99, m, "Joint j (Fy, Mz)");
    ValueLine(Channel99, decim, GloDisp1(m, 3, 1), GloDisp1(m, 4, 1), false);
    Channel99.EndLine();
  }
}

}  // namespace spanwise
