#include <string>

#include "common/DataError.h"
#include "common/PlainNumber.h"
#include "input/LoadCases.h"

namespace spanwise {
namespace {

const char* ComponentName(Component c) {
  return c == Component::kVertical ? "vertical" : "rotational";
}

}  // namespace

void ApplySupportBlocks(const LoadCases& blocks, const RecordLines& Lines, Structure& structure) {
  for (std::size_t k = 0; k < blocks.springs.size(); ++k) {
    const SpringRecord& spring = blocks.springs[k];
    Support& support = structure.supports.at(static_cast<std::size_t>(spring.joint));
    for (const Component c : {Component::kVertical, Component::kRotation}) {
      const double stiffness = c == Component::kVertical ? spring.kv : spring.kr;
      if (stiffness == 0) continue;
      if (support.IsFixed(c))
        throw DataError(
            "line " + std::to_string(spring.line) + ", springs record " + std::to_string(k + 1) +
                ": a " + ComponentName(c) + " spring at joint " + std::to_string(spring.joint) +
                ", which the support record on line " +
                std::to_string(Lines.supports.at(static_cast<std::size_t>(spring.joint))) +
                " fixes in that component: give one or the other",
            spring.line, c == Component::kVertical ? 2 : 3);
      (c == Component::kVertical ? support.vertical : support.rotation) = Restraint::kSpring;
      double& k_of = c == Component::kVertical ? support.kv : support.kr;
      k_of = k_of + stiffness;
    }
  }
  if (!blocks.releases.empty()) {
    structure.released.assign(static_cast<std::size_t>(structure.NM) + 1, 0);
    for (const ReleaseRecord& release : blocks.releases)
      structure.released.at(static_cast<std::size_t>(release.member)) |=
          static_cast<unsigned char>(release.end);
  }
  for (std::size_t k = 0; k < blocks.settlements.size(); ++k) {
    const Settlement& s = blocks.settlements[k];
    const Support& support = structure.SupportOf(s.joint);
    for (const Component c : {Component::kVertical, Component::kRotation}) {
      const double value = c == Component::kVertical ? s.dy : s.rz;
      if (value == 0 || support.IsFixed(c)) continue;
      throw DataError("line " + std::to_string(s.line) + ", settlements record " +
                          std::to_string(k + 1) + ": the settlement " +
                          (c == Component::kVertical ? "dy " : "rz ") + PlainNumber(value) +
                          " at joint " + std::to_string(s.joint) + ", whose " + ComponentName(c) +
                          " component no support fixes: only a fixed component can settle "
                          "(0 means none)",
                      s.line, c == Component::kVertical ? 3 : 4);
    }
  }
}

}  // namespace spanwise
