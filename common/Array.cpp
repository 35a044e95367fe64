#include "common/Array.h"

#include "common/InternalError.h"
#include "common/PlainNumber.h"

namespace spanwise {

void ThrowIndexError(const char* array, int dimension, double index, long upper) {
  throw InternalError("index " + PlainNumber(index) + " of " + array + " (dimension " +
                      std::to_string(dimension) + ") lies outside its bounds 0.." +
                      std::to_string(upper));
}

}  // namespace spanwise
