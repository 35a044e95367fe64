#include "input/Layout.h"
#include "input/ReadCount.h"
#include "input/StructureInput.h"

namespace spanwise {

void InputCrossSections(Array1& MI2, FieldReader& Channel1) {
  const long count = ReadCount(Channel1, kCrossSections.Count(), true);
  for (long k = 1; k <= count; ++k) {
    MI2(k) = ReadNonNegative(Channel1, kCrossSections.Field(k, 1));
    Channel1.ReadLabel(kCrossSections.Label(k));
  }
}

}  // namespace spanwise
