#include "design/Envelope.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/FloatingPoint.h"
#include "design/DesignParts.h"
#include "design/Horner.h"
#include "design/MovingCombination.h"

namespace spanwise {
namespace {

constexpr const char* kComputingEnvelopes = "computing the envelopes";

using Poly = std::array<double, 6>;

// The piece's polynomial in t = x - (p.x0 + d).
Poly Shifted(const Piece& p, double d) {
  Poly q = p.c;
  if (d == 0) return q;
  // Repeated synthetic division: Taylor coefficients about d.
  for (std::size_t j = 0; j < q.size(); ++j)
    for (std::size_t k = q.size() - 1; k > j; --k) q[k - 1] = q[k - 1] + d * q[k];
  return q;
}

// One group's part in an interval of the member: its polynomial and where
// it changes sign.
struct Part {
  Poly q;
  double sign;  // its sign at the start of the interval
};
struct Event {
  double t;
  long group;
};

struct Best {
  bool present = false;
  double x = 0, value = 0;
  Side side = Side::kRight;
};

void Consider(Best& best, bool larger, double x, double value, Side side) {
  if (!best.present || (larger ? value > best.value : value < best.value))
    best = {true, x, value, side};
}

// Extremes of the envelope over [t0, t1] of the interval starting at X0
// (h its length), where the envelope is the polynomial s.
void ExtremesIn(const Poly& s, double X0, double t0, double t1, double h, bool larger,
                MemberScratch& scratch, Best& best) {
  const double v0 = Horner(s, t0), v1 = Horner(s, t1);
  Consider(best, larger, X0 + t0, v0, Side::kRight);
  // Inside, s stays within (v0 + v1) / 2 +- slope * (t1 - t0) / 2, slope a
  // bound of |s'|: most stretches between two groups' sign changes are
  // short, and need no roots when that cannot beat the best so far.
  double slope = 0, power = 1;
  for (int k = 1; k < 6; ++k, power = power * std::max(std::abs(t0), std::abs(t1)))
    slope = slope + (k * std::abs(s[k])) * power;
  const double reach = (slope * (t1 - t0)) / 2 * (1 + 1e-6);
  const double middle = (v0 + v1) / 2;
  const bool may_beat = !best.present || !std::isfinite(reach) ||
                        (larger ? middle + reach >= best.value : middle - reach <= best.value);
  if (may_beat) {
    double derivative[5];
    for (int k = 0; k < 5; ++k) derivative[k] = s[k + 1] * (k + 1);
    scratch.roots.clear();
    SignChangesIn(derivative, 4, t0, t1, scratch.roots);
    for (double t : scratch.roots) Consider(best, larger, X0 + t, Horner(s, t), Side::kRight);
  }
  Consider(best, larger, X0 + t1, v1, t1 == h && h > 0 ? Side::kLeft : Side::kRight);
}

// The envelope of f[g] with factors a[g] (adverse) and b[g] (favourable)
// for every combination: max and min with their positions. overflow[c] is
// set where combination c's arithmetic overflowed (its max and min are then
// meaningless), for every c where the groups' own functions did.
void EnvelopeOf(const std::vector<const Piecewise*>& f, const std::vector<std::vector<double>>& a,
                const std::vector<std::vector<double>>& b, MemberScratch& scratch,
                std::vector<Best>& max, std::vector<Best>& min, std::vector<char>& overflow) {
  const std::size_t C = a.size(), G = f.size();
  max.assign(C, Best{});
  min.assign(C, Best{});
  overflow.assign(C, 0);
  std::vector<double> breaks;
  bool tail = false;  // a piece of no length at the end: the value after a jump at end j
  for (const Piecewise* g : f) {
    if (g->empty()) return;  // absent
    for (const Piece& p : *g) breaks.push_back(p.x0);
    breaks.push_back(g->back().x1);
    tail = tail || g->back().x0 == g->back().x1;
  }
  std::sort(breaks.begin(), breaks.end());
  breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
  std::vector<std::size_t> cursor(G, 0);
  std::vector<Part> parts(G);
  std::vector<Event> events;
  std::vector<Poly> smax(C), smin(C);
  const std::size_t intervals = breaks.size() - 1 + (tail ? 1 : 0);
  for (std::size_t k = 0; k < intervals; ++k) {
    ClearFloatingPointFaults();
    const double X0 = breaks[k], X1 = k + 1 < breaks.size() ? breaks[k + 1] : X0;
    const double h = X1 - X0, mid = X0 + h / 2;
    events.clear();
    for (std::size_t g = 0; g < G; ++g) {
      const Piecewise& fg = *f[g];
      std::size_t& c = cursor[g];
      if (h == 0) {
        c = fg.size() - 1;
      } else {
        while (c + 1 < fg.size() && fg[c].x1 <= mid) ++c;
      }
      Part& part = parts[g];
      part.q = Shifted(fg[c], X0 - fg[c].x0);
      scratch.roots.clear();
      SignChangesIn(part.q.data(), 5, 0, h, scratch.roots);
      const double first = scratch.roots.empty() ? h : scratch.roots.front();
      const double at = Horner(part.q, first / 2);
      part.sign = at > 0 ? 1 : at < 0 ? -1 : Horner(part.q, 0) >= 0 ? 1 : -1;
      for (double t : scratch.roots) events.push_back({t, static_cast<long>(g)});
    }
    std::sort(events.begin(), events.end(),
              [](const Event& x, const Event& y) { return x.t < y.t; });
    const bool shared = FloatingPointFault();
    for (std::size_t c = 0; c < C; ++c) {
      ClearFloatingPointFaults();
      Poly& hi = smax[c];
      Poly& lo = smin[c];
      hi.fill(0);
      lo.fill(0);
      std::vector<double> sign(G);
      for (std::size_t g = 0; g < G; ++g) {
        sign[g] = parts[g].sign;
        const double up = std::max(a[c][g] * sign[g], b[c][g] * sign[g]) * sign[g];
        const double down = std::min(a[c][g] * sign[g], b[c][g] * sign[g]) * sign[g];
        for (int j = 0; j < 6; ++j) {
          hi[j] = hi[j] + up * parts[g].q[j];
          lo[j] = lo[j] + down * parts[g].q[j];
        }
      }
      double t0 = 0;
      for (const Event& e : events) {
        ExtremesIn(hi, X0, t0, e.t, h, true, scratch, max[c]);
        ExtremesIn(lo, X0, t0, e.t, h, false, scratch, min[c]);
        const std::size_t g = static_cast<std::size_t>(e.group);
        const double s = sign[g];
        const double up_old = std::max(a[c][g] * s, b[c][g] * s) * s;
        const double down_old = std::min(a[c][g] * s, b[c][g] * s) * s;
        const double up_new = std::min(a[c][g] * s, b[c][g] * s) * s;
        for (int j = 0; j < 6; ++j) {
          hi[j] = hi[j] + (up_new - up_old) * parts[g].q[j];
          lo[j] = lo[j] + (up_old - down_old) * parts[g].q[j];
        }
        sign[g] = -s;
        t0 = e.t;
      }
      ExtremesIn(hi, X0, t0, h, h, true, scratch, max[c]);
      ExtremesIn(lo, X0, t0, h, h, false, scratch, min[c]);
      if (shared || FloatingPointFault()) overflow[c] = 1;
    }
  }
}

// The groups at their adverse factor at an extreme.
EnvelopeExtreme Governed(const Best& best, bool larger, const std::vector<const Piecewise*>& f,
                         const std::vector<double>& a, const std::vector<double>& b,
                         std::vector<std::pair<double, long>>& shares) {
  EnvelopeExtreme e;
  if (!best.present) return e;
  e = {true, best.x, best.value, {}, 0};
  shares.clear();
  for (std::size_t g = 0; g < f.size(); ++g) {
    if (a[g] == b[g]) continue;
    const double v = Evaluate(*f[g], best.x, best.side);
    if (v != 0 && ((a[g] * v > b[g] * v) == larger))
      shares.push_back({std::abs(a[g] * v), static_cast<long>(g)});
  }
  NameAdverse(shares, best.value, e.adverse, e.negligible);
  return e;
}

}  // namespace

void GroupFunctions(const EnvelopeSource::Member& member, MemberScratch& scratch,
                    std::vector<MemberDesign>& functions) {
  functions.resize(member.effects.size());
  std::vector<MemberLoad> loads;
  std::size_t next = 0;
  for (std::size_t k = 0; k < member.effects.size(); ++k) {
    const EnvelopeSource::Effect& e = member.effects[k];
    while (next < member.loads.size() && member.loads[next].first < e.group) ++next;
    loads.clear();
    for (; next < member.loads.size() && member.loads[next].first == e.group; ++next)
      loads.push_back(member.loads[next].second);
    MemberDesign& f = functions[k];
    MomentAndShear(member.length, e.force[0], e.force[1], loads.data(), loads.data() + loads.size(),
                   scratch, f);
    if (member.EI != 0)
      RotationAndDeflection(member.EI, e.displacement[0], e.displacement[1], member.rotation_sign,
                            f);
  }
}

void Envelopes(const EnvelopeSource& source, const MovingSource* moving, StepWatch* watch,
               DesignValues& design) {
  const std::size_t C = source.combinations.size();
  std::vector<long> overflows(C, 0);  // values of each combination left absent
  design.groups.clear();
  for (const LoadGroup& group : source.groups) design.groups.push_back(group.name);
  if (moving != nullptr)
    for (const MovingEnvelope& m : *moving->envelopes) design.groups.push_back({m.load_case, 0, 0});
  design.combinations.assign(C, CombinationEnvelope{});
  for (std::size_t c = 0; c < C; ++c) {
    CombinationEnvelope& envelope = design.combinations[c];
    const std::vector<double>& a = source.combinations[c].adverse;
    const std::vector<double>& b = source.combinations[c].favourable;
    envelope.label = source.combinations[c].label;
    for (const EnvelopeSource::Joint& j : source.joints) {
      EnvelopeSum fy, mz;
      ClearFloatingPointFaults();
      for (const EnvelopeSource::Reaction& r : j.reactions) {
        const double ag = a.at(static_cast<std::size_t>(r.group));
        const double bg = b.at(static_cast<std::size_t>(r.group));
        fy.Add(ag, bg, r.fy);
        mz.Add(ag, bg, r.mz);
      }
      for (std::size_t n = 0; moving != nullptr && n < moving->envelopes->size(); ++n) {
        const double ma = moving->adverse.at(c).at(n), mb = moving->favourable.at(c).at(n);
        for (const MovingEnvelope::Joint& mj : moving->envelopes->at(n).joints) {
          if (mj.joint != j.joint) continue;
          fy.max = fy.max + MovingPart(ma, mb, mj.fy_max.value, mj.fy_min.value, true);
          fy.min = fy.min + MovingPart(ma, mb, mj.fy_max.value, mj.fy_min.value, false);
          mz.max = mz.max + MovingPart(ma, mb, mj.mz_max.value, mj.mz_min.value, true);
          mz.min = mz.min + MovingPart(ma, mb, mj.mz_max.value, mj.mz_min.value, false);
        }
      }
      const bool overflow = FloatingPointFault();
      overflows[c] += overflow ? 1 : 0;
      envelope.joints.push_back({j.joint, j.support, overflow, fy.max, fy.min, mz.max, mz.min});
    }
    envelope.members.resize(source.members.size());
  }

  std::vector<MemberDesign> functions;
  std::vector<std::vector<double>> a_here(C), b_here(C);
  MemberScratch scratch;
  std::vector<const Piecewise*> moment, shear, deflection;
  std::vector<Best> max, min;
  std::vector<char> overflow;
  std::vector<std::pair<double, long>> shares;
  std::vector<long> groups;
  MovingSections sections;
  const long NM = static_cast<long>(source.members.size());
  for (std::size_t mi = 0; mi < source.members.size(); ++mi) {
    if (watch != nullptr) watch->Step(kComputingEnvelopes, static_cast<long>(mi), NM);
    const EnvelopeSource::Member& member = source.members[mi];
    if (member.effects.empty()) continue;  // no groups at all
    ClearFloatingPointFaults();
    GroupFunctions(member, scratch, functions);
    const bool functions_overflow = FloatingPointFault();  // touches every combination
    const std::size_t active = member.effects.size();
    groups.clear();
    for (const EnvelopeSource::Effect& e : member.effects) groups.push_back(e.group);
    sections.at.clear();
    moment.resize(active);
    shear.resize(active);
    deflection.resize(active);
    for (std::size_t k = 0; k < active; ++k) {
      moment[k] = &functions[k].moment;
      shear[k] = &functions[k].shear;
      deflection[k] = &functions[k].deflection;
    }
    for (std::size_t c = 0; c < C; ++c) {
      a_here[c].clear();
      b_here[c].clear();
      for (const EnvelopeSource::Effect& e : member.effects) {
        a_here[c].push_back(source.combinations[c].adverse.at(static_cast<std::size_t>(e.group)));
        b_here[c].push_back(
            source.combinations[c].favourable.at(static_cast<std::size_t>(e.group)));
      }
    }
    using Slot = EnvelopeExtreme CombinationEnvelope::Member::*;
    const struct {
      const std::vector<const Piecewise*>* f;
      Slot max, min;
      InfluenceKind kind;
    } quantities[] = {
        {&moment, &CombinationEnvelope::Member::moment_max,
         &CombinationEnvelope::Member::moment_min, InfluenceKind::kMoment},
        {&shear, &CombinationEnvelope::Member::shear_max, &CombinationEnvelope::Member::shear_min,
         InfluenceKind::kShear},
        {&deflection, &CombinationEnvelope::Member::deflection_max,
         &CombinationEnvelope::Member::deflection_min, InfluenceKind::kDeflection},
    };
    for (const auto& q : quantities) {
      EnvelopeOf(*q.f, a_here, b_here, scratch, max, min, overflow);
      for (std::size_t c = 0; c < C; ++c) {
        CombinationEnvelope::Member& out = design.combinations[c].members[mi];
        out.member = static_cast<long>(mi) + 1;
        ClearFloatingPointFaults();
        out.*q.max = Governed(max[c], true, *q.f, a_here[c], b_here[c], shares);
        out.*q.min = Governed(min[c], false, *q.f, a_here[c], b_here[c], shares);
        if (functions_overflow || overflow[c] || FloatingPointFault()) {
          out.*q.max = out.*q.min = EnvelopeExtreme{};
          ++overflows[c];
          continue;
        }
        for (EnvelopeExtreme* e : {&(out.*q.max), &(out.*q.min)})
          for (long& g : e->adverse) g = member.effects.at(static_cast<std::size_t>(g)).group;
        if (moving != nullptr && !moving->envelopes->empty())
          AddMovingToMember(*moving, mi, q.kind, *q.f, a_here[c], b_here[c], groups, c, sections,
                            out.*q.max, out.*q.min);
      }
    }
  }
  ClearFloatingPointFaults();
  for (std::size_t c = 0; c < C; ++c)
    if (overflows[c] > 0)
      design.warnings.push_back("the envelope of combination " + source.combinations[c].label +
                                " overflows at " + std::to_string(overflows[c]) +
                                " of its values; Design.txt gives them as none");
}

}  // namespace spanwise
