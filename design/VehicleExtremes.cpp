#include "design/VehicleExtremes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <tuple>

#include "design/DesignParts.h"
#include "design/Horner.h"

namespace spanwise {
namespace {

using Coefficients = std::array<double, 6>;

// The offset of each axle from axle 1 along X1: x_k = X1 - offset[k].
void AxleOffsets(const Vehicle& vehicle, Direction direction, std::vector<double>& offset) {
  const double sign = direction == Direction::kIncreasingX ? 1 : -1;
  offset.clear();
  double behind = 0;
  for (std::size_t k = 0; k < vehicle.axles.size(); ++k) {
    if (k > 0) behind += vehicle.axles[k].spacing;
    offset.push_back(sign * behind);
  }
}

// Breakpoint j of the line (0..m): the start of piece j, the last its end.
double Breakpoint(const InfluenceLine& line, std::size_t j) {
  return j < line.size() ? line[j].x0 : line.back().x1;
}

// The piece under an axle of offset `offset` at x1, or none (off the beam).
const Piece* PieceUnder(const InfluenceLine& line, double x1, double offset, Approach approach) {
  const double start = line.front().x0 + offset, end = line.back().x1 + offset;
  // At the far end the value at X1 is the one reached from below.
  const bool below = approach == Approach::kBelow || (approach == Approach::kAt && x1 == end);
  if (below ? !(start < x1 && x1 <= end) : !(start <= x1 && x1 < end)) return nullptr;
  const auto after = std::partition_point(line.begin(), line.end(), [&](const Piece& p) {
    return below ? p.x0 + offset < x1 : p.x0 + offset <= x1;
  });
  return &*(after - 1);
}

// The same polynomial in powers of (t - a): c(t) = shifted(t - a).
Coefficients Shifted(const Coefficients& c, double a) {
  Coefficients s = c;
  int top = 5;
  while (top > 0 && s[top] == 0) --top;
  for (int i = 0; i < top; ++i)
    for (int j = top - 1; j >= i; --j) s[j] += a * s[j + 1];
  return s;
}

void AddScaled(Coefficients& sum, double scale, const Coefficients& c) {
  for (std::size_t q = 0; q < sum.size(); ++q) sum[q] += scale * c[q];
}

// Appends the candidates of one direction; false (none) where a position is
// not finite. Candidates of one direction: E is one polynomial S in (X1 - origin)
// between neighbouring events, shifted along and corrected axle by axle as
// they cross breakpoints, and rebuilt from every axle after as many
// corrections as there are axles, so that rounding cannot accumulate.
bool Sweep(const InfluenceLine& line, const Vehicle& vehicle, Direction direction,
           VehicleScratch& scratch) {
  auto& offset = scratch.offset;
  auto& events = scratch.events;
  auto& piece = scratch.piece;
  auto& out = scratch.candidates;
  AxleOffsets(vehicle, direction, offset);
  const long n = static_cast<long>(vehicle.axles.size()), m = static_cast<long>(line.size());
  events.clear();
  for (long k = 0; k < n; ++k)
    for (long j = 0; j <= m; ++j)
      events.push_back({Breakpoint(line, static_cast<std::size_t>(j)) + offset[k], k, j});
  if (!std::all_of(events.begin(), events.end(), [](const auto& e) { return std::isfinite(e.x1); }))
    return false;
  // Each axle's events are in order already: merged run by run, n log n.
  const auto before = [](const auto& a, const auto& b) {
    return std::tie(a.x1, a.axle, a.point) < std::tie(b.x1, b.axle, b.point);
  };
  const auto size = static_cast<std::ptrdiff_t>(events.size());
  for (std::ptrdiff_t run = m + 1; run < size; run *= 2)
    for (std::ptrdiff_t lo = 0; lo + run < size; lo += 2 * run)
      std::inplace_merge(events.begin() + lo, events.begin() + lo + run,
                         events.begin() + std::min(lo + 2 * run, size), before);
  piece.assign(static_cast<std::size_t>(n), -1);
  const auto load = [&](long k) { return vehicle.axles[static_cast<std::size_t>(k)].load; };
  // Axle k's share of S about origin, its piece p on the beam.
  const auto share = [&](long k, long p, double origin) {
    const Piece& at = line[static_cast<std::size_t>(p)];
    return Shifted(at.c, (origin - offset[k]) - at.x0);
  };
  Coefficients S{};
  double origin = 0;
  long corrections = 0;
  // The largest and smallest value so far: an interval whose values cannot
  // pass them needs no roots (most of a long line's intervals).
  double high = -std::numeric_limits<double>::infinity(), low = -high;
  for (const auto& c : out) high = std::max(high, c.value), low = std::min(low, c.value);
  for (std::size_t i = 0; i < events.size();) {
    const double e = events[i].x1;
    if (i > 0) {
      const double h = e - origin;
      const double v0 = S[0], v1 = Horner(S, h);
      // Inside, S stays within its mean at the ends +- slope * h / 2, slope
      // a bound of |S'| on [0, h].
      double slope = 0, power = 1;
      for (int q = 1; q < 6; ++q, power = power * h) slope = slope + (q * std::abs(S[q])) * power;
      const double reach = (slope * h) / 2 * (1 + 1e-6), middle = (v0 + v1) / 2;
      // Near-ties count too: the one at the smallest X1 governs.
      const double tie = 1e-11 * std::max(std::abs(high), std::abs(low));
      if (!std::isfinite(reach + tie) || middle + reach >= high - tie ||
          middle - reach <= low + tie) {
        double derivative[5];
        for (int q = 0; q < 5; ++q) derivative[q] = S[q + 1] * (q + 1);
        scratch.roots.clear();
        SignChangesIn(derivative, 4, 0, h, scratch.roots);
        for (double t : scratch.roots)
          if (origin + t > origin && origin + t < e) {
            out.push_back({origin + t, Horner(S, t), direction, Approach::kAt});
            high = std::max(high, out.back().value), low = std::min(low, out.back().value);
          }
      }
      out.push_back({e, v1, direction, Approach::kBelow});
      high = std::max(high, v1), low = std::min(low, v1);
      S = Shifted(S, h);
    }
    origin = e;
    double leaving = 0;  // what the axles leaving the beam at e carry at e
    while (i < events.size() && events[i].x1 == e) {
      // An axle's events at e (pieces of no length) taken together.
      const long k = events[i].axle;
      long to = events[i].point;
      for (; i < events.size() && events[i].x1 == e && events[i].axle == k; ++i)
        to = events[i].point;
      const long from = piece[static_cast<std::size_t>(k)];
      if (from >= 0 && from < m) {
        const Coefficients old = share(k, from, e);
        AddScaled(S, -load(k), old);
        if (to == m) leaving += load(k) * old[0];
      }
      if (to < m) AddScaled(S, load(k), share(k, to, e));
      piece[static_cast<std::size_t>(k)] = to;
      ++corrections;
    }
    if (corrections >= n) {
      S = Coefficients{};
      for (long k = 0; k < n; ++k) {
        const long p = piece[static_cast<std::size_t>(k)];
        if (p >= 0 && p < m) AddScaled(S, load(k), share(k, p, e));
      }
      corrections = 0;
    }
    out.push_back({e, S[0] + leaving, direction, Approach::kAt});
    high = std::max(high, S[0] + leaving), low = std::min(low, S[0] + leaving);
    if (i < events.size()) {
      out.push_back({e, S[0], direction, Approach::kAbove});
      high = std::max(high, S[0]), low = std::min(low, S[0]);
    }
  }
  return true;
}

// The governing candidate of those within `tie` of `target` (above it for
// the max: sense 1, below for the min: sense -1).
const VehicleScratch::Candidate& Governing(const std::vector<VehicleScratch::Candidate>& all,
                                           double target, double tie, int sense) {
  const auto key = [](const VehicleScratch::Candidate& c) {
    return std::make_tuple(c.x1, -static_cast<int>(c.direction), static_cast<int>(c.approach));
  };
  const VehicleScratch::Candidate* best = nullptr;
  for (const auto& c : all)
    if (sense * (c.value - target) >= -tie && (best == nullptr || key(c) < key(*best))) best = &c;
  return *best;
}

}  // namespace

double VehicleEffect(const InfluenceLine& line, const Vehicle& vehicle, double x1,
                     Direction direction, Approach approach) {
  if (line.empty()) return 0;
  const double sign = direction == Direction::kIncreasingX ? 1 : -1;
  double behind = 0, sum = 0;
  for (std::size_t k = 0; k < vehicle.axles.size(); ++k) {
    if (k > 0) behind += vehicle.axles[k].spacing;
    const double offset = sign * behind;
    if (const Piece* p = PieceUnder(line, x1, offset, approach))
      sum += vehicle.axles[k].load * Horner(p->c, (x1 - offset) - p->x0);
  }
  return sum;
}

void VehicleExtremes(const InfluenceLine& line, const Vehicle& vehicle, VehicleScratch& scratch,
                     VehicleExtreme& max, VehicleExtreme& min) {
  max = VehicleExtreme{};
  min = VehicleExtreme{};
  if (line.empty() || !(line.front().x0 < line.back().x1) || vehicle.axles.empty()) return;
  scratch.candidates.clear();
  if (!Sweep(line, vehicle, Direction::kIncreasingX, scratch) ||
      !Sweep(line, vehicle, Direction::kDecreasingX, scratch))
    return;
  double largest = -std::numeric_limits<double>::infinity(), smallest = -largest, magnitude = 0;
  for (const auto& c : scratch.candidates) {
    if (!std::isfinite(c.value)) return;
    largest = std::max(largest, c.value);
    smallest = std::min(smallest, c.value);
    magnitude = std::max(magnitude, std::abs(c.value));
  }
  // Rounding must not move an extreme that holds over a stretch off its start.
  const double tie = magnitude * 1e-12;
  const auto& high = Governing(scratch.candidates, largest, tie, 1);
  const auto& low = Governing(scratch.candidates, smallest, tie, -1);
  const VehicleExtreme found_max{
      true, VehicleEffect(line, vehicle, high.x1, high.direction, high.approach), high.x1,
      high.direction, high.approach};
  const VehicleExtreme found_min{true,
                                 VehicleEffect(line, vehicle, low.x1, low.direction, low.approach),
                                 low.x1, low.direction, low.approach};
  if (!std::isfinite(found_max.value) || !std::isfinite(found_min.value)) return;
  max = found_max;
  min = found_min;
}

}  // namespace spanwise
