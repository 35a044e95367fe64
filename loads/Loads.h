// Member loads and joint loads: their records, their fixed-end actions, and
// the member and structure load vectors.
#pragma once

#include <string>
#include <vector>

#include "common/Array.h"
#include "input/FieldReader.h"
#include "input/JointLoadRecord.h"
#include "input/LoadCases.h"
#include "input/MemberLoad.h"

namespace spanwise {

// The load records as the load stage read them, kept for the stages after
// the solution (the design values): member loads as typed, before placing.
struct LoadRecords {
  std::vector<MemberLoad> member_loads;
  std::vector<JointLoadRecord> joint_loads;
};

// Reads the member-load and the joint-load sections from the open input file
// and closes it.
//   NoOfMembers1 in; JN1 (0..NM, 0..2) in; XCoord1 (0..NJ) in;
//   TotDOF1 in (not consulted);
//   LoExtLoad1 (0..NM, 0..4) in/out: minus the fixed-end actions per member;
//   GloExtLoad1 (0..TotDOF) in/out: the structure load vector;
//   Warnings in/out: gains one line per member-load record that adds no load;
//   Channel1 in/out: positioned at the member-load count; closed on return;
//   records out (when not null): every record read, in file order;
//   cases out (when not null): the block of load cases and combinations
//     after the joint loads (see ReadLoadCases), read and checked.
void InputVolatileData(long NoOfMembers1, const Array2& JN1, const Array1& XCoord1, long TotDOF1,
                       Array2& LoExtLoad1, Array1& GloExtLoad1, std::vector<std::string>& Warnings,
                       FieldReader& Channel1, LoadRecords* records = nullptr,
                       LoadCases* cases = nullptr);

// Reads section 6, fills LoExtLoad2 through PointLoad and TrapezoidalUDL, then
// adds every member's LoExtLoad2 into GloExtLoad2 in structure axes.
// Faults: a member number outside 1..NoOfMembers2, a load that does not lie
// on its member, overflow or division by zero in the fixed-end actions.
// A record of a type other than 1, 2 and 4 adds nothing (stored files use
// such types to switch a load off) but is said aloud: Warnings in/out gains
// "line N, member loads record R: load type T is not 1, 2 or 4; this record adds no load".
void BeamLoad(long NoOfMembers2, const Array2& JN2, const Array1& XCoord2, Array2& LoExtLoad2,
              Array1& GloExtLoad2, std::vector<std::string>& Warnings, FieldReader& Channel1,
              LoadRecords* records = nullptr);

// Reads section 7 and adds the joint loads into GloExtLoad2 (0..2 NJ).
// Fault: a joint number outside 1..NJ.
void JointLoad(Array1& GloExtLoad2, FieldReader& Channel1, LoadRecords* records = nullptr);

// Fixed-end actions of a point load w1a at l1a from end i of member BeamNo1 of
// length La, subtracted from LoExtLoad2(BeamNo1, 1..4). l2a out: La - l1a.
// w2a, GloExtLoad2 and JN3 are not consulted.
void PointLoad(long BeamNo1, const double& w1a, const double& w2a, const double& l1a, double& l2a,
               const double& La, Array2& LoExtLoad2, const Array1& GloExtLoad2, const Array2& JN3);

// Fixed-end actions of a load varying linearly from w1a at l1a after end i to
// w2a at l2a before end j, subtracted from LoExtLoad2(BeamNo1, 1..4).
// GloExtLoad2 and JN3 are not consulted.
void TrapezoidalUDL(long BeamNo1, const double& w1a, const double& w2a, const double& l1a,
                    const double& l2a, const double& La, Array2& LoExtLoad2,
                    const Array1& GloExtLoad2, const Array2& JN3);

}  // namespace spanwise
