// Springs, releases and settlements against closed forms, and every new way
// to make a mechanism.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "run/AnalysisRun.h"
#include "tests/support/Files.h"

using namespace spanwise::test;
using spanwise::DesignValues;

namespace {

const ScratchFolder kScratch("supports");

spanwise::RunOutcome Analyse(const std::string& model) {
  std::ofstream(kScratch.path() / "Beam.sma", std::ios::binary) << model;
  spanwise::RunOptions options;
  options.keep_design = true;
  return spanwise::AnalysisRun((kScratch.path() / "Beam.sma").string(), options);
}

// Members joining neighbouring joints at xs, E * I = 1000, a uniform load w
// on every member, then the blocks.
std::string Beam(const std::vector<double>& xs, const std::string& supports, double w,
                 const std::string& blocks, const std::string& joint_loads = "0\r\n") {
  std::ostringstream loads;
  loads.precision(17);
  loads << (w == 0 ? 0 : xs.size() - 1) << "\r\n";
  for (std::size_t m = 1; w != 0 && m < xs.size(); ++m)
    loads << m << ",2," << w << ',' << w << ",0,0,w\r\n";
  return BeamOf(xs, supports, loads.str(), joint_loads) + blocks;
}

constexpr double EI = 1000;

enum What { kFy, kMz, kDeflection, kMomentMax, kMomentMin, kEndMoment, kHingeRotation };

struct Check {
  What what;
  long index;  // joint (kFy, kMz, kDeflection), member, or hinge (0-based)
  double expected;
};

double Value(const DesignValues& d, const Check& c) {
  const auto at = [](auto& v, long k) -> auto& { return v.at(static_cast<std::size_t>(k)); };
  switch (c.what) {
    case kFy:
      return at(d.joints, c.index - 1).fy;
    case kMz:
      return at(d.joints, c.index - 1).mz;
    case kDeflection:
      return at(d.joints, c.index - 1).deflection;
    case kMomentMax:
      return at(d.members, c.index - 1).moment_max.value;
    case kMomentMin:
      return at(d.members, c.index - 1).moment_min.value;
    case kEndMoment:
      return at(d.members, c.index - 1).end_forces[3];
    case kHingeRotation:
      return at(d.hinges, c.index).member_rotation;
  }
  return 0;
}

TEST(Supports, MatchClosedForms) {
  const double L = 4, w = 1;
  // Propped cantilever, the prop a spring k: R = (w L^4 / 8 EI) / (1 / k + L^3 / 3 EI).
  const auto prop = [&](double k) {
    return (w * L * L * L * L / (8 * EI)) / (1 / k + L * L * L / (3 * EI));
  };
  const double stiff = 1e12 * EI / (L * L * L), mid = 3 * EI / (L * L * L);
  const auto springs = [](double k) {
    std::ostringstream s;
    s.precision(17);
    s << "SPRINGS, 1\r\n2, " << k << ", 0, prop\r\n";
    return s.str();
  };
  // Rotational spring kr at a pinned end: M = (w L^3 / 24 EI) kr / (1 + kr L / 3 EI).
  const double kr = 3 * EI / L;
  const double delta = -0.01;  // a settlement of the far end of a fixed-ended beam
  const struct {
    const char* name;
    std::string model;
    std::vector<Check> checks;
  } cases[] = {
      {"a spring prop of 0 leaves the cantilever",
       Beam({0, L}, "1\r\n1,1,1,x\r\n", w, springs(0)),
       {{kFy, 1, w * L}, {kMz, 1, w * L * L / 2}, {kDeflection, 2, -w * L * L * L * L / (8 * EI)}}},
      {"a stiff spring prop gives the propped cantilever",
       Beam({0, L}, "1\r\n1,1,1,x\r\n", w, springs(stiff)),
       {{kFy, 2, 3 * w * L / 8}, {kFy, 1, 5 * w * L / 8}, {kMz, 1, w * L * L / 8}}},
      {"a spring prop between",
       Beam({0, L}, "1\r\n1,1,1,x\r\n", w, springs(mid)),
       {{kFy, 2, prop(mid)}, {kFy, 2, 3 * w * L / 16}, {kDeflection, 2, -prop(mid) / mid}}},
      {"a beam on two equal springs",
       Beam({0, L}, "0\r\n", w, "SPRINGS, 2\r\n1,500,0,\r\n2,500,0,\r\n"),
       {{kFy, 1, w * L / 2},
        {kFy, 2, w * L / 2},
        {kDeflection, 1, -w * L / 2 / 500},
        {kMomentMax, 1, w * L * L / 8}}},
      {"a fixed-ended beam with a settlement",
       Beam({0, L}, "2\r\n1,1,1,x\r\n2,1,1,x\r\n", 0,
            "SETTLEMENTS, 1\r\n1, 2, -0.01, 0, sinks\r\n"),
       {{kMz, 1, -6 * EI * delta / (L * L)},
        {kMz, 2, -6 * EI * delta / (L * L)},
        {kFy, 1, -12 * EI * delta / (L * L * L)},
        {kDeflection, 2, delta}}},
      {"two spans with a hinge over the support are two simple spans",
       Beam({0, L, 2 * L}, "3\r\n1,1,0,\r\n2,1,0,\r\n3,1,0,\r\n", w,
            "RELEASES, 1\r\n1, j, hinge\r\n"),
       {{kFy, 1, w * L / 2},
        {kFy, 2, w * L},
        {kMomentMax, 1, w * L * L / 8},
        {kMomentMax, 2, w * L * L / 8},
        {kEndMoment, 1, 0},
        {kHingeRotation, 0, w * L * L * L / (24 * EI)}}},
      {"a Gerber beam: a suspended span on a cantilever",
       Beam({0, 6, 8, 14}, "3\r\n1,1,0,\r\n2,1,0,\r\n4,1,0,\r\n", w,
            "RELEASES, 1\r\n3, I, hinge\r\n"),
       {{kFy, 4, 3},
        {kFy, 2, 56.0 / 6},
        {kFy, 1, 11 - 56.0 / 6},
        {kMomentMin, 2, -8},
        {kMomentMax, 3, 4.5}}},
      {"a rotational spring between pinned and fixed",
       Beam({0, L}, "2\r\n1,1,0,\r\n2,1,0,\r\n", w, "SPRINGS, 1\r\n1, 0, 750, wall\r\n"),
       {{kMz, 1, (w * L * L * L / (24 * EI)) * kr / (1 + kr * L / (3 * EI))},
        {kMz, 1, w * L * L / 16}}},
  };
  for (const auto& c : cases) {
    const auto outcome = Analyse(c.model);
    ASSERT_TRUE(outcome.ok) << c.name << ": " << outcome.reason;
    for (const Check& check : c.checks)
      EXPECT_NEAR(Value(*outcome.design, check), check.expected,
                  1e-9 * std::max(1.0, std::abs(check.expected)))
          << c.name << ", check " << check.what << " of " << check.index;
    const auto& e = outcome.design->equilibrium;
    EXPECT_NEAR(e.residual, 0, 1e-9 * std::abs(e.loads_fy) + 1e-12) << c.name;
  }
}

TEST(Supports, MechanismsAreNamed) {
  const struct {
    const char* name;
    std::string model;
    int line;
    const char* reason;
  } cases[] = {
      {"a cantilever with a hinge and a free tip",
       Beam({0, 4, 6}, "1\r\n1,1,1,\r\n", 1, "RELEASES, 1\r\n1, j,\r\n"), 13,
       "line 13, members record 2: the beam is a mechanism: member 2 can turn about the hinge at "
       "joint 2: nothing holds joint 3 vertically"},
      {"three hinges in a line",
       Beam({0, 4, 8}, "2\r\n1,1,0,\r\n3,1,0,\r\n", 1, "RELEASES, 1\r\n2, i,\r\n"), 13,
       "members record 1: the beam is a mechanism: members 1 and 2 can turn about joint 1 and "
       "joint "
       "3: nothing holds the hinge at joint 2 vertically"},
      {"a member released at both ends hangs from a hinge",
       Beam({0, 4, 6}, "1\r\n1,1,1,\r\n", 1, "RELEASES, 2\r\n2, 1,\r\n2, 2,\r\n"), 13,
       "member 2 can turn about the hinge at joint 2: nothing holds the hinge at joint 3 "
       "vertically"},
      {"a fixed support does not hold a released end",
       Beam({0, 4}, "1\r\n1,1,1,\r\n", 1, "RELEASES, 1\r\n1, i,\r\n"), 11,
       "member 1 can turn about the hinge at joint 1: nothing holds joint 2 vertically"},
      {"a rotational support beyond a hinge holds no second point",
       Beam({0, 4, 8}, "2\r\n1,1,0,\r\n3,0,1,\r\n", 1, "RELEASES, 1\r\n1, j,\r\n"), 13,
       "members 1 and 2 can turn about joint 1: nothing holds the hinge at joint 2 vertically"},
      {"a spring of no stiffness holds nothing",
       Beam({0, 4}, "1\r\n1,1,0,\r\n", 1, "SPRINGS, 1\r\n2, 0, 0, none\r\n"), 2,
       "held vertically only at X = 0 and nowhere against rotation"},
  };
  for (const auto& c : cases) {
    const auto outcome = Analyse(c.model);
    EXPECT_EQ(outcome.fault, spanwise::RunFault::kData) << c.name;
    EXPECT_NE(outcome.reason.find(c.reason), std::string::npos) << c.name << ": " << outcome.reason;
    EXPECT_EQ(outcome.line, c.line) << c.name << ": " << outcome.reason;
  }
}

}  // namespace
