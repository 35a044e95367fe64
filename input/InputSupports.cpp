#include "input/Layout.h"
#include "input/ReadCount.h"
#include "input/StructureInput.h"

namespace spanwise {

void InputSupports(std::vector<Support>& supports, std::vector<int>& Lines2,
                   FieldReader& Channel1) {
  const long count = ReadCount(Channel1, kSupports.Count(), false);
  const long NJ = static_cast<long>(supports.size()) - 1;
  Lines2.assign(supports.size(), 0);
  for (long i = 1; i <= count; ++i) {
    const long J = ReadIndex(Channel1, kSupports.Field(i, 1), NJ, "joint");
    Lines2.at(static_cast<std::size_t>(J)) = Channel1.line();
    const double a = Channel1.ReadNumber(kSupports.Field(i, 2));
    const double b = Channel1.ReadNumber(kSupports.Field(i, 3));
    Channel1.ReadLabel(kSupports.Label(i));
    supports.at(static_cast<std::size_t>(J)) = Support::FromFixities(a, b);
  }
}

}  // namespace spanwise
