#include "design/MovingMember.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <utility>

#include "design/DesignParts.h"
#include "design/LaneLoad.h"
#include "design/SearchLargest.h"

namespace spanwise {
namespace {

constexpr std::array<Direction, 2> kDirections = {Direction::kIncreasingX, Direction::kDecreasingX};

double Sign(Direction d) { return d == Direction::kIncreasingX ? 1.0 : -1.0; }

// The most a piece's polynomial reaches over its length.
double Bound(const Piece& p) {
  double bound = 0, power = 1;
  for (double c : p.c) bound = bound + std::abs(c) * power, power = power * (p.x1 - p.x0);
  return bound;
}

// The line over [xmin, xmax]: zero pieces before and after its reach, the
// pieces at either end that stay below 1e-17 of its largest value first left
// out (what they add is below the rounding of any sum they enter).
void Padded(InfluenceLine& line, double xmin, double xmax) {
  double largest = 0;
  for (const Piece& p : line)
    largest = std::max({largest, std::abs(p.c[0]), std::abs(PieceValue(p, p.x1))});
  const double tiny = 1e-17 * largest;
  std::size_t first = 0, last = line.size();
  while (first < last && Bound(line[first]) < tiny) ++first;
  while (last > first && Bound(line[last - 1]) < tiny) --last;
  line.erase(line.begin() + static_cast<std::ptrdiff_t>(last), line.end());
  line.erase(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(first));
  if (line.empty()) return;
  if (line.front().x0 > xmin) line.insert(line.begin(), Piece{xmin, line.front().x0, {}});
  if (line.back().x1 < xmax) line.push_back(Piece{line.back().x1, xmax, {}});
}

MovingExtreme Moving(const VehicleExtreme& e, double x, double lane) {
  if (!e.present) return {true, x, lane, 0, Direction::kIncreasingX};  // the lane alone
  return {std::isfinite(e.value + lane), x, e.value + lane, e.x1, e.direction};
}

// The moment at x of the member for a unit load at X (0 off its reach).
double MomentAt(const MemberInfluence& m, double x, double X) {
  if (m.fy.empty() || X < m.fy.front().x0 || X > m.fy.back().x1) return 0;
  const auto it = std::lower_bound(m.fy.begin(), m.fy.end(), X,
                                   [](const Piece& p, double at) { return p.x1 < at; });
  const std::size_t k = static_cast<std::size_t>(it - m.fy.begin());
  double value = x * PieceValue(m.fy.at(k), X) - PieceValue(m.mz.at(k), X);
  if (k == m.own) {
    const double a = m.direction * (X - m.x_i);
    if (a < x) value = value - (x - a);
  }
  return value;
}

// The largest moment under an axle of point axles: axle k moved along the
// member, its moment f(u) at u from end i a polynomial of degree 4 between
// the points where an axle crosses a breakpoint of the member's lines; its
// largest at those points or where f' = 0, found from the quartic through
// five values.
void LargestUnderAnAxle(const MemberInfluence& m, const Vehicle& vehicle, MovingScratch& scratch,
                        MovingExtreme& best) {
  const std::size_t n = vehicle.axles.size();
  std::vector<double> offset(n, 0);
  for (std::size_t j = 1; j < n; ++j) offset[j] = offset[j - 1] + vehicle.axles[j].spacing;
  const double L = m.length;
  for (const Direction d : kDirections) {
    const double sd = Sign(d);
    for (std::size_t k = 0; k < n; ++k) {
      // Axle j stands at X_k + sd (offset k - offset j), X_k = x_i + direction u.
      const auto X1 = [&](double u) { return m.x_i + m.direction * u + sd * offset[k]; };
      const auto f = [&](double u) {
        double sum = 0;
        for (std::size_t j = 0; j < n; ++j)
          sum = sum + vehicle.axles[j].load * MomentAt(m, u, X1(u) - sd * offset[j]);
        return sum;
      };
      std::vector<double>& breaks = scratch.breaks;
      breaks.assign({0.0, L});
      for (std::size_t j = 0; j < n; ++j)
        for (std::size_t p = 0; p <= m.fy.size(); ++p) {
          const double b = p < m.fy.size() ? m.fy[p].x0 : m.fy.back().x1;
          const double u = m.direction * (b - m.x_i - sd * (offset[k] - offset[j]));
          if (u > 0 && u < L) breaks.push_back(u);
        }
      std::sort(breaks.begin(), breaks.end());
      breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
      const auto consider = [&](double u) {
        const double v = f(u);
        // Of values equal to 1e-12, the one at the smallest x, as along a member.
        const double tie = best.present ? 1e-12 * std::abs(best.value) : 0;
        if (std::isfinite(v) &&
            (!best.present || v > best.value + tie || (v >= best.value - tie && u < best.x)))
          best = {true, u, v, X1(u), d};
      };
      for (std::size_t b = 0; b + 1 < breaks.size(); ++b) {
        const double u0 = breaks[b], u1 = breaks[b + 1], h = u1 - u0;
        consider(u0);
        if (h <= 0) continue;
        // The quartic through five values, in t = (u - u0) / h, by divided
        // differences at t = 0, 1/4, ..., 1; then its derivative's roots.
        double y[5];
        for (int i = 0; i < 5; ++i) y[i] = f(u0 + (h * i) / 4);
        double c[5] = {y[0], y[1], y[2], y[3], y[4]};
        for (int level = 1; level < 5; ++level)
          for (int i = 4; i >= level; --i) c[i] = (c[i] - c[i - 1]) / (level / 4.0);
        // Newton form to powers of t (nodes 0, 1/4, 2/4, 3/4).
        double q[5] = {c[4], 0, 0, 0, 0};
        for (int i = 3; i >= 0; --i) {
          const double node = i / 4.0;
          for (int p = 4; p > 0; --p) q[p] = q[p - 1] - node * q[p];
          q[0] = c[i] - node * q[0];
        }
        const double dq[4] = {q[1], 2 * q[2], 3 * q[3], 4 * q[4]};
        scratch.roots.clear();
        SignChangesIn(dq, 3, 0, 1, scratch.roots);
        for (double t : scratch.roots) consider(u0 + h * t);
      }
      consider(L);
    }
  }
}

}  // namespace

void MovingSection(const MemberInfluence& member, InfluenceKind kind, double x,
                   const Vehicle& vehicle, double xmin, double xmax, MovingScratch& scratch,
                   MovingExtreme& max, MovingExtreme& min) {
  max = min = MovingExtreme{};
  scratch.line = SectionInfluence(member, kind, x);
  if (scratch.line.empty()) return;
  Padded(scratch.line, xmin, xmax);
  VehicleExtreme hi, lo;
  VehicleExtremes(scratch.line, vehicle, scratch.vehicle, hi, lo);
  LaneAreas areas{};
  if (vehicle.lane != 0) areas = LaneAreasOf(scratch.line, scratch.roots);
  max = Moving(hi, x, vehicle.lane * areas.positive);
  min = Moving(lo, x, vehicle.lane * areas.negative);
}

void MovingMember(const MemberInfluence& member, const Vehicle& vehicle, double xmin, double xmax,
                  MovingScratch& scratch, MovingEnvelope::Member& out) {
  out = {};
  out.member = member.member;
  const double L = member.length;
  MovingExtreme hi, lo, hi_j, lo_j;
  // Shear: largest just left of end j, smallest just right of end i.
  MovingSection(member, InfluenceKind::kShear, L, vehicle, xmin, xmax, scratch, out.shear_max, lo);
  MovingSection(member, InfluenceKind::kShear, 0, vehicle, xmin, xmax, scratch, hi, out.shear_min);
  // Moment: smallest at an end; largest at an end, under an axle, or found.
  MovingSection(member, InfluenceKind::kMoment, 0, vehicle, xmin, xmax, scratch, hi, lo);
  MovingSection(member, InfluenceKind::kMoment, L, vehicle, xmin, xmax, scratch, hi_j, lo_j);
  out.moment_min = lo_j.present && (!lo.present || lo_j.value < lo.value) ? lo_j : lo;
  out.moment_max = hi_j.present && (!hi.present || hi_j.value > hi.value) ? hi_j : hi;
  MovingExtreme under;
  if (!vehicle.axles.empty()) LargestUnderAnAxle(member, vehicle, scratch, under);
  const auto section = [&](InfluenceKind kind, bool largest, double x) {
    MovingExtreme a, b;
    MovingSection(member, kind, x, vehicle, xmin, xmax, scratch, a, b);
    return largest ? a : b;
  };
  if (vehicle.lane == 0) {
    if (under.present && under.value > out.moment_max.value) out.moment_max = under;
  } else {
    std::vector<double> candidates;
    if (under.present) candidates.push_back(under.x);
    double value = 0;
    const double x =
        SearchLargest([&](double at) { return section(InfluenceKind::kMoment, true, at).value; }, L,
                      candidates, value);
    if (value > out.moment_max.value) out.moment_max = section(InfluenceKind::kMoment, true, x);
  }
  if (member.EI == 0) return;
  // Both searches see the same sections of the grid: each computed once.
  std::map<double, std::pair<MovingExtreme, MovingExtreme>> deflection;
  const auto at = [&](double x) -> const std::pair<MovingExtreme, MovingExtreme>& {
    auto [it, added] = deflection.try_emplace(x);
    if (added)
      MovingSection(member, InfluenceKind::kDeflection, x, vehicle, xmin, xmax, scratch,
                    it->second.first, it->second.second);
    return it->second;
  };
  double value = 0;
  const double x_max = SearchLargest([&](double x) { return at(x).first.value; }, L, {}, value);
  out.deflection_max = at(x_max).first;
  const double x_min = SearchLargest([&](double x) { return -at(x).second.value; }, L, {}, value);
  out.deflection_min = at(x_min).second;
}

}  // namespace spanwise
