#include "cli/DesignJson.h"

#include <charconv>
#include <nlohmann/json.hpp>

// The library writes doubles with Grisu2, which always reads back but now and
// then takes a digit more than needed (275.37771434183003 for 275.37771434183).
// The standard library's shortest form replaces it. Only this file writes JSON.
template <>
[[gnu::nonnull(1, 2), gnu::returns_nonnull]] char* nlohmann::detail::to_chars<double>(
    char* first, const char* last, double value) {
  return std::to_chars(first, const_cast<char*>(last), value).ptr;
}

namespace spanwise {
namespace {

using json = nlohmann::ordered_json;

json ValueOrNull(bool present, double value) { return present ? json(value) : json(nullptr); }

json ExtremeJson(const Extreme& e) {
  return e.present ? json{{"x", e.x}, {"value", e.value}} : json(nullptr);
}

json MaxMin(const Extreme& max, const Extreme& min) {
  return {{"max", ExtremeJson(max)}, {"min", ExtremeJson(min)}};
}

}  // namespace

std::string DesignJson(const DesignValues& design, const std::vector<std::string>& warnings) {
  json joints = json::array();
  for (const JointDesign& j : design.joints) {
    json reaction = nullptr;
    if (j.fixed_fy || j.fixed_mz)
      reaction = {{"fy", ValueOrNull(j.fixed_fy && !j.overflow, j.fy)},
                  {"mz", ValueOrNull(j.fixed_mz && !j.overflow, j.mz)}};
    joints.push_back({{"joint", j.joint},
                      {"x", j.x},
                      {"deflection", j.deflection},
                      {"rotation", j.rotation},
                      {"reaction", reaction}});
  }
  json members = json::array();
  for (const MemberDesign& m : design.members) {
    members.push_back({{"member", m.member},
                       {"i", m.i},
                       {"j", m.j},
                       {"length", m.length},
                       {"end_forces", m.end_forces},
                       {"moment", MaxMin(m.moment_max, m.moment_min)},
                       {"shear", MaxMin(m.shear_max, m.shear_min)},
                       {"deflection", MaxMin(m.deflection_max, m.deflection_min)}});
  }
  const Equilibrium& e = design.equilibrium;
  const json document = {{"joints", std::move(joints)},
                         {"members", std::move(members)},
                         {"equilibrium",
                          {{"loads_fy", ValueOrNull(e.present, e.loads_fy)},
                           {"reactions_fy", ValueOrNull(e.present, e.reactions_fy)},
                           {"residual", ValueOrNull(e.present, e.residual)}}},
                         {"warnings", warnings}};
  return document.dump() + "\n";
}

}  // namespace spanwise
