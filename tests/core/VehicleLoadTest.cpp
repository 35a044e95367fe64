// A vehicle over an influence line: its extremes against the classic
// theorems and closed forms, against stepping every position, and at the
// edges (a vehicle longer than the beam, coincident axles, a zero line); the
// lane load's areas of a line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "design/LaneLoad.h"
#include "design/VehicleExtremes.h"

using namespace spanwise;

namespace {

constexpr Direction kPlus = Direction::kIncreasingX, kMinus = Direction::kDecreasingX;

// Pieces over [breaks[0], breaks.back()], coefficients lowest first.
InfluenceLine Line(const std::vector<double>& breaks, const std::vector<std::vector<double>>& c) {
  InfluenceLine line;
  for (std::size_t j = 0; j + 1 < breaks.size(); ++j) {
    Piece p{breaks[j], breaks[j + 1], {}};
    std::copy(c[j].begin(), c[j].end(), p.c.begin());
    line.push_back(p);
  }
  return line;
}

// The moment at section a of a simple span [0, L] under a unit load at X.
InfluenceLine SimpleSpanMoment(double L, double a) {
  return Line({0, a, L}, {{0, (L - a) / L}, {a * (L - a) / L, -a / L}});
}

// The moment over the middle support of two equal spans L:
// -x (L^2 - x^2) / (4 L^2), and its mirror image.
InfluenceLine TwoSpanSupportMoment(double L) {
  return Line({0, L, 2 * L},
              {{0, -0.25, 0, 1 / (4 * L * L)}, {0, -0.5, 0.75 / L, -1 / (4 * L * L)}});
}

// The moment over the first inner support of three equal spans L, by the
// three-moment equations: M_B = (-4 R_B + R_C) / (15 L).
InfluenceLine ThreeSpanSupportMoment(double L) {
  const double q = 15 * L * L;
  return Line({0, L, 2 * L, 3 * L}, {{0, -4.0 / 15, 0, 4 / q},
                                     {0, -7.0 / 15, 12 * L / q, -5 / q},
                                     {0, 2.0 / 15, -3 * L / q, 1 / q}});
}

Vehicle Axles(const std::vector<double>& loads, const std::vector<double>& spacings) {
  Vehicle v;
  for (std::size_t k = 0; k < loads.size(); ++k) v.axles.push_back({0, loads[k], spacings[k], ""});
  return v;
}

struct Expected {
  double value, x1;
  Direction direction;
  Approach approach;
};

void ExpectExtreme(const VehicleExtreme& got, const Expected& want, double tolerance) {
  ASSERT_TRUE(got.present);
  EXPECT_NEAR(got.value, want.value, tolerance * std::max(1.0, std::abs(want.value)));
  EXPECT_NEAR(got.x1, want.x1, tolerance * std::max(1.0, std::abs(want.x1)));
  EXPECT_EQ(got.direction, want.direction);
  EXPECT_EQ(got.approach, want.approach);
}

}  // namespace

TEST(VehicleExtremes, ClosedForms) {
  const double root3 = std::sqrt(3.0);
  const struct {
    const char* name;
    InfluenceLine line;
    Vehicle vehicle;
    Expected max, min;
    double tolerance;  // 0: exact
  } cases[] = {
      // Axles 2 and 1, 3 apart, span 8: the resultant lies 1 behind the heavy
      // axle; midspan halfway between them puts it at 3.5, the moment
      // 3/32 (8 - 1)^2 under it, the light axle ahead (toward -x) at 6.5.
      {"two axles at the theorem's section",
       SimpleSpanMoment(8, 3.5),
       Axles({2, 1}, {0, 3}),
       {4.59375, 3.5, kMinus, Approach::kAt},
       {0, -3, kMinus, Approach::kAt},
       0},
      {"one axle on two spans",
       TwoSpanSupportMoment(6),
       Axles({1.5}, {0}),
       {0, 0, kPlus, Approach::kAt},
       {-1.5 * 6 / (6 * root3), 6 / root3, kPlus, Approach::kAt},
       1e-12},
      // Two axles 4 apart on a line that is 1 beyond X = 4: the value with
      // the axles at 4 and 8 is 2, of which each side's limit has only 1.
      {"both axles at a jump and the far end",
       Line({0, 4, 8}, {{0}, {1}}),
       Axles({1, 1}, {0, 4}),
       {2, 4, kMinus, Approach::kAt},
       {0, -4, kMinus, Approach::kAt},
       0},
      {"a limit from below",
       Line({0, 4, 8}, {{0, 0.25}, {-1}}),
       Axles({1}, {0}),
       {1, 4, kPlus, Approach::kBelow},
       {-1, 4, kPlus, Approach::kAt},
       0},
  };
  VehicleScratch scratch;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    VehicleExtreme max, min;
    VehicleExtremes(c.line, c.vehicle, scratch, max, min);
    ExpectExtreme(max, c.max, c.tolerance);
    ExpectExtreme(min, c.min, c.tolerance);
  }
}

