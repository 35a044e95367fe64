// Fixed-end actions and the load vectors on worked cases. Faults of load
// records are rows of the bad-input table.
#include <gtest/gtest.h>

#include <string>

#include "common/DataError.h"
#include "input/MemberLoad.h"
#include "loads/Loads.h"
#include "run/AnalysisRun.h"
#include "tests/support/Files.h"

using namespace spanwise;

// Fixed-end actions R1, M1, R2, M2 of a point load w1 at a (type 1) or a
// trapezoid w1..w2 from a to L - c (type 2); applied twice, they add up.
TEST(FixedEndActions, MatchTheClosedForms) {
  const struct {
    int type;
    double w1, w2, a, c, L, R1, M1, R2, M2, tolerance;
  } cases[] = {
      // clang-format off
      {1, 10, 0, 2, 0, 5, 6.48, 7.2, 3.52, -4.8, 0},
      {1, 10, 0, 0, 0, 5, 10, 0, 0, 0, 0},
      {1, 10, 0, 5, 0, 5, 0, 0, 10, 0, 0},
      {2, 6, 6, 0, 0, 7, 21, 24.5, 21, -24.5, 1e-12},
      {2, 0, 12, 0, 0, 6, 10.8, 14.4, 25.2, -21.6, 1e-12},
      {2, 5, 9, 1.5, 2, 8, 15.888318, 28.256396, 15.611682, -28.274854, 5e-7},
      {2, 4, 4, 2, 3, 10, 11.37, 24.516667, 8.63, -20.816667, 5e-7},
      {2, 4, 4, 2, 8, 10, 0, 0, 0, 0, 0},  // loaded length zero
      // clang-format on
  };
  for (const auto& c : cases) {
    Array2 LoExtLoad("LoExtLoad", {1, 4});
    for (int twice = 0; twice < 2; ++twice) {
      if (c.type == 1) PointLoad(1, c.w1, c.a, c.L, LoExtLoad);
      if (c.type == 2) TrapezoidalUDL(1, c.w1, c.w2, c.a, c.c, c.L, LoExtLoad);
    }
    const double want[4] = {c.R1, c.M1, c.R2, c.M2};
    for (int k = 1; k <= 4; ++k)
      EXPECT_NEAR(-LoExtLoad(1, k) / 2, want[k - 1], c.tolerance) << c.w1 << " " << c.a << " " << k;
  }
}

// The example's loads on its two spans, entered left to right and right to
// left, and records that add no load.
TEST(InputVolatileData, BuildsTheLoadVectors) {
  const struct {
    int JN[4];
    const char* records;
    double lo[8], glo[6];
  } cases[] = {
      {{1, 2, 2, 3},
       "2\r\n1, 1, 10, 0, 2, 0, point\r\n2, 2, 6, 6, 0, 0, uniform\r\n1\r\n2, 0, 5, moment\r\n",
       {-6.48, -7.2, -3.52, 4.8, -21, -24.5, -21, 24.5},
       {-6.48, -7.2, -24.52, -14.7, -21, 24.5}},
      {{2, 1, 3, 2},  // moments of members entered right to left turn round
       "1\r\n1, 1, 10, 0, 2, 0, x\r\n0\r\n",
       {-6.48, -7.2, -3.52, 4.8, 0, 0, 0, 0},
       {-3.52, -4.8, -6.48, 7.2, 0, 0}},
      {{1, 2, 2, 3},  // unknown types, and a distributed load of no length
       "4\r\n1,3,9,9,1,1,x\r\n1,0,9,9,1,1,x\r\n1,1.5,9,9,1,1,x\r\n2,2,9,9,7,0,x\r\n0\r\n",
       {},
       {}},
  };
  for (const auto& c : cases) {
    Structure structure(StructureCounts{.NJ = 3, .NM = 2});
    for (int k = 0; k < 4; ++k) structure.JN(k / 2 + 1, k % 2 + 1) = c.JN[k];
    structure.XCoord(2) = 5, structure.XCoord(3) = 12;
    FieldReader Channel1(c.records);
    std::vector<std::string> warnings;
    LoadSet loads(3, 2);
    InputVolatileData(structure, RecordLines{}, Channel1, false, loads, warnings);
    const Array2& LoExtLoad = loads.LoExtLoad;
    const Array1& GloExtLoad = loads.GloExtLoad;
    for (int k = 0; k < 8; ++k)
      EXPECT_DOUBLE_EQ(LoExtLoad(k / 4 + 1, k % 4 + 1), c.lo[k]) << c.records;
    for (int p = 1; p <= 6; ++p) EXPECT_DOUBLE_EQ(GloExtLoad(p), c.glo[p - 1]) << c.records << p;
  }
}

TEST(PlaceOnMember, MovesPositionsWithinToleranceOntoTheEnds) {
  const double L = 1.63;
  const struct {
    MemberLoad load;
    bool acts;
    double l1, l2;
  } cases[] = {
      {{1, 2, 1, 1, 10, 0, L * (1 + 5e-10), 0}, true, L, 0},
      {{1, 2, 1, 1, 10, 0, -1e-10, 0}, true, 0, 0},
      {{1, 2, 1, 2, 1, 1, -1e-10, -1e-10}, true, 0, 0},
      {{1, 2, 1, 3, 1, 1, -7, -7}, false, -7, -7},  // unknown types are not checked
  };
  for (auto c : cases) {
    EXPECT_EQ(PlaceOnMember(c.load, L), c.acts);
    EXPECT_EQ(c.load.l1, c.l1);
    EXPECT_EQ(c.load.l2, c.l2);
  }
}

// The help's table of load types says that type 4 is taken like type 2
// everywhere: a partial trapezoid of each type gives the same four files,
// byte for byte.
TEST(LoadTypes, TypeFourIsTakenLikeTypeTwoAsTheHelpSays) {
  using namespace spanwise::test;
  EXPECT_NE(Slurp(fs::path(SPANWISE_SOURCE_DIR) / "docs/input-format.md")
                .find("- **4**: taken like type 2 everywhere"),
            std::string::npos);
  const ScratchFolder folder("type-4");
  std::string files[2];
  for (int k = 0; k < 2; ++k) {
    const fs::path input = folder.Write(
        Example("2, 2, 6, 6, 0, 0", k == 0 ? "2, 2, 6, 9, 1.3, 0.4" : "2, 4, 6, 9, 1.3, 0.4"),
        k == 0 ? "two/Beam.sma" : "four/Beam.sma");
    ASSERT_TRUE(AnalysisRun(input.string()).ok);
    for (const char* name : {"Beam.txt", "BM.TXT", "SF.TXT", "Design.txt"})
      files[k] += Slurp(input.parent_path() / name);
  }
  EXPECT_EQ(files[0], files[1]);
}
