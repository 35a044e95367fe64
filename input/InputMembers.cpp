#include "input/Layout.h"
#include "input/ReadCount.h"
#include "input/StructureInput.h"

namespace spanwise {

void InputMembers(Array2& JN2, Array2& PROPERTY2, long NoOfJoints, long NoOfMaterials,
                  long NoOfSections, std::vector<int>& Lines2, FieldReader& Channel1) {
  const long count = ReadCount(Channel1, kMembers.Count(), true);
  Lines2.assign(static_cast<std::size_t>(count) + 1, 0);
  for (long i = 1; i <= count; ++i) {
    JN2(i, 1) = ReadIndex(Channel1, kMembers.Field(i, 1), NoOfJoints, "joint");
    Lines2[static_cast<std::size_t>(i)] = Channel1.line();
    JN2(i, 2) = ReadIndex(Channel1, kMembers.Field(i, 2), NoOfJoints, "joint");
    PROPERTY2(i, 1) = ReadIndex(Channel1, kMembers.Field(i, 3), NoOfMaterials, "material");
    PROPERTY2(i, 2) = ReadIndex(Channel1, kMembers.Field(i, 4), NoOfSections, "cross section");
    Channel1.ReadLabel(kMembers.Label(i));
  }
}

}  // namespace spanwise
