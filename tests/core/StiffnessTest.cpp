// Member stiffness, assembly, supports and the solver on their worked cases.
#include <gtest/gtest.h>

#include "common/DataError.h"
#include "stiffness/BandMatrix.h"
#include "stiffness/Stiffness.h"

using namespace spanwise;

namespace {

// A beam of members joining the given joints, E = I = 1 unless given.
struct Beam {
  explicit Beam(std::vector<double> x, std::vector<std::pair<int, int>> members)
      : NJ(static_cast<long>(x.size())),
        NM(static_cast<long>(members.size())),
        XCoord("XCoord", {NJ}),
        YM("YM", {1}),
        MI("MI", {1}),
        JN("JN", {NM, 2}),
        Property("Property", {NM, 2}) {
    for (long j = 1; j <= NJ; ++j) XCoord(j) = x[j - 1];
    YM(1) = 1;
    MI(1) = 1;
    for (long m = 1; m <= NM; ++m) {
      JN(m, 1) = members[m - 1].first;
      JN(m, 2) = members[m - 1].second;
      Property(m, 1) = Property(m, 2) = 1;
    }
  }

  BandMatrix Assemble() {
    Array3 K11("KP11", {NM, 2, 2}), K12("KP12", {NM, 2, 2}), K21("KP21", {NM, 2, 2}),
        K22("KP22", {NM, 2, 2});
    Array3 G11("G11", {NM, 2, 2}), G12("G12", {NM, 2, 2}), G21("G21", {NM, 2, 2}),
        G22("G22", {NM, 2, 2});
    for (long I = 1; I <= NM; ++I) {
      LocalStiffness(I, JN, XCoord, YM, MI, Property, K11, K12, K21, K22);
      GlobalStiffness(I, G11, G12, G21, G22, K11, K12, K21, K22, JN, XCoord);
    }
    BandMatrix GlStK("GlStK", 2 * NJ, BandMatrix::HalfBandwidth(NM, JN));
    StructuralStiffness(NJ, NM, JN, GlStK, G11, G12, G21, G22);
    return GlStK;
  }

  long NJ, NM;
  Array1 XCoord, YM, MI;
  Array2 JN, Property;
};

}  // namespace

TEST(StructuralStiffness, AssemblesTheTwoSpanExample) {
  Beam beam({0, 2, 6}, {{1, 2}, {2, 3}});
  BandMatrix K = beam.Assemble();
  EXPECT_EQ(K(3, 3), 27.0 / 16);
  EXPECT_EQ(K(3, 4), -9.0 / 8);
  EXPECT_EQ(K(4, 3), -9.0 / 8);
  EXPECT_EQ(K(4, 4), 3);
  EXPECT_EQ(K(1, 3), -12.0 / 8);
  EXPECT_EQ(K(3, 5), -12.0 / 64);
  EXPECT_EQ(K(4, 6), 0.5);
  EXPECT_EQ(K(1, 5), 0);
  for (long p = 1; p <= 6; ++p)
    for (long q = 1; q <= 6; ++q) EXPECT_EQ(K(p, q), K(q, p)) << p << "," << q;
}

TEST(StructuralStiffness, RightToLeftMembersGiveTheSameStructure) {
  Beam left_to_right({0, 2, 6}, {{1, 2}, {2, 3}});
  Beam right_to_left({0, 2, 6}, {{2, 1}, {3, 2}});
  BandMatrix a = left_to_right.Assemble();
  BandMatrix b = right_to_left.Assemble();
  for (long p = 1; p <= 6; ++p)
    for (long q = 1; q <= 6; ++q) EXPECT_EQ(a(p, q), b(p, q)) << p << "," << q;
}

TEST(LocalStiffness, FailsOnZeroLengthAndOverflow) {
  Beam same_place({0, 5, 5}, {{1, 2}, {2, 3}});
  EXPECT_THROW(same_place.Assemble(), DataError);
  Beam stiff({0, 1e-3}, {{1, 2}});
  stiff.YM(1) = 1e300;
  try {
    stiff.Assemble();
    ADD_FAILURE() << "no overflow reported";
  } catch (const DataError& error) {
    EXPECT_NE(std::string(error.what()).find("overflow"), std::string::npos) << error.what();
  }
  Beam far({-1e200, 1e200}, {{1, 2}});  // the squared length overflows, the stiffness would be 0
  EXPECT_THROW(far.Assemble(), DataError);
}

TEST(BoundaryConditions, OverwritesOnlyRestrainedDiagonals) {
  BandMatrix K("GlStK", 4, 4);
  Array1 b("GloExtLoad", {4});
  Array1 fy("FixFy", {2}), fz("FixMz", {2});
  for (long p = 1; p <= 4; ++p) {
    b(p) = p;
    for (long q = 1; q <= 4; ++q) K(p, q) = 10 * p + q;
  }
  fy(1) = 1, fz(1) = 1, fy(2) = 2, fz(2) = -1;
  BoundaryConditions(2, fy, fz, K, b);
  EXPECT_EQ(K(1, 1), 1e30);
  EXPECT_EQ(K(2, 2), 1e30);
  EXPECT_EQ(K(3, 3), 33);
  EXPECT_EQ(K(1, 2), 12);
  EXPECT_EQ(b(1), 0);
  EXPECT_EQ(b(2), 0);
  EXPECT_EQ(b(3), 3);
}