// The theorem's section holds the absolute largest moment: no section of a
// fine set along the span gives more.
TEST(VehicleExtremes, AbsoluteMaximumOverSections) {
  const Vehicle vehicle = Axles({2, 1}, {0, 3});
  VehicleScratch scratch;
  double largest = 0, at = 0;
  for (int i = 1; i < 64; ++i) {
    VehicleExtreme max, min;
    VehicleExtremes(SimpleSpanMoment(8, i / 8.0), vehicle, scratch, max, min);
    if (max.value > largest) largest = max.value, at = i / 8.0;
  }
  EXPECT_EQ(largest, 4.59375);
  EXPECT_EQ(at, 3.5);
}

TEST(VehicleExtremes, Edges) {
  const InfluenceLine peak = SimpleSpanMoment(8, 4);  // 2 at midspan
  const struct {
    const char* name;
    InfluenceLine line;
    Vehicle vehicle;
    Expected max, min;
  } cases[] = {
      // Axle 2 alone at midspan; the smallest X1 with nothing on the line
      // but an axle at its end is axle 2 entering from X = 0 toward -x.
      {"longer than the beam",
       peak,
       Axles({1, 3}, {0, 20}),
       {6, -16, kMinus, Approach::kAt},
       {0, -20, kMinus, Approach::kAt}},
      {"axles at one point",
       peak,
       Axles({1, 2, 3}, {0, 0, 0}),
       {12, 4, kPlus, Approach::kAt},
       {0, 0, kPlus, Approach::kAt}},
      {"a zero line",
       Line({0, 3, 8}, {{0}, {0}}),
       Axles({1, 2}, {0, 3}),
       {0, -3, kMinus, Approach::kAt},
       {0, -3, kMinus, Approach::kAt}},
      // Both axles on the one piece first at X1 = 0 toward -x; axle 1 alone
      // at X1 = 0 toward +x.
      {"a single piece",
       Line({0, 8}, {{1}}),
       Axles({1, 2}, {0, 3}),
       {3, 0, kMinus, Approach::kAt},
       {1, 0, kPlus, Approach::kAt}},
  };
  VehicleScratch scratch;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    VehicleExtreme max, min;
    VehicleExtremes(c.line, c.vehicle, scratch, max, min);
    ExpectExtreme(max, c.max, 0);
    ExpectExtreme(min, c.min, 0);
  }
  VehicleExtreme max, min;
  VehicleExtremes({}, Axles({1}, {0}), scratch, max, min);
  EXPECT_FALSE(max.present || min.present);
  VehicleExtremes(peak, Vehicle{}, scratch, max, min);
  EXPECT_FALSE(max.present || min.present);
  VehicleExtremes(Line({0, 8}, {{HUGE_VAL}}), Axles({1}, {0}), scratch, max, min);
  EXPECT_FALSE(max.present || min.present);
  VehicleExtremes(peak, Axles({1, 1}, {0, NAN}), scratch, max, min);
  EXPECT_FALSE(max.present || min.present);
}

