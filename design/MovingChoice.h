// A moving case as the Beam window shows it: its band (the largest and
// smallest value at each section over every position of its vehicle), the
// values at one section with the vehicle's governing positions, the
// influence line of a picked quantity over the beam from the lines the run
// kept (DesignValues::moving_lines), and the vehicle at its worst on it.
#pragma once

#include <utility>
#include <vector>

#include "design/InfluenceLine.h"
#include "design/LoadChoice.h"

namespace spanwise {

// The envelope of case load_case (1-based) when it is a moving case whose
// lines the run kept; else null.
const MovingEnvelope* MovingCaseOf(const DesignValues& design, long load_case);

// The band of moving case load_case along member m (1-based), as
// EnvelopeCurveOf's: both member ends, max(per_piece, 2) - 1 evenly spaced
// sections between, and the x of the member's extremes of quantity; each
// value exact (design/MovingMember.h MovingSection). Returns false (curve
// empty) for no such case or member, or a deflection of E*I = 0.
bool MovingCurveOf(const DesignValues& design, long load_case, long m, Quantity quantity,
                   int per_piece, EnvelopeCurve& curve);

// The largest and smallest value of quantity at x (0..L from end i) of
// member m, each with the vehicle's position and direction. Returns false
// (both absent) as MovingCurveOf.
bool MovingAt(const DesignValues& design, long load_case, long m, double x, Quantity quantity,
              MovingExtreme& max, MovingExtreme& min);

// The influence line of quantity over the whole beam (every joint interval
// covered), from the kept lines: a moment, shear or deflection at x of a
// member (SectionInfluence), or the vertical reaction of a joint held
// vertically, up positive: the sum of the end forces Fy of the members
// there (at end j, F3 = -F1, less 1 for a load on the member itself), or
// on a spring -kv times the joint's deflection line. Returns false (line
// empty) when the run kept no lines, for a rotation reaction, a joint not
// held vertically, or a deflection of E*I = 0.
bool BeamInfluence(const DesignValues& design, const InfluenceQuantity& quantity,
                   InfluenceLine& line);

// A vehicle placed on the beam: the X of each axle on it, with its load,
// and the lengths its lane load lies on.
struct PlacedVehicle {
  bool present = false;
  double value = 0;  // the effect: the axles' and the lane's
  double position = 0;
  Direction direction = Direction::kIncreasingX;
  std::vector<std::pair<double, double>> axles;  // (X, load), on [xmin, xmax] only
  std::vector<std::pair<double, double>> lane;   // [X0, X1] where the lane load lies
};

// The axles of vehicle with axle 1 at position, travelling in direction,
// those on [xmin, xmax]; no lane.
PlacedVehicle PlaceVehicle(const Vehicle& vehicle, double position, Direction direction,
                           double xmin, double xmax);

// The vehicle where line (over [xmin, xmax], as BeamInfluence's) is largest
// (largest true) or smallest (design/VehicleExtremes.h), its lane load on
// the lengths where the line has that sign. Absent for an empty line.
PlacedVehicle WorstVehicle(const InfluenceLine& line, const Vehicle& vehicle, bool largest);

}  // namespace spanwise
