#include "input/Layout.h"
#include "input/ReadCount.h"

namespace spanwise {

long SkipSection(FieldReader& Channel1, const SectionLayout& layout) {
  const long count = ReadCount(Channel1, layout.Count(), layout.negative_count_is_error);
  for (long record = 1; record <= count; ++record) {
    for (int field = 1; field <= layout.numbers; ++field)
      Channel1.ReadNumber(layout.Field(record, field));
    Channel1.ReadLabel(layout.Label(record));
  }
  return count;
}

}  // namespace spanwise
