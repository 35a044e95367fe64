// The band storage, the direct assembly and the band elimination against the
// dense procedures of the assembly, the supports and the elimination kept here as the oracle: on
// generated systems every entry of the matrix, every displacement and every
// error must be the same, bit for bit and word for word.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "common/DataError.h"
#include "common/FloatingPoint.h"
#include "stiffness/BandMatrix.h"
#include "stiffness/Stiffness.h"

using namespace spanwise;

namespace {

// ---- The oracle: the dense procedures, step by step. ----

// Dense assembly: two passes of the joint x member x end scan.
void DenseStructuralStiffness(long NoOfJoints, long NoOfMembers, Array2& JN, Array2& GlStK,
                              Array3& K11, Array3& K12, Array3& K21, Array3& K22) {
  auto add = [&](Array3& B, long m, long p0, long q0) {
    for (int r = 1; r <= 2; ++r)
      for (int c = 1; c <= 2; ++c)
        GlStK(p0 + r - 1, q0 + c - 1) = GlStK(p0 + r - 1, q0 + c - 1) + B(m, r, c);
  };
  for (long j = 1; j <= NoOfJoints; ++j)
    for (long m = 1; m <= NoOfMembers; ++m)
      for (int e = 1; e <= 2; ++e)
        if (JN(m, e) == j) add(e == 1 ? K11 : K22, m, 2 * j - 1, 2 * j - 1);
  for (long j = 1; j <= NoOfJoints; ++j)
    for (long m = 1; m <= NoOfMembers; ++m)
      for (int e = 1; e <= 2; ++e)
        if (JN(m, e) == j) {
          const int f = e == 1 ? 2 : 1;
          add(e == 1 ? K12 : K21, m, 2 * static_cast<long>(JN(m, e)) - 1,
              2 * static_cast<long>(JN(m, f)) - 1);
        }
}

// Dense support conditions by the large-number method.
void DenseBoundaryConditions(long NJ, Array1& FixFy, Array1& FixMz, Array2& K, Array1& b) {
  for (long j = 1; j <= NJ; ++j) {
    const long p = 2 * j - 1;
    if (FixFy(j) == 1) K(p, p) = 1e30, b(p) = 0;
    if (FixMz(j) == 1) K(p + 1, p + 1) = 1e30, b(p + 1) = 0;
  }
}

// Dense elimination on the full matrix, with the run's zero-pivot error and the
// floating-point flags tested after every elimination step.
void DenseGauss(Array1& b, Array2& A, Array1& x, long n) {
  for (long k = 1; k <= n - 1; ++k) {
    long p = k;
    double big = std::fabs(A(k, k));
    for (long i = k + 1; i <= n; ++i)
      if (std::fabs(A(i, k)) > big) big = std::fabs(A(i, k)), p = i;
    if (big == 0) ZeroPivot(k);
    if (p != k) {
      for (long j = k; j <= n; ++j) std::swap(A(k, j), A(p, j));
      std::swap(b(k), b(p));
    }
    for (long i = k + 1; i <= n; ++i) {
      for (long j = k + 1; j <= n; ++j) A(i, j) = A(i, j) - (A(i, k) / A(k, k)) * A(k, j);
      b(i) = b(i) - (A(i, k) / A(k, k)) * b(k);
    }
    if (FloatingPointFault())
      ThrowFloatingPointFault("solving the stiffness equations, at " + DofName(k));
  }
  if (A(n, n) == 0) ZeroPivot(n);
  x(n) = b(n) / A(n, n);
  for (long m = 1; m <= n - 1; ++m) {
    const long i = n - m;
    double s = 0;
    for (long j = i + 1; j <= n; ++j) s = s + A(i, j) * x(j);
    x(i) = (b(i) - s) / A(i, i);
  }
  if (FloatingPointFault())
    ThrowFloatingPointFault(
        "solving the stiffness equations for the displacements (are E, I or the loads extreme?)");
}

// ---- Generated systems. ----

bool Same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

enum class Kind {
  kBeam,         // real member stiffness, supports as engineers give them
  kPivotHeavy,   // arbitrary blocks of wildly different magnitudes
  kLoose,        // joints that no member reaches: zero pivots
  kOverflowing,  // blocks near the ends of the double range
  kTies,         // few distinct values: pivots of equal magnitude
};

struct System {
  long NJ = 0, NM = 0;
  std::vector<std::pair<long, long>> members;
  std::vector<double> blocks;  // 16 per member: K11, K12, K21, K22 row by row
  std::vector<double> fix_fy, fix_mz, load;
};

System Generate(std::mt19937_64& random, Kind kind) {
  auto uniform = [&](double a, double b) {
    return std::uniform_real_distribution<double>(a, b)(random);
  };
  auto pick = [&](long a, long b) { return std::uniform_int_distribution<long>(a, b)(random); };
  System s;
  s.NJ = pick(1, 24);
  const long reach = pick(1, 4) == 1 ? s.NJ : pick(1, 4);  // how far apart a member's joints lie
  s.NM = kind == Kind::kLoose ? pick(0, s.NJ) : pick(std::max(1L, s.NJ - 1), 2 * s.NJ);
  if (s.NJ == 1) s.NM = 0;
  for (long m = 0; m < s.NM; ++m) {
    long a = pick(1, s.NJ), b;
    do b = std::clamp(a + pick(-reach, reach), 1L, s.NJ);
    while (b == a);
    if (kind != Kind::kLoose && m < s.NJ - 1)
      a = m + 1, b = m + 1 + pick(1, std::min(reach, s.NJ - m - 1));
    if (pick(0, 1) == 1) std::swap(a, b);  // entered right to left
    s.members.emplace_back(a, b);
    for (int k = 0; k < 16; ++k) {
      double v;
      switch (kind) {
        case Kind::kBeam: {
          const double L = uniform(0.5, 12), EI = uniform(1e3, 1e5);
          const double c[4] = {12 * EI / (L * L * L), 6 * EI / (L * L), 4 * EI / L, 2 * EI / L};
          v = c[pick(0, 3)] * (pick(0, 1) ? 1 : -1);
          break;
        }
        case Kind::kOverflowing:
          v = (pick(0, 1) ? 1e300 : 1e-300) * uniform(-1, 1);
          break;
        case Kind::kTies:
          v = static_cast<double>(pick(-2, 2));
          break;
        default:
          v = pick(0, 5) == 0 ? 0.0
                              : uniform(-1, 1) * std::pow(10.0, static_cast<double>(pick(-6, 6)));
      }
      s.blocks.push_back(v);
    }
  }
  for (long j = 0; j < s.NJ; ++j) {
    const long f[6] = {1, 1, 0, 0, 2, -1};
    s.fix_fy.push_back(static_cast<double>(f[pick(0, 5)]));
    s.fix_mz.push_back(static_cast<double>(f[pick(0, 5)]));
  }
  for (long p = 0; p < 2 * s.NJ; ++p) {
    const long c = pick(0, 7);
    s.load.push_back(c == 0 ? 0.0 : c == 1 ? -0.0 : uniform(-100, 100));
  }
  return s;
}

struct Outcome {
  bool ok = false;
  std::string error;
};

class BandOracle : public ::testing::Test {
 protected:
  void TearDown() override { ClearFloatingPointFaults(); }

