#include <string>

#include "common/DataError.h"
#include "input/Layout.h"
#include "input/StructureInput.h"

namespace spanwise {

StructureCounts Numberof(std::string_view Input) {
  FieldReader Channel1 = FieldReader::Over(Input);
  return Numberof(Channel1);
}

StructureCounts Numberof(FieldReader& Channel1) {
  StructureCounts counts;
  auto& [NJ, NMT, NXS, NM] = counts;
  NJ = SkipSection(Channel1, kJoints);
  if (NJ == 0)
    throw DataError("line " + std::to_string(Channel1.line()) +
                        ": the model has no joints, so there is nothing to analyse",
                    Channel1.line());
  SkipSection(Channel1, kSupports);
  NMT = SkipSection(Channel1, kMaterials);
  NXS = SkipSection(Channel1, kCrossSections);
  NM = SkipSection(Channel1, kMembers);
  SkipSection(Channel1, kMemberLoads);
  SkipSection(Channel1, kJointLoads);
  return counts;
}

}  // namespace spanwise
