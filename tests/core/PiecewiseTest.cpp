// A function along a member in pieces: its value at a point, from either
// side of a joint between pieces, and the points a window draws.
#include <gtest/gtest.h>

#include <vector>

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
