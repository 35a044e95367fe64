// An influence line: the value of one quantity (a moment, shear or
// deflection at a section of a member, or a reaction component of a joint)
// as a function of the X, on the beam's axis, of a unit downward load.
#pragma once

#include "design/DesignValues.h"

namespace spanwise {

enum class InfluenceKind { kMoment, kShear, kDeflection, kReactionFy, kReactionMz };

struct InfluenceQuantity {
  InfluenceKind kind = InfluenceKind::kMoment;
  long member = 0;  // 1..NM, for a moment, shear or deflection
  double x = 0;     // 0..L from end i of member, for a moment, shear or deflection
  long joint = 0;   // 1..NJ, for a reaction component
};

// Pieces in order of X covering [smallest, largest X of the joints], exact
// cubics in X (Piecewise's convention, x standing for X), with breakpoints at
// every joint and at the section; at a jump (the shear at its section) the
// piece on the right holds the value after, as along a member.
using InfluenceLine = Piecewise;

}  // namespace spanwise
