#include "design/SearchLargest.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace spanwise {
namespace {

constexpr int kGrid = 8;

struct Best {
  double x = 0, value = 0;
  bool present = false;
  void Consider(double at, double v) {
    if (std::isnan(v)) return;
    if (!present || v > value || (v == value && at < x)) *this = {at, v, true};
  }
};

// Brent's minimisation of -f on [a, b], from x inside it.
void Refine(const std::function<double(double)>& f, double a, double b, double tol, Best& best) {
  constexpr double kGolden = 0.3819660112501051;
  double x = (a + b) / 2, w = x, v = x;
  double fx = -f(x), fw = fx, fv = fx;
  best.Consider(x, -fx);
  double d = 0, e = 0;
  for (int iteration = 0; iteration < 100; ++iteration) {
    const double m = (a + b) / 2;
    if (std::abs(x - m) <= 2 * tol - (b - a) / 2) break;
    bool golden = true;
    if (std::abs(e) > tol) {
      // A parabola through x, w and v.
      const double r = (x - w) * (fx - fv);
      double q = (x - v) * (fx - fw);
      double p = (x - v) * q - (x - w) * r;
      q = 2 * (q - r);
      if (q > 0) p = -p;
      q = std::abs(q);
      const double last = e;
      e = d;
      if (std::abs(p) < std::abs(q * last / 2) && p > q * (a - x) && p < q * (b - x)) {
        d = p / q;
        const double u = x + d;
        if (u - a < 2 * tol || b - u < 2 * tol) d = x < m ? tol : -tol;
        golden = false;
      }
    }
    if (golden) {
      e = (x < m ? b : a) - x;
      d = kGolden * e;
    }
    const double u = std::abs(d) >= tol ? x + d : x + (d > 0 ? tol : -tol);
    const double fu = -f(u);
    best.Consider(u, -fu);
    if (std::isnan(fu)) break;
    if (fu <= fx) {
      (u < x ? b : a) = x;
      v = w, fv = fw, w = x, fw = fx, x = u, fx = fu;
    } else {
      (u < x ? a : b) = u;
      if (fu <= fw || w == x) {
        v = w, fv = fw, w = u, fw = fu;
      } else if (fu <= fv || v == x || v == w) {
        v = u, fv = fu;
      }
    }
  }
}

}  // namespace

double SearchLargest(const std::function<double(double)>& f, double L,
                     const std::vector<double>& candidates, double& value) {
  Best best;
  std::vector<std::pair<double, double>> seen;  // (x, f) of every section tried
  const auto at = [&](double x) {
    const double v = f(x);
    seen.push_back({x, v});
    best.Consider(x, v);
  };
  for (int k = 0; k <= kGrid; ++k) at(k == kGrid ? L : (L * k) / kGrid);
  for (double x : candidates)
    if (x >= 0 && x <= L) at(x);
  // Refined between the best section's neighbours among those tried; of
  // sections equal to 1e-12 (a symmetric member's twins), the first.
  std::sort(seen.begin(), seen.end());
  if (best.present && L > 0) {
    const auto it = std::find_if(seen.begin(), seen.end(), [&](const auto& s) {
      return s.second >= best.value - 1e-12 * std::abs(best.value);
    });
    const double lo = it == seen.begin() ? 0 : std::prev(it)->first;
    const double hi = std::next(it) == seen.end() ? L : std::next(it)->first;
    if (hi > lo) Refine(f, lo, hi, 1e-6 * L, best);
  }
  value = best.value;
  return best.x;
}

}  // namespace spanwise
