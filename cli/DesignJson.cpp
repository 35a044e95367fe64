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

// The length of the UTF-8 sequence at text[at], 0 when none starts there.
std::size_t SequenceLength(const std::string& text, std::size_t at) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead < 0x80                    ? 1
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
  if (length == 0 || at + length > text.size()) return 0;
  if (length == 1) return 1;
  for (std::size_t k = 1; k < length; ++k)
    if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80) return 0;
  const unsigned char second = static_cast<unsigned char>(text[at + 1]);
  // No overlong forms, surrogates or code points beyond U+10FFFF.
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
    return 0;
  return length;
}

// text as UTF-8: its UTF-8 sequences as they are, every other byte read as
// Latin-1, as the input's reader accepts labels typed in either.
std::string Utf8(const std::string& text) {
  std::string converted;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = SequenceLength(text, at);
    if (length > 0) {
      converted.append(text, at, length);
      at += length;
      continue;
    }
    const unsigned char byte = static_cast<unsigned char>(text[at++]);
    converted += static_cast<char>(0xC0 | (byte >> 6));
    converted += static_cast<char>(0x80 | (byte & 0x3F));
  }
  return converted;
}

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
  return {{"x", e.x},
          {"value", e.value},
          {"adverse", std::move(adverse)},
          {"negligible", e.negligible}};
}

json CombinationsJson(const DesignValues& design) {
  json list = json::array();
  for (const CombinationEnvelope& c : design.combinations) {
    json reactions = json::array();
    for (const auto& j : c.joints)
      reactions.push_back(
          {{"joint", j.joint},
           {"fy",
            {{"max", ValueOrNull(j.support.HoldsVertical() && !j.overflow, j.fy_max)},
             {"min", ValueOrNull(j.support.HoldsVertical() && !j.overflow, j.fy_min)}}},
           {"mz",
            {{"max", ValueOrNull(j.support.HoldsRotation() && !j.overflow, j.mz_max)},
             {"min", ValueOrNull(j.support.HoldsRotation() && !j.overflow, j.mz_min)}}}});
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
    list.push_back({{"label", Utf8(c.label)},
                    {"reactions", std::move(reactions)},
                    {"members", std::move(members)}});
  }
  return list;
}

// An extreme of a moving case: its value, x (along a member) and where the
// vehicle stands: "position" (X of axle 1) and "direction" ("+x" or "-x"),
// both null for a lane load alone.
json MovingJson(const MovingExtreme& e, bool with_x, bool axles) {
  if (!e.present) return nullptr;
  json out;
  if (with_x) out["x"] = e.x;
  out["value"] = e.value;
  out["position"] = axles ? json(e.position) : json(nullptr);
  out["direction"] =
      axles ? json(e.direction == Direction::kIncreasingX ? "+x" : "-x") : json(nullptr);
  return out;
}

json MovingCasesJson(const DesignValues& design) {
  json list = json::array();
  for (std::size_t n = 0; n < design.moving.size(); ++n) {
    const MovingEnvelope& c = design.moving[n];
    const bool axles = !design.vehicles.at(n).axles.empty();
    const auto pair = [&](const MovingExtreme& max, const MovingExtreme& min, bool with_x) {
      return json{{"max", MovingJson(max, with_x, axles)}, {"min", MovingJson(min, with_x, axles)}};
    };
    json reactions = json::array();
    for (const auto& j : c.joints)
      reactions.push_back({{"joint", j.joint},
                           {"fy", pair(j.fy_max, j.fy_min, false)},
                           {"mz", pair(j.mz_max, j.mz_min, false)}});
    json members = json::array();
    for (const auto& m : c.members)
      members.push_back({{"member", m.member},
                         {"moment", pair(m.moment_max, m.moment_min, true)},
                         {"shear", pair(m.shear_max, m.shear_min, true)},
                         {"deflection", pair(m.deflection_max, m.deflection_min, true)}});
    list.push_back({{"case", c.load_case},
                    {"label", Utf8(c.label)},
                    {"reactions", std::move(reactions)},
                    {"members", std::move(members)}});
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
                   {"warnings", json::array()}};
  for (const std::string& warning : warnings) document["warnings"].push_back(Utf8(warning));
  if (!design.combinations.empty()) document["combinations"] = CombinationsJson(design);
  if (!design.moving.empty()) document["moving"] = MovingCasesJson(design);
  if (!design.hinges.empty()) document["hinges"] = HingesJson(design);
  if (design.model.units.Given()) {
    json& units = document["units"];
    for (const DimensionName& q : kDimensions)
      units[q.name] = UnitOf(design.model.units, q.dimension);
  }
  // Every text was made UTF-8 above; should one slip through, it is replaced
  // rather than thrown over.
  return document.dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace spanwise
