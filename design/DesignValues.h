// The values a beam is designed from, computed exactly from a solved model:
// support reactions, and along every member the moment, shear, rotation and
// deflection as piecewise polynomials with their extremes.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "common/Support.h"
#include "common/Vehicle.h"
#include "input/BeamModel.h"

namespace spanwise {

struct EnvelopeSource;  // design/EnvelopeSource.h
struct MovingLines;     // design/MemberInfluence.h

// One piece of a function along a member on [x0, x1], x measured from end i:
// f(x) = c[0] + c[1] t + ... + c[5] t^5 with t = x - x0.
struct Piece {
  double x0 = 0, x1 = 0;
  std::array<double, 6> c{};
};

// A function along a member: pieces in order of x, covering [0, L], meeting
// at the breakpoints (member ends, point loads, starts and ends of
// distributed loads). At a jump the piece on the right holds the value after;
// a point load at end j adds a last piece of no length, [L, L], that holds
// the value after it (as SF.TXT's last station does).
using Piecewise = std::vector<Piece>;

// Which side of a breakpoint to evaluate at.
enum class Side { kLeft, kRight };

// The value of piece p at x (p.x0 <= x <= p.x1).
double PieceValue(const Piece& p, double x);

// The value at x (0 <= x <= L); at a breakpoint, the side asked for. 0 for
// an empty function.
double Evaluate(const Piecewise& f, double x, Side side = Side::kRight);

// Points to draw f through: every piece's ends (so a jump is drawn vertical)
// and per_piece - 1 evenly spaced points inside each piece.
//   f in; per_piece in (>= 1); x, y out (appended to, same length).
void SampleForDrawing(const Piecewise& f, int per_piece, std::vector<double>& x,
                      std::vector<double>& y);

// An extreme value with its position along the member; absent where a value
// cannot be given (no deflection for E*I = 0, or an overflow).
struct Extreme {
  bool present = false;
  double x = 0;
  double value = 0;
};

struct JointDesign {
  long joint = 0;
  double x = 0;
  double deflection = 0;         // up positive, as the report's displacements
  double rotation = 0;           // anticlockwise positive
  bool rotation_present = true;  // false where only released ends meet (none)
  Support support;
  double fy = 0;  // vertical reaction, up positive (when held vertically: fixed or a spring)
  double mz = 0;  // reaction moment, anticlockwise positive (when held in rotation)
  bool overflow = false;  // the reactions overflowed: fy and mz are absent
};

struct MemberDesign {
  long member = 0;
  long i = 0, j = 0;  // joint numbers
  double length = 0;
  std::array<double, 4> end_forces{};  // the four GLOBAL end forces of the report
  // M sagging positive as BM.TXT, V with the sign of SF.TXT, rotation and
  // deflection up/anticlockwise positive; rotation and deflection are empty
  // for a member with E*I = 0.
  Piecewise moment, shear, rotation, deflection;
  Extreme moment_max, moment_min, shear_max, shear_min, deflection_max, deflection_min;
};

struct Equilibrium {
  double loads_fy = 0;      // joint loads Fy minus resultants of member loads
  double reactions_fy = 0;  // sum of vertical reactions
  double residual = 0;      // reactions_fy + loads_fy
  bool present = true;      // false after an overflow
};

// An extreme of an envelope, with the groups taken at their adverse factor
// there (of those whose two factors differ): named when their share (adverse
// factor times value) is at least 1e-6 of |value|, the largest first; the
// others counted.
struct EnvelopeExtreme {
  bool present = false;
  double x = 0;
  double value = 0;
  std::vector<long> adverse;  // 0-based indices into CombinationEnvelope's groups
  long negligible = 0;        // adverse groups whose shares are below 1e-6 of |value|
};

struct CombinationEnvelope {
  std::string label;
  struct Joint {
    long joint = 0;
    Support support;
    bool overflow = false;  // the sums overflowed: the four values are absent
    double fy_max = 0, fy_min = 0, mz_max = 0, mz_min = 0;
  };
  struct Member {
    long member = 0;
    EnvelopeExtreme moment_max, moment_min, shear_max, shear_min, deflection_max, deflection_min;
  };
  std::vector<Joint> joints;  // the restrained joints
  std::vector<Member> members;
};

// A load group by name (design/Envelope.h's LoadGroup holds its loads).
struct GroupName {
  long load_case = 1;  // 1-based
  long member = 0;     // of a variable case's member group, else 0
  long joint = 0;      // of a variable case's joint group, else 0
};

// An extreme of a moving case: its value, where along the member (x) and
// where the vehicle stands then (its axle 1 at X = position, travelling in
// direction).
struct MovingExtreme {
  bool present = false;
  double x = 0;
  double value = 0;
  double position = 0;
  Direction direction = Direction::kIncreasingX;
};

// A moving case's envelope over every position of its vehicle in both
// directions, its lane load on the lengths where it makes each value worse.
struct MovingEnvelope {
  long load_case = 0;  // 1-based
  std::string label;
  struct Joint {
    long joint = 0;
    Support support;
    MovingExtreme fy_max, fy_min, mz_max, mz_min;  // present where held (fixed or a spring)
  };
  struct Member {
    long member = 0;
    MovingExtreme moment_max, moment_min, shear_max, shear_min, deflection_max, deflection_min;
  };
  std::vector<Joint> joints;  // the restrained joints (fixed or on a spring)
  std::vector<Member> members;
};

// A released member end: the rotations on its two sides, anticlockwise
// positive: the member's own, and the joint's (absent where only released
// ends meet).
struct HingeDesign {
  long member = 0;
  int end = 1;  // 1: end i, 2: end j
  long joint = 0;
  double member_rotation = 0, joint_rotation = 0;
  bool joint_present = true;
};

struct DesignValues {
  BeamModel model;                  // what was analysed, for drawing
  std::vector<JointDesign> joints;  // every joint, in joint order
  std::vector<MemberDesign> members;
  std::vector<HingeDesign> hinges;      // in member order, end i first
  std::vector<Settlement> settlements;  // of the loads analysed
  bool settlements_given = false;       // the file holds SETTLEMENTS (of any case)
  Equilibrium equilibrium;
  std::vector<std::string> warnings;  // e.g. an overflow that left a value "none"
  // The envelope of every combination, when the input holds load cases.
  std::vector<GroupName> groups;
  std::vector<CombinationEnvelope> combinations;
  std::vector<MovingEnvelope> moving;  // one per moving case, in case order
  std::vector<Vehicle> vehicles;       // of each moving case, as moving
  // What the envelopes and the cases alone are computed from, kept when the
  // run keeps its design values (design/LoadChoice.h reads it).
  std::shared_ptr<const EnvelopeSource> source;
  std::shared_ptr<const MovingLines> moving_lines;  // with moving cases, kept as source is
};

}  // namespace spanwise
