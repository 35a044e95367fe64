// The units an input file names in its UNITS block, and the unit of every
// quantity in them: M in force·length, V and reactions in force, deflections
// in length, rotations in rad, loads in force/length, E in force/length², I
// in length⁴. Without the block every unit text is empty and nothing the
// program writes changes.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace spanwise {

struct Units {
  std::string force, length;  // as typed; both empty without the block
  bool Given() const { return !force.empty(); }
};

enum class Dimension { kForce, kLength, kMoment, kRotation, kLoad, kModulus, kInertia };

struct DimensionName {
  Dimension dimension;
  const char* name;  // in the JSON's "units" object
};
inline constexpr std::array<DimensionName, 7> kDimensions{{{Dimension::kForce, "force"},
                                                           {Dimension::kLength, "length"},
                                                           {Dimension::kMoment, "moment"},
                                                           {Dimension::kRotation, "rotation"},
                                                           {Dimension::kLoad, "load"},
                                                           {Dimension::kModulus, "modulus"},
                                                           {Dimension::kInertia, "inertia"}}};

// The unit of dimension in UTF-8, e.g. "kN·m" for a moment in kN and m; ""
// without units.
std::string UnitOf(const Units& units, Dimension dimension);

// heading and its unit, "M max (kN·m)"; heading alone without units.
std::string Headed(std::string_view heading, const Units& units, Dimension dimension);

}  // namespace spanwise
