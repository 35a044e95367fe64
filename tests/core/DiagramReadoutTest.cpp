// What a diagram reads at a position, and how its labels write numbers.
#include <gtest/gtest.h>

#include "common/DecimalDigits.h"
#include "common/DiagramReadout.h"

using spanwise::DiagramPoint;

TEST(DiagramReadout, ValuesAtAPosition) {
  // Two members in file order, the second drawn first along the beam: a jump
  // at x = 5 and the line back from x = 10 to x = 0 between them.
  const std::vector<DiagramPoint> points = {{5, 40}, {10, 0}, {0, 0}, {5, -10}};
  const struct {
    double x, reach;
    std::vector<double> values;
  } cases[] = {
      {7.5, 0.1, {20}},        // on the first line through x, in file order
      {5, 0.1, {40, -10}},     // two points within reach: both, in file order
      {5.05, 0.1, {40, -10}},  // ... also a little beside them
      {2.5, 0.1, {0}},         // the line from (10, 0) back to (0, 0) comes first
      {11, 0.1, {}},           // beyond the diagram
      {10.05, 0.1, {0}},       // the one point within reach
      {-1, 0.1, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(spanwise::DiagramValuesAt(points, c.x, c.reach), c.values) << c.x;
  }
  EXPECT_TRUE(spanwise::DiagramValuesAt({}, 0, 1).empty());
}

TEST(DiagramReadout, LabelsWriteSixDigitsAndResiduesAsZero) {
  EXPECT_EQ(spanwise::SixDigits(spanwise::ShownValue(-1.13687e-13, 27.3)), "0");
  EXPECT_EQ(spanwise::SixDigits(spanwise::ShownValue(-1.13687e-13, 1.13687e-13)), "-1.13687e-13");
  EXPECT_EQ(spanwise::SixDigits(spanwise::ShownValue(-0.0, 0)), "0");
  EXPECT_EQ(spanwise::SixDigits(spanwise::ShownValue(2.8e-8, 27.3)), "2.8e-08");
  EXPECT_EQ(spanwise::SixDigits(24.34048765), "24.3405");
  EXPECT_EQ(spanwise::SixDigits(-1234567), "-1.23457e+06");
}
