#include "input/Layout.h"
#include "input/ReadCount.h"
#include "input/StructureInput.h"

namespace spanwise {

void InputJoints(Array1& XC2, FieldReader& Channel1) {
  const long count = ReadCount(Channel1, kJoints.Count(), true);
  for (long i = 1; i <= count; ++i) {
    XC2(i) = Channel1.ReadNumber(kJoints.Field(i, 1));
    Channel1.ReadLabel(kJoints.Label(i));
  }
}

}  // namespace spanwise
