#include "input/Layout.h"
#include "input/ReadCount.h"
#include "input/StructureInput.h"

namespace spanwise {

std::string PlaceOfRecord(const std::string& F, RecordRef about) {
  if (about.section < 1 || about.section > 7 || about.record < 1) return "";
  try {
    FieldReader Channel1 = FieldReader::Open(F);
    for (int s = 1; s < about.section; ++s) SkipSection(Channel1, *kSections[s - 1]);
    const SectionLayout& layout = *kSections[about.section - 1];
    const long count = ReadCount(Channel1, layout.Count(), layout.negative_count_is_error);
    if (about.record > count) return "";
    for (long record = 1; record < about.record; ++record) {
      for (int field = 1; field <= layout.numbers; ++field)
        Channel1.ReadNumber(layout.Field(record, field));
      Channel1.ReadLabel(layout.Label(record));
    }
    Channel1.ReadNumber(layout.Field(about.record, 1));
    return Channel1.Place(layout.Field(about.record, 1), false);
  } catch (const DataError&) {
    return "";  // the file changed since it was read: the reason stands alone
  }
}

}  // namespace spanwise
