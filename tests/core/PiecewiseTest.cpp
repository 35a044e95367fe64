// A function along a member in pieces: its value at a point, from either
// side of a joint between pieces, and the points a window draws.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "design/DesignParts.h"
#include "design/DesignValues.h"

using namespace spanwise;

TEST(Piecewise, EvaluatesEachSideAndSamplesEveryPiece) {
  // 1 + 2t on [0, 2], then 10 - t^2 on [2, 6], t measured from each piece's start.
  const Piecewise f = {{0, 2, {1, 2}}, {2, 6, {10, 0, -1}}};
  EXPECT_EQ(Evaluate(f, 1), 3);
  EXPECT_EQ(Evaluate(f, 2, Side::kLeft), 5);
  EXPECT_EQ(Evaluate(f, 2), 10);
  EXPECT_EQ(Evaluate(f, 5), 1);
  EXPECT_EQ(Evaluate(f, 7), -15);  // beyond the end: the last piece goes on
  EXPECT_EQ(Evaluate({}, 1), 0);
  std::vector<double> x, y;
  SampleForDrawing(f, 2, x, y);
  EXPECT_EQ(x, (std::vector<double>{0, 1, 2, 2, 4, 6}));
  EXPECT_EQ(y, (std::vector<double>{1, 3, 5, 10, 6, -6}));
}

// Extremes at piece ends and inside pieces; a function whose values have
// overflowed (superposed end values already infinite) has none.
TEST(Piecewise, ExtremesOrNoneWhenAValueIsNotFinite) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const struct {
    Piecewise f;
    bool finite;
    Extreme max, min;
  } cases[] = {
      // t(4 - t) on [0, 4]: the top inside the piece, the ends tie at 0.
      {{{0, 4, {0, 4, -1}}}, true, {true, 2, 4}, {true, 0, 0}},
      // A jump at 1: both sides count.
      {{{0, 1, {0, 1}}, {1, 3, {-5}}}, true, {true, 1, 1}, {true, 1, -5}},
      {{{0, 1, {kInf}}}, false, {}, {}},
      {{{0, 1, {0, 1}}, {1, 2, {0, -kInf}}}, false, {}, {}},
      {{{0, 1, {std::nan("")}}}, false, {}, {}},
      {{{0, 2, {1e308, 1e308}}}, false, {}, {}},  // finite coefficients, overflowing value
  };
  for (const auto& c : cases) {
    MemberScratch scratch;
    Extreme max{true, 9, 9}, min{true, 9, 9};
    EXPECT_EQ(ExtremesOf(c.f, scratch, max, min), c.finite);
    EXPECT_EQ(max.present, c.max.present);
    EXPECT_EQ(min.present, c.min.present);
    EXPECT_EQ(max.x, c.max.x);
    EXPECT_EQ(max.value, c.max.value);
    EXPECT_EQ(min.x, c.min.x);
    EXPECT_EQ(min.value, c.min.value);
  }
}
