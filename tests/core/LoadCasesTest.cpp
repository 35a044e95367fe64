// Load cases and combinations: the block's faults with their lines, and the
// files of one combination against a plain run of its factored loads.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

namespace {

using spanwise::DesignValues;

// A beam of n spans on rollers, fixed at joint 1, with its loads by group:
// case 1 (fixed) dead load, case 2 (variable) office load per span and a
// force at joint 2, case 3 (fixed) a moment at joint 2.
struct Model {
  std::string structure;
  std::vector<long> group_case;          // case of each group
  std::vector<std::string> group_loads;  // "member loads|joint loads" records, factor applied by {}
};

std::string Num(double v) {
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + 32, v).ptr);
}

std::string Structure(int spans, const double* x, bool fixed_end) {
  std::string s = std::to_string(spans + 1) + "\n";
  for (int j = 0; j <= spans; ++j) s += Num(x[j]) + ",\n";
  s += std::to_string(spans + 1) + "\n";
  for (int j = 1; j <= spans + 1; ++j)
    s += std::to_string(j) + ", 1, " + (j == 1 && fixed_end ? "1" : "0") + ",\n";
  s += "1\n2E8,\n1\n0.0004,\n" + std::to_string(spans) + "\n";
  for (int m = 1; m <= spans; ++m)
    s += std::to_string(m) + ", " + std::to_string(m + 1) + ", 1, 1,\n";
  return s;
}

// The loads of one group at factor f: member-load and joint-load records.
struct Records {
  std::vector<std::string> member, joint;
};
void Add(Records& r, bool member, std::vector<double> v, double f) {
  std::string line;
  for (std::size_t k = 0; k < v.size(); ++k) {
    const bool scaled = member ? (k == 2 || k == 3) : k > 0;
    line += Num(scaled ? v[k] * f : v[k]) + ", ";
  }
  (member ? r.member : r.joint).push_back(line);
}
std::string Loads(const Records& r) {
  std::string s = std::to_string(r.member.size()) + "\n";
  for (const auto& l : r.member) s += l + "\n";
  s += std::to_string(r.joint.size()) + "\n";
  for (const auto& l : r.joint) s += l + "\n";
  return s;
}

// Group g's loads at factor f (groups: case 1, case 2 per member, case 2 joint 2, case 3).
void GroupLoads(int spans, int g, double f, Records& r) {
  if (g == 0) {
    for (int m = 1; m <= spans; ++m) Add(r, true, {double(m), 2, 6, 6, 0, 0}, f);
    Add(r, true, {1, 1, 10, 0, 2, 0}, f);
  } else if (g <= spans) {
    Add(r, true, {double(g), 2, 10, 10, 0, 0}, f);
    if (g == 2) Add(r, true, {2, 2, 4, 8, 1, 1}, f);
  } else {
    Add(r, false, {2, g == spans + 1 ? 20.0 : 0.0, g == spans + 1 ? 0.0 : 5.0}, f);
  }
}

const DesignValues Design(const std::string& name, const std::string& text) {
  spanwise::RunOptions options;
  options.keep_design = true;
  const spanwise::RunOutcome outcome = spanwise::AnalysisRun(Write(name, text), options);
  EXPECT_TRUE(outcome.ok) << outcome.reason;
  return outcome.ok ? *outcome.design : DesignValues{};
}

}  // namespace

