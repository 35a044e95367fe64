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

json EnvelopeJson(const EnvelopeExtreme& e, const std::vector<GroupName>& groups) {
  if (!e.present) return nullptr;
  json adverse = json::array();
  for (long g : e.adverse) {
    const GroupName& name = groups.at(static_cast<std::size_t>(g));
    json group = {{"case", name.load_case}};
    if (name.member != 0) group["member"] = name.member;
    if (name.joint != 0) group["joint"] = name.joint;
    adverse.push_back(std::move(group));
  }
  return {{"x", e.x}, {"value", e.value}, {"adverse", std::move(adverse)}};
}

json CombinationsJson(const DesignValues& design) {
  json list = json::array();
  for (const CombinationEnvelope& c : design.combinations) {
    json reactions = json::array();
    for (const auto& j : c.joints)
      reactions.push_back({{"joint", j.joint},
                           {"fy",
                            {{"max", ValueOrNull(j.support.HoldsVertical(), j.fy_max)},
                             {"min", ValueOrNull(j.support.HoldsVertical(), j.fy_min)}}},
                           {"mz",
                            {{"max", ValueOrNull(j.support.HoldsRotation(), j.mz_max)},
                             {"min", ValueOrNull(j.support.HoldsRotation(), j.mz_min)}}}});
    json members = json::array();
    for (const auto& m : c.members) {
      const auto pair = [&](const EnvelopeExtreme& max, const EnvelopeExtreme& min) {
        return json{{"max", EnvelopeJson(max, design.groups)},
                    {"min", EnvelopeJson(min, design.groups)}};
      };
      members.push_back({{"member", m.member},
                         {"moment", pair(m.moment_max, m.moment_min)},
                         {"shear", pair(m.shear_max, m.shear_min)},
                         {"deflection", pair(m.deflection_max, m.deflection_min)}});
    }
    list.push_back(
        {{"label", c.label}, {"reactions", std::move(reactions)}, {"members", std::move(members)}});
  }
  return list;
}

// The settlements of joint J added up.
json SettledJson(const DesignValues& design, long J) {
  double dy = 0, rz = 0;
  for (const Settlement& s : design.settlements) {
    if (s.joint != J) continue;
    dy = dy + s.dy;
    rz = rz + s.rz;
  }
  return {{"dy", dy}, {"rz", rz}};
}

json HingesJson(const DesignValues& design) {
  json hinges = json::array();
  for (const HingeDesign& h : design.hinges)
    hinges.push_back({{"member", h.member},
                      {"end", h.end == 1 ? "i" : "j"},
                      {"joint", h.joint},
                      {"member_rotation", h.member_rotation},
                      {"joint_rotation", ValueOrNull(h.joint_present, h.joint_rotation)}});
  return hinges;
}

}  // namespace

std::string DesignJson(const DesignValues& design, const std::vector<std::string>& warnings) {
  json joints = json::array();
  for (const JointDesign& j : design.joints) {
    json reaction = nullptr;
    if (j.support.IsRestrained()) {
      reaction = {{"fy", ValueOrNull(j.support.HoldsVertical() && !j.overflow, j.fy)},
                  {"mz", ValueOrNull(j.support.HoldsRotation() && !j.overflow, j.mz)}};
      if (j.support.HasSpring()) reaction["spring"] = true;
      if (design.settlements_given) reaction["settled"] = SettledJson(design, j.joint);
    }
    joints.push_back({{"joint", j.joint},
                      {"x", j.x},
                      {"deflection", j.deflection},
                      {"rotation", ValueOrNull(j.rotation_present, j.rotation)},
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
  json document = {{"joints", std::move(joints)},
                   {"members", std::move(members)},
                   {"equilibrium",
                    {{"loads_fy", ValueOrNull(e.present, e.loads_fy)},
                     {"reactions_fy", ValueOrNull(e.present, e.reactions_fy)},
                     {"residual", ValueOrNull(e.present, e.residual)}}},
                   {"warnings", warnings}};
  if (!design.combinations.empty()) document["combinations"] = CombinationsJson(design);
  if (!design.hinges.empty()) document["hinges"] = HingesJson(design);
  return document.dump() + "\n";
}

}  // namespace spanwise
