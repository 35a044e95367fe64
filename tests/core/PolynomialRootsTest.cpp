// The root finder of the extremes and envelopes on polynomials of known
// roots: only sign changes inside the open interval count, each found to
// the precision the polynomial's rounding allows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "design/DesignParts.h"

using namespace spanwise;

namespace {

// Coefficients (lowest first, six of them) of scale * prod (t - root). The
// roots have few significant bits, so that every coefficient is exact.
std::vector<double> FromRoots(const std::vector<double>& roots, double scale = 1) {
  std::vector<double> q(6, 0.0);
  q[0] = scale;
  for (std::size_t n = 0; n < roots.size(); ++n) {
    for (std::size_t k = n + 1; k >= 1; --k) q[k] = q[k - 1] - roots[n] * q[k];
    q[0] = -roots[n] * q[0];
  }
  return q;
}

// How far a computed sign change of q may lie from its root r of
// multiplicity m: where |q| is below the rounding of Horner's rule,
// 2 d eps sum |q_k| |r|^k, its sign is chance, and near r |q| grows as
// |q^(m)(r)| |t - r|^m / m!; plus one unit in the last place of r, where
// the bracket stops; doubled for the coefficients' own rounding and the
// first-order estimate.
double Tolerance(const std::vector<double>& q, int degree, double r, int m) {
  double size = 0;
  for (int k = degree; k >= 0; --k) size = size * std::fabs(r) + std::fabs(q[k]);
  std::vector<double> d(q.begin(), q.begin() + degree + 1);  // its m-th derivative / m!
  for (int i = 0; i < m; ++i)
    for (int k = 0; k + i < degree; ++k) d[k] = d[k + 1] * (k + 1) / (i + 1);
  double slope = 0;
  for (int k = degree - m; k >= 0; --k) slope = slope * r + d[k];
  const double noise = 2 * degree * std::numeric_limits<double>::epsilon() * size;
  return 2 * (std::pow(noise / std::fabs(slope), 1.0 / m) + std::nextafter(std::fabs(r), HUGE_VAL) -
              std::fabs(r));
}

}  // namespace

TEST(PolynomialRoots, KnownRoots) {
  const std::vector<double> cluster3 = {1, 1 + 0x1p-12, 1 + 0x1p-11},
                            cluster5 = {2, 2.03125, 2.0625, 2.09375, 2.125};
  const struct {
    const char* name;
    std::vector<double> q;  // lowest first
    int degree;
    double lo, hi;
    std::vector<double> roots;  // inside (lo, hi), in order, a root of multiplicity m m times
    bool exact;                 // the first guess or a zero of q fixes them exactly
  } cases[] = {
      {"linear as quintic", {-3, 2, 0, 0, 0, 0}, 5, 0, 4, {1.5}, true},         // the chord hits it
      {"quadratic as quartic", {1.5, -3.5, 1, 0, 0}, 4, 0, 4, {0.5, 3}, true},  // stable formula
      {"cubic as quintic", FromRoots({0.25, 1, 3}), 5, 0, 4, {0.25, 1, 3}, false},
      {"tiny leading coefficient", {-1, 1, 0, 0, 0, 1e-300}, 5, 0, 2, {1}, true},
      {"zero polynomial", {0, 0, 0, 0, 0, 0}, 5, 0, 4, {}, true},
      {"no real roots", {4, 0, 5, 0, 1}, 4, -5, 5, {}, true},
      {"roots outside", FromRoots({-1, 9}), 2, 0, 8, {}, true},
      {"double root alone", FromRoots({1, 1}), 2, 0, 2, {1, 1}, true},
      {"double root in a quintic", FromRoots({1, 2, 2, 3, 5}), 5, 0, 6, {1, 2, 2, 3, 5}, false},
      // q(1) = -2^-54: the chord to the derivative's root at 1 rounds onto it.
      {"double root split by rounding", {0.25 - 0x1p-54, 0.5, -1.75, 1}, 3, 0, 3, {1, 1}, false},
      {"triple root", FromRoots({1, 1, 1, 3}), 4, 0, 4, {1, 1, 1, 3}, false},
      {"roots at both ends", FromRoots({0, 2}), 2, 0, 2, {}, true},
      {"root at the upper end", FromRoots({0, 2}), 2, -1, 2, {0}, true},
      {"five roots, two at the ends", FromRoots({0, 1, 2, 3, 4}), 5, 0, 4, {1, 2, 3}, false},
      {"root just inside the end", FromRoots({0x1p-30, 5}), 2, 0, 8, {0x1p-30, 5}, false},
      {"clustered cubic", FromRoots(cluster3), 3, 0, 2, cluster3, false},
      {"clustered quintic", FromRoots(cluster5), 5, 0, 3, cluster5, false},
      {"small coefficients", FromRoots({0.25, 0.75, 6}, -1e-12), 3, 0, 7.5, {0.25, 0.75, 6}, false},
      {"degree above five", {-1, 1, 0, 0, 0, 0, 1}, 6, 0, 2, {}, true},
      {"reversed interval", {-3, 2}, 1, 4, 0, {}, true},
      {"undefined interval", {-3, 2}, 1, 0, std::nan(""), {}, true},
  };
  // A root of odd multiplicity m is a sign change: rounding may show it as
  // up to m of them, an odd number, all within its tolerance; one of even
  // multiplicity as none or an even number.
  for (const auto& c : cases) {
    std::vector<double> found = {-7};  // roots are appended
    SignChangesIn(c.q.data(), c.degree, c.lo, c.hi, found);
    EXPECT_EQ(found[0], -7) << c.name;
    EXPECT_EQ(std::adjacent_find(found.begin(), found.end(), std::greater_equal<>()), found.end())
        << c.name << ": not increasing";
    std::size_t next = 1;
    for (auto r = c.roots.begin(); r != c.roots.end(); r += std::count(r, c.roots.end(), *r)) {
      const auto m = std::count(r, c.roots.end(), *r);
      const double tolerance = c.exact ? 0 : Tolerance(c.q, c.degree, *r, static_cast<int>(m));
      double room = std::min(*r - c.lo, c.hi - *r);  // each sign change is one root's
      for (const double other : c.roots)
        room = other == *r ? room : std::min(room, std::fabs(other - *r));
      EXPECT_LT(4 * tolerance, room) << c.name << ": ill-posed";
      long near = 0;
      for (; next < found.size() && std::fabs(found[next] - *r) <= tolerance; ++next) ++near;
      EXPECT_TRUE(near % 2 == m % 2 && near <= m) << c.name << ": " << near << " at " << *r;
    }
    EXPECT_EQ(next, found.size()) << c.name << ": a sign change far from every root";
  }
}