TEST(Gauss, ExchangesRowsAndSolvesExactly) {
  BandMatrix A("GlStK", 2, 2);
  Array1 b("GloExtLoad", {2}), x("TempDisp", {2});
  A(1, 1) = 1, A(1, 2) = 2, A(2, 1) = 4, A(2, 2) = 4;
  b(1) = 3, b(2) = 8;
  Gauss(b, A, x, 2);
  EXPECT_EQ(x(1), 1);
  EXPECT_EQ(x(2), 1);
  EXPECT_EQ(A(1, 1), 4);
  EXPECT_EQ(A(1, 2), 4);
  EXPECT_EQ(A(2, 2), 1);
  EXPECT_EQ(A(2, 1), 1);  // below the diagonal nothing is zeroed
  EXPECT_EQ(b(1), 8);
  EXPECT_EQ(b(2), 1);
}

TEST(Gauss, SolvesTheCantileverWithOneExchangeAtTheThirdStep) {
  const double rows[4][4] = {{1e30, 0.375, -0.1875, 0.375},
                             {0.375, 1e30, -0.375, 0.5},
                             {-0.1875, -0.375, 0.1875, -0.375},
                             {0.375, 0.5, -0.375, 1}};
  BandMatrix A("GlStK", 4, 4);
  Array1 b("GloExtLoad", {4}), x("TempDisp", {4});
  for (long p = 1; p <= 4; ++p)
    for (long q = 1; q <= 4; ++q) A(p, q) = rows[p - 1][q - 1];
  b(3) = -10;
  Gauss(b, A, x, 4);
  EXPECT_NEAR(x(1), -1e-29, 1e-42);
  EXPECT_NEAR(x(2), -4e-29, 1e-42);
  EXPECT_NEAR(x(3), -640.0 / 3, 1e-10);
  EXPECT_NEAR(x(4), -80, 1e-12);
  // Rows 3 and 4 were exchanged at k = 3 and no earlier: the load moved down,
  // row 3 holds the old row 4 from column 3 on, columns 1 and 2 stay put.
  EXPECT_EQ(b(3), 0);
  EXPECT_NEAR(A(3, 3), -0.375, 1e-12);
  EXPECT_EQ(A(3, 1), -0.1875);
  EXPECT_EQ(A(4, 1), 0.375);
}

TEST(Gauss, SolvesOneUnknownAndKeepsTiedPivots) {
  BandMatrix A("GlStK", 1, 1);
  Array1 b("GloExtLoad", {1}), x("TempDisp", {1});
  A(1, 1) = 4, b(1) = 2;
  Gauss(b, A, x, 1);
  EXPECT_EQ(x(1), 0.5);

  BandMatrix T("GlStK", 2, 2);
  Array1 c("GloExtLoad", {2}), y("TempDisp", {2});
  T(1, 1) = 2, T(1, 2) = 1, T(2, 1) = -2, T(2, 2) = 3;
  c(1) = 3, c(2) = 1;
  Gauss(c, T, y, 2);
  EXPECT_EQ(T(1, 1), 2);  // |-2| ties with |2|: no exchange
  EXPECT_EQ(y(1), 1);
  EXPECT_EQ(y(2), 1);
}

TEST(Gauss, ReportsAZeroPivot) {
  BandMatrix A("GlStK", 4, 4);
  Array1 b("GloExtLoad", {4}), x("TempDisp", {4});
  A(1, 1) = 1, A(2, 2) = 1, A(4, 4) = 1;  // degree of freedom 3 has no stiffness
  try {
    Gauss(b, A, x, 4);
    ADD_FAILURE() << "no zero pivot reported";
  } catch (const DataError& error) {
    EXPECT_NE(std::string(error.what()).find("vertical of joint 2"), std::string::npos)
        << error.what();
  }
}

TEST(CheckStability, NeedsTwoVerticalSupportsOrOneWithARotationalRestraint) {
  const struct {
    std::vector<double> fy, fz;
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
    Array1 fy("FixFy", {3}), fz("FixMz", {3});
    for (long j = 1; j <= 3; ++j) fy(j) = c.fy[j - 1], fz(j) = c.fz[j - 1];
    auto check = [&] {
      CheckStability(3, 2, beam.JN, beam.Property, beam.XCoord, beam.YM, beam.MI, fy, fz);
    };
    if (c.stable)
      EXPECT_NO_THROW(check()) << i;
    else
      EXPECT_THROW(check(), DataError) << i;
  }
}

TEST(CheckStability, TreatsMembersWithoutStiffnessAsMissing) {
  Beam beam({0, 5, 12}, {{1, 2}, {2, 3}});
  beam.YM(1) = 0;
  Array1 fy("FixFy", {3}), fz("FixMz", {3});
  fy(1) = fy(2) = fy(3) = 1;
  try {
    CheckStability(3, 2, beam.JN, beam.Property, beam.XCoord, beam.YM, beam.MI, fy, fz);
    ADD_FAILURE() << "no instability reported";
  } catch (const DataError& error) {
    EXPECT_NE(std::string(error.what()).find("joint 1 is connected by no stiff member"),
              std::string::npos)
        << error.what();
  }
}
