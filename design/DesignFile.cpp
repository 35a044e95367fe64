#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "common/DecimalDigits.h"
#include "common/Units.h"
#include "design/DesignParts.h"
#include "design/DesignStage.h"

namespace spanwise {
namespace {

// The characters of UTF-8 text: a unit's "·" is two bytes but one column.
std::size_t Characters(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

constexpr std::string_view kHeader = "DESIGN VALUES OF ";

// A label as typed, its control bytes replaced: an escape sequence in a
// label must not act on the terminal that shows the file.
std::string Printable(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return text;
}

// A table written with its columns right-aligned, two blanks apart. Cells
// are formatted once into one buffer; the widths are known when it is written.
class Table {
 public:
  // headings: one per column; magnitudes: each column's largest magnitude
  // (a value below 1e-9 of it prints as 0).
  Table(std::vector<std::string> headings, std::vector<double> magnitudes, std::size_t rows)
      : headings_(std::move(headings)), magnitudes_(std::move(magnitudes)) {
    for (std::string_view h : headings_) widths_.push_back(Characters(h));
    lengths_.reserve(rows * headings_.size());
    cells_.reserve(rows * headings_.size() * 8);
  }

  void Text(std::string_view text) { Add(text); }
  void Whole(long v) {
    char buffer[24];
    Add({buffer,
         static_cast<std::size_t>(std::to_chars(buffer, buffer + sizeof buffer, v).ptr - buffer)});
  }
  // A number in six significant digits, or "none" when absent.
  void Number(double v, bool present = true) {
    if (!present) return Add("none");
    const double magnitude = magnitudes_.at(lengths_.size() % headings_.size());
    if (v == 0 || std::abs(v) < magnitude * 1e-9) return Add("0");
    char buffer[64];
    Add({buffer, static_cast<std::size_t>(SixDigits(buffer, buffer + sizeof buffer, v) - buffer)});
  }

  void WriteTo(OutputFile& file) const {
    const std::size_t columns = headings_.size();
    // Each cell right-aligned in its column, two blanks apart.
    const auto line = [&](auto&& cell_of) {
      std::string& text = file.text();
      for (std::size_t c = 0; c < columns; ++c) {
        const std::string_view cell = cell_of(c);
        text.append(widths_.at(c) - Characters(cell) + (c > 0 ? 2 : 0), ' ');
        text += cell;
      }
      file.EndLine();
    };
    line([&](std::size_t c) { return std::string_view(headings_.at(c)); });
    const std::string_view cells(cells_);
    std::size_t begin = 0, k = 0;
    while (k < lengths_.size()) {
      line([&](std::size_t) {
        const std::string_view cell = cells.substr(begin, lengths_.at(k++));
        begin += cell.size();
        return cell;
      });
    }
  }

 private:
  // A cell is at most 24 characters long.
  void Add(std::string_view cell) {
    std::size_t& width = widths_.at(lengths_.size() % headings_.size());
    width = std::max(width, Characters(cell));
    cells_ += cell;
    lengths_.push_back(static_cast<unsigned char>(cell.size()));
  }
  std::vector<std::string> headings_;
  std::vector<double> magnitudes_;
  std::vector<std::size_t> widths_;
  std::string cells_;
  std::vector<unsigned char> lengths_;
};

// The headings, each with the unit of its quantity (known by its name).
std::vector<std::string> Headings(const Units& units, std::span<const std::string_view> names) {
  std::vector<std::string> headings;
  for (std::string_view name : names) {
    const char c = name.front();
    if (name == "Joint" || name == "Member" || name == "Sum" || name == "i" || name == "j" ||
        name == "support" || name == "dir")
      headings.emplace_back(name);
    else
      headings.push_back(Headed(name, units,
                                c == 'F' || c == 'V'   ? Dimension::kForce
                                : c == 'M'             ? Dimension::kMoment
                                : name == "settled rz" ? Dimension::kRotation
                                                       : Dimension::kLength));
  }
  return headings;
}

std::vector<std::string> Headings(const Units& units,
                                  std::initializer_list<std::string_view> names) {
  return Headings(units, std::span<const std::string_view>(names.begin(), names.size()));
}

void Widen(double& magnitude, double v, bool present = true) {
  if (present) magnitude = std::max(magnitude, std::abs(v));
}

// What holds a joint, for the column "support" of a model with springs.
std::string_view SupportKind(const Support& support) {
  const bool fixed = support.FixesVertical() || support.FixesRotation();
  return !support.HasSpring() ? "fixed" : fixed ? "fixed+spring" : "spring";
}

// The settlements of joint J added up: dy and rz.
std::array<double, 2> Settled(const DesignValues& design, long J) {
  std::array<double, 2> settled{};
  for (const Settlement& s : design.settlements) {
    if (s.joint != J) continue;
    settled[0] = settled[0] + s.dy;
    settled[1] = settled[1] + s.rz;
  }
  return settled;
}

// A column "support" joins with springs, two of settlements with SETTLEMENTS.
void WriteReactions(const DesignValues& design, OutputFile& file) {
  const bool springs = std::any_of(design.joints.begin(), design.joints.end(),
                                   [](const JointDesign& j) { return j.support.HasSpring(); });
  const bool settled = design.settlements_given;
  std::vector<std::string_view> headings{"Joint", "X", "Fy", "Mz"};
  if (springs) headings.push_back("support");
  if (settled) headings.insert(headings.end(), {"settled dy", "settled rz"});
  std::vector<double> magnitudes(headings.size(), 0);
  for (const JointDesign& j : design.joints) {
    if (!j.support.IsRestrained()) continue;
    Widen(magnitudes[1], j.x);
    Widen(magnitudes[2], j.fy, j.support.HoldsVertical() && !j.overflow);
    Widen(magnitudes[3], j.mz, j.support.HoldsRotation() && !j.overflow);
    if (!settled) continue;
    const std::array<double, 2> s = Settled(design, j.joint);
    Widen(magnitudes[headings.size() - 2], s[0]);
    Widen(magnitudes[headings.size() - 1], s[1]);
  }
  Table table(Headings(design.model.units, headings), magnitudes, design.joints.size());
  for (const JointDesign& j : design.joints) {
    if (!j.support.IsRestrained()) continue;
    table.Whole(j.joint);
    table.Number(j.x);
    table.Number(j.fy, j.support.HoldsVertical() && !j.overflow);
    table.Number(j.mz, j.support.HoldsRotation() && !j.overflow);
    if (springs) table.Text(SupportKind(j.support));
    if (!settled) continue;
    const std::array<double, 2> s = Settled(design, j.joint);
    table.Number(s[0]);
    table.Number(s[1]);
  }
  file.Line("REACTIONS");
  table.WriteTo(file);
}

// Per released end the rotations on its two sides.
void WriteHinges(const DesignValues& design, OutputFile& file) {
  double magnitude = 0;
  for (const HingeDesign& h : design.hinges) {
    Widen(magnitude, h.member_rotation);
    Widen(magnitude, h.joint_rotation, h.joint_present);
  }
  Table table({"Member", "end", "Joint", "member rotation", "joint rotation"},
              {0, 0, 0, magnitude, magnitude}, design.hinges.size());
  for (const HingeDesign& h : design.hinges) {
    table.Whole(h.member);
    table.Text(h.end == 1 ? "i" : "j");
    table.Whole(h.joint);
    table.Number(h.member_rotation);
    table.Number(h.joint_rotation, h.joint_present);
  }
  file.Line("HINGES (rotations on both sides of each released end, anticlockwise positive)");
  table.WriteTo(file);
}

void WriteMembers(const DesignValues& design, OutputFile& file) {
  const auto extremes = [](const MemberDesign& m) {
    return std::array<const Extreme*, 6>{&m.moment_max, &m.moment_min,     &m.shear_max,
                                         &m.shear_min,  &m.deflection_max, &m.deflection_min};
  };
  // The largest and smallest of a quantity share their scale, and so do the
  // lengths and positions: a rounding residue beside a real value prints 0.
  double moment = 0, shear = 0, deflection = 0, position = 0;
  for (const MemberDesign& m : design.members) {
    Widen(position, m.length);
    double* scale[] = {&moment, &moment, &shear, &shear, &deflection, &deflection};
    int k = 0;
    for (const Extreme* e : extremes(m)) {
      Widen(*scale[k++], e->value, e->present);
      Widen(position, e->x, e->present);
    }
  }
  const std::vector<double> magnitudes = {
      0,     0,        0,     position, moment,     position, moment,     position,
      shear, position, shear, position, deflection, position, deflection, position};
  Table table(
      Headings(design.model.units, {"Member", "i", "j", "Length", "M max", "x", "M min", "x",
                                    "V max", "x", "V min", "x", "v max", "x", "v min", "x"}),
      magnitudes, design.members.size());
  for (const MemberDesign& m : design.members) {
    table.Whole(m.member);
    table.Whole(m.i);
    table.Whole(m.j);
    table.Number(m.length);
    for (const Extreme* e : extremes(m)) {
      table.Number(e->value, e->present);
      table.Number(e->x, e->present);
    }
  }
  file.Line("MEMBERS");
  table.WriteTo(file);
}

void WriteEquilibrium(const Equilibrium& e, const Units& units, OutputFile& file) {
  const double magnitude =
      std::max({std::abs(e.loads_fy), std::abs(e.reactions_fy), std::abs(e.residual)});
  Table table(Headings(units, {"Sum", "Fy"}), {0, e.present ? magnitude : 0}, 3);
  table.Text("loads");
  table.Number(e.loads_fy, e.present);
  table.Text("reactions");
  table.Number(e.reactions_fy, e.present);
  table.Text("residual");
  table.Number(e.residual, e.present);
  file.Line("EQUILIBRIUM");
  table.WriteTo(file);
}

// Numbers in increasing order, runs of three or more shortened: "1-4",
// "2-998 step 2" (every other span, as patterns of load go), else "5, 9".
std::string Runs(const std::vector<long>& numbers) {
  std::string text;
  for (std::size_t k = 0; k < numbers.size();) {
    std::size_t end = k + 1;
    const long step = end < numbers.size() ? numbers[end] - numbers[k] : 0;
    if (step == 1 || step == 2)
      while (end < numbers.size() && numbers[end] - numbers[end - 1] == step) ++end;
    if (!text.empty()) text += ", ";
    text += std::to_string(numbers[k]);
    if (end - k >= 3) {
      text += '-';
      text += std::to_string(numbers[end - 1]);
      if (step == 2) text += " step 2";
    } else {
      end = k + 1;
    }
    k = end;
  }
  return text;
}

void WriteCombination(const DesignValues& design, const CombinationEnvelope& envelope,
                      OutputFile& file) {
  file.Line("ENVELOPE OF COMBINATION " + Printable(envelope.label));
  std::vector<double> magnitudes(5, 0);
  for (const auto& j : envelope.joints) {
    Widen(magnitudes[1], j.fy_max, j.support.HoldsVertical() && !j.overflow);
    Widen(magnitudes[1], j.fy_min, j.support.HoldsVertical() && !j.overflow);
    Widen(magnitudes[3], j.mz_max, j.support.HoldsRotation() && !j.overflow);
    Widen(magnitudes[3], j.mz_min, j.support.HoldsRotation() && !j.overflow);
  }
  magnitudes[2] = magnitudes[1];
  magnitudes[4] = magnitudes[3];
  Table reactions(Headings(design.model.units, {"Joint", "Fy max", "Fy min", "Mz max", "Mz min"}),
                  magnitudes, envelope.joints.size());
  for (const auto& j : envelope.joints) {
    reactions.Whole(j.joint);
    reactions.Number(j.fy_max, j.support.HoldsVertical() && !j.overflow);
    reactions.Number(j.fy_min, j.support.HoldsVertical() && !j.overflow);
    reactions.Number(j.mz_max, j.support.HoldsRotation() && !j.overflow);
    reactions.Number(j.mz_min, j.support.HoldsRotation() && !j.overflow);
  }
  file.Line("REACTIONS");
  reactions.WriteTo(file);
  file.EndLine();

  using Member = CombinationEnvelope::Member;
  const auto extremes = [](const Member& m) {
    return std::array<const EnvelopeExtreme*, 6>{&m.moment_max,     &m.moment_min,
                                                 &m.shear_max,      &m.shear_min,
                                                 &m.deflection_max, &m.deflection_min};
  };
  double moment = 0, shear = 0, deflection = 0, position = 0;
  for (const Member& m : envelope.members) {
    double* scale[] = {&moment, &moment, &shear, &shear, &deflection, &deflection};
    int k = 0;
    for (const EnvelopeExtreme* e : extremes(m)) {
      Widen(*scale[k++], e->value, e->present);
      Widen(position, e->x, e->present);
    }
  }
  const std::vector<double> scales = {0,        moment,     position, moment,   position,
                                      shear,    position,   shear,    position, deflection,
                                      position, deflection, position};
  Table members(Headings(design.model.units, {"Member", "M max", "x", "M min", "x", "V max", "x",
                                              "V min", "x", "v max", "x", "v min", "x"}),
                scales, envelope.members.size());
  for (const Member& m : envelope.members) {
    members.Whole(m.member);
    for (const EnvelopeExtreme* e : extremes(m)) {
      members.Number(e->value, e->present);
      members.Number(e->x, e->present);
    }
  }
  file.Line("MEMBERS");
  members.WriteTo(file);
  file.EndLine();
  file.Line("ADVERSE GROUPS (at their adverse factor where each extreme occurs, each with a share");
  file.Line("of at least 1e-6 of the value; +N: N more, whose shares are each below 1e-6 of it)");
  static const char* const kNames[] = {"M max", "M min", "V max", "V min", "v max", "v min"};
  for (const Member& m : envelope.members) {
    int k = 0;
    for (const EnvelopeExtreme* e : extremes(m)) {
      const char* name = kNames[k++];
      if (!e->present) continue;
      file.Line("Member " + std::to_string(m.member) + " " + name + ": " +
                AdverseText(design.groups, e->adverse, e->negligible));
    }
  }
}

// Where the vehicle stands at an extreme: "+x" or "-x", none for a lane
// load alone.
std::string_view DirectionText(const MovingExtreme& e, bool axles) {
  if (!e.present || !axles) return "none";
  return e.direction == Direction::kIncreasingX ? "+x" : "-x";
}

void WriteMoving(const DesignValues& design, const MovingEnvelope& envelope, const Vehicle& vehicle,
                 OutputFile& file) {
  const Units& units = design.model.units;
  const bool axles = !vehicle.axles.empty();
  file.Line("MOVING CASE " + std::to_string(envelope.load_case) + " " + Printable(envelope.label));
  std::string line = axles ? "Axles (load at spacing):" : "No axles";
  char buffer[64];
  const auto number = [&](double v) {
    return std::string(buffer, SixDigits(buffer, buffer + sizeof buffer, v));
  };
  for (std::size_t k = 0; k < vehicle.axles.size(); ++k)
    line += (k == 0 ? " " : ", ") + number(vehicle.axles[k].load) + " at " +
            number(vehicle.axles[k].spacing);
  line += vehicle.lane == 0
              ? "; no lane load."
              : "; lane load " + number(vehicle.lane) + " where it makes the value worse.";
  file.Line(line);
  file.Line("position: X of axle 1 at the extreme; dir +x: axle 1 leads toward increasing X.");
  // Each extreme: value, [x,] position, dir.
  const auto add = [&](auto& table, const MovingExtreme& e, bool with_x) {
    table.Number(e.value, e.present);
    if (with_x) table.Number(e.x, e.present);
    table.Number(e.position, e.present && axles);
    table.Text(DirectionText(e, axles));
  };
  double fy = 0, mz = 0, position = 0;
  for (const auto& j : envelope.joints)
    for (const MovingExtreme* e : {&j.fy_max, &j.fy_min, &j.mz_max, &j.mz_min}) {
      Widen(e == &j.fy_max || e == &j.fy_min ? fy : mz, e->value, e->present);
      Widen(position, e->position, e->present);
    }
  Table reactions(
      Headings(units, {"Joint", "Fy max", "position", "dir", "Fy min", "position", "dir", "Mz max",
                       "position", "dir", "Mz min", "position", "dir"}),
      {0, fy, position, 0, fy, position, 0, mz, position, 0, mz, position, 0},
      envelope.joints.size());
  for (const auto& j : envelope.joints) {
    reactions.Whole(j.joint);
    for (const MovingExtreme* e : {&j.fy_max, &j.fy_min, &j.mz_max, &j.mz_min})
      add(reactions, *e, false);
  }
  file.Line("REACTIONS");
  reactions.WriteTo(file);
  using Member = MovingEnvelope::Member;
  const struct {
    const char* heading;
    std::string_view max, min;
    MovingExtreme Member::*hi;
    MovingExtreme Member::*lo;
  } quantities[] = {
      {"MOMENT", "M max", "M min", &Member::moment_max, &Member::moment_min},
      {"SHEAR", "V max", "V min", &Member::shear_max, &Member::shear_min},
      {"DEFLECTION", "v max", "v min", &Member::deflection_max, &Member::deflection_min}};
  for (const auto& q : quantities) {
    double value = 0, x = 0;
    position = 0;
    for (const Member& m : envelope.members)
      for (const MovingExtreme* e : {&(m.*q.hi), &(m.*q.lo)}) {
        Widen(value, e->value, e->present);
        Widen(x, e->x, e->present);
        Widen(position, e->position, e->present);
      }
    Table members(
        Headings(units, {"Member", q.max, "x", "position", "dir", q.min, "x", "position", "dir"}),
        {0, value, x, position, 0, value, x, position, 0}, envelope.members.size());
    for (const Member& m : envelope.members) {
      members.Whole(m.member);
      add(members, m.*q.hi, true);
      add(members, m.*q.lo, true);
    }
    file.EndLine();
    file.Line(q.heading);
    members.WriteTo(file);
  }
}

}  // namespace

std::string DesignFileInput(std::string_view first_line) {
  if (!first_line.starts_with(kHeader)) return "";
  first_line.remove_prefix(kHeader.size());
  // The loads of a run of one case or combination follow the name (LoadsHeld).
  for (std::string_view loads : {", LOAD CASE ", ", COMBINATION "})
    first_line = first_line.substr(0, first_line.find(loads));
  return std::string(first_line);
}

std::string AdverseGroups(const std::vector<GroupName>& groups, const std::vector<long>& adverse) {
  std::string text;
  std::vector<long> members, joints;
  long load_case = 0;
  const auto flush = [&] {
    if (load_case == 0) return;
    text.append(text.empty() ? "case " : "; case ").append(std::to_string(load_case));
    if (!members.empty()) text.append(" members ").append(Runs(members));
    if (!joints.empty()) text.append(" joints ").append(Runs(joints));
    members.clear();
    joints.clear();
  };
  for (long g : adverse) {
    const GroupName& name = groups.at(static_cast<std::size_t>(g));
    if (name.load_case != load_case) {
      flush();
      load_case = name.load_case;
    }
    if (name.member != 0) members.push_back(name.member);
    if (name.joint != 0) joints.push_back(name.joint);
  }
  flush();
  return text.empty() ? "none" : text;
}

std::string AdverseText(const std::vector<GroupName>& groups, std::vector<long> adverse,
                        long negligible) {
  std::sort(adverse.begin(), adverse.end());  // case by case: runs of members stay short
  if (negligible == 0) return AdverseGroups(groups, adverse);
  std::string text = adverse.empty() ? "+" : AdverseGroups(groups, adverse).append(" +");
  return text.append(std::to_string(negligible));
}

void NameAdverse(std::vector<std::pair<double, long>>& shares, double value,
                 std::vector<long>& adverse, long& negligible) {
  std::sort(shares.begin(), shares.end(), [](const auto& x, const auto& y) {
    return x.first != y.first ? x.first > y.first : x.second < y.second;
  });
  adverse.clear();
  negligible = 0;
  for (const auto& [share, group] : shares) {
    if (share >= 1e-6 * std::abs(value))
      adverse.push_back(group);
    else
      ++negligible;
  }
}

void WriteDesignFile(const DesignValues& design, const std::string& input_name,
                     const std::string& loads, OutputFile& file) {
  file.Line(std::string(kHeader) + Printable(input_name + (loads.empty() ? "" : ", " + loads)));
  const Units& units = design.model.units;
  file.Line((units.Given() ? "Forces in " + units.force + ", lengths in " + units.length + "."
                           : std::string("Units are those of the input file.")) +
            " x is measured from end i of each member.");
  file.Line("M: bending moment, sagging positive, as in BM.TXT.");
  file.Line("V: shear force with the sign of SF.TXT (the loads between end i and the section,");
  file.Line("   positive downward, less the force at end i); both sides of a jump count.");
  file.Line("v: deflection, up positive. Reactions: up and anticlockwise positive.");
  file.Line("none: no value (not restrained, E*I = 0, or an overflow).");
  if (!design.hinges.empty() || design.settlements_given ||
      std::any_of(design.joints.begin(), design.joints.end(),
                  [](const JointDesign& j) { return j.support.HasSpring(); }))
    file.Line("A spring's reaction is -k times its displacement; settled: the settlement applied.");
  file.EndLine();
  WriteReactions(design, file);
  file.EndLine();
  WriteMembers(design, file);
  file.EndLine();
  if (!design.hinges.empty()) {
    WriteHinges(design, file);
    file.EndLine();
  }
  WriteEquilibrium(design.equilibrium, units, file);
  for (const MovingEnvelope& envelope : design.moving) {
    file.EndLine();
    WriteMoving(design, envelope,
                design.vehicles.at(static_cast<std::size_t>(&envelope - design.moving.data())),
                file);
  }
  for (const CombinationEnvelope& envelope : design.combinations) {
    file.EndLine();
    WriteCombination(design, envelope, file);
  }
}

}  // namespace spanwise
