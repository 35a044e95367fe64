// A moving load: a train of axles that may stand anywhere on the beam, and a
// uniform lane load on the lengths where it makes an effect worse.
#pragma once

#include <string>
#include <vector>

namespace spanwise {

struct Axle {
  int line = 0;        // input line of the record
  double load = 0;     // > 0, downward
  double spacing = 0;  // >= 0: the distance to the axle before (0 for axle 1)
  std::string label;
};

// Travelling toward increasing X, axle 1 leads and axle k stands at
// X1 - (s2 + ... + sk); toward decreasing X, at X1 + (s2 + ... + sk). X1 is
// the vehicle's position, from axle 1 entering the beam to the last axle
// leaving it; an axle off the beam carries nothing.
struct Vehicle {
  int line = 0;     // input line of the record "axles, lane, label"
  double lane = 0;  // >= 0, downward per unit length; 0 for none
  std::vector<Axle> axles;
};

enum class Direction { kIncreasingX = 1, kDecreasingX = -1 };  // "+x", "-x"

}  // namespace spanwise
