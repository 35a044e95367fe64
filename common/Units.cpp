#include "common/Units.h"

namespace spanwise {

std::string UnitOf(const Units& units, Dimension dimension) {
  if (!units.Given()) return "";
  const std::string& F = units.force;
  const std::string& L = units.length;
  switch (dimension) {
    case Dimension::kForce:
      return F;
    case Dimension::kLength:
      return L;
    case Dimension::kMoment:
      return F + "\u00B7" + L;
    case Dimension::kRotation:
      return "rad";
    case Dimension::kLoad:
      return F + "/" + L;
    case Dimension::kModulus:
      return F + "/" + L + "\u00B2";
    case Dimension::kInertia:
      return L + "\u2074";
  }
  return "";
}

std::string Headed(std::string_view heading, const Units& units, Dimension dimension) {
  std::string text(heading);
  if (units.Given()) text += " (" + UnitOf(units, dimension) + ")";
  return text;
}

}  // namespace spanwise
