#include "design/LaneLoad.h"

#include <algorithm>

#include "design/DesignParts.h"
#include "design/Horner.h"

namespace spanwise {

LaneAreas LaneAreasOf(const InfluenceLine& line, std::vector<double>& roots) {
  LaneAreas areas;
  for (const Piece& p : line) {
    // The antiderivative divided by t: c[k] / (k + 1) at t^k.
    double integral[6];
    for (int k = 0; k < 6; ++k) integral[k] = p.c[k] / (k + 1);
    const auto area_to = [&](double t) { return t * Horner(integral, t); };
    const double h = p.x1 - p.x0;
    roots.clear();
    SignChangesIn(p.c.data(), 5, 0, h, roots);
    roots.push_back(h);
    double before = 0;
    for (const double t : roots) {
      // No sign change inside: the part's area has the sign of the line there.
      const double to = area_to(t), part = to - before;
      areas.positive += std::max(part, 0.0);
      areas.negative += std::min(part, 0.0);
      before = to;
    }
    areas.whole += before;
  }
  return areas;
}

}  // namespace spanwise
