#include <string>

#include "common/FloatingPoint.h"
#include "common/MemberGeometry.h"
#include "input/Layout.h"
#include "input/MemberLoad.h"
#include "input/ReadCount.h"
#include "loads/Loads.h"

namespace spanwise {

void BeamLoad(const Structure& structure, FieldReader& Channel1, bool keep_records, LoadSet& loads,
              std::vector<std::string>& Warnings) {
  const long NoOfMembers2 = structure.NM;
  const Array2& JN2 = structure.JN;
  const Array1& XCoord2 = structure.XCoord;
  Array2& LoExtLoad2 = loads.LoExtLoad;
  const long count = ReadCount(Channel1, kMemberLoads.Count(), false);
  for (long record = 1; record <= count; ++record) {
    MemberLoad load = ReadMemberLoad(Channel1, record, NoOfMembers2);
    if (keep_records) loads.records.member_loads.push_back(load);
    if (load.Kind() == LoadKind::kNone) {
      Warnings.push_back(UnknownLoadType(load));
      continue;
    }
    const double L = MemberLength(load.m, JN2, XCoord2);
    if (!PlaceOnMember(load, L)) {
      Warnings.push_back(NoLoadedLength(load, L));
      continue;
    }
    FixedEndActions(load, L, LoExtLoad2);
    if (FloatingPointFault())
      ThrowFloatingPointFault("line " + std::to_string(load.line) + ", member loads record " +
                                  std::to_string(record) + ", fixed-end actions on member " +
                                  std::to_string(load.m),
                              load.line);
  }
}

void AddMemberLoads(const Structure& structure, LoadSet& loads) {
  const long NoOfMembers2 = structure.NM;
  const Array2& JN2 = structure.JN;
  const Array1& XCoord2 = structure.XCoord;
  const Array2& LoExtLoad2 = loads.LoExtLoad;
  Array1& GloExtLoad2 = loads.GloExtLoad;
  // From member axes to structure axes, each end's pair (Fy, Mz) at a time.
  for (long m = 1; m <= NoOfMembers2; ++m) {
    const double T[3][3] = {{0, 0, 0}, {0, 1, 0}, {0, 0, RotationSign(m, JN2, XCoord2)}};
    for (int i = 1; i <= 2; ++i) {
      double at_i = 0;
      double at_j = 0;
      for (int j = 1; j <= 2; ++j) {
        at_i = at_i + T[j][i] * LoExtLoad2(m, j);
        at_j = at_j + T[j][i] * LoExtLoad2(m, j + 2);
      }
      GloExtLoad2(2 * JN2(m, 1) - 2 + i) = GloExtLoad2(2 * JN2(m, 1) - 2 + i) + at_i;
      GloExtLoad2(2 * JN2(m, 2) - 2 + i) = GloExtLoad2(2 * JN2(m, 2) - 2 + i) + at_j;
    }
  }
  if (FloatingPointFault()) ThrowFloatingPointFault("the member loads added at the joints");
}

}  // namespace spanwise
