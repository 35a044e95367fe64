// A vehicle over an influence line: its extremes against the classic
// theorems and closed forms, against stepping every position, and at the
// edges (a vehicle longer than the beam, coincident axles, a zero line); the
// lane load's areas of a line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "design/LaneLoad.h"
#include "design/VehicleExtremes.h"
#include "tests/support/Files.h"

using namespace spanwise;
using namespace spanwise::test;

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

// The classic theorems and closed forms, and the edges: rows of
// tests/data/vehicle-extremes.txt.
TEST(VehicleExtremes, ClosedFormsAndEdges) {
  const auto numbers = [](const std::string& field) {
    std::vector<double> v;
    std::istringstream words(field);
    for (std::string word; words >> word;) v.push_back(Number(word));
    return v;
  };
  const auto expected = [&](const std::string& field) {
    std::istringstream words(field);
    std::string value, x1, direction, approach;
    words >> value >> x1 >> direction >> approach;
    return Expected{Number(value), Number(x1), direction == "+x" ? kPlus : kMinus,
                    approach == "at"      ? Approach::kAt
                    : approach == "below" ? Approach::kBelow
                                          : Approach::kAbove};
  };
  VehicleScratch scratch;
  const auto rows = TableRows(kData / "vehicle-extremes.txt");
  ASSERT_EQ(rows.size(), 8u);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.at(0));
    ASSERT_EQ(row.size(), 8u);
    std::vector<std::vector<double>> pieces;
    std::istringstream split(row[2]);
    for (std::string piece; std::getline(split, piece, '/');) pieces.push_back(numbers(piece));
    VehicleExtreme max, min;
    VehicleExtremes(Line(numbers(row[1]), pieces), Axles(numbers(row[3]), numbers(row[4])), scratch,
                    max, min);
    ExpectExtreme(max, expected(row[5]), Number(row[7]));
    ExpectExtreme(min, expected(row[6]), Number(row[7]));
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

// A line, a vehicle or a spacing of nothing, or a value not finite: no extremes.
TEST(VehicleExtremes, NothingToStand) {
  const InfluenceLine peak = SimpleSpanMoment(8, 4);
  VehicleScratch scratch;
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
