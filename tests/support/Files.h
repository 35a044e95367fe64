// Files and folders for the tests and the fuzz targets.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace spanwise::test {

namespace fs = std::filesystem;

// tests/data of the source tree.
inline const fs::path kData = fs::path(SPANWISE_SOURCE_DIR) / "tests/data";

// The bytes of a file; empty when there is none (or a folder in its place).
std::string Slurp(const fs::path& path);

// v in the shortest form that reads back as v (std::to_chars).
std::string Num(double v);

// The number a field holds (std::from_chars); NaN when it holds none.
double Number(const std::string& field);

// The rows of a table in tests/data: each line that is neither blank nor a
// comment (#), split at `separator`, every field trimmed of blanks.
std::vector<std::vector<std::string>> TableRows(const fs::path& path, char separator = '|');

// A beam of members joining neighbouring joints at xs, E = 200 and I = 5
// (E I = 1000), then the records given as typed (CR LF lines).
std::string BeamOf(const std::vector<double>& xs, const std::string& supports,
                   const std::string& member_loads, const std::string& joint_loads = "0\r\n");

// The example model, the first `from` replaced by `to`.
std::string Example(const std::string& from = "", const std::string& to = "");

// A new, empty folder of its own below the temporary folder, removed with
// everything in it when the object goes.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name = "test");
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const fs::path& path() const { return path_; }
  // Writes bytes as the file name (folders below are made) and returns its path.
  fs::path Write(const std::string& bytes, const fs::path& name = "Beam.sma") const;

 private:
  fs::path path_;
};

}  // namespace spanwise::test
