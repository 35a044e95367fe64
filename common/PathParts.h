// The folder and the name of a file's path, as the run names its files.
#pragma once

#include <string>

namespace spanwise {

// "." for a bare name, "/" for a file in the root.
inline std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

inline std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace spanwise
