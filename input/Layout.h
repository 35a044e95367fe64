// The seven sections of the input file, in their order: a count, then that
// many records, each of some numeric fields and a closing label.
#pragma once

#include <array>

#include "input/FieldReader.h"

namespace spanwise {

struct SectionLayout {
  const char* section;      // name in error reasons, e.g. "members"
  const char* count_field;  // e.g. "member count"
  int numbers;              // numeric fields before the label
  std::array<const char*, 6> fields;
  bool negative_count_is_error;  // a negative count of an array-sizing section

  FieldName Count() const { return {nullptr, 0, count_field}; }
  // at(): a field number out of range is a fault of the program, not of the data.
  FieldName Field(long record, int field) const {
    return {section, record, fields.at(static_cast<std::size_t>(field - 1)), field};
  }
  FieldName Label(long record) const { return {section, record, "label", numbers + 1}; }
};

inline constexpr SectionLayout kJoints{"joints", "joint count", 1, {"X coordinate"}, true};
inline constexpr SectionLayout kSupports{"supports",
                                         "support count",
                                         3,
                                         {"joint number", "vertical fixity", "rotational fixity"},
                                         false};
inline constexpr SectionLayout kMaterials{
    "materials", "material count", 1, {"modulus of elasticity E"}, true};
inline constexpr SectionLayout kCrossSections{
    "cross sections", "cross-section count", 1, {"second moment of area I"}, true};
inline constexpr SectionLayout kMembers{
    "members",
    "member count",
    4,
    {"joint number of end i", "joint number of end j", "material number", "cross-section number"},
    true};
inline constexpr SectionLayout kMemberLoads{
    "member loads",
    "member-load count",
    6,
    {"member number", "load type", "load w1", "load w2", "distance l1", "distance l2"},
    false};
inline constexpr SectionLayout kJointLoads{
    "joint loads", "joint-load count", 3, {"joint number", "force Fy", "moment Mz"}, false};

// The blocks of supports and releases after the joint loads.
inline constexpr SectionLayout kSprings{
    "springs",
    "spring count",
    3,
    {"joint number", "vertical spring kv", "rotational spring kr"},
    true};
inline constexpr SectionLayout kReleases{
    "releases", "release count", 2, {"member number", "released end"}, true};
inline constexpr SectionLayout kSettlements{
    "settlements",
    "settlement count",
    4,
    {"load case", "joint number", "settlement dy", "settlement rz"},
    true};

// The sections in their order in the file: kSections[s - 1] is section s.
inline constexpr const SectionLayout* kSections[] = {
    &kJoints, &kSupports, &kMaterials, &kCrossSections, &kMembers, &kMemberLoads, &kJointLoads};

// Reads a section's count and its records, keeping nothing; returns the count
// (0 for a negative count that means no records).
long SkipSection(FieldReader& Channel1, const SectionLayout& layout);

}  // namespace spanwise
