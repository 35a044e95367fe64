// Member stiffness, assembly of the structure stiffness matrix, support
// conditions and the solution of the stiffness equations.
#pragma once

#include <string>
#include <vector>

#include "common/Array.h"
#include "common/StepWatch.h"
#include "stiffness/BandMatrix.h"

namespace spanwise {

// Stiffness blocks of member I in member axes.
//   I in: 1..NM; JN, XCoord, YM, MI, Property in;
//   KP11..KP22 (0..NM, 0..2, 0..2) out: entries (I, 1..2, 1..2).
// Faults: zero length; overflow of the coefficients.
void LocalStiffness(long I, const Array2& JN, const Array1& XCoord, const Array1& YM,
                    const Array1& MI, const Array2& Property, Array3& KP11, Array3& KP12,
                    Array3& KP21, Array3& KP22);

// Blocks of member I in structure axes: T * KP * T with T = diag(1, -1) for a
// member entered right to left (its rotations are reversed), else a copy.
//   GloMemK11..22 out (entries of I); LoMemK11..22 in; JN, XCoord in.
void GlobalStiffness(long I, Array3& GloMemK11, Array3& GloMemK12, Array3& GloMemK21,
                     Array3& GloMemK22, const Array3& LoMemK11, const Array3& LoMemK12,
                     const Array3& LoMemK21, const Array3& LoMemK22, const Array2& JN,
                     const Array1& XCoord);

// Adds every member's blocks into GlStK (1..2 NJ, 1..2 NJ, band of at least
// BandMatrix::HalfBandwidth(NoOfMembers, JN)), which holds zeros on entry:
// first the diagonal blocks, then the coupling blocks, each entry receiving
// its contributions by joint, then member, then end.
void StructuralStiffness(long NoOfJoints, long NoOfMembers, const Array2& JN, BandMatrix& GlStK,
                         const Array3& GloMemK11, const Array3& GloMemK12, const Array3& GloMemK21,
                         const Array3& GloMemK22);

// Large-number method: the diagonal of every restrained degree of freedom
// becomes 1E30 and its load 0. FixFy1, FixMz1 (0..NJ) in; GlstK1,
// GloExtLoad1 in/out.
void BoundaryConditions(long NoOfJoints1, const Array1& FixFy1, const Array1& FixMz1,
                        BandMatrix& GlstK1, Array1& GloExtLoad1);

// A beam that can move as a rigid body, in whole or in part, has no answer.
// Groups the joints by the members of non-zero E*I that join them; every
// group needs vertical restraints at two different X coordinates, or one
// vertical and one rotational restraint. Fault: an unstable group, named by
// its joints and the restraint it lacks.
void CheckStability(long NJ, long NM, const Array2& JN, const Array2& Property,
                    const Array1& XCoord, const Array1& YM, const Array1& MI, const Array1& FixFy,
                    const Array1& FixMz);

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
// its solution is bit-identical to Gauss's for that load vector.
//   A (n x n band, n >= 1) in/out; pivots out (n entries).
// Faults: a zero pivot.
void FactorBand(BandMatrix& A, std::vector<long>& pivots);
//   A, pivots in: from FactorBand; b (0..n) in/out: reduced in place;
//   x (0..n) out: the solution.
void SolveBand(BandMatrix& A, const std::vector<long>& pivots, Array1& b, Array1& x);

// Degree of freedom p in reasons: "degree of freedom 3 (vertical of joint 2)".
std::string DofName(long p);

// Fault: the elimination met a zero pivot at degree of freedom k.
[[noreturn]] void ZeroPivot(long k);

}  // namespace spanwise
