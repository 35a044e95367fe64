// Horner's rule, the one way the design stage evaluates a polynomial: the
// same coefficients at the same t give the same bits wherever it is asked.
#pragma once

#include <cstddef>
#include <span>

namespace spanwise {

// c[0] + c[1] t + ... + c[n - 1] t^(n - 1), from the highest coefficient down.
inline double Horner(std::span<const double> c, double t) {
  double v = 0;
  for (std::size_t k = c.size(); k-- > 0;) v = v * t + c[k];
  return v;
}

}  // namespace spanwise
