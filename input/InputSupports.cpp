#include "input/Layout.h"
#include "input/ReadCount.h"
#include "input/StructureInput.h"

namespace spanwise {

void InputSupports(Array1& FFy2, Array1& FMz2, FieldReader& Channel1) {
  const long count = ReadCount(Channel1, kSupports.Count(), false);
  for (long i = 1; i <= count; ++i) {
    const long J = ReadIndex(Channel1, kSupports.Field(i, 1), FFy2.upper(), "joint");
    const double a = Channel1.ReadNumber(kSupports.Field(i, 2));
    const double b = Channel1.ReadNumber(kSupports.Field(i, 3));
    Channel1.ReadLabel(kSupports.Label(i));
    FFy2(J) = a;
    FMz2(J) = b;
  }
}

}  // namespace spanwise