  // Runs both procedures on s and compares every step; returns whether the
  // system was solved.
  bool Compare(const System& s, const std::string& name) {
    const long NJ = s.NJ, NM = s.NM, n = 2 * NJ;
    Array2 JN("JN", {NM, 2});
    Array3 K[4] = {Array3("GloMemK11", {NM, 2, 2}), Array3("GloMemK12", {NM, 2, 2}),
                   Array3("GloMemK21", {NM, 2, 2}), Array3("GloMemK22", {NM, 2, 2})};
    for (long m = 1; m <= NM; ++m) {
      JN(m, 1) = static_cast<double>(s.members[m - 1].first);
      JN(m, 2) = static_cast<double>(s.members[m - 1].second);
      for (int b = 0; b < 4; ++b)
        for (int r = 1; r <= 2; ++r)
          for (int c = 1; c <= 2; ++c)
            K[b](m, r, c) = s.blocks[16 * (m - 1) + 4 * b + 2 * (r - 1) + (c - 1)];
    }
    Array1 FixFy("FixFy", {NJ}), FixMz("FixMz", {NJ});
    Array1 dense_b("GloExtLoad", {n}), band_b("GloExtLoad", {n});
    for (long j = 1; j <= NJ; ++j) FixFy(j) = s.fix_fy[j - 1], FixMz(j) = s.fix_mz[j - 1];
    for (long p = 1; p <= n; ++p) dense_b(p) = band_b(p) = s.load[p - 1];

    Array2 dense("GlStK", {n, n});
    BandMatrix band("GlStK", n, BandMatrix::HalfBandwidth(NM, JN));
    DenseStructuralStiffness(NJ, NM, JN, dense, K[0], K[1], K[2], K[3]);
    StructuralStiffness(NJ, NM, JN, band, K[0], K[1], K[2], K[3]);
    ExpectSameMatrix(dense, band, name + ", assembled");
    DenseBoundaryConditions(NJ, FixFy, FixMz, dense, dense_b);
    BoundaryConditions(NJ, FixFy, FixMz, band, band_b);
    ExpectSameMatrix(dense, band, name + ", supported");

    Array1 dense_x("TempDisp", {n}), band_x("TempDisp", {n});
    const Outcome want = Solve([&] { DenseGauss(dense_b, dense, dense_x, n); });
    const Outcome got = Solve([&] { Gauss(band_b, band, band_x, n); });
    EXPECT_EQ(got.ok, want.ok) << name << ": " << want.error << " / " << got.error;
    EXPECT_EQ(got.error, want.error) << name;
    if (!want.ok || !got.ok) return false;
    for (long p = 1; p <= n; ++p)
      EXPECT_TRUE(Same(band_x(p), dense_x(p)))
          << name << ", TempDisp(" << p << "): " << band_x(p) << " instead of " << dense_x(p);
    for (long p = 1; p <= n; ++p)
      EXPECT_TRUE(Same(band_b(p), dense_b(p))) << name << ", reduced load " << p;
    ExpectSameMatrix(dense, band, name + ", reduced");
    return true;
  }

