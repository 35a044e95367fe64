// The optional blocks after the joint loads.
//   SPRINGS, n          joint, kv, kr, label: springs (0 = none)
//   RELEASES, n         member, end (i, j, I, J, 1 or 2), label: a hinge
//   SETTLEMENTS, n      case, joint, dy, rz, label: prescribed displacements
//   CASES, n            then per case: kind ("fixed" or "variable"), label,
//                       member loads as section 6, joint loads as section 7;
//                       or "moving", label, then axles, lane, label and the
//                       axles' records load, spacing, label (common/Vehicle.h)
//   COMBINATIONS, k     then per combination: an adverse and a favourable
//                       factor for every case in order, label
//   UNITS, force, length, label   the units of the file (common/Units.h)
// Case 1 is the loads of sections 6 and 7 ("loads", fixed); the block's
// cases are 2, 3, ... in their order.
#pragma once

#include <string>
#include <vector>

#include "common/Structure.h"
#include "common/Support.h"
#include "common/Units.h"
#include "common/Vehicle.h"
#include "input/FieldReader.h"
#include "input/JointLoadRecord.h"
#include "input/Layout.h"
#include "input/MemberLoad.h"
#include "input/StructureInput.h"

namespace spanwise {

struct LoadCase {
  bool variable = false;
  bool moving = false;  // a vehicle: no member or joint loads
  std::string label;
  Vehicle vehicle;                       // of a moving case
  std::vector<MemberLoad> member_loads;  // numbered within their case
  std::vector<JointLoadRecord> joint_loads;
};

struct Combination {
  std::string label;
  std::vector<double> adverse, favourable;  // one per case, case 1 first
};

struct SpringRecord {
  int line = 0;
  long joint = 0;
  double kv = 0, kr = 0;
};

struct ReleaseRecord {
  int line = 0;
  long member = 0;
  int end = 0;  // kReleaseI or kReleaseJ (common/Structure.h)
};

struct LoadCases {
  bool present = false;               // the file holds CASES or COMBINATIONS
  std::vector<SpringRecord> springs;  // in file order
  std::vector<ReleaseRecord> releases;
  std::vector<Settlement> settlements;
  std::vector<LoadCase> cases;            // cases 2, 3, ... (case 1 is sections 6 and 7)
  std::vector<Combination> combinations;  // given, or the one "all cases"
  long CaseCount() const { return static_cast<long>(cases.size()) + 1; }
  Units units;  // of the UNITS block, empty without it
};

// The name in reasons of a section of load case number (1: the file's own
// sections 6 and 7): section is "member loads" or "joint loads", e.g.
// "case 2 member loads".
std::string CaseSection(long number, const std::string& section);

// Reads a case's member loads and joint loads: a count and records as in
// sections 6 and 7, named in reasons by the sections of the two layouts.
// Faults: as those sections, a member number outside 1..NM, a joint number
// outside 1..NJ.
void ReadCaseLoads(FieldReader& Channel1, const SectionLayout& members, const SectionLayout& joints,
                   long NM, long NJ, LoadCase& loadcase);

// Reads a moving case's vehicle: the record "axles, lane, label", then the
// axles' records "load, spacing, label".
//   Channel1 in/out; number in: the case's number (2, 3, ...); vehicle out.
// Faults (DataError with line, record and field): an axle count that is not
// whole or is negative; a negative lane load; no axles and no lane load; an
// axle load that is not positive; a negative spacing, or a first spacing
// other than 0.
void ReadVehicle(FieldReader& Channel1, long number, Vehicle& vehicle);

// Reads the blocks after the joint loads (input/BlockKeywords.h).
//   Channel1 in/out: standing after the joint loads;
//   NM, NJ in: member and joint counts;
//   cases out;
//   warnings in/out: gains "line N: the text after the joint loads is
//     ignored: ..." when text follows that starts no block (stored files may
//     keep notes there; it is left unread).
// Once a keyword was read, only keywords may follow, each at most once,
// COMBINATIONS after CASES. Without COMBINATIONS, one combination "all
// cases": factors 1 and 1 for a fixed case, 1 and 0 for a variable one.
// Faults (DataError with line, record and field): an unknown, repeated or
// misplaced keyword; an unknown kind; a count that is not whole, or a count
// or factor that is no number; a combination with too many or too few
// factors; an empty or repeated combination label; a member or joint
// number that does not exist; text after the last combination; a negative
// spring; an end that is not i or j, or a member end released twice; a
// settlement's case that is not whole or beyond the cases present; a unit
// that is empty or reads as a number.
void ReadLoadCases(FieldReader& Channel1, long NM, long NJ, LoadCases& cases,
                   std::vector<std::string>& warnings);

// The settlements and the springs and releases of the blocks put into the
// structure: a spring makes its component kSpring with its stiffness (0 is
// none; two records for a joint add up), a release sets its end's bit.
//   blocks in; Lines in: supports' lines; structure in/out.
// Faults: a spring on a fixed component (naming both lines); a settlement
// other than 0 on a component that is not fixed.
void ApplySupportBlocks(const LoadCases& blocks, const RecordLines& Lines, Structure& structure);

}  // namespace spanwise
