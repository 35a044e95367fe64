#include <algorithm>
#include <cmath>
#include <utility>

#include "stiffness/Stiffness.h"

namespace spanwise {

void FactorBand(BandMatrix& A, std::vector<long>& pivots) {
  const long n = A.n();
  pivots.assign(static_cast<std::size_t>(n) + 1, 0);
  for (long k = 1; k <= n - 1; ++k) {
    const long last_row = std::min(n, k + A.lower());
    const long last_col = std::min(n, k + A.upper());
    long p = k;
    double big = std::fabs(A(k, k));
    for (long i = k + 1; i <= last_row; ++i) {
      if (std::fabs(A(i, k)) > big) {
        big = std::fabs(A(i, k));
        p = i;
      }
    }
    if (big == 0) ZeroPivot(k);
    pivots.at(static_cast<std::size_t>(k)) = p;
    double* const pivot_row = A.Row(k, k, last_col);
    if (p != k) {
      double* const other = A.Row(p, k, last_col);
      for (long j = 0; j <= last_col - k; ++j) std::swap(pivot_row[j], other[j]);
    }
    for (long i = k + 1; i <= last_row; ++i) {
      double* const row = A.Row(i, k, last_col);
      const double multiplier = row[0] / pivot_row[0];
      for (long j = 1; j <= last_col - k; ++j) row[j] = row[j] - multiplier * pivot_row[j];
      row[0] = multiplier;  // no longer read by the elimination
    }
  }
  if (n >= 1 && A(n, n) == 0) ZeroPivot(n);
}

void SolveBand(BandMatrix& A, const std::vector<long>& pivots, Array1& b, Array1& x) {
  const long n = A.n();
  for (long k = 1; k <= n - 1; ++k) {
    const long p = pivots.at(static_cast<std::size_t>(k));
    if (p != k) std::swap(b(k), b(p));
    const double bk = b(k);
    for (long i = k + 1; i <= std::min(n, k + A.lower()); ++i) b(i) = b(i) - A(i, k) * bk;
  }
  if (n < 1) return;
  x(n) = b(n) / A(n, n);
  for (long m = 1; m <= n - 1; ++m) {
    const long i = n - m;
    const long last_col = std::min(n, i + A.upper());
    const double* const row = A.Row(i, i, last_col);
    double s = 0;
    for (long j = i + 1; j <= last_col; ++j) s = s + row[j - i] * x(j);
    x(i) = (b(i) - s) / row[0];
  }
}

namespace {

// Every row of [lo, hi] (clipped to 1..n) at most tiny of its kind's peak.
bool Faded(const Array1& v, long lo, long hi, long n, double tiny, const double peak[2]) {
  for (long i = std::max(1L, lo); i <= std::min(n, hi); ++i)
    if (std::fabs(v(i)) > tiny * peak[i % 2]) return false;
  return true;
}

}  // namespace

void SolveBandNear(BandMatrix& A, const std::vector<long>& pivots, double tiny, long first,
                   long last, Array1& b, Array1& x, long& from, long& to) {
  const long n = A.n(), w = std::max(A.lower(), A.upper());
  double peak[2] = {0, 0};
  const long start = std::max(1L, first - A.lower());
  to = n;
  for (long k = start; k <= n - 1; ++k) {
    const long p = pivots.at(static_cast<std::size_t>(k));
    if (p != k) std::swap(b(k), b(p));
    const double bk = b(k);
    for (long i = k + 1; i <= std::min(n, k + A.lower()); ++i) b(i) = b(i) - A(i, k) * bk;
    peak[k % 2] = std::max(peak[k % 2], std::fabs(bk));
    if (tiny > 0 && k >= last && Faded(b, k - w + 1, k + w, n, tiny, peak)) {
      to = k;
      break;
    }
  }
  peak[0] = peak[1] = 0;
  for (from = to; from >= 1; --from) {
    const long last_col = std::min(to, from + A.upper());
    const double* const row = A.Row(from, from, last_col);
    double s = 0;
    for (long j = from + 1; j <= last_col; ++j) s = s + row[j - from] * x(j);
    x(from) = (b(from) - s) / row[0];
    peak[from % 2] = std::max(peak[from % 2], std::fabs(x(from)));
    if (tiny > 0 && from < start && Faded(x, from, from + 2 * w - 1, to, tiny, peak)) break;
  }
  from = std::max(from, 1L);
}

}  // namespace spanwise

namespace spanwise {

void FactorStiffness(const Structure& structure, const MemberStiffness& k, long HalfBand,
                     FactoredStiffness& factored) {
  factored.band = BandMatrix("GlStKFactored", 2 * structure.NJ, HalfBand);
  StructuralStiffness(structure, k, factored.band);
  Array1 unused("GloExtLoad", {2 * structure.NJ});
  BoundaryConditions(structure, factored.band, unused);
  FactorBand(factored.band, factored.pivots);
}

}  // namespace spanwise
