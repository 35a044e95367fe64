// Whole runs against files written by an independent implementation of the
// same rules: every byte of the report and the two diagram files; and, where
// the model has one, Design.txt as this program wrote it when it was checked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "run/AnalysisRun.h"

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

class Golden : public ::testing::TestWithParam<const char*> {};

TEST_P(Golden, WritesTheSameBytes) {
  const fs::path golden = fs::path(SPANWISE_SOURCE_DIR) / "tests/data/golden" / GetParam();
  const fs::path work = fs::temp_directory_path() / ("spanwise-golden-" + std::string(GetParam()));
  fs::create_directories(work);
  fs::copy_file(golden / "Beam.sma", work / "Beam.sma", fs::copy_options::overwrite_existing);

  const spanwise::RunOutcome outcome = spanwise::AnalysisRun((work / "Beam.sma").string());
  ASSERT_TRUE(outcome.ok) << outcome.reason;
  for (const char* file : {"Beam.txt", "BM.TXT", "SF.TXT"})
    EXPECT_EQ(ReadBytes(work / file), ReadBytes(golden / file)) << GetParam() << "/" << file;
  if (fs::exists(golden / "Design.txt")) {
    EXPECT_EQ(ReadBytes(work / "Design.txt"), ReadBytes(golden / "Design.txt")) << GetParam();
  }

  // The headless analyser writes the same files.
  for (const char* file : {"Beam.txt", "BM.TXT", "SF.TXT"}) fs::remove(work / file);
  std::string command = SPANWISE_ANALYSE;
  command += ' ';
  command += (work / "Beam.sma").string();
  command += " >/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (const char* file : {"Beam.txt", "BM.TXT", "SF.TXT"})
    EXPECT_EQ(ReadBytes(work / file), ReadBytes(golden / file)) << GetParam() << "/" << file;
  fs::remove_all(work);
}

INSTANTIATE_TEST_SUITE_P(Models, Golden,
                         ::testing::Values("example", "cantilever", "mended", "station11", "station-reach"));
