#include "design/VehicleLoads.h"

#include <algorithm>

#include "common/MemberGeometry.h"
#include "design/DesignParts.h"

namespace spanwise {
namespace {

struct Span {
  long m;
  double left, right;  // X range
};

}  // namespace

void VehicleLoads(const Structure& structure, const Vehicle& vehicle, double position,
                  Direction direction, const InfluenceLine& line, bool larger,
                  std::vector<MemberLoad>& loads) {
  loads.clear();
  std::vector<Span> spans;
  for (long m = 1; m <= structure.NM; ++m) {
    const double xi = structure.XCoord(structure.JN(m, 1)),
                 xj = structure.XCoord(structure.JN(m, 2));
    spans.push_back({m, std::min(xi, xj), std::max(xi, xj)});
  }
  std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) {
    return a.left != b.left ? a.left < b.left : a.m < b.m;
  });
  // The distance from end i of member m to X.
  const auto from_i = [&](long m, double X) {
    const double xi = structure.XCoord(structure.JN(m, 1)),
                 xj = structure.XCoord(structure.JN(m, 2));
    return xj >= xi ? X - xi : xi - X;
  };
  const auto add = [&](long m, double t, double w, double l1, double l2) {
    MemberLoad load;
    load.record = static_cast<long>(loads.size()) + 1;
    load.line = vehicle.line;
    load.m = m;
    load.t = t;
    load.w1 = w;
    load.w2 = t == 2 ? w : 0;
    load.l1 = l1;
    load.l2 = l2;
    loads.push_back(load);
  };
  const double sign = direction == Direction::kIncreasingX ? 1.0 : -1.0;
  double offset = 0;
  for (std::size_t k = 0; k < vehicle.axles.size(); ++k) {
    offset = offset + vehicle.axles[k].spacing;
    const double X = position - sign * offset;
    const auto holds = std::find_if(spans.begin(), spans.end(), [&](const Span& s) {
      return X >= s.left && (X < s.right || (X == s.right && &s == &spans.back()));
    });
    if (holds != spans.end()) add(holds->m, 1, vehicle.axles[k].load, from_i(holds->m, X), 0);
  }
  if (vehicle.lane == 0) return;
  std::vector<double> roots;
  for (const Piece& p : line) {
    if (p.x1 <= p.x0) continue;
    roots.clear();
    SignChangesIn(p.c.data(), 5, 0, p.x1 - p.x0, roots);
    double from = p.x0;
    roots.push_back(p.x1 - p.x0);
    for (double t : roots) {
      const double to = p.x0 + t, mid = PieceValue(p, (from + to) / 2);
      if (to > from && (larger ? mid > 0 : mid < 0)) {
        const auto holds = std::find_if(spans.begin(), spans.end(), [&](const Span& s) {
          return (from + to) / 2 >= s.left && (from + to) / 2 <= s.right;
        });
        if (holds != spans.end()) {
          const double a = from_i(holds->m, from), b = from_i(holds->m, to);
          const double L = holds->right - holds->left;
          add(holds->m, 2, vehicle.lane, std::min(a, b), L - std::max(a, b));
        }
      }
      from = to;
    }
  }
}

}  // namespace spanwise
