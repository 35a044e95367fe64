// Load cases and combinations: the files of one combination against a plain
// run of its factored loads, and the envelopes against every arrangement of
// the load groups. The block's faults are rows of tests/data/bad.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "design/LoadChoice.h"
#include "run/AnalysisRun.h"
#include "tests/support/Design.h"
#include "tests/support/Spawn.h"

using spanwise::DesignValues;
using namespace spanwise::test;

namespace {

// The example with the README's block after its loads (lines 21-33), the
// first `from` replaced by `to`.
std::string WithBlock(const std::string& from = "", const std::string& to = "") {
  std::string text = Slurp(kData / "bad/cases-block.sma");
  if (!from.empty()) text.replace(text.find(from), from.size(), to);
  return text;
}

std::string Files(const fs::path& input) {
  std::string all;
  for (const char* name : {"Beam.txt", "BM.TXT", "SF.TXT", "Design.txt"})
    all += std::string(name) + ":\n" + Slurp(input.parent_path() / name);
  return all;
}

// The files of input with Design.txt's header naming the loads analysed
// (which it must) put back to a plain run's.
std::string FilesSaying(const fs::path& input, const std::string& loads) {
  const std::string plain = "DESIGN VALUES OF Beam.sma", said = plain + ", " + loads + "\r\n";
  std::string all = Files(input);
  const std::size_t at = all.find(said);
  if (at == std::string::npos) return "Design.txt does not say " + loads;
  return all.replace(at, said.size(), plain + "\r\n");
}

// Spans on rollers at x, joint 1 fixed when fixed_end, the last joint free
// (an overhang's tip) when free_end.
std::string Structure(int spans, const double* x, bool fixed_end, bool free_end = false) {
  std::string s = std::to_string(spans + 1) + "\n";
  for (int j = 0; j <= spans; ++j) s += Num(x[j]) + ",\n";
  s += std::to_string(spans + 1) + "\n";
  for (int j = 1; j <= spans + 1; ++j)
    s += std::to_string(j) + (j == spans + 1 && free_end ? ", 0, " : ", 1, ") +
         (j == 1 && fixed_end ? "1" : "0") + ",\n";
  s += "1\n2E8,\n1\n0.0004,\n" + std::to_string(spans) + "\n";
  for (int m = 1; m <= spans; ++m)
    s += std::to_string(m) + ", " + std::to_string(m + 1) + ", 1, 1,\n";
  return s;
}

// Member-load and joint-load records, the loads multiplied by a factor.
struct Records {
  std::string member, joint;
  int members = 0, joints = 0;
};
void Add(Records& r, bool member, std::vector<double> v, double f) {
  ++(member ? r.members : r.joints);
  for (std::size_t k = 0; k < v.size(); ++k)
    (member ? r.member : r.joint) +=
        Num((member ? k == 2 || k == 3 : k > 0) ? v[k] * f : v[k]) + ", ";
  (member ? r.member : r.joint) += "\n";
}
std::string Loads(const Records& r) {
  return std::to_string(r.members) + "\n" + r.member + std::to_string(r.joints) + "\n" + r.joint;
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
    // A force at the free tip, or a moment at joint 2.
    Add(r, false,
        {g == spans + 1 ? spans + 1.0 : 2, g == spans + 1 ? 20.0 : 0.0, g == spans + 1 ? 0.0 : 5.0},
        f);
  }
}

// The six extremes of a member, of one analysis or of an envelope.
template <typename Member>
std::array<double, 6> Extremes(const Member& m) {
  return {m.moment_max.value, m.moment_min.value,     m.shear_max.value,
          m.shear_min.value,  m.deflection_max.value, m.deflection_min.value};
}

}  // namespace

