// The band storage, assembly, supports and elimination against the dense
// procedures kept here as the oracle: on generated systems every entry of
// the matrix, every displacement and every error must be the same, bit for
// bit and word for word.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <numeric>
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

// Two passes of the joint x member x end scan: diagonal blocks, then coupling blocks.
void DenseAssembly(long NJ, long NM, Array2& JN, Array2& K, Array3 (&B)[4]) {
  for (int pass = 0; pass < 2; ++pass)
    for (long j = 1; j <= NJ; ++j)
      for (long m = 1; m <= NM; ++m)
        for (int e = 1; e <= 2; ++e) {
          if (JN(m, e) != j) continue;
          const long p = 2 * j - 1, q = 2 * static_cast<long>(JN(m, pass == 0 ? e : 3 - e)) - 1;
          Array3& b = B[pass == 0 ? (e == 1 ? 0 : 3) : (e == 1 ? 1 : 2)];
          for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 2; ++c) K(p + r, q + c) = K(p + r, q + c) + b(m, r + 1, c + 1);
        }
}

// Large-number supports, then elimination on the full matrix with the run's
// zero-pivot error and the floating-point flags tested after every step.
void DenseSolve(long NJ, Array1& FixFy, Array1& FixMz, Array2& A, Array1& b, Array1& x) {
  for (long j = 1; j <= NJ; ++j) {
    if (FixFy(j) == 1) A(2 * j - 1, 2 * j - 1) = 1e30, b(2 * j - 1) = 0;
    if (FixMz(j) == 1) A(2 * j, 2 * j) = 1e30, b(2 * j) = 0;
  }
  const long n = 2 * NJ;
  for (long k = 1; k <= n - 1; ++k) {
    long p = k;
    for (long i = k + 1; i <= n; ++i)
      if (std::fabs(A(i, k)) > std::fabs(A(p, k))) p = i;
    if (A(p, k) == 0) ZeroPivot(k);
    for (long j = k; j <= n && p != k; ++j) std::swap(A(k, j), A(p, j));
    std::swap(b(k), b(p));
    for (long i = k + 1; i <= n; ++i) {
      for (long j = k + 1; j <= n; ++j) A(i, j) = A(i, j) - (A(i, k) / A(k, k)) * A(k, j);
      b(i) = b(i) - (A(i, k) / A(k, k)) * b(k);
    }
    if (FloatingPointFault())
      ThrowFloatingPointFault("solving the stiffness equations, at " + DofName(k));
  }
  if (A(n, n) == 0) ZeroPivot(n);
  x(n) = b(n) / A(n, n);
  for (long i = n - 1; i >= 1; --i) {
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

enum Kind {
  kBeam,         // real member stiffness, supports as engineers give them
  kPivotHeavy,   // arbitrary blocks of wildly different magnitudes
  kLoose,        // joints that no member reaches: zero pivots
  kOverflowing,  // blocks near the ends of the double range
  kTies,         // few distinct values: pivots of equal magnitude
};

// Member blocks in structure axes, supports and loads.
struct System {
  long NJ, NM;
  Array2 JN{"JN", {NM, 2}};
  Array3 K[4]{{"K11", {NM, 2, 2}}, {"K12", {NM, 2, 2}}, {"K21", {NM, 2, 2}}, {"K22", {NM, 2, 2}}};
  Array1 FixFy{"FixFy", {NJ}}, FixMz{"FixMz", {NJ}}, load{"GloExtLoad", {2 * NJ}};
};

System Generate(std::mt19937_64& random, Kind kind) {
  auto uniform = [&](double a, double b) {
    return std::uniform_real_distribution<double>(a, b)(random);
  };
  auto pick = [&](long a, long b) { return std::uniform_int_distribution<long>(a, b)(random); };
  const long NJ = pick(1, 24);
  const long reach = pick(1, 4) == 1 ? NJ : pick(1, 4);  // how far apart a member's joints lie
  System s{NJ, NJ == 1 ? 0 : kind == kLoose ? pick(0, NJ) : pick(std::max(1L, NJ - 1), 2 * NJ)};
  for (long m = 1; m <= s.NM; ++m) {
    long a = pick(1, NJ), b;
    do b = std::clamp(a + pick(-reach, reach), 1L, NJ);
    while (b == a);
    if (kind != kLoose && m < NJ) a = m, b = m + pick(1, std::min(reach, NJ - m));
    if (pick(0, 1) == 1) std::swap(a, b);  // entered right to left
    s.JN(m, 1) = static_cast<double>(a), s.JN(m, 2) = static_cast<double>(b);
    for (int k = 0; k < 16; ++k) {
      const double L = uniform(0.5, 12), EI = uniform(1e3, 1e5);
      const double beam[4] = {12 * EI / (L * L * L), 6 * EI / (L * L), 4 * EI / L, 2 * EI / L};
      s.K[k / 4](m, k / 2 % 2 + 1, k % 2 + 1) =
          kind == kBeam          ? beam[pick(0, 3)] * (pick(0, 1) ? 1 : -1)
          : kind == kOverflowing ? (pick(0, 1) ? 1e300 : 1e-300) * uniform(-1, 1)
          : kind == kTies        ? static_cast<double>(pick(-2, 2))
          : pick(0, 5) == 0      ? 0.0
                                 : uniform(-1, 1) * std::pow(10.0, double(pick(-6, 6)));
    }
  }
  const double fixes[6] = {1, 1, 0, 0, 2, -1}, loads[2] = {0.0, -0.0};
  for (long j = 1; j <= NJ; ++j) s.FixFy(j) = fixes[pick(0, 5)], s.FixMz(j) = fixes[pick(0, 5)];
  for (long p = 1; p <= 2 * NJ; ++p) {
    const long c = pick(0, 7);
    s.load(p) = c <= 1 ? loads[c] : uniform(-100, 100);
  }
  return s;
}

// The reason of the DataError fn throws, "" when it returns.
std::string ErrorOf(const std::function<void()>& fn) {
  ClearFloatingPointFaults();
  std::string error;
  try {
    fn();
  } catch (const DataError& e) {
    error = e.what();
  }
  ClearFloatingPointFaults();
  return error;
}

// Every entry the band keeps equals the dense one; every other entry above
// the diagonal is +0 (below it the elimination leaves stale values).
void ExpectSameMatrix(Array2& dense, BandMatrix& band, const std::string& name) {
  for (long i = 1; i <= band.n(); ++i)
    for (long j = 1; j <= band.n(); ++j) {
      const bool kept = j >= i - band.lower() && j <= i + band.upper();
      if (kept ? !Same(band(i, j), dense(i, j)) : j > i && !Same(dense(i, j), 0.0))
        return ADD_FAILURE() << name << " (" << i << ", " << j << "): dense " << dense(i, j);
    }
}

// The structure and the members' blocks in structure axes that s states.
Structure StructureOf(const System& s) {
  Structure structure(StructureCounts{.NJ = s.NJ, .NM = s.NM});
  structure.JN = s.JN;
  for (long j = 1; j <= s.NJ; ++j)
    structure.supports.at(static_cast<std::size_t>(j)) =
        Support::FromFixities(s.FixFy(j), s.FixMz(j));
  return structure;
}
MemberStiffness BlocksOf(const System& s) {
  MemberStiffness k(s.NM);
  k.GloMemK11 = s.K[0], k.GloMemK12 = s.K[1], k.GloMemK21 = s.K[2], k.GloMemK22 = s.K[3];
  return k;
}

// Runs both procedures on s and compares every step; whether s was solved.
bool Compare(System s, const std::string& name) {
  const long NJ = s.NJ, n = 2 * NJ;
  Array2 dense("GlStK", {n, n});
  Array1 dense_b("GloExtLoad", {n}), band_b("GloExtLoad", {n}), dense_x("TempDisp", {n}),
      band_x("TempDisp", {n});
  for (long p = 1; p <= n; ++p) dense_b(p) = band_b(p) = s.load(p);
  BandMatrix band("GlStK", n, BandMatrix::HalfBandwidth(s.NM, s.JN));
  DenseAssembly(NJ, s.NM, s.JN, dense, s.K);
  const Structure structure = StructureOf(s);
  StructuralStiffness(structure, BlocksOf(s), band);
  ExpectSameMatrix(dense, band, name + ", assembled");
  const std::string want =
      ErrorOf([&] { DenseSolve(NJ, s.FixFy, s.FixMz, dense, dense_b, dense_x); });
  const std::string got = ErrorOf([&] {
    BoundaryConditions(structure, band, band_b);
    Gauss(band_b, band, band_x, n);
  });
  EXPECT_EQ(got, want) << name;
  if (!want.empty() || !got.empty()) return false;
  for (long p = 1; p <= n; ++p) {
    EXPECT_TRUE(Same(band_x(p), dense_x(p))) << name << ", TempDisp(" << p << ")";
    EXPECT_TRUE(Same(band_b(p), dense_b(p))) << name << ", reduced load " << p;
  }
  ExpectSameMatrix(dense, band, name + ", reduced");
  return true;
}

}  // namespace

// Each kind of generated system; at least so many solved and so many
// failed, so that both roads are proven.
TEST(BandOracle, GeneratedSystems) {
  const struct {
    Kind kind;
    int count, min_solved, min_failed;
  } cases[] = {{kBeam, 600, 100, 0},
               {kPivotHeavy, 600, 300, 0},
               {kLoose, 400, 10, 100},
               {kTies, 600, 100, 20},
               {kOverflowing, 400, 0, 50}};
  for (const auto& c : cases) {
    std::mt19937_64 random(1000 + c.kind);
    int solved = 0, failed = 0;
    for (int i = 0; i < c.count && !::testing::Test::HasFailure(); ++i)
      Compare(Generate(random, c.kind),
              "kind " + std::to_string(c.kind) + " case " + std::to_string(i))
          ? ++solved
          : ++failed;
    EXPECT_GE(solved, c.min_solved) << c.kind;
    EXPECT_GE(failed, c.min_failed) << c.kind;
  }
}

// Hand-made systems: an infinite displacement meets the zeros beyond the band
// only in the dense procedure, yet the band solver reports the same invalid
// operation; a -0 load below a diagonal band still turns into +0.
TEST(BandOracle, InfinityBeyondTheBandAndNegativeZero) {
  for (const long n : {8L, 2L}) {
    Array2 dense("GlStK", {n, n});
    BandMatrix band("GlStK", n, n == 8 ? 1 : 0);
    Array1 dense_b("GloExtLoad", {n}), band_b("GloExtLoad", {n}), fix("FixFy", {n / 2});
    Array1 dense_x("TempDisp", {n}), band_x("TempDisp", {n});
    for (long i = 1; i <= n; ++i) {
      dense(i, i) = band(i, i) = n == 2 ? (i == 1 ? -1.0 : 1.0) : i == n ? 1e-300 : 1.0;
      for (long j = i + 1; j <= std::min(n, i + 2) && n == 8; ++j) dense(i, j) = band(i, j) = -1;
    }
    dense_b(n) = band_b(n) = n == 8 ? 1e10 : -0.0;
    const std::string want = ErrorOf([&] { DenseSolve(n / 2, fix, fix, dense, dense_b, dense_x); });
    EXPECT_EQ(ErrorOf([&] { Gauss(band_b, band, band_x, n); }), want);
    EXPECT_EQ(n == 8, want.find("an overflow and an undefined result") != std::string::npos);
    EXPECT_TRUE(n == 8 || (Same(band_x(2), 0.0) && Same(dense_x(2), 0.0)));
  }
  EXPECT_EQ(BandMatrix::Bytes(12, 11), 8.0 * 12 * 12);  // a whole-width band: no more than dense
}

namespace {

// A continuous beam of NJ joints at random spans along X, numbered in order
// of X but shuffled within runs of `reach` joints (the wider the run, the
// wider the band); each member joins two neighbours, entered either way, of
// E*I over six decades (in one beam of four, one member of E*I = 0);
// supports free or fixed at random.
System ContinuousBeam(std::mt19937_64& random, long NJ, long reach) {
  auto uniform = [&](double a, double b) {
    return std::uniform_real_distribution<double>(a, b)(random);
  };
  auto pick = [&](long a, long b) { return std::uniform_int_distribution<long>(a, b)(random); };
  std::vector<double> number(static_cast<std::size_t>(NJ));  // of the joints from the left
  std::iota(number.begin(), number.end(), 1.0);
  for (auto run = number.begin(); run < number.end(); run += std::min(reach, number.end() - run))
    std::shuffle(run, run + std::min(reach, number.end() - run), random);
  System s{NJ, NJ - 1};
  for (long m = 1; m <= s.NM; ++m) {
    const double L = uniform(0.5, 12),
                 EI = pick(0, 4 * NJ) == 0 ? 0.0 : std::pow(10, uniform(2, 8));
    const long reversed = pick(0, 1);  // entered right to left: its rotations turn
    s.JN(m, 1) = number.at(static_cast<std::size_t>(m - 1 + reversed));
    s.JN(m, 2) = number.at(static_cast<std::size_t>(m - reversed));
    const double a = 12 * EI / (L * L * L), b = 6 * EI / (L * L), c = 4 * EI / L, d = 2 * EI / L;
    const double K[4][2][2] = {
        {{a, b}, {b, c}}, {{-a, b}, {-b, d}}, {{-a, -b}, {b, d}}, {{a, -b}, {-b, c}}};
    for (int k = 0; k < 16; ++k) {
      const int row = k / 2 % 2, col = k % 2;
      s.K[k / 4](m, row + 1, col + 1) = K[k / 4][row][col] * (reversed == 1 && row != col ? -1 : 1);
    }
  }
  for (long j = 1; j <= NJ; ++j) s.FixFy(j) = pick(0, 2) == 0, s.FixMz(j) = pick(0, 3) == 0;
  for (long p = 1; p <= 2 * NJ; ++p) s.load(p) = pick(0, 3) == 0 ? 0.0 : uniform(-100, 100);
  return s;
}

// FactorBand once, then SolveBand for several load vectors, each against
// Gauss on a fresh copy of the same restrained matrix: the same zero pivot,
// or the same solution and reduced load, bit for bit. Whether s was solved.
bool CompareFactored(System& s, std::mt19937_64& random, const std::string& name) {
  const long n = 2 * s.NJ;
  const Structure structure = StructureOf(s);
  BandMatrix assembled("GlStK", n, BandMatrix::HalfBandwidth(s.NM, s.JN));
  StructuralStiffness(structure, BlocksOf(s), assembled);
  BandMatrix factored = assembled;
  Array1 unused("GloExtLoad", {n});
  BoundaryConditions(structure, factored, unused);
  std::vector<long> pivots;
  const std::string factor_error = ErrorOf([&] { FactorBand(factored, pivots); });
  bool solved = false;
  for (int r = 0; r < 3; ++r) {  // the system's load, a unit load, magnitudes over 18 decades
    Array1 b = s.load, x("TempDisp", {n}), band_x("TempDisp", {n});
    const long at = std::uniform_int_distribution<long>(1, n)(random);
    for (long p = 1; p <= n; ++p)  // no -0: the groups' loads are sums from +0
      b(p) = r == 0   ? b(p) + 0.0
             : r == 1 ? double(p == at)
                      : std::ldexp(std::uniform_real_distribution<double>(-1, 1)(random),
                                   std::uniform_int_distribution<int>(-30, 30)(random));
    BandMatrix A = assembled;
    BoundaryConditions(structure, A, b);
    Array1 band_b = b;
    const std::string want = ErrorOf([&] { Gauss(b, A, x, n); });
    if (!want.empty() && want.find("zero pivot") == std::string::npos) continue;  // overflow
    EXPECT_EQ(factor_error, want) << name;
    if (!want.empty() || !factor_error.empty()) return false;
    SolveBand(factored, pivots, band_b, band_x);
    for (long p = 1; p <= n; ++p) {
      EXPECT_TRUE(Same(band_x(p), x(p))) << name << " load " << r << ", TempDisp(" << p << ")";
      EXPECT_TRUE(Same(band_b(p), b(p))) << name << " load " << r << ", reduced load " << p;
    }
    solved = true;
  }
  return solved;
}

}  // namespace

// The factorisation kept for the load groups against Gauss: continuous
// beams of several sizes and bandwidths, and the generated systems above.
TEST(BandOracle, FactorAndSolveMatchGaussBitForBit) {
  // {NJ, reach} of continuous beams, then {kind, 0} of the generated systems.
  const long cases[][2] = {{2, 1},           {3, 3},      {8, 1},     {8, 8},
                           {25, 3},          {60, 60},    {400, 4},   {kBeam, 0},
                           {kPivotHeavy, 0}, {kLoose, 0}, {kTies, 0}, {kOverflowing, 0}};
  for (const auto& [NJ, reach] : cases) {
    std::mt19937_64 random(2000 + NJ * 7 + reach);
    const long count = reach > 0 ? std::max(4L, 320 / NJ) : 200;
    int solved = 0;
    for (int i = 0; i < count && !::testing::Test::HasFailure(); ++i) {
      System s = reach > 0 ? ContinuousBeam(random, NJ, reach) : Generate(random, Kind(NJ));
      solved += CompareFactored(
          s, random,
          std::to_string(NJ) + " " + std::to_string(reach) + " case " + std::to_string(i));
    }
    EXPECT_GE(solved * 20, count) << NJ << " " << reach;  // the solutions were compared
  }
}
