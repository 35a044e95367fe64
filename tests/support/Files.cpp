#include "tests/support/Files.h"

#include <stdlib.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace spanwise::test {

std::string Slurp(const fs::path& path) {
  std::error_code no_file;
  if (fs::is_directory(path, no_file)) return {};  // reading one would throw
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string Num(double v) {
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, v).ptr);
}

double Number(const std::string& field) {
  double v = NAN;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), v);
  return error == std::errc() && end == field.data() + field.size() ? v : NAN;
}

std::vector<std::vector<std::string>> TableRows(const fs::path& path, char separator) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(Slurp(path));
  for (std::string line; std::getline(lines, line);) {
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
    std::istringstream fields(line);
    rows.emplace_back();
    for (std::string field; std::getline(fields, field, separator);) {
      const std::size_t first = field.find_first_not_of(' '), last = field.find_last_not_of(' ');
      rows.back().push_back(first == std::string::npos ? ""
                                                       : field.substr(first, last - first + 1));
    }
  }
  return rows;
}

std::string BeamOf(const std::vector<double>& xs, const std::string& supports,
                   const std::string& member_loads, const std::string& joint_loads) {
  std::ostringstream s;
  s.precision(17);
  s << xs.size() << "\r\n";
  for (double x : xs) s << x << ",j\r\n";
  s << supports << "1\r\n200,E\r\n1\r\n5,I\r\n" << xs.size() - 1 << "\r\n";
  for (std::size_t m = 1; m < xs.size(); ++m) s << m << ',' << m + 1 << ",1,1,m\r\n";
  s << member_loads << joint_loads;
  return s.str();
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
