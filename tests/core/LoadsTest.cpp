// Fixed-end actions and the load vectors, on the worked cases of the loads.
#include <gtest/gtest.h>

#include "common/DataError.h"
#include "loads/Loads.h"
#include "input/MemberLoad.h"

using namespace spanwise;

namespace {

struct Actions {
  double R1, M1, R2, M2;
};

// The fixed-end actions of one load on member 1, read back from LoExtLoad.
Actions Trapezoid(double wa, double wb, double a, double c, double L) {
  Array2 LoExtLoad("LoExtLoad", {1, 4});
  Array1 GloExtLoad("GloExtLoad", {4});
  Array2 JN("JN", {1, 2});
  TrapezoidalUDL(1, wa, wb, a, c, L, LoExtLoad, GloExtLoad, JN);
  return {-LoExtLoad(1, 1), -LoExtLoad(1, 2), -LoExtLoad(1, 3), -LoExtLoad(1, 4)};
}

}  // namespace

TEST(PointLoad, GivesTheFixedEndActionsAndReturnsB) {
  Array2 LoExtLoad("LoExtLoad", {1, 4});
  Array1 GloExtLoad("GloExtLoad", {4});
  Array2 JN("JN", {1, 2});
  double l2 = 99;
  PointLoad(1, 10, 123, 2, l2, 5, LoExtLoad, GloExtLoad, JN);
  EXPECT_EQ(l2, 3);
  EXPECT_EQ(LoExtLoad(1, 1), -6.48);
  EXPECT_EQ(LoExtLoad(1, 2), -7.2);
  EXPECT_EQ(LoExtLoad(1, 3), -3.52);
  EXPECT_EQ(LoExtLoad(1, 4), 4.8);

  PointLoad(1, 10, 0, 2, l2, 5, LoExtLoad, GloExtLoad, JN);  // a second load adds up
  EXPECT_EQ(LoExtLoad(1, 1), -12.96);
  EXPECT_EQ(GloExtLoad(1), 0);  // the structure vector is not touched

  const double ends[][2] = {{0, 5}, {5, 5}};  // at end i, at end j
  for (const auto& end : ends) {
    Array2 row("LoExtLoad", {1, 4});
    PointLoad(1, 7, 0, end[0], l2, end[1], row, GloExtLoad, JN);
    EXPECT_EQ(row(1, 1), end[0] == 0 ? -7 : 0);
    EXPECT_EQ(row(1, 3), end[0] == 0 ? 0 : -7);
    EXPECT_EQ(row(1, 2), 0);
    EXPECT_EQ(row(1, 4), 0);
  }
}

TEST(TrapezoidalUDL, MatchesTheClosedForms) {
  const struct {
    double wa, wb, a, c, L;
    Actions expected;
    double tolerance;
  } cases[] = {
      {6, 6, 0, 0, 7, {21, 24.5, 21, -24.5}, 1e-12},
      {0, 12, 0, 0, 6, {10.8, 14.4, 25.2, -21.6}, 1e-12},
      {5, 9, 1.5, 2, 8, {15.888318, 28.256396, 15.611682, -28.274854}, 5e-7},
      {4, 4, 2, 3, 10, {11.37, 24.516667, 8.63, -20.816667}, 5e-7},
      {4, 4, 2, 8, 10, {0, 0, 0, 0}, 1e-12},  // loaded length zero
  };
  for (const auto& c : cases) {
    const Actions got = Trapezoid(c.wa, c.wb, c.a, c.c, c.L);
    EXPECT_NEAR(got.R1, c.expected.R1, c.tolerance) << c.wa << " " << c.wb;
    EXPECT_NEAR(got.M1, c.expected.M1, c.tolerance) << c.wa << " " << c.wb;
    EXPECT_NEAR(got.R2, c.expected.R2, c.tolerance) << c.wa << " " << c.wb;
    EXPECT_NEAR(got.M2, c.expected.M2, c.tolerance) << c.wa << " " << c.wb;
  }
}

TEST(InputVolatileData, BuildsTheExampleLoadVectors) {
  Array2 JN("JN", {2, 2});
  Array1 XCoord("XCoord", {3});
  JN(1, 1) = 1, JN(1, 2) = 2, JN(2, 1) = 2, JN(2, 2) = 3;
  XCoord(1) = 0, XCoord(2) = 5, XCoord(3) = 12;
  Array2 LoExtLoad("LoExtLoad", {2, 4});
  Array1 GloExtLoad("GloExtLoad", {6});
  std::vector<std::string> warnings;
  FieldReader Channel1(
      "2\r\n1, 1, 10, 0, 2, 0, point load on span 1\r\n2, 2, 6, 6, 0, 0, uniform load\r\n"
      "1\r\n2, 0, 5, moment at joint 2\r\n");
  InputVolatileData(2, JN, XCoord, 6, LoExtLoad, GloExtLoad, warnings, Channel1);

  const double lo[2][4] = {{-6.48, -7.2, -3.52, 4.8}, {-21, -24.5, -21, 24.5}};
  for (int m = 1; m <= 2; ++m)
    for (int k = 1; k <= 4; ++k) EXPECT_DOUBLE_EQ(LoExtLoad(m, k), lo[m - 1][k - 1]) << m << k;
  const double glo[6] = {-6.48, -7.2, -24.52, -14.7, -21, 24.5};
  for (int p = 1; p <= 6; ++p) EXPECT_DOUBLE_EQ(GloExtLoad(p), glo[p - 1]) << p;
}

