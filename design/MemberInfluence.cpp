#include "design/MemberInfluence.h"

#include <algorithm>

namespace spanwise {

void ShiftCubic(std::array<double, 6>& c, double h) {
  // Taylor's shift of a cubic: c_k' = sum_{j >= k} C(j, k) c_j h^(j - k).
  c[0] = ((c[3] * h + c[2]) * h + c[1]) * h + c[0];
  c[1] = (3 * c[3] * h + 2 * c[2]) * h + c[1];
  c[2] = 3 * c[3] * h + c[2];
}

namespace {

// The section's own term where the load stands at a <= x on the member:
// with u = x - a = u0 + s t, M loses u, V gains 1, v loses u^3 / (6 EI).
void AddOwnTerm(InfluenceKind kind, double u0, double s, double EI, Piece& p) {
  switch (kind) {
    case InfluenceKind::kMoment:
      p.c[0] = p.c[0] - u0;
      p.c[1] = p.c[1] - s;
      break;
    case InfluenceKind::kShear:
      p.c[0] = p.c[0] + 1;
      break;
    case InfluenceKind::kDeflection: {
      const double k = 6 * EI;
      p.c[0] = p.c[0] - ((u0 * u0) * u0) / k;
      p.c[1] = p.c[1] - (3 * (u0 * u0) * s) / k;
      p.c[2] = p.c[2] - (3 * u0) / k;
      p.c[3] = p.c[3] - ((s * s) * s) / k;
      break;
    }
    default:
      break;
  }
}

}  // namespace

InfluenceLine SectionInfluence(const MemberInfluence& member, InfluenceKind kind, double x) {
  InfluenceLine line;
  if (kind == InfluenceKind::kDeflection && member.EI == 0) return line;
  const double EI = member.EI;
  const double x2 = (x * x) / (2 * EI), x3 = ((x * x) * x) / (6 * EI);
  for (std::size_t k = 0; k < member.fy.size(); ++k) {
    const Piece &F1 = member.fy[k], &F2 = member.mz[k];
    Piece p{F1.x0, F1.x1, {}};
    for (int c = 0; c < 4; ++c) {
      const std::size_t n = static_cast<std::size_t>(c);
      switch (kind) {
        case InfluenceKind::kMoment:
          p.c[n] = x * F1.c[n] - F2.c[n];
          break;
        case InfluenceKind::kShear:
          p.c[n] = -F1.c[n];
          break;
        default:
          p.c[n] = ((member.v[k].c[n] + x * member.theta[k].c[n]) - x2 * F2.c[n]) + x3 * F1.c[n];
          break;
      }
    }
    if (k != member.own) {
      line.push_back(p);
      continue;
    }
    // The member's own piece: split at the section; the load acts on the
    // section directly where a <= x, left of it in X when end j is right.
    const double at = member.x_i + member.direction * x;
    const double s = -member.direction;  // du/dX
    Piece left = p, right = p;
    left.x1 = at;
    right.x0 = at;
    ShiftCubic(right.c, at - p.x0);
    Piece& own = member.direction > 0 ? left : right;
    AddOwnTerm(kind, x - member.direction * (own.x0 - member.x_i), s, EI, own);
    if (left.x1 > left.x0) line.push_back(left);
    if (right.x1 > right.x0 || left.x1 == left.x0) line.push_back(right);
  }
  return line;
}

InfluenceLine OverTheBeam(const InfluenceLine& line, const std::vector<double>& joints_x) {
  InfluenceLine out;
  const double lo = line.empty() ? 0 : line.front().x0, hi = line.empty() ? 0 : line.back().x1;
  for (std::size_t k = 0; k + 1 < joints_x.size(); ++k) {
    const double x0 = joints_x[k], x1 = joints_x[k + 1];
    if (line.empty() || x1 <= lo || x0 >= hi) out.push_back({x0, x1, {}});
    if (!line.empty() && x0 == lo) out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

}  // namespace spanwise
