// A vehicle moving over an influence line: its effect E(X1, direction) =
// sum of P_k IL(x_k) at one position, and the largest and smallest effect
// over every position and both directions, found exactly (no stepping).
#pragma once

#include <vector>

#include "common/Vehicle.h"
#include "design/InfluenceLine.h"

namespace spanwise {

// How a value at X1 is reached. E jumps where an axle crosses a jump of the
// line or a beam end, and an extreme may be a limit that no position
// attains; it is reported at the breakpoint with the side it is reached
// from.
//   kAt:    the value at X1 (an axle on [Xmin, Xmax], at a jump of the
//           line the piece on the right, as Evaluate);
//   kBelow: the limit as X1 rises to it (every axle just before its point:
//           the piece on the left, nothing at Xmin);
//   kAbove: the limit as X1 falls to it (just after: the piece on the right,
//           nothing at Xmax).
enum class Approach { kAt, kBelow, kAbove };

// An extreme of a vehicle's effect, absent when the line is empty or of no
// length, the vehicle has no axles, or a value or position is not finite.
struct VehicleExtreme {
  bool present = false;
  double value = 0;
  double x1 = 0;  // the position of axle 1
  Direction direction = Direction::kIncreasingX;
  Approach approach = Approach::kAt;
};

// Reusable scratch space, so that the extremes at many sections allocate once.
struct VehicleScratch {
  struct Event {
    double x1;  // axle `axle` reaches breakpoint `point`
    long axle, point;
  };
  struct Candidate {
    double x1, value;
    Direction direction;
    Approach approach;
  };
  std::vector<Event> events;
  std::vector<Candidate> candidates;
  std::vector<long> piece;     // of each axle during the sweep
  std::vector<double> offset;  // of each axle from axle 1, signed by the direction
  std::vector<double> roots;
};

// E at one position: the sum over the axles, in axle order, of P_k times the
// line's value under axle k (0 off the beam).
//   line in: pieces in order of X, contiguous; vehicle in: loads, spacings
//   >= 0; x1 in: any; direction in; approach in.
// An axle's piece is chosen by comparing x1 with breakpoint + offset, as
// the sweep of VehicleExtremes does, so both agree at every breakpoint.
double VehicleEffect(const InfluenceLine& line, const Vehicle& vehicle, double x1,
                     Direction direction, Approach approach = Approach::kAt);

// The largest and smallest E over X1 from axle 1 entering the beam to the
// last axle leaving it, in both directions: at every position where an axle
// meets a breakpoint or a beam end (the value there and both one-sided
// limits) and at the roots of dE/dX1 between them. Positions are swept in
// order, with E kept as one polynomial updated as axles cross breakpoints:
// time about axles x pieces x log(axles). Of values within 1e-12 of the
// largest magnitude, the one at the smallest X1 governs, then "+x" before
// "-x", then kAt, kBelow, kAbove; its value is VehicleEffect's there.
//   line in (as VehicleEffect); vehicle in; scratch in/out; max, min out.
// A piece of no length is passed over, by VehicleEffect too.
void VehicleExtremes(const InfluenceLine& line, const Vehicle& vehicle, VehicleScratch& scratch,
                     VehicleExtreme& max, VehicleExtreme& min);

}  // namespace spanwise
