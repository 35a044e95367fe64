#include <algorithm>

#include "design/DesignValues.h"
#include "design/Horner.h"

namespace spanwise {

double PieceValue(const Piece& p, double x) { return Horner(p.c, x - p.x0); }

double Evaluate(const Piecewise& f, double x, Side side) {
  if (f.empty()) return 0;
  // The first piece that ends after x (or at x, asked for the left side).
  auto it = std::find_if(f.begin(), f.end(), [&](const Piece& p) {
    return side == Side::kLeft ? x <= p.x1 : x < p.x1;
  });
  if (it == f.end()) it = f.end() - 1;
  return PieceValue(*it, x);
}

void SampleForDrawing(const Piecewise& f, int per_piece, std::vector<double>& x,
                      std::vector<double>& y) {
  const int n = std::max(per_piece, 1);
  for (const Piece& p : f) {
    for (int k = 0; k <= n; ++k) {
      const double at = k == n ? p.x1 : p.x0 + ((p.x1 - p.x0) * k) / n;
      x.push_back(at);
      y.push_back(PieceValue(p, at));
    }
  }
}

}  // namespace spanwise
