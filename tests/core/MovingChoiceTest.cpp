// A moving case in the Beam window: its band ends on the envelope's end
// values, and the influence lines it draws from the kept lines (a reaction
// of a support, of a spring, a section of a member entered right to left)
// equal those of the run's own solves, the vehicle at its worst on a
// reaction's line giving the envelope's reaction.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "design/MemberInfluence.h"
#include "design/MovingChoice.h"
#include "run/AnalysisRun.h"
#include "tests/support/Files.h"

namespace {

using namespace spanwise;
using spanwise::test::ScratchFolder;

// Three spans, the last entered right to left and held by a spring; a
// two-axle vehicle with a lane load as case 2.
const char* const kBeam =
    "4\n0, a\n10, b\n20, c\n26, d\n3\n1, 1, 0, a\n2, 1, 0, b\n3, 1, 0, c\n1\n2E8, e\n1\n"
    "0.0004, i\n3\n1, 2, 1, 1, s1\n2, 3, 1, 1, s2\n4, 3, 1, 1, s3\n1\n"
    "1, 2, 5, 5, 0, 0, dead\n0\nSPRINGS, 1\n4, 20000, 0, bearing\nCASES, 1\nmoving, lorry\n"
    "2, 3, lorry\n100, 0, front\n60, 4, rear\n";

struct MovingRun {
  ScratchFolder folder{"moving-choice"};
  std::string input = folder.Write(kBeam);
  RunOutcome outcome;
  MovingRun() {
    RunOptions options;
    options.keep_design = true;
    outcome = AnalysisRun(input, options);
  }
};

TEST(MovingChoice, BandEndsOnTheEnvelope) {
  MovingRun run;
  ASSERT_TRUE(run.outcome.ok) << run.outcome.reason;
  const DesignValues& design = *run.outcome.design;
  const MovingEnvelope* envelope = MovingCaseOf(design, 2);
  ASSERT_NE(envelope, nullptr);
  EXPECT_EQ(MovingCaseOf(design, 1), nullptr);
  EXPECT_EQ(LoadChoices(design).at(1).text, "Case 2: lorry (moving)");
  for (long m = 1; m <= 3; ++m) {
    const MovingEnvelope::Member& e = envelope->members.at(static_cast<std::size_t>(m - 1));
    EnvelopeCurve v, mo;
    ASSERT_TRUE(MovingCurveOf(design, 2, m, Quantity::kShear, 6, v));
    ASSERT_TRUE(MovingCurveOf(design, 2, m, Quantity::kMoment, 6, mo));
    ASSERT_GE(v.x.size(), 7u);
    EXPECT_EQ(v.x.front(), 0);
    EXPECT_EQ(v.min.front(), e.shear_min.value);
    EXPECT_EQ(v.max.back(), e.shear_max.value);
    EXPECT_EQ(std::min(mo.min.front(), mo.min.back()), e.moment_min.value);
    // The largest moment is a section of the band, and nothing exceeds it.
    const auto at = std::find(mo.x.begin(), mo.x.end(), e.moment_max.x);
    ASSERT_NE(at, mo.x.end());
    EXPECT_EQ(mo.max.at(static_cast<std::size_t>(at - mo.x.begin())), e.moment_max.value);
    EXPECT_LE(*std::max_element(mo.max.begin(), mo.max.end()), e.moment_max.value);
  }
  EnvelopeCurve none;
  EXPECT_FALSE(MovingCurveOf(design, 1, 1, Quantity::kMoment, 6, none));
}

TEST(MovingChoice, LinesEqualTheRunsAndTheWorstVehicleItsReaction) {
  MovingRun run;
  ASSERT_TRUE(run.outcome.ok) << run.outcome.reason;
  const DesignValues& design = *run.outcome.design;
  const MovingEnvelope& envelope = *MovingCaseOf(design, 2);
  const auto reaction = [](long joint) {
    InfluenceQuantity q;
    q.kind = InfluenceKind::kReactionFy;
    q.joint = joint;
    return q;
  };
  InfluenceQuantity section;
  section.member = 3;
  section.x = 2.5;
  for (const InfluenceQuantity& q : {reaction(1), reaction(2), reaction(3), reaction(4), section}) {
    InfluenceLine mine, theirs;
    ASSERT_TRUE(BeamInfluence(design, q, mine)) << q.joint;
    ASSERT_TRUE(InfluenceRun(run.input, q, theirs).ok) << q.joint;
    EXPECT_EQ(mine.front().x0, 0);
    EXPECT_EQ(mine.back().x1, 26);
    for (double X = 0; X <= 26; X += 0.25)
      EXPECT_NEAR(Evaluate(mine, X), Evaluate(theirs, X), 1e-12) << q.joint << " at " << X;
    if (q.joint == 0) continue;
    const auto held = std::find_if(envelope.joints.begin(), envelope.joints.end(),
                                   [&](const auto& j) { return j.joint == q.joint; });
    ASSERT_NE(held, envelope.joints.end());
    const Vehicle& lorry = design.vehicles.at(0);
    for (const bool largest : {true, false}) {
      const PlacedVehicle worst = WorstVehicle(mine, lorry, largest);
      const MovingExtreme& e = largest ? held->fy_max : held->fy_min;
      EXPECT_NEAR(worst.value, e.value, 1e-9 * std::abs(e.value)) << q.joint;
      EXPECT_FALSE(worst.lane.empty());
    }
  }
  InfluenceLine none;
  EXPECT_FALSE(BeamInfluence(design, reaction(9), none));
}

}  // namespace
