#include "input/Layout.h"
#include "input/ReadCount.h"
#include "input/StructureInput.h"

namespace spanwise {

void InputMaterials(Array1& YM2, FieldReader& Channel1) {
  const long count = ReadCount(Channel1, kMaterials.Count(), true);
  for (long k = 1; k <= count; ++k) {
    YM2(k) = ReadNonNegative(Channel1, kMaterials.Field(k, 1));
    Channel1.ReadLabel(kMaterials.Label(k));
  }
}

}  // namespace spanwise
