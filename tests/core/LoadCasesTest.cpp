// Load cases and combinations: the block's faults with their lines, and the
// files of one combination against a plain run of its factored loads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "run/AnalysisRun.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

const fs::path kExample = fs::path(SPANWISE_SOURCE_DIR) / "tests/data/golden/example/Beam.sma";

// The example's sections 1-5 (lines 1-15).
std::string Structure() {
  const std::string text = Slurp(kExample);
  return text.substr(0, text.find("2\r\n1, 1, 10"));
}

// The block of the README after the example's loads: lines 21-33.
const std::string kBlock =
    "CASES, 2\r\nvariable, live\r\n2\r\n1, 2, 10, 10, 0, 0, office load span 1\r\n"
    "2, 2, 10, 10, 0, 0, office load span 2\r\n0\r\nfixed, wind\r\n0\r\n1\r\n"
    "2, 0, 5, wind moment at joint 2\r\nCOMBINATIONS, 2\r\n"
    "1.35, 1.0, 1.5, 0, 1.5, 0, ULS\r\n1, 1, 1, 0, 0, 0, SLS\r\n";

std::string WithBlock(const std::string& from = "", const std::string& to = "") {
  std::string text = Slurp(kExample) + kBlock;
  if (!from.empty()) text.replace(text.find(from), from.size(), to);
  return text;
}

fs::path Write(const std::string& name, const std::string& bytes) {
  const fs::path folder = fs::temp_directory_path() / ("spanwise-cases-" + name);
  fs::create_directories(folder);
  std::ofstream(folder / "Beam.sma", std::ios::binary) << bytes;
  return folder / "Beam.sma";
}

std::string Files(const fs::path& input) {
  std::string all;
  for (const char* name : {"Beam.txt", "BM.TXT", "SF.TXT", "Design.txt"})
    all += std::string(name) + ":\n" + Slurp(input.parent_path() / name);
  return all;
}

}  // namespace

TEST(LoadCases, BlockFaultsNameTheirLines) {
  const struct {
    std::string input;
    int line;  // 0: the run succeeds
    const char* reason;
  } rows[] = {
      {WithBlock(), 0, ""},
      {WithBlock("SLS\r\n", "SLS\r\nthese lines are never read\r\n"), 34, "should end after"},
      {WithBlock("variable, live", "variabel, live"), 22,
       "kind fixed or variable, found 'variabel'"},
      {WithBlock("COMBINATIONS, 2", "COMBINATION, 2"), 31, "keyword COMBINATIONS or the end"},
      {WithBlock("CASES, 2", "CASES, two"), 21, "expected the case count, found 'two'"},
      {WithBlock("1.5, 0, ULS", "1.5, ULS"), 32, "favourable factor of case 3, found 'ULS'"},
      {WithBlock("1.5, 0, ULS", "1.5, 0, 2, ULS"), 32, "label '2' reads as a number"},
      {WithBlock(", SLS", ", ULS"), 33, "'ULS' names two combinations"},
      {WithBlock(", SLS", ", "), 33, "no label"},
      {WithBlock("1, 2, 10, 10", "3, 2, 10, 10"), 24, "case 2 member loads record 1: member 3"},
      {WithBlock("2, 0, 5, wind", "4, 0, 5, wind"), 30, "case 3 joint loads record 1: joint 4"},
  };
  for (const auto& row : rows) {
    const spanwise::RunOutcome outcome = spanwise::AnalysisRun(Write("fault", row.input));
    EXPECT_EQ(outcome.ok, row.line == 0) << outcome.reason;
    EXPECT_EQ(outcome.line, row.line) << outcome.reason;
    EXPECT_NE(outcome.reason.find(row.reason), std::string::npos) << outcome.reason;
  }
}

TEST(LoadCases, OneCombinationWritesTheFilesOfItsFactoredLoads) {
  const std::string factored = Structure() +
                               "4\r\n1, 1, 13.5, 0, 2, 0, a\r\n"
                               "2, 2, 8.100000000000001, 8.100000000000001, 0, 0, b\r\n"
                               "1, 2, 15, 15, 0, 0, c\r\n2, 2, 15, 15, 0, 0, d\r\n"
                               "2\r\n2, 0, 6.75, e\r\n2, 0, 7.5, f\r\n";
  const fs::path by_hand = Write("by-hand", factored);
  ASSERT_TRUE(spanwise::AnalysisRun(by_hand).ok);
  spanwise::RunOptions options;
  options.by_combination = true;
  options.combination = "ULS";
  const fs::path combined = Write("combined", WithBlock());
  ASSERT_TRUE(spanwise::AnalysisRun(combined, options).ok);
  EXPECT_EQ(Files(combined), Files(by_hand));

  // Case 1 alone is the plain run, and the plain run of a file with the block
  // writes the files of case 1.
  const fs::path plain = Write("plain", Slurp(kExample));
  ASSERT_TRUE(spanwise::AnalysisRun(plain).ok);
  options = {};
  options.load_case = 1;
  ASSERT_TRUE(spanwise::AnalysisRun(combined, options).ok);
  EXPECT_EQ(Files(combined), Files(plain));

  // Usage errors: an unknown case or label, both options.
  const std::string analyse = std::string(SPANWISE_ANALYSE) + " ";
  const std::string path = combined.string() + " 2>/dev/null >/dev/null";
  for (const char* options_given :
       {"--case 4 ", "--combination uls ", "--case 1 --combination ULS "})
    EXPECT_EQ(std::system((analyse + options_given + path).c_str()), 2 << 8) << options_given;
  EXPECT_EQ(std::system((analyse + "--combination SLS " + path).c_str()), 0);
}
