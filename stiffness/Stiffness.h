// Member stiffness, assembly of the structure stiffness matrix, support
// conditions and the solution of the stiffness equations.
#pragma once

#include <string>
#include <vector>

#include "common/Array.h"
#include "common/StepWatch.h"
#include "common/Structure.h"
#include "stiffness/BandMatrix.h"

namespace spanwise {

// The stiffness blocks of every member: 2 x 2 blocks per pair of ends, in
// member axes (KP) and structure axes (GloMemK), and the 4 x 4 matrix in
// member axes that the end forces are computed with (LoMemK).
struct MemberStiffness {
  explicit MemberStiffness(long NM = 0)
      : KP11("KP11", {NM, 2, 2}),
        KP12("KP12", {NM, 2, 2}),
        KP21("KP21", {NM, 2, 2}),
        KP22("KP22", {NM, 2, 2}),
        GloMemK11("GloMemK11", {NM, 2, 2}),
        GloMemK12("GloMemK12", {NM, 2, 2}),
        GloMemK21("GloMemK21", {NM, 2, 2}),
        GloMemK22("GloMemK22", {NM, 2, 2}),
        LoMemK("LoMemK", {NM, 4, 4}) {}

  Array3 KP11, KP12, KP21, KP22;                      // (m, 1..2, 1..2), member axes
  Array3 GloMemK11, GloMemK12, GloMemK21, GloMemK22;  // the same in structure axes
  Array3 LoMemK;                                      // (m, 1..4, 1..4), member axes
};

// Stiffness blocks of member I in member axes.
//   I in: 1..NM; structure in;
//   k.KP11..KP22 out: entries (I, 1..2, 1..2).
// Faults: zero length; overflow of the coefficients.
void LocalStiffness(long I, const Structure& structure, MemberStiffness& k);

// Blocks of member I in structure axes: T * KP * T with T = diag(1, -1) for a
// member entered right to left (its rotations are reversed), else a copy.
//   I in; structure in; k.KP11..22 in; k.GloMemK11..22 out (entries of I).
void GlobalStiffness(long I, const Structure& structure, MemberStiffness& k);

// Adds every member's blocks k.GloMemK11..22 into GlStK (1..2 NJ, 1..2 NJ,
// band of at least BandMatrix::HalfBandwidth(NM, JN)), which holds zeros on
// entry: first the diagonal blocks, then the coupling blocks, each entry
// receiving its contributions by joint, then member, then end.
void StructuralStiffness(const Structure& structure, const MemberStiffness& k, BandMatrix& GlStK);

// Large-number method: the diagonal of every fixed degree of freedom
// becomes 1E30 and its load 0; a spring's stiffness is added to its
// diagonal; a rotation that only released ends meet (LooseRotations) gets
// diagonal 1 and load 0. structure in; GlStK, GloExtLoad in/out.
void BoundaryConditions(const Structure& structure, BandMatrix& GlStK, Array1& GloExtLoad);

// After BoundaryConditions: every settlement of load case load_case becomes
// the load 1E30 * value of its fixed degree of freedom, so that the solution there is the
// prescribed displacement (several on one component add up). settlements in: joints in 1..NJ, on
// fixed components; GloExtLoad (1..2 NJ) in/out.
void PrescribeSettlements(const std::vector<Settlement>& settlements, long load_case,
                          Array1& GloExtLoad);

// A beam that can move as a rigid body, in whole or in part, has no answer.
// Groups the joints by the members of non-zero E*I that join them; every
// group needs vertical holds (supports or springs) at two different X
// coordinates, or one vertical and one rotational hold. Fault: an unstable
// group, named by its joints and the restraint it lacks.
// With released ends, then every rigid part (members joined by ends that
// keep their moment) must be held still by the supports, springs and the
// parts held before it (CheckMechanism). Fault: a mechanism, naming the
// members of a part that can move and how.
void CheckStability(const Structure& structure);

// The rigid parts of a beam with released ends, each held still in turn:
// by its vertical holds and the hinges it shares with parts held before, at
// two different X, or at one X and against rotation. Exact: a part's motion
// is a straight line, held by what the structure says, never by pivots.
// Fault: the first part in member order that can still move.
void CheckMechanism(const Structure& structure);

// Gaussian elimination with partial pivoting and back substitution, on the
// band: bit-identical to the dense procedure, in time n w^2 and no storage
// of its own.
//   GloExtLoad1 (0..n) in/out: right-hand side, reduced in place;
//   GlstK1 (n x n band) in/out: reduced in place to the upper factor;
//   TempDisp1 (0..n) out: the solution; TotDOF1 in: n >= 1;
//   watch in/out (may be null): told the rows done, may cancel the run.
// Faults: a zero pivot; overflow or division by zero; RunCancelled.
void Gauss(Array1& GloExtLoad1, BandMatrix& GlstK1, Array1& TempDisp1, long TotDOF1,
           StepWatch* watch = nullptr);

// The elimination of Gauss kept for many right-hand sides: FactorBand leaves
// the upper factor in A and each multiplier where the entry it eliminated
// stood; pivots(k) is the row exchanged with row k. SolveBand then takes
// each right-hand side through the same operations in the same order, so
// its solution is bit-identical to Gauss's for that load vector (one without
// -0 entries, as every load vector of a run is: sums from +0).
//   A (n x n band, n >= 1) in/out; pivots out (n entries).
// Faults: a zero pivot.
void FactorBand(BandMatrix& A, std::vector<long>& pivots);
//   A, pivots in: from FactorBand; b (0..n) in/out: reduced in place;
//   x (0..n) out: the solution.
void SolveBand(BandMatrix& A, const std::vector<long>& pivots, Array1& b, Array1& x);

// SolveBand for a load vector that is 0 outside rows first..last, where the
// solution is wanted only as far as it is felt: the sweep forward starts
// where the exchanges can first meet a load (bit-identical so far), and with
// tiny > 0 each sweep stops once 2 w rows in a row have fallen to tiny of
// the largest value of their kind (odd rows, even rows) so far; forward,
// the rows after are taken as 0. With tiny = 0, x is SolveBand's.
//   A, pivots in: from FactorBand; tiny in: >= 0; first, last in:
//   1 <= first <= last <= n; b (0..n) in/out: 0 outside [first, last],
//   reduced in place within [max(1, first - w), min(n, to + w)];
//   x (0..n) out: the solution in rows from..to (others untouched);
//   from, to out.
void SolveBandNear(BandMatrix& A, const std::vector<long>& pivots, double tiny, long first,
                   long last, Array1& b, Array1& x, long& from, long& to);

// The restrained stiffness matrix factorised once for the many load vectors
// of the load groups (FactorBand).
struct FactoredStiffness {
  BandMatrix band{"GlStKFactored", 0, 0};
  std::vector<long> pivots;
};

// Assembles k's blocks into a band of half-bandwidth HalfBand, restrains it as
// BoundaryConditions does and factorises it. structure, k, HalfBand in;
// factored out. Faults: a zero pivot.
void FactorStiffness(const Structure& structure, const MemberStiffness& k, long HalfBand,
                     FactoredStiffness& factored);

// Degree of freedom p in reasons: "degree of freedom 3 (vertical of joint 2)".
std::string DofName(long p);

// Fault: the elimination met a zero pivot at degree of freedom k.
[[noreturn]] void ZeroPivot(long k);

}  // namespace spanwise
