#include "run/FactoredPlaces.h"

#include <charconv>
#include <string_view>

namespace spanwise {

std::string InInputFile(const std::string& text, const FactoredPlaces& places, int& line) {
  const std::string_view all(text);
  if (!places.factored || all.substr(0, 5) != "line ") return text;
  const std::size_t comma = all.find(", ");
  if (comma == std::string_view::npos) return text;
  const std::string_view rest = all.substr(comma + 2);
  const struct {
    std::string_view section;
    const std::vector<FactoredPlaces::Place>& places;
  } sections[] = {{"member loads record ", places.member_loads},
                  {"joint loads record ", places.joint_loads}};
  for (const auto& s : sections) {
    if (rest.substr(0, s.section.size()) != s.section) continue;
    const char* digits = rest.data() + s.section.size();
    std::size_t record = 0;
    const auto read = std::from_chars(digits, rest.data() + rest.size(), record);
    if (read.ec != std::errc() || record < 1 || record > s.places.size()) return text;
    const FactoredPlaces::Place& place = s.places[record - 1];
    line = place.line;
    return "line " + std::to_string(place.line) + ", " + place.name +
           std::string(read.ptr, rest.data() + rest.size());
  }
  return text;
}

}  // namespace spanwise
