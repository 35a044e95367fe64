// The pieces of the design stage, shared between its files only.
#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "common/Array.h"
#include "common/Structure.h"
#include "design/DesignValues.h"
#include "design/EnvelopeSource.h"
#include "loads/Loads.h"

namespace spanwise {

// The loads of the run: member loads as placed on their members (only those
// that act), grouped by member, and the joint loads summed per joint.
struct DesignLoads {
  std::vector<MemberLoad> member_loads;    // grouped by member, in record order within
  std::vector<long> first;                 // member m's loads: [first[m], first[m + 1])
  std::vector<double> joint_fy, joint_mz;  // index 0..NJ, summed per joint
  double loads_fy = 0;  // joint loads Fy minus the resultants of the member loads
};

// Places the load records the load stage read (and checked) on their members.
//   records in; structure in; loads out; model in/out: its
//   member_loads and joint_loads are filled when fill_model.
void GatherDesignLoads(const LoadRecords& records, const Structure& structure, DesignLoads& loads,
                       bool fill_model, BeamModel& model);

// Reusable scratch space of one member, so that a long beam allocates once.
struct MemberScratch {
  std::vector<double> breaks;
  std::vector<long> points, starts, ends, active;
  std::vector<double> roots;
  struct Candidate {
    double x, value;
  };
  std::vector<Candidate> candidates;
};

// The exact moment and shear of a member of length L from its local end
// forces F1 (Fy at end i) and F2 (Mz at end i) and its loads [begin, end).
//   member in/out: moment and shear set (rotation and deflection cleared).
void MomentAndShear(double L, double F1, double F2, const MemberLoad* begin, const MemberLoad* end,
                    MemberScratch& scratch, MemberDesign& member);

// Rotation and deflection by integrating M / EI from end i's deflection v_i and
// rotation theta_i (member axes: along x from end i); rotation_sign turns the
// rotation into structure axes. EI != 0.
void RotationAndDeflection(double EI, double v_i, double theta_i, double rotation_sign,
                           MemberDesign& member);

// Largest and smallest value of f: at every piece's ends (both sides of a
// jump) and at the roots of its derivative inside each piece. Of values equal
// to 1e-12 of the largest magnitude, the one at the smallest x. False, with
// both extremes absent, when a value of f is infinite or undefined.
bool ExtremesOf(const Piecewise& f, MemberScratch& scratch, Extreme& max, Extreme& min);

// Appends the roots of q (degree `degree`, coefficients q[0..degree]) in the
// open interval (lo, hi) where q changes sign, in increasing order, each
// solved to full precision.
void SignChangesIn(const double* q, int degree, double lo, double hi, std::vector<double>& roots);

// The functions of every group that acts on a member of an envelope's
// source, in the order of member.effects (rotation and deflection empty
// for E*I = 0). member in; scratch in/out; functions out.
void GroupFunctions(const EnvelopeSource::Member& member, MemberScratch& scratch,
                    std::vector<MemberDesign>& functions);

// The envelope at one point (a reaction, or a position along a member),
// summed group by group in group order: a group whose value there is v
// counts at its adverse factor a or its favourable factor b, the larger
// added to max and the smaller to min.
struct EnvelopeSum {
  double max = 0, min = 0;
  void Add(double a, double b, double v) {
    max = max + std::max(a * v, b * v);
    min = min + std::min(a * v, b * v);
  }
};

// The groups at their adverse factor, case by case, as Design.txt names
// them: "case 1; case 2 members 1-3 joints 2", or "none".
//   groups in: every group's name; adverse in: indices into groups, in order.
std::string AdverseGroups(const std::vector<GroupName>& groups, const std::vector<long>& adverse);

// AdverseGroups of an extreme's groups (in group order, so that runs such
// as "members 2-40 step 2" keep Design.txt short), then its negligible
// groups counted (Design.txt's heading says what "+12" means): "case 2
// members 4, 5 +12", or "+12" alone.
std::string AdverseText(const std::vector<GroupName>& groups, std::vector<long> adverse,
                        long negligible);

// The adverse groups of an extreme of value `value` from (share, group)
// pairs, share = |adverse factor * the group's value|: adverse gets those
// of share >= 1e-6 |value|, the largest share first (then group order),
// negligible counts the rest. shares in (reordered); adverse, negligible out.
void NameAdverse(std::vector<std::pair<double, long>>& shares, double value,
                 std::vector<long>& adverse, long& negligible);

}  // namespace spanwise