// A fault or warning about a load of a further case names the record where
// the engineer typed it, also in the run of one case or combination, whose
// model holds the records elsewhere: rows of tests/data/cases-fault-lines.txt.
TEST(LoadCases, FaultsAndWarningsNameTheLinesOfTheInputFile) {
  const ScratchFolder folder("places");
  const auto rows = TableRows(kData / "cases-fault-lines.txt");
  ASSERT_EQ(rows.size(), 7u);
  for (const auto& row : rows) {
    ASSERT_EQ(row.size(), 5u) << row.at(0);
    const std::string& text = row[4];
    SCOPED_TRACE(text);
    std::string model = WithBlock();
    std::istringstream edits(row[0]);
    for (std::string edit; std::getline(edits, edit, ';');) {
      const std::size_t arrow = edit.find(" => "), first = edit.find_first_not_of(' ');
      const std::string from = edit.substr(first, arrow - first), to = edit.substr(arrow + 4);
      model.replace(model.find(from), from.size(), to);
    }
    spanwise::RunOptions options;
    options.load_case = std::stol(row[1]);
    options.by_combination = !row[2].empty();
    options.combination = row[2];
    const spanwise::RunOutcome outcome = spanwise::AnalysisRun(folder.Write(model), options);
    const long line = std::stol(row[3]);
    EXPECT_EQ(outcome.ok, line == 0) << outcome.reason;
    EXPECT_EQ(outcome.line, line);
    const std::string said =
        line == 0 && outcome.warnings.size() == 1 ? outcome.warnings[0] : outcome.reason;
    EXPECT_EQ(said.substr(0, text.size()), text) << said;
  }
}

TEST(LoadCases, ControlBytesOfALabelNeverReachDesignTxt) {
  const ScratchFolder folder("label");
  const std::string input = folder.Write(WithBlock("0, SLS", "0, S\x1b[2JLS"));
  ASSERT_TRUE(spanwise::AnalysisRun(input).ok);
  EXPECT_NE(Slurp(folder.path() / "Design.txt").find("ENVELOPE OF COMBINATION S?[2JLS\r\n"),
            std::string::npos);
}

TEST(LoadCases, OneCombinationWritesTheFilesOfItsFactoredLoads) {
  const ScratchFolder folder("cases");
  const std::string example = Example(), structure = example.substr(0, example.find("2\r\n1, 1"));
  const fs::path by_hand =
      folder.Write(structure +
                       "4\r\n1, 1, 13.5, 0, 2, 0, a\r\n"
                       "2, 2, 8.100000000000001, 8.100000000000001, 0, 0, b\r\n"
                       "1, 2, 15, 15, 0, 0, c\r\n2, 2, 15, 15, 0, 0, d\r\n2\r\n2, 0, 6.75, e\r\n2, "
                       "0, 7.5, f\r\n",
                   "by-hand/Beam.sma");
  ASSERT_TRUE(spanwise::AnalysisRun(by_hand).ok);
  spanwise::RunOptions options;
  options.by_combination = true;
  options.combination = "ULS";
  const fs::path combined = folder.Write(WithBlock(), "combined/Beam.sma");
  ASSERT_TRUE(spanwise::AnalysisRun(combined, options).ok);
  EXPECT_EQ(FilesSaying(combined, "COMBINATION ULS WITH EVERY CASE AT ITS ADVERSE FACTOR"),
            Files(by_hand));

  // Case 1 alone is the plain run, and the plain run of a file with the block
  // writes the files of case 1.
  const fs::path plain = folder.Write(example, "plain/Beam.sma");
  ASSERT_TRUE(spanwise::AnalysisRun(plain).ok);
  options = {};
  options.load_case = 1;
  ASSERT_TRUE(spanwise::AnalysisRun(combined, options).ok);
  EXPECT_EQ(FilesSaying(combined, "LOAD CASE 1 ALONE"), Files(plain));

  // Usage errors: an unknown case or label, both options.
  const std::vector<std::vector<std::string>> usage = {
      {"--case", "4"}, {"--combination", "uls"}, {"--case", "1", "--combination", "ULS"}};
  for (std::vector<std::string> args : usage) {
    args.push_back(combined.string());
    EXPECT_EQ(Analyse(args), 2) << args[0];
  }
  EXPECT_EQ(Analyse({"--combination", "SLS", combined.string()}), 0);

  // The JSON document holds the envelopes of the plain run.
  const fs::path out = folder.path() / "out.json";
  ASSERT_EQ(Analyse({"--json", combined.string()}, out), 0);
  const DesignValues design = DesignOf(combined);
  const auto json = nlohmann::json::parse(Slurp(out));
  ASSERT_EQ(json["combinations"].size(), 2u);
  EXPECT_EQ(json["combinations"][1]["label"], "SLS");
  const auto& moment = json["combinations"][0]["members"][1]["moment"]["min"];
  EXPECT_EQ(moment["value"].get<double>(), design.combinations[0].members[1].moment_min.value);
  EXPECT_EQ(moment["adverse"].size(), design.combinations[0].members[1].moment_min.adverse.size());
}

