// One member-load record as the load stage and the internal-force pass both
// read it, and where it acts on its member.
#pragma once

#include "common/Array.h"
#include "input/FieldReader.h"
#include "input/Layout.h"

namespace spanwise {

// The kinds of member load, a row per type the input may give; any other
// type adds nothing (stored files use such types to switch a load off).
// Every dispatch on the kind is a switch without default, so that a new
// kind makes the compiler name every place that must learn it.
enum class LoadKind { kPoint, kDistributed, kNone };

struct LoadTypeRow {
  double type;
  LoadKind kind;
};
inline constexpr LoadTypeRow kLoadTypes[] = {
    {1, LoadKind::kPoint},        // w1 at l1 from end i
    {2, LoadKind::kDistributed},  // w1 at l1 after end i to w2 at l2 before end j
    {4, LoadKind::kDistributed},  // taken like type 2 everywhere
};

constexpr LoadKind KindOf(double type) {
  for (const LoadTypeRow& row : kLoadTypes)
    if (row.type == type) return row.kind;
  return LoadKind::kNone;
}

struct MemberLoad {
  long record = 0;  // 1-based record number in the member-load section
  int line = 0;     // input line of the member number
  long m = 0;       // member number
  double t = 0, w1 = 0, w2 = 0, l1 = 0, l2 = 0;

  LoadKind Kind() const { return KindOf(t); }
};

// Reads one record. Faults: end of file, a field that is no number, a member
// number outside 1..NoOfMembers.
MemberLoad ReadMemberLoad(FieldReader& Channel1, long record, long NoOfMembers,
                          const SectionLayout& layout = kMemberLoads);

// The warning for a load type other than 1, 2 or 4 (such a record adds no
// load), naming the record as one of section: "line 17, member loads record
// 1: load type 3 is not 1, 2 or 4; this record adds no load".
std::string UnknownLoadType(const MemberLoad& load, const std::string& section = "member loads");

// The warning for a distributed load that lies on its member but has no
// length (l1 + l2 equals the member's length, as typed by a user who read l2
// as the end position): "line 18, member loads record 2: l1 + l2 equals the
// member's length 7, so this load has no length and adds nothing".
std::string NoLoadedLength(const MemberLoad& load, double L,
                           const std::string& section = "member loads");

// Checks that a point or distributed load lies on its member of length L and
// moves a position that lies outside by no more than L * 1e-9 onto the
// member's end. Returns whether the load acts: false for other load types
// and for a distributed load whose loaded length is zero or less.
// Fault: a position outside the member beyond that tolerance, named as a
// record of section (the member loads, or those of a further load case).
bool PlaceOnMember(MemberLoad& load, double L, const char* section = "member loads");

}  // namespace spanwise
