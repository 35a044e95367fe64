// How a joint is held: each of its two components, the vertical
// displacement and the rotation, free, fixed or on a spring. Every stage asks
// this type, never the fixity numbers of the input, so a new kind of
// restraint is added here and in the switches that the compiler then names.
#pragma once

namespace spanwise {

enum class Restraint { kFree, kFixed, kSpring };

// The two components of a joint, numbered as its degrees of freedom: the
// vertical one is 2j - 1, the rotation 2j.
enum class Component { kVertical = 1, kRotation = 2 };

struct Support {
  Restraint vertical = Restraint::kFree;
  Restraint rotation = Restraint::kFree;
  // The springs' stiffness (force per length, moment per radian), where
  // the component is a spring.
  double kv = 0, kr = 0;

  // The support a record's fixities give: 1 fixes, any other value leaves the
  // component free (stored files use 0, and nothing else has a meaning).
  static Support FromFixities(double fy, double mz) {
    return {fy == 1 ? Restraint::kFixed : Restraint::kFree,
            mz == 1 ? Restraint::kFixed : Restraint::kFree};
  }

  Restraint Of(Component c) const { return c == Component::kVertical ? vertical : rotation; }
  double SpringOf(Component c) const { return c == Component::kVertical ? kv : kr; }
  bool IsFixed(Component c) const { return Of(c) == Restraint::kFixed; }
  bool FixesVertical() const { return IsFixed(Component::kVertical); }
  bool FixesRotation() const { return IsFixed(Component::kRotation); }
  // Fixed or on a spring: the component has a reaction.
  bool Holds(Component c) const { return Of(c) != Restraint::kFree; }
  bool HoldsVertical() const { return Holds(Component::kVertical); }
  bool HoldsRotation() const { return Holds(Component::kRotation); }
  bool HasSpring() const {
    return vertical == Restraint::kSpring || rotation == Restraint::kSpring;
  }
  // A joint with a reaction of any kind.
  bool IsRestrained() const { return HoldsVertical() || HoldsRotation(); }
};

// The reaction of component c of a joint held by support: where it is fixed,
// the members' end forces less the joint's load there (end_force); on a
// spring, the spring's force -k * displacement; where free, 0.
inline double SupportForce(const Support& support, Component c, double end_force,
                           double displacement) {
  switch (support.Of(c)) {
    case Restraint::kFixed:
      return end_force;
    case Restraint::kSpring:
      return -(support.SpringOf(c) * displacement);
    case Restraint::kFree:
      break;
  }
  return 0;
}

// A prescribed displacement of a fixed component of joint `joint` in load
// case `load_case`: dy up positive, rz anticlockwise positive (0: none).
struct Settlement {
  int line = 0;  // input line of the record
  long load_case = 1;
  long joint = 0;
  double dy = 0, rz = 0;
};

}  // namespace spanwise