  // count generated systems of a kind; at least min_solved of them solved
  // and min_failed ending in an error, so that both roads are proven.
  void RunMany(Kind kind, int count, int min_solved, int min_failed) {
    std::mt19937_64 random(1000 + static_cast<int>(kind));
    int solved = 0, failed = 0;
    for (int c = 0; c < count && !HasFailure(); ++c)
      Compare(Generate(random, kind), "case " + std::to_string(c)) ? ++solved : ++failed;
    EXPECT_GE(solved, min_solved) << "too few systems solved to prove anything";
    EXPECT_GE(failed, min_failed) << "too few error cases to prove anything";
  }

  template <typename F>
  static Outcome Solve(F solve) {
    ClearFloatingPointFaults();
    Outcome outcome;
    try {
      solve();
      outcome.ok = true;
    } catch (const DataError& error) {
      outcome.error = error.what();
    }
    ClearFloatingPointFaults();
    return outcome;
  }

  // Every entry the band keeps equals the dense one; every other dense entry is +0.
  static void ExpectSameMatrix(Array2& dense, BandMatrix& band, const std::string& name) {
    const long n = band.n();
    int failures = 0;
    for (long i = 1; i <= n && failures < 3; ++i) {
      for (long j = 1; j <= n && failures < 3; ++j) {
        const bool kept = j >= i - band.lower() && j <= i + band.upper();
        const bool below = j < i;  // stale values the elimination leaves: compare where kept
        if (kept) {
          if (!Same(band(i, j), dense(i, j)))
            ++failures, ADD_FAILURE() << name << " (" << i << ", " << j << "): " << band(i, j)
                                      << " instead of " << dense(i, j);
        } else if (!below && !Same(dense(i, j), 0.0)) {
          ++failures, ADD_FAILURE() << name << " (" << i << ", " << j << ") outside the band is "
                                    << dense(i, j);
        }
      }
    }
  }
};

}  // namespace

TEST_F(BandOracle, BeamsWithDistantAndReversedMembers) { RunMany(Kind::kBeam, 600, 100, 0); }