TEST(LoadCases, EnvelopesAreEveryArrangementsExtremes) {
  // Spans on rollers, fixed at joint 1, the last span an overhang; groups: case 1 dead load,
  // case 2 office load per span and a force at the tip, case 3 a moment at joint 2.
  const ScratchFolder folder("cases");
  const double x[] = {0, 5, 12, 16, 22, 27};
  const double a[] = {1.35, 1.5, 1.5}, f[] = {1.0, 0, 0};
  for (int spans : {3, 5}) {
    const int groups = spans + 3;
    const auto case_of = [&](int g) { return g == 0 ? 0 : g == groups - 1 ? 2 : 1; };
    Records cases[3];
    for (int g = 0; g < groups; ++g) GroupLoads(spans, g, 1, cases[case_of(g)]);
    const DesignValues envelope = DesignOf(
        folder.Write(Structure(spans, x, true, true) + Loads(cases[0]) +
                     "CASES, 2\nvariable, live\n" + Loads(cases[1]) + "fixed, wind\n" +
                     Loads(cases[2]) + "COMBINATIONS, 1\n1.35, 1.0, 1.5, 0, 1.5, 0, ULS\n"));
    ASSERT_EQ(envelope.combinations.size(), 1u);
    std::vector<std::array<double, 6>> all(spans, {-1e300, 1e300, -1e300, 1e300, -1e300, 1e300});
    double fy_max = -1e300, fy_min = 1e300;  // joint 1
    for (int choice = 0; choice < (1 << groups); ++choice) {
      Records r;
      for (int g = 0; g < groups; ++g)
        GroupLoads(spans, g, (choice >> g) & 1 ? a[case_of(g)] : f[case_of(g)], r);
      const DesignValues plain = DesignOf(folder.Write(Structure(spans, x, true, true) + Loads(r)));
      for (int m = 0; m < spans; ++m) {
        const auto one = Extremes(plain.members.at(m));
        for (int k = 0; k < 6; ++k)
          all[m][k] = k % 2 == 0 ? std::max(all[m][k], one[k]) : std::min(all[m][k], one[k]);
      }
      fy_max = std::max(fy_max, plain.joints.at(0).fy);
      fy_min = std::min(fy_min, plain.joints.at(0).fy);
    }
    for (int m = 0; m < spans; ++m) {
      const auto got = Extremes(envelope.combinations[0].members.at(m));
      for (int k = 0; k < 6; ++k)
        EXPECT_NEAR(got[k], all[m][k],
                    1e-9 * std::max(std::abs(all[m][k & ~1]), std::abs(all[m][k | 1])))
            << spans << " spans, member " << m + 1 << ", extreme " << k;
    }
    EXPECT_NEAR(envelope.combinations[0].joints.at(0).fy_max, fy_max, 1e-9 * std::abs(fy_max));
    EXPECT_NEAR(envelope.combinations[0].joints.at(0).fy_min, fy_min, 1e-9 * std::abs(fy_max));
  }
}

