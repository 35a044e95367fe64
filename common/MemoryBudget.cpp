#include "common/MemoryBudget.h"

#include <unistd.h>

#include "common/DataError.h"
#include "common/PlainNumber.h"

namespace spanwise {

void CheckMemoryBudget(double bytes, const std::string& what) {
  const double physical =
      static_cast<double>(sysconf(_SC_PHYS_PAGES)) * static_cast<double>(sysconf(_SC_PAGE_SIZE));
  if (bytes <= 0.75 * physical) return;
  throw DataError("the model is too large: " + what + " would need " + PlainNumber(bytes / 1e9) +
                  " GB of memory, more than this machine can hold (" + PlainNumber(physical / 1e9) +
                  " GB)");
}

}  // namespace spanwise
