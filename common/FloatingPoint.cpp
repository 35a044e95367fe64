#include "common/FloatingPoint.h"

#include "common/DataError.h"

namespace spanwise {

namespace {

std::string FaultReason(const std::string& where) {
  std::string what;
  if (std::fetestexcept(FE_DIVBYZERO)) what = "a division by zero";
  if (std::fetestexcept(FE_OVERFLOW))
    what += (what.empty() ? "" : " and ") + std::string("an overflow");
  if (std::fetestexcept(FE_INVALID))
    what += (what.empty() ? "" : " and ") + std::string("an undefined result (0/0 or inf-inf)");
  ClearFloatingPointFaults();
  return where + ": the numbers lead to " + what;
}

}  // namespace

void ThrowFloatingPointFault(const std::string& where, int line) {
  throw DataError(FaultReason(where), line);
}

void ThrowFloatingPointFault(const std::string& where, RecordRef about) {
  throw DataError(FaultReason(where), about);
}

}  // namespace spanwise
