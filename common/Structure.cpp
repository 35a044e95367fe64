#include "common/Structure.h"

namespace spanwise {

const Support& Structure::SupportOf(long j) const {
  if (j < 1 || j > NJ) ThrowIndexError("supports", 1, static_cast<double>(j), NJ);
  return supports[static_cast<std::size_t>(j)];
}

}  // namespace spanwise
