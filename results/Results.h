// Member end displacements and forces, and the first three sections of the
// report: global displacements, local forces, global forces / reactions.
// The writers format every value with the report number format decim.
#pragma once

#include "common/Array.h"
#include "common/OutputFile.h"
#include "loads/Loads.h"
#include "results/NumberFormat.h"
#include "results/Solution.h"
#include "stiffness/Stiffness.h"

namespace spanwise {

// GloDisp1 (0..NM, 0..4, 0..1) out: the end displacements of every member,
// taken from TempDisp1 at its joints, a released end's rotation the
// member's own (HingeDisplacements); writes "GLOBAL DISPLACEMENTS".
//   structure in; loads in: unreleased (the end loads before condensing).
void OutputGlobalDisp(const Structure& structure, const LoadSet& loads, const Array1& TempDisp1,
                      Array3& GloDisp1, OutputFile& Channel99, const DecimFormat& decim);

// Member m's released ends (released: kReleaseI, kReleaseJ or both): the
// rotations in GloDisp1(m, 2 and 4, 1) (in/out, structure axes) replaced by
// the member's own end rotations, from its end displacements and E, its
// member-axis end loads before condensing (ReleasedEndRotations).
void HingeDisplacements(const Structure& structure, long m, int released,
                        const std::array<double, 4>& E, Array3& GloDisp1);

// LoDisp1 out = T * GloDisp1 (in), T = diag(1, -1) at each end of a member
// entered right to left, else the identity.
void LoDispToGloDisp(long NoOfMembers1, Array3& LoDisp1, const Array3& GloDisp1, const Array2& JN1,
                     const Array1& XCoord1);

// k.LoMemK (0..NM, 0..4, 0..4) out: [[KP11, KP12], [KP21, KP22]] of each
// member; k.KP11..22 in.
void CombineLocalK(long NoOfMembersa, MemberStiffness& k);

// LoForce1 in/out (zeros on entry): LoMemK1 * LoDisp1, summed k = 1..4, then
// minus LoExtLoad1 entry by entry as it is written; writes "LOCAL FORCES".
void OutputLocalForces(long NoOfMembers1, Array3& LoForce1, const Array3& LoMemK1,
                       const Array3& LoDisp1, const Array2& LoExtLoad1, OutputFile& Channel99,
                       const DecimFormat& decim);

// GloForce1 out = T * LoForce1 (in); writes "GLOBAL FORCES / REACTIONS".
void OutputGlobalForces(long NoOfMembers1, Array3& GloForce1, const Array3& LoForce1,
                        const Array2& JN1, const Array1& XCoord1, OutputFile& Channel99,
                        const DecimFormat& decim);

// The member results of the solved beam, in the report's order: the end
// displacements (GloDisp, LoDisp), k.LoMemK, the end forces (LoForce,
// GloForce), each section written to Channel99 as it is computed.
//   structure in; k in/out; loads in (LoExtLoad); solution in/out: TempDisp
//   in, the rest out (zeros on entry); decim in; Channel99 in/out.
void MemberResults(const Structure& structure, MemberStiffness& k, const LoadSet& loads,
                   Solution& solution, const DecimFormat& decim, OutputFile& Channel99);

}  // namespace spanwise
