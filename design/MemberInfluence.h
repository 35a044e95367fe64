// The influence lines of one member's end i (its end forces and end
// displacements), from which the line of any section of the member follows
// by a local formula: the representation the moving loads build on.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "design/InfluenceLine.h"

namespace spanwise {

struct MemberInfluence {
  long member = 0;
  double length = 0, EI = 0;
  double x_i = 0;        // X of end i
  double direction = 1;  // +1: end j lies at the larger X, -1: at the smaller
  // Member axes, as LoForce(m, 1..2) and LoDisp(m, 1..2): the Fy and Mz at
  // end i (F1, F2), its deflection v_i and rotation theta_i, each a function
  // of the X of a unit downward load. The four share their pieces: one per
  // member the load can reach (to 1e-22 of the largest value), in order of
  // X, covering [front().x0, back().x1] without gaps; 0 outside. pieces[own]
  // lies over this member.
  InfluenceLine fy, mz, v, theta;
  std::size_t own = 0;
};

// Every member's end lines and the beam's ends: what the moving cases are
// computed from, kept for the combinations and the Beam window.
struct MovingLines {
  std::vector<MemberInfluence> members;  // member m at [m - 1]
  double xmin = 0, xmax = 0;
};

// The influence line of the moment, shear or deflection (kind) at x from
// end i of member (0 <= x <= L), signed as the design stage's functions
// (BM.TXT, SF.TXT, deflection up): a piece more at the section, where the
// shear jumps by 1 (the right piece holds the value after). Over the pieces
// of member only (0 outside). Empty for a deflection of a member of E*I = 0.
InfluenceLine SectionInfluence(const MemberInfluence& member, InfluenceKind kind, double x);

// The line extended by pieces of value 0 to cover every interval between
// consecutive joint X (joints_x sorted, each once): an InfluenceLine.
InfluenceLine OverTheBeam(const InfluenceLine& line, const std::vector<double>& joints_x);

// The polynomial c[0..3] in t made one in t' = t - h (the same cubic).
void ShiftCubic(std::array<double, 6>& c, double h);

}  // namespace spanwise
