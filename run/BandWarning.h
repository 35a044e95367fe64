// Joints numbered out of order along the beam make the stiffness matrix's
// band wide and the solution slow; the run says so.
#pragma once

#include <string>

#include "common/Array.h"

namespace spanwise {

// The warning when the half-bandwidth HalfBand is more than twice what the
// same members give with the joints numbered in order of X, else empty.
// NJ, NM in; JN in (every joint number within 1..NJ); XCoord in (1..NJ).
// e.g. "member 7 joins joints 1 and 200000; numbering joints in order along
// the beam makes the analysis far faster".
std::string BandWarning(long NJ, long NM, Array2& JN, Array1& XCoord, long HalfBand);

}  // namespace spanwise