TEST(LoadCases, TwoSpansFollowTheTextbookAndFixedCasesAddUp) {
  // Two spans of 10 with 10 per unit length on each, either on or off.
  const ScratchFolder folder("cases");
  const double x[] = {0, 10, 20};
  const DesignValues two = DesignOf(folder.Write(Structure(2, x, false) +
                                                 "0\n0\nCASES, 1\nvariable, live\n2\n"
                                                 "1, 2, 10, 10, 0, 0,\n2, 2, 10, 10, 0, 0,\n0\n"));
  ASSERT_EQ(two.combinations.size(), 1u);
  const auto& span1 = two.combinations[0].members.at(0);
  EXPECT_EQ(two.combinations[0].label, "all cases");
  EXPECT_NEAR(span1.moment_min.value, -125, 1e-9);  // q L^2 / 8 over the support, both loaded
  EXPECT_NEAR(span1.moment_min.x, 10, 1e-12);
  std::vector<long> both = span1.moment_min.adverse;  // equal shares: in either order
  std::sort(both.begin(), both.end());
  EXPECT_EQ(both, (std::vector<long>{1, 2}));
  EXPECT_NEAR(span1.moment_max.value, 10.0 * 100 * 49 / 512, 1e-9);  // span 1 loaded alone
  EXPECT_NEAR(span1.moment_max.x, 4.375, 1e-9);
  EXPECT_EQ(span1.moment_max.adverse, (std::vector<long>{1}));

  // Fixed cases at equal factors: one analysis of the factored loads.
  const fs::path file =
      folder.Write(WithBlock("1, 1, 1, 0, 0, 0, SLS", "1.35, 1.35, 1.5, 1.5, 0.5, 0.5, SLS"));
  const DesignValues envelope = DesignOf(file);
  spanwise::RunOptions options;
  options.by_combination = true;
  options.combination = "SLS";
  const DesignValues plain = DesignOf(file, options);
  const auto& sls = envelope.combinations.at(1);
  for (std::size_t m = 0; m < 2; ++m) {
    const auto got = Extremes(sls.members.at(m)), one = Extremes(plain.members.at(m));
    for (int k = 0; k < 6; ++k)
      EXPECT_NEAR(got[k], one[k], 1e-12 * std::max(std::abs(one[k & ~1]), std::abs(one[k | 1])));
  }
  for (const auto& joint : sls.joints) {
    const double fy = plain.joints.at(joint.joint - 1).fy;
    EXPECT_NEAR(joint.fy_max, fy, 1e-12 * std::abs(fy));
    EXPECT_NEAR(joint.fy_min, fy, 1e-12 * std::abs(fy));
  }
}

TEST(LoadCases, TheWindowsCasesAndBandsComeFromTheGroupsEffects) {
  const ScratchFolder folder("cases");
  const fs::path file = folder.Write(WithBlock());
  const DesignValues design = DesignOf(file);
  ASSERT_EQ(spanwise::LoadChoices(design).size(), 5u);  // three cases, two combinations
  for (long k : {2, 3}) {
    spanwise::RunOptions options;
    options.load_case = k;
    const DesignValues plain = DesignOf(file, options);
    const auto alone = spanwise::CaseDesign(design, k);
    ASSERT_NE(alone, nullptr);
    EXPECT_EQ(alone->model.member_loads.size(), plain.model.member_loads.size());
    for (std::size_t m = 0; m < plain.members.size(); ++m) {
      const auto got = Extremes(alone->members.at(m)), one = Extremes(plain.members.at(m));
      for (int k6 = 0; k6 < 6; ++k6)
        EXPECT_NEAR(got[k6], one[k6],
                    1e-9 * std::max(std::abs(one[k6 & ~1]), std::abs(one[k6 | 1])) + 1e-300)
            << "case " << k << ", member " << m + 1 << ", extreme " << k6;
    }
    for (std::size_t j = 0; j < plain.joints.size(); ++j) {
      EXPECT_NEAR(alone->joints.at(j).fy, plain.joints[j].fy, 1e-9 * 100) << "case " << k;
      EXPECT_NEAR(alone->joints.at(j).deflection, plain.joints[j].deflection, 1e-12);
      EXPECT_NEAR(alone->joints.at(j).rotation, plain.joints[j].rotation, 1e-12);
    }
  }
  // The band passes through every extreme of the envelope and never crosses.
  using spanwise::Quantity;
  for (std::size_t m = 0; m < design.members.size(); ++m) {
    const auto& member = design.combinations.at(0).members.at(m);
    const struct {
      Quantity quantity;
      const spanwise::EnvelopeExtreme &max, &min;
    } rows[] = {{Quantity::kMoment, member.moment_max, member.moment_min},
                {Quantity::kShear, member.shear_max, member.shear_min},
                {Quantity::kDeflection, member.deflection_max, member.deflection_min}};
    for (const auto& row : rows) {
      spanwise::EnvelopeCurve curve;
      ASSERT_TRUE(spanwise::EnvelopeCurveOf(design, 0, long(m) + 1, row.quantity, 8, curve));
      const double scale = std::max(std::abs(row.max.value), std::abs(row.min.value));
      for (std::size_t k = 0; k < curve.x.size(); ++k) EXPECT_GE(curve.max[k], curve.min[k]);
      EXPECT_NEAR(*std::max_element(curve.max.begin(), curve.max.end()), row.max.value,
                  1e-12 * scale);
      EXPECT_NEAR(*std::min_element(curve.min.begin(), curve.min.end()), row.min.value,
                  1e-12 * scale);
      const auto at = spanwise::EnvelopeAt(design, 0, long(m) + 1, row.max.x, row.quantity);
      EXPECT_NEAR(at.max, row.max.value, 1e-12 * scale);
      EXPECT_EQ(at.max_adverse.rfind("case ", 0), 0u) << at.max_adverse;
    }
  }
}

