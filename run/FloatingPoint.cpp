#include "run/FloatingPoint.h"

#include "run/DataError.h"

namespace spanwise {

void ThrowFloatingPointFault(const std::string& where, int line) {
  std::string what;
  if (std::fetestexcept(FE_DIVBYZERO)) what = "a division by zero";
  if (std::fetestexcept(FE_OVERFLOW))
    what += (what.empty() ? "" : " and ") + std::string("an overflow");
  if (std::fetestexcept(FE_INVALID))
    what += (what.empty() ? "" : " and ") + std::string("an undefined result (0/0 or inf-inf)");
  ClearFloatingPointFaults();
  throw DataError(where + ": the numbers lead to " + what, line);
}

}  // namespace spanwise
