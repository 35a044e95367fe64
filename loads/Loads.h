// Member loads and joint loads: their records, their fixed-end actions, and
// the member and structure load vectors.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/Array.h"
#include "common/Structure.h"
#include "input/FieldReader.h"
#include "input/JointLoadRecord.h"
#include "input/LoadCases.h"
#include "input/MemberLoad.h"
#include "input/StructureInput.h"

namespace spanwise {

// The load records as the load stage read them, kept for the stages after
// the solution (the design values): member loads as typed, before placing.
struct LoadRecords {
  std::vector<MemberLoad> member_loads;
  std::vector<JointLoadRecord> joint_loads;
  std::vector<Settlement> settlements;  // of case 1
  bool settlements_given = false;       // the file holds SETTLEMENTS
};

// Every load of the model: the load vectors of case 1 (sections 6 and 7),
// the records as read, and the block of load cases and combinations.
struct LoadSet {
  explicit LoadSet(long NJ = 0, long NM = 0)
      : LoExtLoad("LoExtLoad", {NM, 4}), GloExtLoad("GloExtLoad", {2 * NJ}) {}

  Array2 LoExtLoad;  // (m, 1..4): minus the fixed-end actions of member m, member axes
  // Per member with a released end, LoExtLoad's row before it was condensed
  // (the member's own end rotations need it); empty without releases.
  std::vector<std::array<double, 4>> unreleased;
  Array1 GloExtLoad;    // (1..2 NJ): the structure load vector
  LoadRecords records;  // every record of sections 6 and 7, when kept
  LoadCases cases;      // the block after the joint loads
};

// Reads the member-load and the joint-load sections and the blocks after
// them from the open input file, and closes it; the springs and releases
// go into the structure (ApplySupportBlocks), a released end's fixed-end
// actions are condensed (CondenseEndLoads) before the loads are added at the
// joints: the member loads, then the joint loads in file order.
//   structure in/out: gains its springs and releases;
//   Lines in: the lines of the support records, for reasons;
//   Channel1 in/out: positioned at the member-load count; closed on return;
//   keep_records in: loads.records gains every record read, in file order;
//   loads in/out: created for the structure; the load vectors, the records
//     and the blocks after the joint loads (see ReadLoadCases);
//   Warnings in/out: gains one line per record that adds no load and per
//     text after the joint loads that is ignored.
// Faults: those of the readers, of ApplySupportBlocks, and a joint moment
// in any case at a joint whose rotation nothing holds (LooseRotations).
void InputVolatileData(Structure& structure, const RecordLines& Lines, FieldReader& Channel1,
                       bool keep_records, LoadSet& loads, std::vector<std::string>& Warnings);

// Reads section 6 and fills loads.LoExtLoad through FixedEndActions.
// Faults: a member number outside 1..NM, a load that does not lie on its
// member, overflow or division by zero in the fixed-end actions.
// A record of a type other than 1, 2 and 4 adds nothing (stored files use
// such types to switch a load off) but is said aloud: Warnings in/out gains
// "line N, member loads record R: load type T is not 1, 2 or 4; this record adds no load".
// So is a distributed load of no length (NoLoadedLength).
void BeamLoad(const Structure& structure, FieldReader& Channel1, bool keep_records, LoadSet& loads,
              std::vector<std::string>& Warnings);

// Adds every member's loads.LoExtLoad into loads.GloExtLoad in structure
// axes. Fault: an overflow.
void AddMemberLoads(const Structure& structure, LoadSet& loads);

// Reads section 7: records gains its records. Fault: a joint number outside 1..NJ.
void JointLoad(long NJ, FieldReader& Channel1, std::vector<JointLoadRecord>& records);

// Adds the joint loads records into GloExtLoad2 (0..2 NJ) in their order.
// Fault: an overflow, at its record.
void AddJointLoads(const std::vector<JointLoadRecord>& records, Array1& GloExtLoad2);

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
