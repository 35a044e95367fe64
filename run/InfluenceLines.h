// Exact influence lines from the run's one factorised stiffness matrix:
// every joint degree of freedom's line by one solve (the matrix is
// symmetric, so the solution for a unit load at p is the row of p: what a
// unit load anywhere does there), each cut at its reach as the load groups
// are; a member's end lines, a reaction's and a section's from those.
#pragma once

#include <vector>

#include "common/Array.h"
#include "common/Structure.h"
#include "design/InfluenceLine.h"
#include "design/MemberInfluence.h"
#include "stiffness/Stiffness.h"

namespace spanwise {

// What the lines are computed from, built once per beam.
struct InfluenceModel {
  InfluenceModel(const Structure& structure, FactoredStiffness& factored, const Array3& LoMemK);
  const Structure& structure;    // after the blocks (springs, releases) were applied
  FactoredStiffness& factored;   // from FactorStiffness: the matrix with its supports
  const Array3& LoMemK;          // (0..NM, 0..4, 0..4): as the run's MemberStiffness
  std::vector<long> by_x;        // the members in order of their left X (then number)
  std::vector<double> joints_x;  // every joint X, sorted, each once
  std::vector<bool> loose;       // Structure::LooseRotations
  Array1 rhs, solution;          // scratch, 0 between solves
};

// The end lines of member m (1..NM) (design/MemberInfluence.h).
//   model in/out (scratch); m in; out out. Returns false, out's lines
//   empty, after an overflow (the design stage's "none").
bool MemberEndInfluence(InfluenceModel& model, long m, MemberInfluence& out);

// The influence line of a quantity (design/InfluenceLine.h), over the whole
// beam (OverTheBeam). quantity in: a member in 1..NM and 0 <= x <= L, or a
// joint in 1..NJ whose component (kReactionFy: vertical, kReactionMz:
// rotation) is fixed or on a spring (else an InternalError: the caller
// checks). Reactions up and anticlockwise positive, as Design.txt; the
// reaction of a spring is -k times the line of its displacement. Returns
// false, line empty, for a deflection of a member of E*I = 0 or after an
// overflow (where the design stage gives none).
bool QuantityInfluence(InfluenceModel& model, const InfluenceQuantity& quantity,
                       InfluenceLine& line);

}  // namespace spanwise