// Random piecewise cubics, each piece on its own (a jump at every joint),
// and vehicles of 1 to 6 axles, some coincident: no stepped position gives
// more than the max or less than the min, and each extreme is the value or
// the limit it says it is.
TEST(VehicleExtremes, SteppingOracle) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> unit(-1, 1), load(0.5, 3), spacing(0, 4);
  VehicleScratch scratch;
  for (int trial = 0; trial < 120; ++trial) {
    SCOPED_TRACE(trial);
    std::vector<double> breaks{0};
    std::vector<std::vector<double>> c;
    const int pieces = 1 + trial % 5;
    for (int j = 0; j < pieces; ++j) {
      breaks.push_back(breaks.back() + 1 + 3 * (unit(random) + 1));
      c.push_back({unit(random), unit(random), unit(random) / 2, unit(random) / 8});
    }
    const InfluenceLine line = Line(breaks, c);
    std::vector<double> loads, spacings{0};
    const int axles = 1 + trial % 6;
    for (int k = 0; k < axles; ++k) loads.push_back(load(random));
    for (int k = 1; k < axles; ++k) spacings.push_back(k % 4 == 3 ? 0 : spacing(random));
    const Vehicle vehicle = Axles(loads, spacings);
    VehicleExtreme max, min;
    VehicleExtremes(line, vehicle, scratch, max, min);
    ASSERT_TRUE(max.present && min.present);
    double length = 0;
    for (double s : spacings) length += s;
    for (const Direction d : {kPlus, kMinus})
      for (int i = 0; i <= 4000; ++i) {
        // X1 from axle 1 entering to the last axle leaving.
        const double lo = breaks.front() - (d == kPlus ? 0 : length),
                     hi = breaks.back() + (d == kPlus ? length : 0);
        const double e = VehicleEffect(line, vehicle, std::min(hi, lo + (hi - lo) * i / 4000), d);
        EXPECT_GE(max.value, e - 1e-9);
        EXPECT_LE(min.value, e + 1e-9);
      }
    for (const VehicleExtreme& x : {max, min}) {
      EXPECT_EQ(VehicleEffect(line, vehicle, x.x1, x.direction, x.approach), x.value);
      // A limit is what positions just beside it approach.
      const double side = x.approach == Approach::kBelow   ? -1e-9
                          : x.approach == Approach::kAbove ? 1e-9
                                                           : 0;
      EXPECT_NEAR(VehicleEffect(line, vehicle, x.x1 + side, x.direction), x.value,
                  1e-6 * std::max(1.0, std::abs(x.value)));
    }
  }
}

TEST(LaneLoad, Areas) {
  const double L = 6;
  const struct {
    const char* name;
    InfluenceLine line;
    LaneAreas want;
  } cases[] = {
      // -x (L^2 - x^2) / (4 L^2) integrates to -L^2 / 16 over each span.
      {"two-span support moment", TwoSpanSupportMoment(L), {0, -L * L / 8, -L * L / 8}},
      // Spans 1, 2, 3: -L^2 / 15, -L^2 / 20, +L^2 / 60.
      {"three-span support moment",
       ThreeSpanSupportMoment(L),
       {L * L / 60, -7 * L * L / 60, -L * L / 10}},
      // t (t - 1)(t - 3): 5/12 on (0, 1), -8/3 on (1, 3).
      {"a sign change inside a piece",
       Line({2, 5}, {{0, 3, -4, 1}}),
       {5.0 / 12, -8.0 / 3, -9.0 / 4}},
      {"no line", {}, {0, 0, 0}},
  };
  std::vector<double> roots;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const LaneAreas got = LaneAreasOf(c.line, roots);
    EXPECT_NEAR(got.positive, c.want.positive, 1e-12 * L * L);
    EXPECT_NEAR(got.negative, c.want.negative, 1e-12 * L * L);
    EXPECT_NEAR(got.whole, c.want.whole, 1e-12 * L * L);
  }
  // Where the line changes sign, the lane on the adverse lengths alone is worse.
  const LaneAreas three = LaneAreasOf(ThreeSpanSupportMoment(L), roots);
  EXPECT_GT(std::abs(three.negative), std::abs(three.whole));
}
