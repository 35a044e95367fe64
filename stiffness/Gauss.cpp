#include <cmath>
#include <string>
#include <utility>

#include "run/DataError.h"
#include "run/FloatingPoint.h"
#include "stiffness/Stiffness.h"

namespace spanwise {
namespace {

std::string DofName(long p) {
  return "degree of freedom " + std::to_string(p) + " (" + (p % 2 == 1 ? "vertical" : "rotation") +
         " of joint " + std::to_string((p + 1) / 2) + ")";
}

[[noreturn]] void ZeroPivot(long k) {
  throw DataError("the stiffness equations are singular: zero pivot at " + DofName(k) +
                  "; that joint is neither connected by a stiff member nor restrained");
}

}  // namespace

void Gauss(Array1& GloExtLoad1, Array2& GlstK1, Array1& TempDisp1, long TotDOF1) {
  Array2& A = GlstK1;
  Array1& b = GloExtLoad1;
  Array1& x = TempDisp1;
  const long n = TotDOF1;

  for (long k = 1; k <= n - 1; ++k) {
    long p = k;
    double big = std::fabs(A(k, k));
    for (long i = k + 1; i <= n; ++i) {
      if (std::fabs(A(i, k)) > big) {
        big = std::fabs(A(i, k));
        p = i;
      }
    }
    if (big == 0) ZeroPivot(k);
    if (p != k) {
      for (long j = k; j <= n; ++j) std::swap(A(k, j), A(p, j));
      std::swap(b(k), b(p));
    }
    for (long i = k + 1; i <= n; ++i) {
      const double multiplier = A(i, k) / A(k, k);
      for (long j = k + 1; j <= n; ++j) A(i, j) = A(i, j) - multiplier * A(k, j);
      b(i) = b(i) - multiplier * b(k);
    }
    if (FloatingPointFault()) ThrowFloatingPointFault("elimination at " + DofName(k));
  }

  if (A(n, n) == 0) ZeroPivot(n);
  x(n) = b(n) / A(n, n);
  for (long m = 1; m <= n - 1; ++m) {
    const long i = n - m;
    double s = 0;
    for (long j = i + 1; j <= n; ++j) s = s + A(i, j) * x(j);
    x(i) = (b(i) - s) / A(i, i);
  }
  if (FloatingPointFault()) ThrowFloatingPointFault("back substitution of the displacements");
}

}  // namespace spanwise
