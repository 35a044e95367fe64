#include <algorithm>
#include <cmath>
#include <vector>

#include "design/DesignParts.h"
#include "design/Horner.h"

namespace spanwise {
namespace {

constexpr int kMaxDegree = 5;

double ValueAt(const double* q, int degree, double t) {
  return Horner({q, static_cast<std::size_t>(degree + 1)}, t);
}

// A first guess inside (a, b): the root of a quadratic by the stable formula
// when it lies there, else where the chord crosses zero.
double FirstGuess(const double* q, int degree, double a, double b, double fa, double fb) {
  if (degree == 2) {
    // Large coefficients (a moment near 1e200) are scaled by a power of two,
    // exactly, so that the squares cannot overflow; the roots stay the same.
    const double largest = std::max({std::abs(q[0]), std::abs(q[1]), std::abs(q[2])});
    const double scale = largest > 0x1p500 ? std::ldexp(1.0, -std::ilogb(largest)) : 1;
    const double q0 = q[0] * scale, q1 = q[1] * scale, q2 = q[2] * scale;
    const double discriminant = q1 * q1 - 4 * q2 * q0;
    if (discriminant >= 0) {
      const double s = -(q1 + std::copysign(std::sqrt(discriminant), q1)) / 2;
      for (const double root : {s / q2, s != 0 ? q0 / s : s / q2})
        if (root > a && root < b) return root;
    }
  }
  const double chord = a + (b - a) * (fa / (fa - fb));
  return chord > a && chord < b ? chord : a + (b - a) / 2;
}

// The root of q in (a, b), where q(a) = fa and q(b) = fb have opposite signs:
// Newton steps while they stay inside the shrinking bracket, halving
// otherwise, until the step no longer moves x or the bracket is one ulp wide.
double RootInBracket(const double* q, const double* dq, int degree, double a, double b, double fa,
                     double fb) {
  double x = FirstGuess(q, degree, a, b, fa, fb);
  for (int iteration = 0; iteration < 200; ++iteration) {
    const double fx = ValueAt(q, degree, x);
    if (fx == 0) return x;
    if ((fx < 0) == (fa < 0)) {
      a = x;
    } else {
      b = x;
    }
    double next = a + (b - a) / 2;
    const double dfx = ValueAt(dq, degree - 1, x);
    // |fx / dfx| < b - a, tested without dividing: no overflow, no 0 / 0.
    if (std::abs(fx) < std::abs(dfx) * (b - a)) {
      const double newton = x - fx / dfx;
      if (newton > a && newton < b) next = newton;
    }
    if (next == x || !(next > a && next < b)) return x;
    x = next;
  }
  return x;
}

// Sign changes of q in (lo, hi) into out (at most degree of them). Between
// two neighbouring sign changes of q' (or the interval's ends) q is monotone
// and changes sign at most once.
int SignChanges(const double* q, int degree, double lo, double hi, double* out) {
  while (degree > 0 && q[degree] == 0) --degree;
  if (degree <= 0) return 0;
  double dq[kMaxDegree] = {};
  for (int k = 0; k < degree; ++k) dq[k] = q[k + 1] * (k + 1);
  double ends[kMaxDegree + 2];
  int count = 0;
  ends[count++] = lo;
  count += SignChanges(dq, degree - 1, lo, hi, ends + 1);
  ends[count++] = hi;
  int found = 0;
  double fu = ValueAt(q, degree, lo);
  for (int k = 0; k + 1 < count; ++k) {
    const double fw = ValueAt(q, degree, ends[k + 1]);
    if (fu != 0 && fw != 0 && (fu < 0) != (fw < 0))
      out[found++] = RootInBracket(q, dq, degree, ends[k], ends[k + 1], fu, fw);
    fu = fw;
  }
  return found;
}

}  // namespace

void SignChangesIn(const double* q, int degree, double lo, double hi, std::vector<double>& roots) {
  if (degree > kMaxDegree || !(lo < hi)) return;
  double found[kMaxDegree];
  const int n = SignChanges(q, degree, lo, hi, found);
  roots.insert(roots.end(), found, found + n);
}

}  // namespace spanwise
