#include "design/MovingCombination.h"

#include <algorithm>
#include <cmath>

#include "design/DesignParts.h"
#include "design/SearchLargest.h"

namespace spanwise {
namespace {

// The moving cases' largest and smallest value of kind at x of member mi.
const std::vector<std::pair<double, double>>& Ranges(const MovingSource& moving, std::size_t mi,
                                                     InfluenceKind kind, double x,
                                                     MovingSections& sections) {
  auto [it, added] = sections.at.try_emplace({static_cast<int>(kind), x});
  if (!added) return it->second;
  for (std::size_t n = 0; n < moving.envelopes->size(); ++n) {
    MovingExtreme hi, lo;
    MovingSection(moving.members->at(mi), kind, x, moving.vehicles->at(n), moving.xmin, moving.xmax,
                  sections.scratch, hi, lo);
    it->second.push_back({hi.value, lo.value});
  }
  return it->second;
}

// The static groups' sum at x, both sides of a jump counting.
double StaticAt(const std::vector<const Piecewise*>& f, const std::vector<double>& a,
                const std::vector<double>& b, double x, bool larger) {
  double sides[2] = {0, 0};
  int k = 0;
  for (Side side : {Side::kLeft, Side::kRight}) {
    for (std::size_t g = 0; g < f.size(); ++g) {
      const double v = Evaluate(*f[g], x, side);
      sides[k] = sides[k] + (larger ? std::max(a[g] * v, b[g] * v) : std::min(a[g] * v, b[g] * v));
    }
    ++k;
  }
  return larger ? std::max(sides[0], sides[1]) : std::min(sides[0], sides[1]);
}

}  // namespace

void AddMovingToMember(const MovingSource& moving, std::size_t mi, InfluenceKind kind,
                       const std::vector<const Piecewise*>& f, const std::vector<double>& a,
                       const std::vector<double>& b, const std::vector<long>& groups, std::size_t c,
                       MovingSections& sections, EnvelopeExtreme& max, EnvelopeExtreme& min) {
  const std::vector<double>& ma = moving.adverse.at(c);
  const std::vector<double>& mb = moving.favourable.at(c);
  if (std::all_of(ma.begin(), ma.end(), [](double v) { return v == 0; }) &&
      std::all_of(mb.begin(), mb.end(), [](double v) { return v == 0; }))
    return;
  if (!f.empty() && f.front()->empty()) return;  // absent (E*I = 0)
  const MemberInfluence& member = moving.members->at(mi);
  const double L = member.length;
  for (const bool larger : {true, false}) {
    EnvelopeExtreme& e = larger ? max : min;
    const double sign = larger ? 1 : -1;
    const auto total = [&](double x) {
      double sum = StaticAt(f, a, b, x, larger);
      const auto& ranges = Ranges(moving, mi, kind, x, sections);
      for (std::size_t n = 0; n < ranges.size(); ++n)
        sum = sum + MovingPart(ma[n], mb[n], ranges[n].first, ranges[n].second, larger);
      return sign * sum;
    };
    std::vector<double> candidates;
    if (e.present) candidates.push_back(e.x);
    for (const MovingEnvelope& envelope : *moving.envelopes) {
      const MovingEnvelope::Member& m = envelope.members.at(mi);
      const MovingExtreme* own[] = {&m.moment_max, &m.moment_min};
      if (kind == InfluenceKind::kShear) own[0] = &m.shear_max, own[1] = &m.shear_min;
      if (kind == InfluenceKind::kDeflection)
        own[0] = &m.deflection_max, own[1] = &m.deflection_min;
      for (const MovingExtreme* e : own)
        if (e->present) candidates.push_back(e->x);
    }
    double value = 0;
    const double x = SearchLargest(total, L, candidates, value);
    if (!std::isfinite(value)) {
      e = EnvelopeExtreme{};
      continue;
    }
    e = {true, x, sign * value, {}, 0};
    // The groups at their adverse factor there, the moving cases among them.
    std::vector<std::pair<double, long>> shares;
    for (std::size_t g = 0; g < f.size(); ++g) {
      if (a[g] == b[g]) continue;
      double v = Evaluate(*f[g], x, Side::kRight);
      if (v == 0) v = Evaluate(*f[g], x, Side::kLeft);
      if (v != 0 && ((a[g] * v > b[g] * v) == larger))
        shares.push_back({std::abs(a[g] * v), groups[g]});
    }
    const auto& ranges = Ranges(moving, mi, kind, x, sections);
    for (std::size_t n = 0; n < ranges.size(); ++n) {
      if (ma[n] == mb[n]) continue;
      const double part = MovingPart(ma[n], mb[n], ranges[n].first, ranges[n].second, larger);
      const double at_adverse = MovingPart(ma[n], ma[n], ranges[n].first, ranges[n].second, larger);
      if (part != 0 && part == at_adverse)
        shares.push_back({std::abs(part), moving.first_group + static_cast<long>(n)});
    }
    NameAdverse(shares, e.value, e.adverse, e.negligible);
  }
}

}  // namespace spanwise
