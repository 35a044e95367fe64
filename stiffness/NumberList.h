// Numbers named in a reason: "joint 3", "members 2, 5 and 7", at most ten
// shown ("joints 1, 2, ... 8 and 12 more").
#pragma once

#include <string>
#include <vector>

namespace spanwise {

// one or many (with its trailing blank) before the numbers of items.
inline std::string NumberList(const char* one, const char* many, const std::vector<long>& items) {
  std::string list = items.size() == 1 ? one : many;
  const std::size_t shown = items.size() > 10 ? 8 : items.size();
  for (std::size_t k = 0; k < shown; ++k) {
    if (k > 0) list += (k + 1 == items.size()) ? " and " : ", ";
    list += std::to_string(items[k]);
  }
  if (shown < items.size()) list += " and " + std::to_string(items.size() - shown) + " more";
  return list;
}

}  // namespace spanwise
