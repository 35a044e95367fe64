#include <string>

#include "common/DataError.h"
#include "input/Layout.h"
#include "input/StructureInput.h"

namespace spanwise {

void Numberof(std::string_view Input, long& NJ, long& NS, long& NMT, long& NXS, long& NM, long& NLB,
              long& NLJ) {
  FieldReader Channel1 = FieldReader::Over(Input);
  Numberof(Channel1, NJ, NS, NMT, NXS, NM, NLB, NLJ);
}

void Numberof(FieldReader& Channel1, long& NJ, long& NS, long& NMT, long& NXS, long& NM, long& NLB,
              long& NLJ) {
  NJ = SkipSection(Channel1, kJoints);
  if (NJ == 0)
    throw DataError("line " + std::to_string(Channel1.line()) +
                        ": the model has no joints, so there is nothing to analyse",
                    Channel1.line());
  NS = SkipSection(Channel1, kSupports);
  NMT = SkipSection(Channel1, kMaterials);
  NXS = SkipSection(Channel1, kCrossSections);
  NM = SkipSection(Channel1, kMembers);
  NLB = SkipSection(Channel1, kMemberLoads);
  NLJ = SkipSection(Channel1, kJointLoads);
}

}  // namespace spanwise
