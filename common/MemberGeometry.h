// A member lies on the beam axis between its two joints.
#pragma once

#include "common/Array.h"

namespace spanwise {

// Length of member m: the square root of the squared difference of its end
// coordinates, that is their absolute difference.
double MemberLength(long m, const Array2& JN, const Array1& XCoord);

// The sign of member m's rotations in structure axes. A member's axis runs
// from end i to end j; for a member entered right to left it runs leftwards,
// and a rotation positive in member axes is negative in structure axes.
double RotationSign(long m, const Array2& JN, const Array1& XCoord);

}  // namespace spanwise