// A combination whose factor overflows leaves its own values absent, said
// once, and every other combination as it was; the load groups and the
// envelopes report their progress group by group and member by member.
TEST(LoadCases, AnOverflowInOneCombinationLeavesTheOthersEnvelopes) {
  const ScratchFolder folder("overflow");
  spanwise::RunOptions options;
  std::vector<std::pair<std::string, int>> progress;
  options.progress = [&](const char* stage, int percent) { progress.push_back({stage, percent}); };
  const DesignValues plain = DesignOf(folder.Write(WithBlock(), "plain/Beam.sma"), options);
  for (const char* stage : {"solving the load groups", "computing the envelopes"})
    EXPECT_NE(std::find(progress.begin(), progress.end(), std::pair<std::string, int>{stage, 50}),
              progress.end())
        << stage;
  const fs::path input =
      folder.Write(WithBlock("1.5, 0, 1.5, 0, ULS", "1E308, 0, 1.5, 0, ULS"), "huge/Beam.sma");
  const DesignValues huge = DesignOf(input);
  ASSERT_EQ(huge.combinations.size(), 2u);
  for (std::size_t m = 0; m < 2; ++m) {
    EXPECT_FALSE(huge.combinations[0].members.at(m).moment_max.present) << m;
    EXPECT_EQ(Extremes(huge.combinations[1].members.at(m)),
              Extremes(plain.combinations[1].members.at(m)));
  }
  EXPECT_TRUE(huge.combinations[0].joints.at(0).overflow);
  EXPECT_EQ(huge.combinations[1].joints.at(0).fy_max, plain.combinations[1].joints.at(0).fy_max);
  EXPECT_EQ(std::count_if(huge.warnings.begin(), huge.warnings.end(),
                          [](const std::string& w) {
                            return w.rfind("the envelope of combination ULS overflows at ", 0) == 0;
                          }),
            1);
  const std::string design = Slurp(input.parent_path() / "Design.txt");
  EXPECT_NE(design.find("ENVELOPE OF COMBINATION SLS"), std::string::npos);
}

// A label typed in Latin-1 (beside one in UTF-8) reaches the JSON as UTF-8.
TEST(LoadCases, ALatin1LabelReachesTheJsonAsUtf8) {
  const ScratchFolder folder("latin1");
  const fs::path input = folder.Write(WithBlock(", SLS", ", Tr\xE4ger \xC3\xA4"));
  const fs::path out = folder.path() / "out.json";
  ASSERT_EQ(Analyse({"--json", input.string()}, out), 0);
  const auto json = nlohmann::json::parse(Slurp(out));
  EXPECT_EQ(json["combinations"][1]["label"], "Tr\xC3\xA4ger \xC3\xA4");
}
