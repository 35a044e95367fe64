#include "design/BeamDiagram.h"

#include <algorithm>
#include <cmath>

namespace spanwise {
namespace {

const Piecewise& FunctionOf(const MemberDesign& member, BeamDiagramOf of) {
  return of == BeamDiagramOf::kMoment ? member.moment : member.shear;
}

std::pair<const Extreme*, const Extreme*> ExtremesOf(const MemberDesign& member, BeamDiagramOf of) {
  return of == BeamDiagramOf::kMoment ? std::pair{&member.moment_max, &member.moment_min}
                                      : std::pair{&member.shear_max, &member.shear_min};
}

bool Straight(const Piece& p) {
  return std::all_of(p.c.begin() + 2, p.c.end(), [](double c) { return c == 0; });
}

void Add(std::vector<DiagramPoint>& curve, double x, double value) {
  if (curve.empty() || curve.back().x != x || curve.back().value != value)
    curve.push_back({x, value});
}

}  // namespace

bool MakeBeamDiagram(std::shared_ptr<const DesignValues> values, BeamDiagramOf of, int per_piece,
                     BeamDiagram& diagram) {
  diagram = BeamDiagram{};
  if (!values || values->members.empty()) return false;
  const int n = std::max(per_piece, 1);
  double start = 0;
  bool first = true;
  std::vector<double> inside;
  for (const MemberDesign& member : values->members) {
    const Piecewise& f = FunctionOf(member, of);
    const auto [max, min] = ExtremesOf(member, of);
    if (f.empty() || !max->present || !min->present) {
      diagram = BeamDiagram{};
      return false;
    }
    diagram.starts.push_back(start);
    if (first || max->value > diagram.max.value) diagram.max = {start + max->x, max->value};
    if (first || min->value < diagram.min.value) diagram.min = {start + min->x, min->value};
    first = false;
    for (const Piece& p : f) {
      inside.clear();
      if (!Straight(p))
        for (int k = 1; k < n; ++k) inside.push_back(p.x0 + ((p.x1 - p.x0) * k) / n);
      for (const Extreme* e : {max, min})
        if (p.x0 < e->x && e->x < p.x1) inside.push_back(e->x);
      std::sort(inside.begin(), inside.end());
      Add(diagram.curve, start + p.x0, PieceValue(p, p.x0));
      for (double x : inside) Add(diagram.curve, start + x, PieceValue(p, x));
      Add(diagram.curve, start + p.x1, PieceValue(p, p.x1));
    }
    start = start + member.length;
  }
  diagram.starts.push_back(start);
  diagram.values = std::move(values);
  diagram.of = of;
  return true;
}

DiagramReading BeamDiagramAt(const BeamDiagram& diagram, double x, double reach) {
  if (!diagram.values || diagram.starts.size() < 2) return {x, {}};
  const std::vector<MemberDesign>& members = diagram.values->members;
  const std::vector<double>& starts = diagram.starts;
  const double tie = std::max(std::abs(diagram.max.value), std::abs(diagram.min.value)) * 1e-9;
  // The breakpoints of the members that reach into [x - reach, x + reach],
  // in order; those at one position count as one, from the value before the
  // first to the value after the last.
  struct Breakpoint {
    double at = 0;
    bool has_before = false, has_after = false;
    double before = 0, after = 0;
  } best, current;
  bool found = false, has_current = false;
  const auto offer = [&] {
    if (!has_current || !(std::abs(current.at - x) <= reach)) return;
    if (!found || std::abs(current.at - x) < std::abs(best.at - x)) best = current;
    found = true;
  };
  const auto ends = starts.begin() + 1;
  std::size_t k = static_cast<std::size_t>(std::lower_bound(ends, starts.end(), x - reach) - ends);
  bool has_previous = false;
  double previous_end = 0;
  for (; k < members.size() && starts[k] <= x + reach; ++k) {
    for (const Piece& p : FunctionOf(members[k], diagram.of)) {
      const double at = starts[k] + p.x0;
      if (!has_current || at != current.at) {
        offer();
        current = {at, has_previous, false, previous_end, 0};
        has_current = true;
      }
      current.has_after = true;
      current.after = PieceValue(p, p.x0);
      previous_end = PieceValue(p, p.x1);
      has_previous = true;
    }
  }
  offer();
  if (has_previous && k == members.size()) {  // the beam's end
    current = {starts.back(), true, false, previous_end, 0};
    has_current = true;
    offer();
  }
  for (const DiagramPoint& e : {diagram.max, diagram.min}) {
    if (std::abs(e.x - x) <= reach && (!found || std::abs(e.x - x) < std::abs(best.at - x))) {
      best = {e.x, false, true, 0, e.value};
      found = true;
    }
  }
  if (found) {
    if (best.has_before && best.has_after && std::abs(best.before - best.after) > tie)
      return {best.at, {best.before, best.after}};
    return {best.at, {best.has_after ? best.after : best.before}};
  }
  // The first member whose end is at x or after it.
  const std::size_t m = static_cast<std::size_t>(std::lower_bound(ends, starts.end(), x) - ends);
  if (m >= members.size() || x < starts[m]) return {x, {}};
  return {x, {Evaluate(FunctionOf(members[m], diagram.of), x - starts[m])}};
}

}  // namespace spanwise
