#include "design/DesignCsv.h"

#include <charconv>
#include <string>
#include <string_view>

#include "common/Units.h"

namespace spanwise {
namespace {

void Field(std::string& text, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    text += field;
    return;
  }
  text += '"';
  for (char c : field) text.append(c == '"' ? 2 : 1, c);
  text += '"';
}

void Number(std::string& text, double v, bool present) {
  text += ',';
  if (!present) return;
  char buffer[32];
  text.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, v).ptr);
}

// One row of a member's quantity: its largest and smallest value.
template <class Extreme>
void Row(std::string& text, const std::string& combination, long member, const char* quantity,
         const std::string& unit, const Extreme& max, const Extreme& min) {
  Field(text, combination);
  text += ',' + std::to_string(member) + ',' + quantity + ',';
  Field(text, unit);
  Number(text, max.value, max.present);
  Number(text, max.x, max.present);
  Number(text, min.value, min.present);
  Number(text, min.x, min.present);
}

// Every row, each ended by end_line (which may write the buffer out).
template <class EndLine>
void Rows(const DesignValues& design, std::string& text, EndLine end_line) {
  const Units& units = design.model.units;
  const std::string moment = UnitOf(units, Dimension::kMoment),
                    force = UnitOf(units, Dimension::kForce),
                    length = UnitOf(units, Dimension::kLength);
  text += "combination,member,quantity,unit,max,";
  Field(text, Headed("x of max", units, Dimension::kLength));
  text += ",min,";
  Field(text, Headed("x of min", units, Dimension::kLength));
  end_line();
  const auto member_rows = [&](const std::string& combination, const auto& m) {
    Row(text, combination, m.member, "moment", moment, m.moment_max, m.moment_min);
    end_line();
    Row(text, combination, m.member, "shear", force, m.shear_max, m.shear_min);
    end_line();
    Row(text, combination, m.member, "deflection", length, m.deflection_max, m.deflection_min);
    end_line();
  };
  for (const MemberDesign& m : design.members) member_rows("", m);
  for (const CombinationEnvelope& c : design.combinations)
    for (const CombinationEnvelope::Member& m : c.members) member_rows(c.label, m);
}

}  // namespace

void WriteDesignCsv(const DesignValues& design, OutputFile& file) {
  Rows(design, file.text(), [&file] { file.EndLine(); });
}

std::string DesignCsv(const DesignValues& design) {
  std::string text;
  Rows(design, text, [&text] { text += "\r\n"; });
  return text;
}

}  // namespace spanwise
