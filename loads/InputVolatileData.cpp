#include <string>

#include "common/MemberGeometry.h"
#include "loads/Loads.h"

namespace spanwise {

void InputVolatileData(const Structure& structure, FieldReader& Channel1, bool keep_records,
                       LoadSet& loads, std::vector<std::string>& Warnings) {
  BeamLoad(structure, Channel1, keep_records, loads, Warnings);
  JointLoad(loads.GloExtLoad, Channel1, keep_records ? &loads.records : nullptr);
  ReadLoadCases(Channel1, structure.NM, structure.NJ, loads.cases, Warnings);
  // Further cases' records that add nothing to the envelopes are said too.
  for (std::size_t c = 0; c < loads.cases.cases.size(); ++c) {
    const std::string section = CaseSection(static_cast<long>(c) + 2, "member loads");
    for (MemberLoad load : loads.cases.cases[c].member_loads) {
      if (load.Kind() == LoadKind::kNone)
        Warnings.push_back(UnknownLoadType(load, section));
      else if (const double L = MemberLength(load.m, structure.JN, structure.XCoord);
               !PlaceOnMember(load, L, section.c_str()))
        Warnings.push_back(NoLoadedLength(load, L, section));
    }
  }
  Channel1.Close();
}

}  // namespace spanwise
