// Member stiffness, assembly, supports and the solver on worked cases; the
// band solver's oracle is BandOracleTest, faults of whole models are rows of
// the bad-input table.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "stiffness/BandMatrix.h"
#include "stiffness/Stiffness.h"
#include "tests/support/Expect.h"

using namespace spanwise;

namespace {

// A beam of members joining the given joints, E = I = 1.
struct Beam {
  Beam(std::vector<double> x, std::vector<std::pair<int, int>> members)
      : s(StructureCounts{.NJ = static_cast<long>(x.size()),
                          .NMT = 1,
                          .NXS = 1,
                          .NM = static_cast<long>(members.size())}) {
    for (long j = 1; j <= s.NJ; ++j) s.XCoord(j) = x[j - 1];
    s.YM(1) = s.MI(1) = 1;
    for (long m = 1; m <= s.NM; ++m) {
      s.JN(m, 1) = members[m - 1].first, s.JN(m, 2) = members[m - 1].second;
      s.Property(m, 1) = s.Property(m, 2) = 1;
    }
  }

  BandMatrix Assemble() {
    MemberStiffness k(s.NM);
    for (long I = 1; I <= s.NM; ++I) {
      LocalStiffness(I, s, k);
      GlobalStiffness(I, s, k);
    }
    BandMatrix GlStK("GlStK", 2 * s.NJ, BandMatrix::HalfBandwidth(s.NM, s.JN));
    StructuralStiffness(s, k, GlStK);
    return GlStK;
  }

  Structure s;
};

}  // namespace

TEST(StructuralStiffness, AssemblesTheTwoSpanExampleEnteredEitherWay) {
  for (const auto& members : {std::vector<std::pair<int, int>>{{1, 2}, {2, 3}},
                              std::vector<std::pair<int, int>>{{2, 1}, {3, 2}}}) {
    BandMatrix K = Beam({0, 2, 6}, members).Assemble();
    const struct {
      long p, q;
      double k;
    } entries[] = {{3, 3, 27.0 / 16},  {3, 4, -9.0 / 8}, {4, 4, 3}, {1, 3, -12.0 / 8},
                   {3, 5, -12.0 / 64}, {4, 6, 0.5},      {1, 5, 0}};
    for (const auto& e : entries) EXPECT_EQ(K(e.p, e.q), e.k) << e.p << "," << e.q;
    for (long p = 1; p <= 6; ++p)
      for (long q = 1; q <= 6; ++q) EXPECT_EQ(K(p, q), K(q, p)) << p << "," << q;
  }
}

TEST(LocalStiffness, FailsWhenTheSquaredLengthOverflows) {
  EXPECT_DATA_ERROR(Beam({-1e200, 1e200}, {{1, 2}}).Assemble(), "overflow", 0);
}

// Row exchanges, supports and elimination are BandOracleTest's; here the
// name of a degree of freedom without stiffness.
TEST(Gauss, NamesAZeroPivot) {
  BandMatrix Z("GlStK", 4, 4);
  Array1 c("GloExtLoad", {4}), y("TempDisp", {4});
  Z(1, 1) = Z(2, 2) = Z(4, 4) = 1;  // degree of freedom 3 has no stiffness
  EXPECT_DATA_ERROR(Gauss(c, Z, y, 4), "vertical of joint 2", 0);
}

TEST(CheckStability, NeedsTwoVerticalSupportsOrOneWithARotationalRestraint) {
  const struct {
    double fy[3], fz[3];
    bool stable;
  } cases[] = {
      {{1, 0, 1}, {0, 0, 0}, true},   // simply supported
      {{1, 0, 0}, {1, 0, 0}, true},   // cantilever
      {{1, 0, 0}, {0, 0, 1}, true},   // vertical here, rotation there
      {{0, 0, 0}, {1, 1, 1}, false},  // no vertical support
      {{0, 1, 0}, {0, 0, 0}, false},  // one vertical support only
      {{1, 0, 1}, {0, 0, 0}, false},  // joints 1 and 3 share X = 0 below
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    Beam beam({0, 5, i == 5 ? 0.0 : 12.0}, {{1, 2}, {2, 3}});
    for (long j = 1; j <= 3; ++j)
      beam.s.supports.at(static_cast<std::size_t>(j)) =
          Support::FromFixities(c.fy[j - 1], c.fz[j - 1]);
    bool stable = true;
    try {
      CheckStability(beam.s);
    } catch (const DataError&) {
      stable = false;
    }
    EXPECT_EQ(stable, c.stable) << i;
  }
}
