// Influence lines: closed forms, plain runs with a unit load, and the CLI.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "run/AnalysisRun.h"
#include "tests/support/Design.h"
#include "tests/support/Spawn.h"

namespace {

using spanwise::InfluenceKind;
using spanwise::InfluenceQuantity;
using spanwise::test::ScratchFolder;

// Joints at xs, supports "joint, fy, mz" lines, members "i, j" with E I = 1e4.
std::string Beam(const std::vector<double>& xs, const std::vector<std::string>& supports,
                 const std::vector<std::string>& members, const std::string& loads = "0\n",
                 const std::string& blocks = "") {
  std::string s = std::to_string(xs.size()) + "\n";
  for (double x : xs) s += std::to_string(x) + ", j\n";
  s += std::to_string(supports.size()) + "\n";
  for (const std::string& r : supports) s += r + ", s\n";
  s += "1\n200000000, e\n1\n0.00005, i\n" + std::to_string(members.size()) + "\n";
  for (const std::string& m : members) s += m + ", 1, 1, m\n";
  return s + loads + "0\n" + blocks;
}

InfluenceQuantity Q(InfluenceKind kind, long n, double x = 0) {
  InfluenceQuantity q;
  q.kind = kind;
  (kind == InfluenceKind::kReactionFy || kind == InfluenceKind::kReactionMz ? q.joint : q.member) =
      n;
  q.x = x;
  return q;
}

spanwise::InfluenceLine LineOf(const std::string& beam, const InfluenceQuantity& q) {
  ScratchFolder folder("influence");
  spanwise::InfluenceLine line;
  const spanwise::RunOutcome outcome = spanwise::InfluenceRun(folder.Write(beam), q, line);
  EXPECT_TRUE(outcome.ok) << outcome.reason;
  return line;
}

const std::string kSimple = Beam({0, 10}, {"1, 1, 0", "2, 1, 0"}, {"1, 2"});
const std::string kPropped = Beam({0, 10}, {"1, 1, 1", "2, 1, 0"}, {"1, 2"});
const std::string kTwoSpans =
    Beam({0, 10, 20}, {"1, 1, 0", "2, 1, 0", "3, 1, 0"}, {"1, 2", "2, 3"});

TEST(Influence, ClosedForms) {
  struct Case {
    const std::string* beam;
    InfluenceQuantity q;
    double X, expected;
  };
  const Case cases[] = {
      {&kSimple, Q(InfluenceKind::kMoment, 1, 4), 2, 1.2},  // (L - x) a / L
      {&kSimple, Q(InfluenceKind::kMoment, 1, 4), 7, 1.2},  // x (L - a) / L
      {&kSimple, Q(InfluenceKind::kShear, 1, 4), 2, 0.2},   // a / L
      {&kSimple, Q(InfluenceKind::kShear, 1, 4), 7, -0.3},  // -(L - a) / L
      {&kSimple, Q(InfluenceKind::kReactionFy, 1), 3, 0.7},
      {&kSimple, Q(InfluenceKind::kDeflection, 1, 5), 5, -1000.0 / (48 * 1e4)},
      // a - a^2 (3L - a) / (2 L^2): 3 L / 16 at midspan
      {&kPropped, Q(InfluenceKind::kReactionMz, 1), 5, 1.875},
      {&kPropped, Q(InfluenceKind::kReactionMz, 1), 2, 2 - 4.0 * 28 / 200},
      {&kPropped, Q(InfluenceKind::kReactionFy, 2), 5, 25.0 * 25 / 2000},
      // Two spans: M_B = a (L^2 - a^2) / (4 L^2) hogging; R_B by statics.
      {&kTwoSpans, Q(InfluenceKind::kMoment, 1, 10), 5, -0.9375},
      {&kTwoSpans, Q(InfluenceKind::kMoment, 2, 0), 15, -0.9375},
      {&kTwoSpans, Q(InfluenceKind::kReactionFy, 2), 5, 0.6875},
      {&kTwoSpans, Q(InfluenceKind::kReactionFy, 2), 15, 0.6875},
      {&kTwoSpans, Q(InfluenceKind::kReactionFy, 3), 5, -0.09375},
  };
  for (const Case& c : cases) {
    const double value = spanwise::Evaluate(LineOf(*c.beam, c.q), c.X);
    EXPECT_NEAR(value, c.expected, 1e-12 * std::max(1.0, std::fabs(c.expected)))
        << static_cast<int>(c.q.kind) << " at X " << c.X;
  }
}

// Springs, a hinge, a rotational spring and a member entered right to
// left: the line at X is the plain run's value with a unit load at X.
TEST(Influence, EqualsPlainRunsWithAUnitLoad) {
  const std::vector<double> xs = {0, 6, 10, 16};
  const std::vector<std::string> supports = {"1, 1, 1", "2, 1, 0", "4, 1, 0"};
  const std::vector<std::string> members = {"1, 2", "2, 3", "4, 3"};
  const std::string blocks = "SPRINGS, 2\n3, 5000, 0, kv\n4, 0, 20000, kr\nRELEASES, 1\n2, j, h\n";
  // Member and distance from its end i of the load at X.
  const auto place = [](double X) -> std::pair<int, double> {
    if (X <= 6) return {1, X};
    if (X <= 10) return {2, X - 6};
    return {3, 16 - X};
  };
  const InfluenceQuantity quantities[] = {
      Q(InfluenceKind::kMoment, 2, 3),     Q(InfluenceKind::kShear, 1, 2),
      Q(InfluenceKind::kDeflection, 3, 2), Q(InfluenceKind::kMoment, 3, 4.5),
      Q(InfluenceKind::kReactionMz, 1),    Q(InfluenceKind::kReactionFy, 3),
      Q(InfluenceKind::kReactionMz, 4),    Q(InfluenceKind::kReactionFy, 2),
      Q(InfluenceKind::kDeflection, 2, 4),
  };
  const std::string beam = Beam(xs, supports, members, "0\n", blocks);
  std::vector<spanwise::InfluenceLine> lines;
  for (const InfluenceQuantity& q : quantities) lines.push_back(LineOf(beam, q));
  std::vector<std::vector<double>> plain(std::size(quantities));
  const double loads_at[] = {1.5, 5.2, 7, 9.9, 13, 15.2};
  for (double X : loads_at) {
    const auto [m, a] = place(X);
    ScratchFolder folder("influence-plain");
    const std::string load =
        "1\n" + std::to_string(m) + ", 1, 1, 0, " + std::to_string(a) + ", 0, P\n";
    const spanwise::DesignValues d =
        spanwise::test::DesignOf(folder.Write(Beam(xs, supports, members, load, blocks)));
    ASSERT_FALSE(d.members.empty());
    for (std::size_t k = 0; k < std::size(quantities); ++k) {
      const InfluenceQuantity& q = quantities[k];
      const auto& member = d.members.at(static_cast<std::size_t>(std::max(q.member, 1L) - 1));
      const auto& joint = d.joints.at(static_cast<std::size_t>(std::max(q.joint, 1L) - 1));
      const spanwise::Piecewise* f = q.kind == InfluenceKind::kMoment       ? &member.moment
                                     : q.kind == InfluenceKind::kShear      ? &member.shear
                                     : q.kind == InfluenceKind::kDeflection ? &member.deflection
                                                                            : nullptr;
      plain[k].push_back(f != nullptr                           ? spanwise::Evaluate(*f, q.x)
                         : q.kind == InfluenceKind::kReactionFy ? joint.fy
                                                                : joint.mz);
    }
  }
  for (std::size_t k = 0; k < std::size(quantities); ++k) {
    double scale = 0;
    for (double v : plain[k]) scale = std::max(scale, std::fabs(v));
    for (std::size_t n = 0; n < std::size(loads_at); ++n)
      EXPECT_NEAR(spanwise::Evaluate(lines[k], loads_at[n]), plain[k][n], 1e-9 * scale)
          << "quantity " << k << " at X " << loads_at[n];
  }
}

TEST(Influence, CliPrintsTheLineAndWritesNothing) {
  ScratchFolder folder("influence-cli");
  const std::filesystem::path input = folder.Write(
      "2\n0, a\n10, b\n2\n1, 1, 0, pin\n2, 1, 0, roller\n1\n"
      "200000000, steel\n1\n0.0001, ibeam\n1\n1, 2, 1, 1, span\n0\n0\n");
  EXPECT_EQ(spanwise::test::Analyse({"--influence", "V:1:4", input.string()}, folder.path() / "out",
                                    folder.path() / "err"),
            0);
  EXPECT_EQ(spanwise::test::Slurp(folder.path() / "out"),
            spanwise::test::Slurp(spanwise::test::kData / "influence/simple-span-V-1-4.csv"));
  std::filesystem::remove(folder.path() / "out");
  std::filesystem::remove(folder.path() / "err");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);

  // Usage errors: no quantity, an unknown kind, member, section or joint, other options.
  for (const std::string bad :
       {"", "X:1:2", "M:0:1", "M:1:11", "M:1:-1", "M:3:1", "R:9:fy", "R:2:mz", "R:1:fz",
        "M:1:1 --json", "M:1:1 --case 1", "M:1:1 --combination A"}) {
    std::vector<std::string> args{"--influence"};
    std::istringstream words(bad);
    for (std::string word; words >> word;) args.push_back(word);
    args.push_back(input.string());
    EXPECT_EQ(spanwise::test::Analyse(args), 2) << bad;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
