#include "run/InfluenceLines.h"

#include <algorithm>
#include <array>

#include "common/FloatingPoint.h"
#include "common/InternalError.h"
#include "common/MemberGeometry.h"
#include "common/MemberReleases.h"

namespace spanwise {
namespace {

using Coefficients = std::array<double, 6>;  // a cubic, as Piece::c (c[4], c[5] 0)

// Where a unit load at t = X - (left X) on member n acts: minus its
// fixed-end actions in member axes (unreleased, then condensed) and the
// global load at n's four degrees of freedom, 0 where the run's load is 0
// (fixed or loose components).
struct UnitLoad {
  std::array<Coefficients, 4> E{}, condensed{}, global{};
  std::array<long, 4> dofs{};
};

UnitLoad UnitLoadOn(const InfluenceModel& model, long n) {
  const Structure& structure = model.structure;
  const double L = MemberLength(n, structure.JN, structure.XCoord);
  const double s = RotationSign(n, structure.JN, structure.XCoord);
  const double L2 = L * L, L3 = L2 * L;
  UnitLoad u;
  // Hermite's fixed-end actions of a unit load at a from end i, negated.
  u.E[0] = {-1, 0, 3 / L2, -2 / L3};
  u.E[1] = {0, -1, 2 / L, -1 / L2};
  u.E[2] = {0, 0, -3 / L2, 2 / L3};
  u.E[3] = {0, 0, 1 / L, -1 / L2};
  if (s < 0)  // a = L - t: p(L - t)
    for (Coefficients& c : u.E) {
      ShiftCubic(c, L);
      c[1] = -c[1];
      c[3] = -c[3];
    }
  u.condensed = u.E;
  if (const int released = structure.ReleasesOf(n); released != 0)
    for (std::size_t k = 0; k < 4; ++k) {
      std::array<double, 4> column = {u.E[0][k], u.E[1][k], u.E[2][k], u.E[3][k]};
      CondenseEndLoads(released, L, column);
      for (std::size_t r = 0; r < 4; ++r) u.condensed[r][k] = column[r];
    }
  for (int end = 0; end < 2; ++end) {
    const long J = static_cast<long>(structure.JN(n, end + 1));
    const Support& support = structure.SupportOf(J);
    const std::size_t v = static_cast<std::size_t>(2 * end), r = v + 1;
    u.dofs[v] = 2 * J - 1;
    u.dofs[r] = 2 * J;
    if (!support.FixesVertical()) u.global[v] = u.condensed[v];
    if (!support.FixesRotation() && !model.loose.at(static_cast<std::size_t>(J)))
      for (std::size_t k = 0; k < 4; ++k) u.global[r][k] = s * u.condensed[r][k];
  }
  return u;
}

// The solution for a unit load at degree of freedom p, kept where it is felt.
struct Row {
  long dof = 0, from = 1, to = 0;
  std::vector<double> y;
  double At(long k) const { return k < from || k > to ? 0 : y[static_cast<std::size_t>(k - from)]; }
};

Row SolveRow(InfluenceModel& model, long p) {
  BandMatrix& band = model.factored.band;
  const long n = band.n();
  Row row;
  row.dof = p;
  model.rhs(p) = 1;
  SolveBandNear(band, model.factored.pivots, 1e-22, p, p, model.rhs, model.solution, row.from,
                row.to);
  for (long k = row.from; k <= row.to; ++k) row.y.push_back(model.solution(k));
  for (long k = std::min(row.from, std::max(1L, p - band.lower()));
       k <= std::min(n, row.to + band.lower()); ++k)
    model.rhs(k) = 0;
  for (long k = row.from; k <= row.to; ++k) model.solution(k) = 0;
  return row;
}

double LeftX(const Structure& s, long m) {
  return std::min(s.XCoord(s.JN(m, 1)), s.XCoord(s.JN(m, 2)));
}
double RightX(const Structure& s, long m) {
  return std::max(s.XCoord(s.JN(m, 1)), s.XCoord(s.JN(m, 2)));
}

// The members a load can stand on and be felt in one of rows (each row's
// own joint among them), in order of X.
std::vector<long> Grid(const InfluenceModel& model, const std::vector<Row>& rows) {
  const Structure& s = model.structure;
  if (rows.empty()) return {};
  double lo = s.XCoord((rows.front().dof + 1) / 2), hi = lo;
  for (const Row& row : rows)
    for (long J = (row.from + 1) / 2; J <= (row.to + 1) / 2; ++J) {
      lo = std::min(lo, s.XCoord(J));
      hi = std::max(hi, s.XCoord(J));
    }
  auto it = std::lower_bound(model.by_x.begin(), model.by_x.end(), lo,
                             [&](long a, double x) { return LeftX(s, a) < x; });
  while (it != model.by_x.begin() && RightX(s, *(it - 1)) > lo) --it;
  std::vector<long> grid;
  for (; it != model.by_x.end() && LeftX(s, *it) < hi; ++it) grid.push_back(*it);
  return grid;
}

// The line of degree of freedom row.dof on member n: sum of row * load.
Coefficients DofPiece(const Row& row, const UnitLoad& u) {
  Coefficients c{};
  for (std::size_t k = 0; k < 4; ++k) {
    const double y = row.At(u.dofs[k]);
    for (std::size_t j = 0; j < 4; ++j) c[j] = c[j] + y * u.global[k][j];
  }
  return c;
}

// Member m's four end forces and displacements (member axes, released
// rotations recovered) with the unit load on n: rows hold m's four
// degrees of freedom (2i-1, 2i, 2j-1, 2j).
void EndPieces(const InfluenceModel& model, long m, const Row* rows, long n, const UnitLoad& u,
               std::array<Coefficients, 4>& force, std::array<Coefficients, 4>& d) {
  const Structure& s = model.structure;
  const double sign = RotationSign(m, s.JN, s.XCoord);
  for (std::size_t k = 0; k < 4; ++k) {
    d[k] = DofPiece(rows[k], u);
    if (k % 2 == 1)
      for (double& c : d[k]) c = sign * c;
  }
  if (const int released = s.ReleasesOf(m); released != 0) {
    const double L = MemberLength(m, s.JN, s.XCoord);
    const double EI = s.YM(s.Property(m, 1)) * s.MI(s.Property(m, 2));
    for (std::size_t j = 0; j < 4; ++j) {
      std::array<double, 4> column = {d[0][j], d[1][j], d[2][j], d[3][j]}, E{};
      if (n == m) E = {u.E[0][j], u.E[1][j], u.E[2][j], u.E[3][j]};
      ReleasedEndRotations(released, EI, L, E, column);
      for (std::size_t k = 0; k < 4; ++k) d[k][j] = column[k];
    }
  }
  for (std::size_t r = 0; r < 4; ++r)
    for (std::size_t j = 0; j < 4; ++j) {
      double f = 0;
      for (std::size_t k = 0; k < 4; ++k)
        f = f + model.LoMemK(m, static_cast<long>(r) + 1, static_cast<long>(k) + 1) * d[k][j];
      force[r][j] = f - (n == m ? u.condensed[r][j] : 0);
    }
}

std::array<Row, 4> MemberRows(InfluenceModel& model, long m) {
  const long i = static_cast<long>(model.structure.JN(m, 1));
  const long j = static_cast<long>(model.structure.JN(m, 2));
  return {SolveRow(model, 2 * i - 1), SolveRow(model, 2 * i), SolveRow(model, 2 * j - 1),
          SolveRow(model, 2 * j)};
}

Piece PieceOn(const Structure& s, long n, const Coefficients& c) {
  return {LeftX(s, n), RightX(s, n), c};
}

bool Overflowed(InfluenceLine& line) {
  if (!FloatingPointFault()) return false;
  ClearFloatingPointFaults();
  line.clear();
  return true;
}

// A reaction component of joint J: the end forces at J of the members
// there (global axes) where it is fixed; -k times its displacement on a spring.
bool ReactionInfluence(InfluenceModel& model, long J, Component c, InfluenceLine& line) {
  const Structure& s = model.structure;
  const Support& support = s.SupportOf(J);
  const long p = c == Component::kVertical ? 2 * J - 1 : 2 * J;
  line.clear();
  if (support.Of(c) == Restraint::kSpring) {
    const std::vector<Row> rows = {SolveRow(model, p)};
    for (long n : Grid(model, rows)) {
      Coefficients piece = DofPiece(rows[0], UnitLoadOn(model, n));
      for (std::size_t k = 0; k < 4; ++k) piece[k] = -(support.SpringOf(c) * piece[k]);
      line.push_back(PieceOn(s, n, piece));
    }
    return !Overflowed(line);
  }
  if (support.Of(c) != Restraint::kFixed) throw InternalError("no reaction to draw the line of");
  std::vector<long> at;  // the members at J, in member order
  std::vector<Row> rows;
  for (long m = 1; m <= s.NM; ++m)
    if (s.JN(m, 1) == J || s.JN(m, 2) == J) {
      at.push_back(m);
      for (Row& row : MemberRows(model, m)) rows.push_back(std::move(row));
    }
  const std::vector<long> grid = Grid(model, rows);
  for (long n : grid) {
    const UnitLoad u = UnitLoadOn(model, n);
    Coefficients sum{};
    for (std::size_t k = 0; k < at.size(); ++k) {
      const long m = at[k];
      std::array<Coefficients, 4> force{}, d{};
      EndPieces(model, m, &rows[4 * k], n, u, force, d);
      const std::size_t r = (s.JN(m, 1) == J ? 0 : 2) + (c == Component::kVertical ? 0 : 1);
      const double sign = c == Component::kVertical ? 1 : RotationSign(m, s.JN, s.XCoord);
      for (std::size_t j = 0; j < 4; ++j) sum[j] = sum[j] + sign * force[r][j];
    }
    line.push_back(PieceOn(s, n, sum));
  }
  return !Overflowed(line);
}

}  // namespace

InfluenceModel::InfluenceModel(const Structure& structure_, FactoredStiffness& factored_,
                               const Array3& LoMemK_)
    : structure(structure_),
      factored(factored_),
      LoMemK(LoMemK_),
      loose(structure_.LooseRotations()),
      rhs("GloExtLoad", {2 * structure_.NJ}),
      solution("TempDisp", {2 * structure_.NJ}) {
  for (long m = 1; m <= structure.NM; ++m) by_x.push_back(m);
  std::stable_sort(by_x.begin(), by_x.end(),
                   [&](long a, long b) { return LeftX(structure, a) < LeftX(structure, b); });
  for (long J = 1; J <= structure.NJ; ++J) joints_x.push_back(structure.XCoord(J));
  std::sort(joints_x.begin(), joints_x.end());
  joints_x.erase(std::unique(joints_x.begin(), joints_x.end()), joints_x.end());
}

bool MemberEndInfluence(InfluenceModel& model, long m, MemberInfluence& out) {
  const Structure& s = model.structure;
  ClearFloatingPointFaults();
  out = MemberInfluence{};
  out.member = m;
  out.length = MemberLength(m, s.JN, s.XCoord);
  out.EI = s.YM(s.Property(m, 1)) * s.MI(s.Property(m, 2));
  out.x_i = s.XCoord(s.JN(m, 1));
  out.direction = RotationSign(m, s.JN, s.XCoord);
  const std::array<Row, 4> rows = MemberRows(model, m);
  for (long n : Grid(model, std::vector<Row>(rows.begin(), rows.end()))) {
    std::array<Coefficients, 4> force{}, d{};
    EndPieces(model, m, rows.data(), n, UnitLoadOn(model, n), force, d);
    if (n == m) out.own = out.fy.size();
    out.fy.push_back(PieceOn(s, n, force[0]));
    out.mz.push_back(PieceOn(s, n, force[1]));
    out.v.push_back(PieceOn(s, n, d[0]));
    out.theta.push_back(PieceOn(s, n, d[1]));
  }
  if (!FloatingPointFault()) return true;
  ClearFloatingPointFaults();
  out.fy.clear(), out.mz.clear(), out.v.clear(), out.theta.clear();
  return false;
}

bool QuantityInfluence(InfluenceModel& model, const InfluenceQuantity& quantity,
                       InfluenceLine& line) {
  line.clear();
  bool present = true;
  switch (quantity.kind) {
    case InfluenceKind::kReactionFy:
    case InfluenceKind::kReactionMz:
      present = ReactionInfluence(
          model, quantity.joint,
          quantity.kind == InfluenceKind::kReactionFy ? Component::kVertical : Component::kRotation,
          line);
      break;
    default: {
      MemberInfluence member;
      present = MemberEndInfluence(model, quantity.member, member);
      if (present) line = SectionInfluence(member, quantity.kind, quantity.x);
      present = present && !line.empty() && !Overflowed(line);
    }
  }
  if (!present) return false;
  line = OverTheBeam(line, model.joints_x);
  return true;
}

}  // namespace spanwise