TEST(LoadCases, EnvelopesAreEveryArrangementsExtremes) {
  const double x[] = {0, 5, 12, 16, 22, 27};
  const double a[] = {1.35, 1.5, 1.5}, f[] = {1.0, 0, 0};
  for (int spans : {3, 5}) {
    const int groups = spans + 3;
    Records case1, case2, case3;
    for (int g = 0; g < groups; ++g)
      GroupLoads(spans, g, 1, g == 0 ? case1 : g == groups - 1 ? case3 : case2);
    const std::string file = Structure(spans, x, true) + Loads(case1) +
                             "CASES, 2\nvariable, live\n" + Loads(case2) + "fixed, wind\n" +
                             Loads(case3) + "COMBINATIONS, 1\n1.35, 1.0, 1.5, 0, 1.5, 0, ULS\n";
    const DesignValues envelope = Design("envelope", file);
    ASSERT_EQ(envelope.combinations.size(), 1u);
    const auto& e = envelope.combinations[0];
    std::vector<std::array<double, 6>> member(spans, {-1e300, 1e300, -1e300, 1e300, -1e300, 1e300});
    double fy_max = -1e300, fy_min = 1e300;  // joint 1
    for (int choice = 0; choice < (1 << groups); ++choice) {
      Records r;
      for (int g = 0; g < groups; ++g) {
        const int c = g == 0 ? 0 : g == groups - 1 ? 2 : 1;
        GroupLoads(spans, g, (choice >> g) & 1 ? a[c] : f[c], r);
      }
      const DesignValues plain = Design("arrangement", Structure(spans, x, true) + Loads(r));
      for (int m = 0; m < spans; ++m) {
        const auto& d = plain.members.at(m);
        auto& b = member[m];
        b = {std::max(b[0], d.moment_max.value),     std::min(b[1], d.moment_min.value),
             std::max(b[2], d.shear_max.value),      std::min(b[3], d.shear_min.value),
             std::max(b[4], d.deflection_max.value), std::min(b[5], d.deflection_min.value)};
      }
      fy_max = std::max(fy_max, plain.joints.at(0).fy);
      fy_min = std::min(fy_min, plain.joints.at(0).fy);
    }
    for (int m = 0; m < spans; ++m) {
      const auto& got = e.members.at(m);
      const double values[] = {got.moment_max.value,     got.moment_min.value,
                               got.shear_max.value,      got.shear_min.value,
                               got.deflection_max.value, got.deflection_min.value};
      for (int k = 0; k < 6; ++k) {
        const double scale = std::max(std::abs(member[m][k & ~1]), std::abs(member[m][k | 1]));
        EXPECT_NEAR(values[k], member[m][k], 1e-9 * scale)
            << spans << " spans, member " << m + 1 << ", extreme " << k;
      }
    }
    EXPECT_NEAR(e.joints.at(0).fy_max, fy_max, 1e-9 * std::abs(fy_max));
    EXPECT_NEAR(e.joints.at(0).fy_min, fy_min, 1e-9 * std::abs(fy_max));
  }
}

TEST(LoadCases, TwoSpansFollowTheTextbookAndFixedCasesAddUp) {
  // Two spans of 10 with 10 per unit length on each, either on or off.
  const double x[] = {0, 10, 20};
  const DesignValues two =
      Design("two", Structure(2, x, false) +
                        "0\n0\nCASES, 1\nvariable, live\n2\n1, 2, 10, 10, 0, 0,\n"
                        "2, 2, 10, 10, 0, 0,\n0\n");
  ASSERT_EQ(two.combinations.size(), 1u);
  const auto& span1 = two.combinations[0].members.at(0);
  EXPECT_EQ(two.combinations[0].label, "all cases");
  EXPECT_NEAR(span1.moment_min.value, -125, 1e-9);  // q L^2 / 8 over the support, both loaded
  EXPECT_NEAR(span1.moment_min.x, 10, 1e-12);
  EXPECT_EQ(span1.moment_min.adverse, (std::vector<long>{1, 2}));
  EXPECT_NEAR(span1.moment_max.value, 10.0 * 100 * 49 / 512, 1e-9);  // span 1 loaded alone
  EXPECT_NEAR(span1.moment_max.x, 4.375, 1e-9);
  EXPECT_EQ(span1.moment_max.adverse, (std::vector<long>{1}));

  // A combination of fixed cases at equal factors is one analysis of its factored loads.
  const std::string file =
      WithBlock("1, 1, 1, 0, 0, 0, SLS", "1.35, 1.35, 1.5, 1.5, 0.5, 0.5, SLS");
  const DesignValues envelope = Design("fixed-only", file);
  spanwise::RunOptions options;
  options.keep_design = true;
  options.by_combination = true;
  options.combination = "SLS";
  const auto outcome = spanwise::AnalysisRun(Write("fixed-only", file), options);
  ASSERT_TRUE(outcome.ok);
  const auto& sls = envelope.combinations.at(1);
  for (std::size_t m = 0; m < 2; ++m) {
    const auto& got = sls.members.at(m);
    const auto& plain = outcome.design->members.at(m);
    const std::pair<const spanwise::EnvelopeExtreme*, const spanwise::Extreme*> pairs[] = {
        {&got.moment_max, &plain.moment_max},         {&got.moment_min, &plain.moment_min},
        {&got.shear_max, &plain.shear_max},           {&got.shear_min, &plain.shear_min},
        {&got.deflection_max, &plain.deflection_max}, {&got.deflection_min, &plain.deflection_min}};
    for (int k = 0; k < 6; ++k) {
      const double scale =
          std::max(std::abs(pairs[k & ~1].second->value), std::abs(pairs[k | 1].second->value));
      EXPECT_NEAR(pairs[k].first->value, pairs[k].second->value, 1e-12 * scale) << m << " " << k;
    }
  }
  for (std::size_t j = 0; j < sls.joints.size(); ++j) {
    const double fy = outcome.design->joints.at(sls.joints[j].joint - 1).fy;
    EXPECT_NEAR(sls.joints[j].fy_max, fy, 1e-12 * std::abs(fy));
    EXPECT_NEAR(sls.joints[j].fy_min, fy, 1e-12 * std::abs(fy));
  }
}