TEST_F(BandOracle, PivotHeavyMatrices) { RunMany(Kind::kPivotHeavy, 600, 300, 0); }

TEST_F(BandOracle, ZeroPivotsGiveTheSameError) { RunMany(Kind::kLoose, 400, 10, 100); }

TEST_F(BandOracle, TiedPivotsKeepTheEarlierRow) { RunMany(Kind::kTies, 600, 100, 20); }

TEST_F(BandOracle, OverflowsGiveTheSameError) { RunMany(Kind::kOverflowing, 400, 0, 50); }

// The two-span worked example and a member spanning the whole beam, whose
// band is as wide as the matrix.
TEST_F(BandOracle, WholeWidthBand) {
  System s;
  s.NJ = 6;
  s.NM = 6;
  std::mt19937_64 random(7);
  for (long m = 1; m <= 5; ++m) s.members.emplace_back(m + 1, m);
  s.members.emplace_back(1, 6);
  for (int k = 0; k < 16 * 6; ++k)
    s.blocks.push_back(std::uniform_real_distribution<double>(-9, 9)(random));
  s.fix_fy = {1, 0, 1, 0, 0, 1};
  s.fix_mz = {1, 0, 0, 0, 0, 0};
  for (int p = 0; p < 12; ++p) s.load.push_back(p % 3 == 0 ? -0.0 : p - 5.5);
  EXPECT_TRUE(Compare(s, "whole width"));
  Array2 JN("JN", {1, 2});
  JN(1, 1) = 1, JN(1, 2) = 6;
  BandMatrix band("GlStK", 12, BandMatrix::HalfBandwidth(1, JN));
  EXPECT_EQ(band.lower(), 11);
  EXPECT_EQ(BandMatrix::Bytes(12, 11), 8.0 * 12 * 12);  // no more than the dense matrix
}

// An infinite displacement meets the zeros beyond the band only in the dense
// procedure; the band solver must report the same invalid operation.
TEST_F(BandOracle, InfiniteDisplacementTimesZeroBeyondTheBand) {
  const long n = 8;
  Array2 dense("GlStK", {n, n});
  BandMatrix band("GlStK", n, 1);  // lower 1, upper 2
  Array1 dense_b("GloExtLoad", {n}), band_b("GloExtLoad", {n});
  for (long i = 1; i <= n; ++i) {
    dense(i, i) = band(i, i) = i == n ? 1e-300 : 1.0;
    for (long j = i + 1; j <= std::min(n, i + 2); ++j) dense(i, j) = band(i, j) = -1.0;
  }
  dense_b(n) = band_b(n) = 1e10;
  Array1 dense_x("TempDisp", {n}), band_x("TempDisp", {n});
  const Outcome want = Solve([&] { DenseGauss(dense_b, dense, dense_x, n); });
  const Outcome got = Solve([&] { Gauss(band_b, band, band_x, n); });
  EXPECT_FALSE(want.ok);
  EXPECT_NE(want.error.find("an overflow and an undefined result"), std::string::npos)
      << want.error;
  EXPECT_EQ(got.error, want.error);
}

// Without members the band is the diagonal alone; a -0 load below it is
// still turned into +0 as the dense procedure's subtraction of -0 does.
TEST_F(BandOracle, NegativeZeroLoadBelowADiagonalBand) {
  Array2 dense("GlStK", {2, 2});
  BandMatrix band("GlStK", 2, 0);
  dense(1, 1) = band(1, 1) = -1;
  dense(2, 2) = band(2, 2) = 1;
  Array1 dense_b("GloExtLoad", {2}), band_b("GloExtLoad", {2});
  dense_b(2) = band_b(2) = -0.0;
  Array1 dense_x("TempDisp", {2}), band_x("TempDisp", {2});
  ASSERT_TRUE(Solve([&] { DenseGauss(dense_b, dense, dense_x, 2); }).ok);
  ASSERT_TRUE(Solve([&] { Gauss(band_b, band, band_x, 2); }).ok);
  EXPECT_FALSE(std::signbit(dense_x(2)));
  EXPECT_TRUE(Same(band_x(2), dense_x(2)));
}
