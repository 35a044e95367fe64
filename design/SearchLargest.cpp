#include "design/SearchLargest.h"

#include <algorithm>
#include <cmath>

namespace spanwise {
namespace {

constexpr int kGrid = 12;

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
  double grid[kGrid + 1];
  for (int k = 0; k <= kGrid; ++k) {
    const double x = k == kGrid ? L : (L * k) / kGrid;
    grid[k] = f(x);
    best.Consider(x, grid[k]);
  }
  for (double x : candidates)
    if (x >= 0 && x <= L) best.Consider(x, f(x));
  // The two best sections of the grid, each refined between its neighbours.
  int first = -1, second = -1;
  for (int k = 0; k <= kGrid; ++k) {
    if (std::isnan(grid[k])) continue;
    if (first < 0 || grid[k] > grid[first]) {
      second = first;
      first = k;
    } else if (second < 0 || grid[k] > grid[second]) {
      second = k;
    }
  }
  const double tol = 1e-7 * L;
  for (int k : {first, second}) {
    if (k < 0 || L == 0) continue;
    Refine(f, (L * std::max(k - 1, 0)) / kGrid, (L * std::min(k + 1, kGrid)) / kGrid, tol, best);
  }
  value = best.value;
  return best.x;
}

}  // namespace spanwise
