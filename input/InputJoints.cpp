#include "input/Layout.h"
#include "input/ReadCount.h"
#include "input/StructureInput.h"

namespace spanwise {

void InputJoints(Array1& XC2, std::vector<int>& Lines2, FieldReader& Channel1) {
  const long count = ReadCount(Channel1, kJoints.Count(), true);
  Lines2.assign(static_cast<std::size_t>(count) + 1, 0);
  for (long i = 1; i <= count; ++i) {
    XC2(i) = Channel1.ReadNumber(kJoints.Field(i, 1));
    Lines2[static_cast<std::size_t>(i)] = Channel1.line();
    Channel1.ReadLabel(kJoints.Label(i));
  }
}

}  // namespace spanwise
