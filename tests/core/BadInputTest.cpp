// Every kind of mistake an engineer can type, run through the whole analysis:
// each file of tests/data/bad must end as tests/data/bad/expected.txt says,
// with the data error naming the right line and reason, or analysed. Inputs
// too large to keep as files are made here.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "run/AnalysisRun.h"

namespace fs = std::filesystem;

namespace {

const fs::path kBad = fs::path(SPANWISE_SOURCE_DIR) / "tests/data/bad";
const fs::path kExample = fs::path(SPANWISE_SOURCE_DIR) / "tests/data/golden/example";

std::string Slurp(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// What a run of one input must give. The input is made only when its case
// runs: every process of this test program builds the whole table.
struct Expected {
  std::string name;                   // test name
  std::string file;                   // the input, a file of tests/data/bad...
  std::string (*make)() = nullptr;    // ...or made here
  bool ok = false;                    // analysed
  bool same_as_example = false;       // ...to the example's report and diagrams
  int line = 0;                       // else: the line the error names, 0 for none
  std::string reason;                 // ...and a part of its reason
  std::vector<std::string> warnings;  // said when analysed, in order

  std::string Input() const { return make != nullptr ? make() : Slurp(kBad / file); }
};

void PrintTo(const Expected& c, std::ostream* os) { *os << c.name; }

std::vector<std::string> Split(const std::string& row) {
  std::vector<std::string> cells;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = row.find(" | ", start);
    cells.push_back(row.substr(start, bar - start));
    if (bar == std::string::npos) return cells;
    start = bar + 3;
  }
}

std::string TestName(std::string file) {
  file = file.substr(0, file.find('.'));
  for (char& c : file)
    if (c == '-') c = '_';
  return file;
}

// The rows of expected.txt; a malformed row becomes a case that fails.
std::vector<Expected> TableCases() {
  std::vector<Expected> cases;
  std::ifstream table(kBad / "expected.txt");
  std::string row;
  while (std::getline(table, row)) {
    if (row.empty() || row[0] == '#') continue;
    const std::vector<std::string> cells = Split(row);
    Expected c;
    c.name = TestName(cells[0]);
    c.file = cells[0];
    c.ok = cells.size() >= 2 && (cells[1] == "ok" || cells[1] == "warning");
    c.same_as_example = c.ok && cells.back() == "example";
    if (c.ok && cells[1] == "warning")
      c.warnings.assign(cells.begin() + 2, cells.end() - (c.same_as_example ? 1 : 0));
    if (!c.ok && cells.size() == 3 && !cells[1].empty() &&
        cells[1].find_first_not_of("0123456789") == std::string::npos) {
      c.line = std::stoi(cells[1]);
      c.reason = cells[2];
    } else if (!c.ok) {
      c.reason = "malformed row in expected.txt: " + row;
    }
    cases.push_back(c);
  }
  return cases;
}

// The example up to its first joint, then a 10 MB line without a separator.
constexpr std::size_t kHuge = 10'000'000;
std::string FirstLine() {
  const std::string example = Slurp(kExample / "Beam.sma");
  return example.substr(0, example.find('\n') + 1);
}
std::string HugeText() { return FirstLine() + std::string(kHuge, 'x'); }
std::string HugeNumber() { return FirstLine() + std::string(kHuge, '9'); }
std::string HugeLabel() {
  std::string example = Slurp(kExample / "Beam.sma");
  return example.insert(example.find("joint 1"), std::string(kHuge, 'x'));
}

std::vector<Expected> GeneratedCases() {
  std::vector<Expected> cases(3);
  cases[0].name = "huge_line_in_number";
  cases[0].make = HugeText;
  cases[0].line = 2;
  cases[0].reason = "line 2, joints record 1, field 1: expected the X coordinate, found 'xxxxxxxx";
  cases[1].name = "huge_number";
  cases[1].make = HugeNumber;
  cases[1].line = 2;
  cases[1].reason = "9... is too large for a number";
  cases[2].name = "huge_label";
  cases[2].make = HugeLabel;
  cases[2].ok = cases[2].same_as_example = true;
  return cases;
}

std::vector<Expected> AllCases() {
  std::vector<Expected> cases = TableCases();
  for (Expected& c : GeneratedCases()) cases.push_back(std::move(c));
  return cases;
}

// A scratch folder of its own for every case and process.
class Folder {
 public:
  explicit Folder(const std::string& name)
      : path_(fs::temp_directory_path() /
              ("spanwise-bad-" + name + "-" + std::to_string(getpid()))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~Folder() { fs::remove_all(path_); }
  fs::path Write(const std::string& bytes) const {
    std::ofstream(path_ / "Beam.sma", std::ios::binary) << bytes;
    return path_ / "Beam.sma";
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

class BadInput : public ::testing::TestWithParam<Expected> {};

TEST_P(BadInput, EndsAsExpected) {
  const Expected& c = GetParam();
  Folder folder(c.name);
  const spanwise::RunOutcome outcome = spanwise::AnalysisRun(folder.Write(c.Input()).string());
  if (!c.ok) {
    EXPECT_FALSE(outcome.ok) << "analysed, expected: " << c.reason;
    EXPECT_NE(outcome.reason.find(c.reason), std::string::npos)
        << "reason: " << outcome.reason << "\nexpected a part: " << c.reason;
    EXPECT_EQ(outcome.line, c.line) << outcome.reason;
    return;
  }
  ASSERT_TRUE(outcome.ok) << outcome.reason;
  EXPECT_EQ(outcome.warnings, c.warnings);
  if (!c.same_as_example) return;
  EXPECT_EQ(Slurp(folder.path() / "Beam.txt"), Slurp(kExample / "Beam.txt"));
  EXPECT_EQ(Slurp(folder.path() / "BM.TXT"), Slurp(kExample / "BM.TXT"));
  EXPECT_EQ(Slurp(folder.path() / "SF.TXT"), Slurp(kExample / "SF.TXT"));
}

INSTANTIATE_TEST_SUITE_P(Files, BadInput, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) { return info.param.name; });

// A file of the folder without a row in the table would never be checked.
TEST(BadInputTable, ListsEveryFile) {
  std::set<std::string> listed;
  for (const Expected& c : TableCases()) listed.insert(c.name);
  for (const auto& entry : fs::directory_iterator(kBad)) {
    if (entry.path().extension() != ".sma") continue;
    EXPECT_EQ(listed.count(TestName(entry.path().filename().string())), 1u)
        << entry.path().filename() << " has no row in expected.txt";
  }
}

TEST(BadInputFiles, MissingInputIsADataError) {
  Folder folder("missing");
  const spanwise::RunOutcome outcome = spanwise::AnalysisRun((folder.path() / "Beam.sma").string());
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.reason.find("cannot open the input file"), std::string::npos) << outcome.reason;
}

TEST(BadInputFiles, UnwritableReportIsAWriteFault) {
  Folder folder("unwritable");
  const fs::path input = folder.Write(Slurp(kExample / "Beam.sma"));
  fs::create_directory(folder.path() / "Beam.txt");  // the report cannot be created
  const spanwise::RunOutcome outcome = spanwise::AnalysisRun(input.string());
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.fault, spanwise::RunFault::kWrite);
  EXPECT_EQ(outcome.reason, "cannot write Beam.txt: Is a directory");
}

}  // namespace
