// Every kind of mistake an engineer can type, run through the whole analysis:
// each file of tests/data/bad must end as tests/data/bad/expected.txt says,
// with the data error naming the right line and reason, or analysed. Inputs
// too large to keep as files are made here.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "run/AnalysisRun.h"
#include "tests/support/Files.h"

using namespace spanwise::test;

namespace {

const fs::path kBad = kData / "bad";

// What a run of one input must give. The input is made only when its case
// runs: every process of this test program builds the whole table.
struct Expected {
  std::string name;                     // test name
  std::string file;                     // the input, a file of tests/data/bad...
  std::string (*make)() = nullptr;      // ...or made here
  bool ok = false;                      // analysed
  bool same_as_example = false;         // ...to the example's report and diagrams
  int line = 0;                         // else: the line the error names, 0 for none
  std::string reason{};                 // ...and a part of its reason
  std::vector<std::string> warnings{};  // said when analysed, in order

  std::string Input() const { return make != nullptr ? make() : Slurp(kBad / file); }
};

void PrintTo(const Expected& c, std::ostream* os) { *os << c.name; }

std::string TestName(const std::string& file) {
  std::string name = file.substr(0, file.find('.'));
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
}

// The rows of expected.txt; a malformed row becomes a case that fails.
std::vector<Expected> TableCases() {
  std::vector<Expected> cases;
  std::ifstream table(kBad / "expected.txt");
  for (std::string row; std::getline(table, row);) {
    if (row.empty() || row[0] == '#') continue;
    std::vector<std::string> cells;
    for (std::size_t at = 0, bar = 0; bar != std::string::npos; at = bar + 3)
      cells.push_back(row.substr(at, (bar = row.find(" | ", at)) - at));
    Expected c{TestName(cells[0]), cells[0]};
    c.ok = cells.size() >= 2 && (cells[1] == "ok" || cells[1] == "warning");
    c.same_as_example = c.ok && cells.back() == "example";
    if (c.ok && cells[1] == "warning")
      c.warnings.assign(cells.begin() + 2, cells.end() - (c.same_as_example ? 1 : 0));
    const bool error_row = cells.size() == 3 && !cells[1].empty() &&
                           cells[1].find_first_not_of("0123456789") == std::string::npos;
    if (!c.ok) c.line = error_row ? std::stoi(cells[1]) : 0;
    if (!c.ok) c.reason = error_row ? cells[2] : "malformed row in expected.txt: " + row;
    cases.push_back(c);
  }
  return cases;
}

// The example up to its first joint, then a 10 MB line without a separator.
constexpr std::size_t kHuge = 10'000'000;
std::string FirstLine() { return Example().substr(0, Example().find('\n') + 1); }
std::string HugeText() { return FirstLine() + std::string(kHuge, 'x'); }
std::string HugeNumber() { return FirstLine() + std::string(kHuge, '9'); }
std::string HugeLabel() { return Example("joint 1", std::string(kHuge, 'x') + "joint 1"); }

std::vector<Expected> AllCases() {
  std::vector<Expected> cases = TableCases();
  cases.push_back({"huge_line_in_number", "", HugeText, false, false, 2,
                   "line 2, joints record 1, field 1: expected the X coordinate, found 'xxxxxxxx"});
  cases.push_back(
      {"huge_number", "", HugeNumber, false, false, 2, "9... is too large for a number"});
  cases.push_back({"huge_label", "", HugeLabel, true, true});
  return cases;
}

class BadInput : public ::testing::TestWithParam<Expected> {};

TEST_P(BadInput, EndsAsExpected) {
  const Expected& c = GetParam();
  ScratchFolder folder("bad");
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
  for (const char* file : {"Beam.txt", "BM.TXT", "SF.TXT"})
    EXPECT_TRUE(!c.same_as_example ||
                Slurp(folder.path() / file) == Slurp(kData / "golden/example" / file))
        << file;
}

INSTANTIATE_TEST_SUITE_P(Files, BadInput, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) { return info.param.name; });

// A file of the folder without a row in the table would never be checked.
TEST(BadInputTable, ListsEveryFile) {
  std::set<std::string> listed;
  for (const Expected& c : TableCases()) listed.insert(c.name);
  for (const auto& entry : fs::directory_iterator(kBad))
    EXPECT_TRUE(entry.path().extension() != ".sma" ||
                listed.count(TestName(entry.path().filename().string())) == 1)
        << entry.path().filename() << " has no row in expected.txt";
}

}  // namespace

// A count one more or one less than the records after it (a record left out
// or added without changing the count) is named, in each section; a fault no
// count explains gains nothing.
TEST(CountSlip, NamesTheCountThatExplainsTheFault) {
  const struct {
    const char* from;
    const char* to;
    const char* slip;  // "" for none
  } cases[] = {
      {"3\r\n0, joint 1", "4\r\n0, joint 1",
       "The joints' count on line 1 says 4, but 3 joint records follow it: is one missing?"},
      {"3\r\n0, joint 1", "2\r\n0, joint 1",
       "The joints' count on line 1 says 2, but 3 joint records follow it: is the count one "
       "short?"},
      {"3\r\n1, 1, 1", "4\r\n1, 1, 1",
       "The supports' count on line 5 says 4, but 3 support records follow it: is one missing?"},
      {"3\r\n1, 1, 1", "2\r\n1, 1, 1",
       "The supports' count on line 5 says 2, but 3 support records follow it: is the count one "
       "short?"},
      {"1\r\n2E8", "2\r\n2E8",
       "The materials' count on line 9 says 2, but 1 material record follows it: is one missing?"},
      {"1\r\n0.0004", "2\r\n0.0004",
       "The cross sections' count on line 11 says 2, but 1 cross-section record follows it: is one "
       "missing?"},
      {"2\r\n1, 2, 1, 1", "3\r\n1, 2, 1, 1",
       "The members' count on line 13 says 3, but 2 member records follow it: is one missing?"},
      {"2\r\n1, 2, 1, 1", "1\r\n1, 2, 1, 1",
       "The members' count on line 13 says 1, but 2 member records follow it: is the count one "
       "short?"},
      {"2\r\n1, 1, 10", "3\r\n1, 1, 10",
       "The member loads' count on line 16 says 3, but 2 member-load records follow it: is one "
       "missing?"},
      {"1\r\n2, 0, 5", "2\r\n2, 0, 5",
       "The joint loads' count on line 19 says 2, but 1 joint-load record follows it: is one "
       "missing?"},
      {"0, joint 1", "x, joint 1", ""},       // a typing slip, not a count
      {"12, joint 3", "12, joint 3, 4", ""},  // a field too many
  };
  const ScratchFolder folder("slip");
  for (const auto& c : cases) {
    const spanwise::RunOutcome outcome = spanwise::AnalysisRun(folder.Write(Example(c.from, c.to)));
    ASSERT_FALSE(outcome.ok) << c.to;
    EXPECT_TRUE(outcome.reason.ends_with(c.slip)) << outcome.reason;
    EXPECT_EQ(*c.slip == 0, outcome.reason.find("count on line") == std::string::npos)
        << outcome.reason;
  }
}
