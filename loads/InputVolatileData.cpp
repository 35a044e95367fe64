#include <string>

#include "common/MemberGeometry.h"
#include "loads/Loads.h"

namespace spanwise {

void InputVolatileData(long NoOfMembers1, const Array2& JN1, const Array1& XCoord1,
                       long /*TotDOF1*/, Array2& LoExtLoad1, Array1& GloExtLoad1,
                       std::vector<std::string>& Warnings, FieldReader& Channel1,
                       LoadRecords* records, LoadCases* cases) {
  BeamLoad(NoOfMembers1, JN1, XCoord1, LoExtLoad1, GloExtLoad1, Warnings, Channel1, records);
  JointLoad(GloExtLoad1, Channel1, records);
  if (cases != nullptr) {
    ReadLoadCases(Channel1, NoOfMembers1, GloExtLoad1.upper() / 2, *cases, Warnings);
    // Further cases' records that add nothing to the envelopes are said too.
    for (std::size_t c = 0; c < cases->cases.size(); ++c) {
      const std::string section = CaseSection(static_cast<long>(c) + 2, "member loads");
      for (MemberLoad load : cases->cases[c].member_loads) {
        if (!load.IsPoint() && !load.IsDistributed())
          Warnings.push_back(UnknownLoadType(load, section));
        else if (const double L = MemberLength(load.m, JN1, XCoord1);
                 !PlaceOnMember(load, L, section.c_str()))
          Warnings.push_back(NoLoadedLength(load, L, section));
      }
    }
  }
  Channel1.Close();
}

}  // namespace spanwise
