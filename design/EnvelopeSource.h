// What every envelope and every case alone is computed from: per member the
// load groups that act on it, with their end forces, end displacements and
// loads, and per restrained joint the groups' reactions. Kept sparse: a
// member keeps only the groups that can change its values
// (KeepGroupsThatMatter), a few dozen on a continuous beam.
#pragma once

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "common/Array.h"
#include "common/Structure.h"
#include "common/Support.h"
#include "design/Envelope.h"

namespace spanwise {

struct EnvelopeSource {
  // What group `group` alone does to a member, in member axes: the end
  // forces (Fy, Mz at end i, then at end j) and end displacements, as the
  // report's LOCAL FORCES and the displacements they come from.
  struct Effect {
    long group = 0;
    std::array<double, 4> force{}, displacement{};
  };
  struct Member {
    double length = 0, EI = 0, rotation_sign = 1;
    // In group order: group 0, then the groups that matter here. A deque:
    // it grows group by group without a vector's doubled capacity.
    std::deque<Effect> effects;
    std::vector<std::pair<long, MemberLoad>> loads;  // (group, load as placed), in group order
  };
  // A group's reactions at a restrained joint (left out where both are 0).
  struct Reaction {
    long group = 0;
    double fy = 0, mz = 0;
  };
  struct Joint {
    long joint = 0;
    Support support;
    std::deque<Reaction> reactions;
  };
  struct Case {
    std::string label;
    bool variable = false;
  };
  struct Factors {
    std::string label;
    std::vector<double> adverse, favourable;  // per group
  };
  Structure structure;                // the run's, for a case's design values
  std::vector<LoadGroup> groups;      // every group, case by case, with its loads
  std::vector<Member> members;        // members[m - 1]
  std::vector<Joint> joints;          // the restrained joints, in joint order
  std::vector<Case> cases;            // cases[k - 1] is case k
  std::vector<Factors> combinations;  // in the file's order
};

// Starts the source: moves groups in, and sets every member's geometry and
// loads, the restrained joints, the cases and every combination's factors
// per group. Effects and reactions are left for SolveGroups.
//   groups in (moved from); cases in; structure in; source out.
void StartEnvelopeSource(std::vector<LoadGroup>& groups, const LoadCases& cases,
                         const Structure& structure, EnvelopeSource& source);

// What a group with no loads on member adds to it at most, from its end
// forces and displacements: {|M|, |V|, |v|} over the whole member (v 0 for
// E*I = 0). There M = F1 x - F2 and V = -F1 (F1, F2 its forces at end i)
// and v = v_i + theta_i x - F2 x^2 / (2 EI) + F1 x^3 / (6 EI), so with
// x <= L: |M| <= |F2| + |F1| L, |V| = |F1|, |v| <= |v_i| + |theta_i| L +
// |F2| L^2 / (2 EI) + |F1| L^3 / (6 EI).
std::array<double, 3> EffectBound(const EnvelopeSource::Member& member,
                                  const EnvelopeSource::Effect& effect);

// Leaves out of member.effects the groups that cannot change its envelopes:
// of those without loads on it (group 0 always stays), the smallest by
// EffectBound, as long as for every combination c and quantity q the sum of
// max(|adverse|, |favourable|) * bound over those left out stays at most
// 1e-14 of a lower bound of the envelope's largest |value| there: the most,
// at end i, the middle and end j, of |the sum of the groups' values| with
// every group adverse, or every group favourable (two arrangements), and of
// each group's |adverse - favourable| |value| / 2 (half of max - min there).
//   source in: its combinations; member in/out.
void KeepGroupsThatMatter(const EnvelopeSource& source, EnvelopeSource::Member& member);

// Bytes the envelopes of its combinations add at most to what the source
// holds (every extreme naming every group acting on its member).
double EnvelopeBytes(const EnvelopeSource& source);

}  // namespace spanwise
