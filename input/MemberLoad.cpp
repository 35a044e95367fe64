#include "input/MemberLoad.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/DataError.h"
#include "common/PlainNumber.h"
#include "input/Layout.h"
#include "input/ReadCount.h"

namespace spanwise {

MemberLoad ReadMemberLoad(FieldReader& Channel1, long record, long NoOfMembers,
                          const SectionLayout& layout) {
  MemberLoad load;
  load.record = record;
  load.m = ReadIndex(Channel1, layout.Field(record, 1), NoOfMembers, "member");
  load.line = Channel1.line();
  load.t = Channel1.ReadNumber(layout.Field(record, 2));
  load.w1 = Channel1.ReadNumber(layout.Field(record, 3));
  load.w2 = Channel1.ReadNumber(layout.Field(record, 4));
  load.l1 = Channel1.ReadNumber(layout.Field(record, 5));
  load.l2 = Channel1.ReadNumber(layout.Field(record, 6));
  Channel1.ReadLabel(layout.Label(record));
  return load;
}

std::string UnknownLoadType(const MemberLoad& load, const std::string& section) {
  return "line " + std::to_string(load.line) + ", " + section + " record " +
         std::to_string(load.record) + ": load type " + PlainNumber(load.t) +
         " is not 1, 2 or 4; this record adds no load";
}

std::string NoLoadedLength(const MemberLoad& load, double L, const std::string& section) {
  return "line " + std::to_string(load.line) + ", " + section + " record " +
         std::to_string(load.record) + ": l1 + l2 equals the member's length " + PlainNumber(L) +
         ", so this load has no length and adds nothing";
}

namespace {

[[noreturn]] void NotOnMember(const MemberLoad& load, double L, const char* section,
                              const std::string& what) {
  throw DataError("line " + std::to_string(load.line) + ", " + section + " record " +
                      std::to_string(load.record) + ": " + what + " member " +
                      std::to_string(load.m) + " (length " + PlainNumber(L) + ")",
                  load.line);
}

}  // namespace

bool PlaceOnMember(MemberLoad& load, double L, const char* section) {
  const double tol = L * 1e-9;
  switch (load.Kind()) {
    case LoadKind::kPoint:
      if (load.l1 < -tol || load.l1 > L + tol)
        NotOnMember(load, L, section,
                    "the point load at l1 = " + PlainNumber(load.l1) + " lies outside");
      load.l1 = std::min(std::max(load.l1, 0.0), L);
      return true;
    case LoadKind::kDistributed:
      if (load.l1 < -tol)
        NotOnMember(load, L, section,
                    "the distance l1 = " + PlainNumber(load.l1) + " is negative on");
      if (load.l2 < -tol)
        NotOnMember(load, L, section,
                    "the distance l2 = " + PlainNumber(load.l2) + " is negative on");
      if ((L - load.l1) - load.l2 < -tol)
        NotOnMember(load, L, section,
                    "the distributed load (l1 = " + PlainNumber(load.l1) +
                        ", l2 = " + PlainNumber(load.l2) + ") is longer than");
      load.l1 = std::max(load.l1, 0.0);
      load.l2 = std::max(load.l2, 0.0);
      return (L - load.l1) - load.l2 > 0;
    case LoadKind::kNone:
      return false;
  }
  return false;
}

}  // namespace spanwise
