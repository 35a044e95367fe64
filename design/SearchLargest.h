// The largest value of a function of x on [0, L] that is smooth near its
// largest but may have several humps: sampled, then refined.
#pragma once

#include <functional>
#include <vector>

namespace spanwise {

// The x in [0, L] of the largest f found: f at 0, L, every candidate in
// [0, L] and 8 evenly spaced sections; then, between the neighbours of the
// best of them, Brent's method (parabolas and golden sections) to 1e-6 of L
// (the value to about 1e-12 where it is smooth). L >= 0.
//   f in: f(x), any value (NaN never wins); L in; candidates in;
//   value out: f there. Ties: the smallest x.
double SearchLargest(const std::function<double(double)>& f, double L,
                     const std::vector<double>& candidates, double& value);

}  // namespace spanwise
