// How a joint is held: each of its two components, the vertical
// displacement and the rotation, free or fixed. Every stage asks this type,
// never the fixity numbers of the input, so a new kind of restraint (a
// spring) is added here and in the switches that the compiler then names.
#pragma once

namespace spanwise {

enum class Restraint { kFree, kFixed };

// The two components of a joint, numbered as its degrees of freedom: the
// vertical one is 2j - 1, the rotation 2j.
enum class Component { kVertical = 1, kRotation = 2 };

struct Support {
  Restraint vertical = Restraint::kFree;
  Restraint rotation = Restraint::kFree;

  // The support a record's fixities give: 1 fixes, any other value leaves the
  // component free (stored files use 0, and nothing else has a meaning).
  static Support FromFixities(double fy, double mz) {
    return {fy == 1 ? Restraint::kFixed : Restraint::kFree,
            mz == 1 ? Restraint::kFixed : Restraint::kFree};
  }

  bool IsFixed(Component c) const {
    return (c == Component::kVertical ? vertical : rotation) == Restraint::kFixed;
  }
  bool FixesVertical() const { return IsFixed(Component::kVertical); }
  bool FixesRotation() const { return IsFixed(Component::kRotation); }
  // A joint with a reaction of any kind.
  bool IsRestrained() const { return FixesVertical() || FixesRotation(); }
};

}  // namespace spanwise