TEST(BeamLoad, ReversesMomentsOfMembersEnteredRightToLeft) {
  Array2 JN("JN", {1, 2});
  Array1 XCoord("XCoord", {2});
  JN(1, 1) = 2, JN(1, 2) = 1;  // end i at x = 5, end j at x = 0
  XCoord(1) = 0, XCoord(2) = 5;
  Array2 LoExtLoad("LoExtLoad", {1, 4});
  Array1 GloExtLoad("GloExtLoad", {4});
  std::vector<std::string> warnings;
  FieldReader Channel1("1\r\n1, 1, 10, 0, 2, 0, x\r\n0\r\n");
  InputVolatileData(1, JN, XCoord, 4, LoExtLoad, GloExtLoad, warnings, Channel1);
  EXPECT_EQ(GloExtLoad(3), -6.48);  // end i is joint 2
  EXPECT_EQ(GloExtLoad(4), 7.2);
  EXPECT_EQ(GloExtLoad(1), -3.52);
  EXPECT_EQ(GloExtLoad(2), -4.8);
}

TEST(BeamLoad, IgnoresUnknownTypesAndChecksEveryRecord) {
  Array2 JN("JN", {1, 2});
  Array1 XCoord("XCoord", {2});
  JN(1, 1) = 1, JN(1, 2) = 2;
  XCoord(2) = 5;
  const struct {
    const char* records;
    const char* reason;  // nullptr: no error
  } cases[] = {
      {"3\r\n1,3,9,9,1,1,x\r\n1,0,9,9,1,1,x\r\n1,1.5,9,9,1,1,x\r\n", nullptr},
      {"1\r\n0,3,9,9,1,1,x\r\n", "member 0 is not defined"},
      {"1\r\n2,1,9,0,1,0,x\r\n", "member 2 is not defined (1 member)"},
      {"1\r\n1,3,9,abc,1,1,x\r\n", "expected the load w2, found 'abc'"},
      {"1\r\n1,1,9,0,5.1,0,x\r\n", "lies outside member 1 (length 5)"},
      {"1\r\n1,1,9,0,-0.1,0,x\r\n", "lies outside member 1"},
      {"1\r\n1,2,9,9,3,2.5,x\r\n", "longer than member 1"},
      {"1\r\n1,4,9,9,-1,0,x\r\n", "is negative"},
      {"1\r\n1,2,9,9,5,0,x\r\n", nullptr},  // nothing loaded, nothing added
  };
  for (const auto& c : cases) {
    Array2 LoExtLoad("LoExtLoad", {1, 4});
    Array1 GloExtLoad("GloExtLoad", {4});
    std::vector<std::string> warnings;
    FieldReader Channel1(c.records + std::string("0\r\n"));
    try {
      InputVolatileData(1, JN, XCoord, 4, LoExtLoad, GloExtLoad, warnings, Channel1);
      EXPECT_EQ(c.reason, nullptr) << c.records;
      for (int k = 1; k <= 4; ++k) EXPECT_EQ(LoExtLoad(1, k), 0) << c.records;
    } catch (const DataError& error) {
      ASSERT_NE(c.reason, nullptr) << c.records << ": " << error.what();
      EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
      EXPECT_EQ(error.line(), 2) << c.records;
    }
  }
}

TEST(PlaceOnMember, MovesPositionsWithinToleranceOntoTheEnds) {
  const double L = 1.63;
  MemberLoad point{1, 2, 1, 1, 10, 0, L * (1 + 5e-10), 0};
  EXPECT_TRUE(PlaceOnMember(point, L));
  EXPECT_EQ(point.l1, L);
  MemberLoad before{1, 2, 1, 1, 10, 0, -1e-10, 0};
  EXPECT_TRUE(PlaceOnMember(before, L));
  EXPECT_EQ(before.l1, 0);
  MemberLoad spread{1, 2, 1, 2, 1, 1, -1e-10, -1e-10};
  EXPECT_TRUE(PlaceOnMember(spread, L));
  EXPECT_EQ(spread.l1, 0);
  EXPECT_EQ(spread.l2, 0);
  MemberLoad other{1, 2, 1, 3, 1, 1, -7, -7};
  EXPECT_FALSE(PlaceOnMember(other, L));  // unknown types are not checked
}
