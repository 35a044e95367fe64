// Member loads and joint loads: their records, their fixed-end actions, and
// the member and structure load vectors.
#pragma once

#include <string>
#include <vector>

#include "common/Array.h"
#include "common/Structure.h"
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

// Every load of the model: the load vectors of case 1 (sections 6 and 7),
// the records as read, and the block of load cases and combinations.
struct LoadSet {
  explicit LoadSet(long NJ = 0, long NM = 0)
      : LoExtLoad("LoExtLoad", {NM, 4}), GloExtLoad("GloExtLoad", {2 * NJ}) {}

  Array2 LoExtLoad;     // (m, 1..4): minus the fixed-end actions of member m, member axes
  Array1 GloExtLoad;    // (1..2 NJ): the structure load vector
  LoadRecords records;  // every record of sections 6 and 7, when kept
  LoadCases cases;      // the block after the joint loads
};

// Reads the member-load and the joint-load sections and the blocks after
// them from the open input file, and closes it.
//   structure in;
//   Channel1 in/out: positioned at the member-load count; closed on return;
//   keep_records in: loads.records gains every record read, in file order;
//   loads in/out: created for the structure; the load vectors, the records
//     and the block of load cases and combinations (see ReadLoadCases);
//   Warnings in/out: gains one line per record that adds no load and per
//     text after the joint loads that is ignored.
void InputVolatileData(const Structure& structure, FieldReader& Channel1, bool keep_records,
                       LoadSet& loads, std::vector<std::string>& Warnings);

// Reads section 6, fills loads.LoExtLoad through FixedEndActions, then adds
// every member's LoExtLoad into loads.GloExtLoad in structure axes.
// Faults: a member number outside 1..NM, a load that does not lie on its
// member, overflow or division by zero in the fixed-end actions.
// A record of a type other than 1, 2 and 4 adds nothing (stored files use
// such types to switch a load off) but is said aloud: Warnings in/out gains
// "line N, member loads record R: load type T is not 1, 2 or 4; this record adds no load".
// So is a distributed load of no length (NoLoadedLength).
void BeamLoad(const Structure& structure, FieldReader& Channel1, bool keep_records, LoadSet& loads,
              std::vector<std::string>& Warnings);

// Reads section 7 and adds the joint loads into GloExtLoad2 (0..2 NJ).
// Fault: a joint number outside 1..NJ.
void JointLoad(Array1& GloExtLoad2, FieldReader& Channel1, LoadRecords* records = nullptr);

// Fixed-end actions of a point load w1a at l1a from end i of member BeamNo1 of
// length La, subtracted from LoExtLoad2(BeamNo1, 1..4).
void PointLoad(long BeamNo1, double w1a, double l1a, double La, Array2& LoExtLoad2);

// Fixed-end actions of a load varying linearly from w1a at l1a after end i to
// w2a at l2a before end j, subtracted from LoExtLoad2(BeamNo1, 1..4).
void TrapezoidalUDL(long BeamNo1, double w1a, double w2a, double l1a, double l2a, double La,
                    Array2& LoExtLoad2);

// The fixed-end actions of load (placed on its member of length L) by its
// kind, subtracted from LoExtLoad(load.m, 1..4); a load of no kind adds none.
void FixedEndActions(const MemberLoad& load, double L, Array2& LoExtLoad);

}  // namespace spanwise
