#include "tests/support/Files.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace spanwise::test {

std::string Slurp(const fs::path& path) {
  std::error_code no_file;
  if (fs::is_directory(path, no_file)) return {};  // reading one would throw
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string Example(const std::string& from, const std::string& to) {
  std::string text = Slurp(kData / "golden/example/Beam.sma");
  if (const std::size_t at = text.find(from); !from.empty() && at != std::string::npos)
    text.replace(at, from.size(), to);
  return text;
}

ScratchFolder::ScratchFolder(const std::string& name) {
  std::string pattern = (fs::temp_directory_path() / ("spanwise-" + name + "-XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no scratch folder " + pattern);
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

fs::path ScratchFolder::Write(const std::string& bytes, const fs::path& name) const {
  const fs::path file = path_ / name;
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
  return file;
}

}  // namespace spanwise::test
