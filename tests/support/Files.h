// Files and folders for the tests and the fuzz targets.
#pragma once

#include <filesystem>
#include <string>

namespace spanwise::test {

namespace fs = std::filesystem;

// tests/data of the source tree.
inline const fs::path kData = fs::path(SPANWISE_SOURCE_DIR) / "tests/data";

// The bytes of a file; empty when there is none (or a folder in its place).
std::string Slurp(const fs::path& path);

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
