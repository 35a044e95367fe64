// A moving case on one member: the largest and smallest moment, shear and
// deflection over every section, every position of the vehicle in both
// directions, with its lane load where it makes the value worse.
#pragma once

#include <vector>

#include "common/Vehicle.h"
#include "design/DesignValues.h"
#include "design/MemberInfluence.h"
#include "design/VehicleExtremes.h"

namespace spanwise {

struct MovingScratch {
  VehicleScratch vehicle;
  std::vector<double> roots, breaks;
  InfluenceLine line;
};

// The largest and smallest value of kind at x of the member over every
// position: the axles' extremes (design/VehicleExtremes.h) plus the lane
// load times the positive, or negative, area of the section's line.
//   member in; kind in; x in: 0..L; vehicle in; xmin, xmax in: the beam's
//   ends; scratch in/out; max, min out (absent for a deflection of E*I = 0,
//   or where a value is not finite).
void MovingSection(const MemberInfluence& member, InfluenceKind kind, double x,
                   const Vehicle& vehicle, double xmin, double xmax, MovingScratch& scratch,
                   MovingExtreme& max, MovingExtreme& min);

// The member's six extremes. Every load of a vehicle acts downward, so along
// the member the shear never falls and the moment is concave: the largest
// shear is at end j, the smallest at end i, the smallest moment at an end,
// each exact. The largest moment of point axles stands at an end or under
// an axle: each axle is moved along the member with the vehicle and the
// moment under it maximised exactly. With a lane load, and for the
// deflection, a search over x (design/SearchLargest.h).
//   member in; vehicle in; xmin, xmax in; scratch in/out; out out.
void MovingMember(const MemberInfluence& member, const Vehicle& vehicle, double xmin, double xmax,
                  MovingScratch& scratch, MovingEnvelope::Member& out);

}  // namespace spanwise
