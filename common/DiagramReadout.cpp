#include "common/DiagramReadout.h"

#include <cmath>

namespace spanwise {

std::vector<double> DiagramValuesAt(const std::vector<DiagramPoint>& points, double x,
                                    double reach) {
  const DiagramPoint* first_near = nullptr;
  const DiagramPoint* last_near = nullptr;
  bool jump = false;
  for (const DiagramPoint& p : points) {
    if (!(std::fabs(p.x - x) <= reach)) continue;
    if (first_near == nullptr) first_near = &p;
    if (p.value != first_near->value) jump = true;
    last_near = &p;
  }
  if (jump) return {first_near->value, last_near->value};
  for (std::size_t i = 1; i < points.size(); ++i) {
    const DiagramPoint& a = points[i - 1];
    const DiagramPoint& b = points[i];
    const bool between = (a.x <= x && x <= b.x) || (b.x <= x && x <= a.x);
    if (!between || a.x == b.x) continue;
    return {a.value + (b.value - a.value) * ((x - a.x) / (b.x - a.x))};
  }
  if (first_near != nullptr) return {first_near->value};
  return {};
}

double ShownValue(double value, double largest) {
  // -0 too reads as 0.
  return value == 0 || std::fabs(value) < largest * 1e-9 ? 0.0 : value;
}

}  // namespace spanwise
