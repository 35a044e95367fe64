#include "input/ReadCount.h"

#include <cmath>
#include <string>

#include "common/DataError.h"
#include "common/PlainNumber.h"

namespace spanwise {
namespace {

std::string Counted(long count, const char* thing) {
  return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

// The count value (whole) once checked against its bounds.
long CheckedCount(const FieldReader& Channel1, const FieldName& name, bool negative_is_error,
                  double value) {
  if (value < 0) {
    if (!negative_is_error) return 0;
    throw DataError(Channel1.Place(name, false) + ": the " + name.field + " " + PlainNumber(value) +
                        " is negative",
                    Channel1.line());
  }
  if (value > static_cast<double>(Channel1.size())) {
    throw DataError(Channel1.Place(name, false) + ": the " + name.field + " " + PlainNumber(value) +
                        " is larger than the file could hold (it has " +
                        std::to_string(Channel1.size()) + " bytes)",
                    Channel1.line());
  }
  return static_cast<long>(value);
}

}  // namespace

long ReadCount(FieldReader& Channel1, const FieldName& name, bool negative_is_error) {
  return CheckedCount(Channel1, name, negative_is_error, std::nearbyint(Channel1.ReadNumber(name)));
}

long ReadBlockCount(FieldReader& Channel1, const FieldName& name, bool negative_is_error) {
  const double value = Channel1.ReadNumber(name);
  if (value != std::nearbyint(value))
    throw DataError(Channel1.Place(name, false) + ": the " + name.field + " " + PlainNumber(value) +
                        " is not a whole number",
                    Channel1.line());
  return CheckedCount(Channel1, name, negative_is_error, value);
}

double ReadNonNegative(FieldReader& Channel1, const FieldName& name) {
  const double value = Channel1.ReadNumber(name);
  if (value < 0)
    throw DataError(Channel1.Place(name, true) + ": the " + name.field + " " + PlainNumber(value) +
                        " is negative",
                    Channel1.line(), name.number);
  return value;
}

long ReadIndex(FieldReader& Channel1, const FieldName& name, long count, const char* thing) {
  const double value = std::nearbyint(Channel1.ReadNumber(name));
  if (value >= 1 && value <= static_cast<double>(count)) return static_cast<long>(value);
  std::string reason = Channel1.Place(name, false) + ": " + thing + " " + PlainNumber(value + 0.0) +
                       " is not defined (" + Counted(count, thing);
  if (value < 1 && count > 0) reason += std::string(", numbered from 1");
  throw DataError(reason + ")", Channel1.line(), name.number);
}

}  // namespace spanwise
