// A member end that carries no moment (a hinge): its stiffness and its
// fixed-end actions condensed, and its own end rotation recovered from the
// end displacements. Released ends are the bits kReleaseI and kReleaseJ
// (common/Structure.h); rows in member axes (Fy, Mz at end i, then end j).
#pragma once

#include <array>

namespace spanwise {

// The 4 x 4 stiffness of a member of flexural rigidity EI and length L > 0,
// member axes, with the released ends' rows and columns exactly zero: one
// end released gives the 3EI/L^3 matrix of a propped member, both ends none.
std::array<std::array<double, 4>, 4> ReleasedStiffness(int released, double EI, double L);

// E in/out (4 entries): minus the fixed-end actions of a member of length L
// (LoExtLoad's row); on return those of the member with its ends released
// (the released ends' moments exactly 0): E - c E(r) per released end r,
// with c the ratios of the member's stiffness column, which do not depend on EI.
void CondenseEndLoads(int released, double L, std::array<double, 4>& E);

// The member's own rotation at its released ends (member axes), where the
// moment there is zero: d in/out (4 end displacements; the released ends'
// rotations replaced); E in: the member's end loads before CondenseEndLoads;
// EI, L in. With EI = 0 the loads' share is left out.
void ReleasedEndRotations(int released, double EI, double L, const std::array<double, 4>& E,
                          std::array<double, 4>& d);

}  // namespace spanwise
