#include <algorithm>
#include <cmath>

#include "design/DesignParts.h"
#include "design/Horner.h"

namespace spanwise {
bool ExtremesOf(const Piecewise& f, MemberScratch& scratch, Extreme& max, Extreme& min) {
  max = Extreme{};
  min = Extreme{};
  if (f.empty()) return true;
  auto& candidates = scratch.candidates;
  candidates.clear();
  for (const Piece& p : f) {
    const double h = p.x1 - p.x0;
    candidates.push_back({p.x0, p.c[0]});
    // Where the derivative changes sign inside the piece.
    double derivative[5];
    for (int k = 0; k < 5; ++k) derivative[k] = p.c[k + 1] * (k + 1);
    scratch.roots.clear();
    SignChangesIn(derivative, 4, 0, h, scratch.roots);
    for (double t : scratch.roots) candidates.push_back({p.x0 + t, Horner(p.c, t)});
    candidates.push_back({p.x1, Horner(p.c, h)});
  }
  double largest = candidates.front().value, smallest = largest, magnitude = 0;
  for (const auto& c : candidates) {
    // An infinite or undefined value (from superposed end values that had
    // already overflowed, so no fault flag is raised here) has no extreme.
    if (!std::isfinite(c.value)) return false;
    largest = std::max(largest, c.value);
    smallest = std::min(smallest, c.value);
    magnitude = std::max(magnitude, std::abs(c.value));
  }
  // Rounding must not move an extreme that holds over a stretch off its start.
  const double tie = magnitude * 1e-12;
  const auto first_max = std::find_if(candidates.begin(), candidates.end(),
                                      [&](const auto& c) { return c.value >= largest - tie; });
  const auto first_min = std::find_if(candidates.begin(), candidates.end(),
                                      [&](const auto& c) { return c.value <= smallest + tie; });
  max = {true, first_max->x, first_max->value};
  min = {true, first_min->x, first_min->value};
  return true;
}

}  // namespace spanwise
