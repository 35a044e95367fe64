#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "common/DataError.h"
#include "common/FloatingPoint.h"
#include "stiffness/Stiffness.h"

namespace spanwise {
namespace {

// Raises the invalid-operation flag as the dense procedure's inf * 0 does.
void InfinityTimesZero() {
  volatile double infinity = HUGE_VAL;
  volatile double product = infinity * 0.0;
  (void)product;
}

}  // namespace

// Elimination on the band. Entries outside it are exact zeros (+0: sums that
// start from +0 never give -0), and the dense procedure only ever subtracts
// +-0 from them or with them, which changes nothing: the entries kept here
// see the same operations in the same order, so every result is
// bit-identical to the dense elimination. Two of the dense
// procedure's effects outside the band are reproduced where they can show:
// a -0 in the load vector that the dense procedure turns into +0, and the
// invalid-operation flag of an infinite displacement times a zero in the
// back substitution.
void Gauss(Array1& GloExtLoad1, BandMatrix& GlstK1, Array1& TempDisp1, long TotDOF1,
           StepWatch* watch) {
  BandMatrix& A = GlstK1;
  Array1& b = GloExtLoad1;
  Array1& x = TempDisp1;
  const long n = TotDOF1;
  const long lower = A.lower();
  const long upper = A.upper();

  // A -0 load entry becomes +0 once the dense procedure subtracts -0 from it
  // while its row lies below the band; that never happens without one.
  bool negative_zero = false;
  for (long i = 1; i <= n; ++i) negative_zero = negative_zero || (b(i) == 0 && std::signbit(b(i)));
  bool flipped = false;       // a -0 below the band has been turned into +0
  auto enter = [&](long r) {  // row r joins the band: apply what happened below it
    if (flipped && r >= 1 && r <= n && b(r) == 0) b(r) = 0.0;
  };

  for (long k = 1; k <= n - 1; ++k) {
    if (watch != nullptr && k % 64 == 0) watch->Step("solving the equations", k, n);
    if (negative_zero) enter(k + lower);
    const long last_row = std::min(n, k + lower);
    const long last_col = std::min(n, k + upper);

    long p = k;
    double big = std::fabs(A(k, k));
    for (long i = k + 1; i <= last_row; ++i) {
      if (std::fabs(A(i, k)) > big) {
        big = std::fabs(A(i, k));
        p = i;
      }
    }
    if (big == 0) ZeroPivot(k);
    double* const pivot_row = A.Row(k, k, last_col);
    if (p != k) {
      double* const other = A.Row(p, k, last_col);
      for (long j = 0; j <= last_col - k; ++j) std::swap(pivot_row[j], other[j]);
      std::swap(b(k), b(p));
    }
    const double pivot = pivot_row[0];
    const double bk = b(k);
    for (long i = k + 1; i <= last_row; ++i) {
      double* const row = A.Row(i, k, last_col);
      const double multiplier = row[0] / pivot;
      for (long j = 1; j <= last_col - k; ++j) row[j] = row[j] - multiplier * pivot_row[j];
      b(i) = b(i) - multiplier * bk;
    }
    if (negative_zero && k + lower < n && std::signbit((0.0 / pivot) * bk)) flipped = true;
    // No multiplier exceeds 1 in magnitude (the pivot is the largest), so the
    // dense procedure's products with the zeros beyond the band raise no flag.
    if (FloatingPointFault())
      ThrowFloatingPointFault("solving the stiffness equations, at " + DofName(k),
                              RecordRef{kJointsSection, (k + 1) / 2});
  }
  if (negative_zero && lower == 0) enter(n);

  if (A(n, n) == 0) ZeroPivot(n);
  x(n) = b(n) / A(n, n);
  for (long m = 1; m <= n - 1; ++m) {
    const long i = n - m;
    const long last_col = std::min(n, i + upper);
    const double* const row = A.Row(i, i, last_col);
    double s = 0;
    for (long j = i + 1; j <= last_col; ++j) s = s + row[j - i] * x(j);
    x(i) = (b(i) - s) / row[0];
  }
  if (FloatingPointFault()) {
    for (long j = upper + 2; j <= n; ++j)
      if (std::isinf(x(j))) InfinityTimesZero();
    ThrowFloatingPointFault(
        "solving the stiffness equations for the displacements (are E, I or the loads extreme?)");
  }
}

}  // namespace spanwise
