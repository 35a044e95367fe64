#include "design/EnvelopeSource.h"

#include <algorithm>
#include <cmath>

#include "common/MemberGeometry.h"
#include "design/DesignParts.h"

namespace spanwise {

void StartEnvelopeSource(std::vector<LoadGroup>& groups, const LoadCases& cases,
                         const Structure& structure, EnvelopeSource& source) {
  const auto& [NJ, NMT, NXS, NM, XCoord, supports, YM, MI, JN, Property, released] = structure;
  source = EnvelopeSource{};
  source.structure = structure;
  source.groups = std::move(groups);
  source.members.resize(static_cast<std::size_t>(NM));
  for (long m = 1; m <= NM; ++m) {
    EnvelopeSource::Member& member = source.members[static_cast<std::size_t>(m - 1)];
    member.length = MemberLength(m, JN, XCoord);
    member.EI = YM(Property(m, 1)) * MI(Property(m, 2));
    member.rotation_sign = RotationSign(m, JN, XCoord);
  }
  for (std::size_t g = 0; g < source.groups.size(); ++g)
    for (const MemberLoad& load : source.groups[g].member_loads)
      source.members.at(static_cast<std::size_t>(load.m - 1))
          .loads.push_back({static_cast<long>(g), load});
  for (long J = 1; J <= NJ; ++J)
    if (structure.SupportOf(J).IsRestrained())
      source.joints.push_back({J, structure.SupportOf(J), {}});
  source.cases.push_back({"loads", false});
  for (const LoadCase& c : cases.cases) source.cases.push_back({c.label, c.variable});
  for (const Combination& c : cases.combinations) {
    EnvelopeSource::Factors factors{c.label, {}, {}};
    for (const LoadGroup& group : source.groups) {
      const std::size_t k = static_cast<std::size_t>(group.name.load_case - 1);
      factors.adverse.push_back(c.adverse.at(k));
      factors.favourable.push_back(c.favourable.at(k));
    }
    source.combinations.push_back(std::move(factors));
  }
}

std::array<double, 3> EffectBound(const EnvelopeSource::Member& member,
                                  const EnvelopeSource::Effect& effect) {
  const double L = member.length, EI = member.EI;
  const double F1 = std::abs(effect.force[0]), F2 = std::abs(effect.force[1]);
  const double v = EI == 0
                       ? 0
                       : std::abs(effect.displacement[0]) + std::abs(effect.displacement[1]) * L +
                             (F2 * (L * L)) / (2 * EI) + (F1 * ((L * L) * L)) / (6 * EI);
  return {F2 + F1 * L, F1, v};
}

void KeepGroupsThatMatter(const EnvelopeSource& source, EnvelopeSource::Member& member) {
  const std::size_t C = source.combinations.size(), G = member.effects.size();
  const int Q = member.EI == 0 ? 2 : 3;  // M, V, and v unless E*I = 0
  MemberScratch scratch;
  std::vector<MemberDesign> functions;
  GroupFunctions(member, scratch, functions);
  std::vector<char> loaded(G, 0);
  std::size_t next = 0;
  for (std::size_t k = 0; k < G; ++k) {
    const long group = member.effects[k].group;
    while (next < member.loads.size() && member.loads[next].first < group) ++next;
    loaded[k] = next < member.loads.size() && member.loads[next].first == group;
  }
  // Lower bounds of the envelopes' largest |values|, at end i, the middle
  // and end j.
  const double L = member.length;
  const struct {
    double x;
    Side side;
  } points[] = {{0, Side::kRight}, {L / 2, Side::kRight}, {L, Side::kLeft}};
  std::vector<double> lower(C * 3, 0);
  for (std::size_t c = 0; c < C; ++c) {
    const EnvelopeSource::Factors& f = source.combinations[c];
    for (int q = 0; q < Q; ++q) {
      double& most = lower[c * 3 + static_cast<std::size_t>(q)];
      for (const auto& point : points) {
        double all_adverse = 0, all_favourable = 0;
        for (std::size_t k = 0; k < G; ++k) {
          const std::size_t g = static_cast<std::size_t>(member.effects[k].group);
          const MemberDesign& fk = functions[k];
          const Piecewise& fq = q == 0 ? fk.moment : q == 1 ? fk.shear : fk.deflection;
          const double a = f.adverse.at(g), b = f.favourable.at(g);
          const double v = Evaluate(fq, point.x, point.side);
          all_adverse += a * v;
          all_favourable += b * v;
          most = std::max(most, std::abs(a - b) * std::abs(v) / 2);
        }
        most = std::max({most, std::abs(all_adverse), std::abs(all_favourable)});
      }
    }
  }
  // The groups that may go, smallest first by their largest bound relative
  // to the lower bounds it is held against.
  struct Candidate {
    double weight;
    std::size_t k;
    std::array<double, 3> bound;
  };
  std::vector<Candidate> candidates;
  for (std::size_t k = 0; k < G; ++k) {
    if (loaded[k] || member.effects[k].group == 0) continue;
    const std::array<double, 3> bound = EffectBound(member, member.effects[k]);
    const std::size_t g = static_cast<std::size_t>(member.effects[k].group);
    double weight = 0;
    for (std::size_t c = 0; c < C; ++c) {
      const EnvelopeSource::Factors& f = source.combinations[c];
      const double factor = std::max(std::abs(f.adverse.at(g)), std::abs(f.favourable.at(g)));
      for (int q = 0; q < Q; ++q) {
        const double against = lower[c * 3 + static_cast<std::size_t>(q)];
        if (factor * bound[q] > 0) weight = std::max(weight, factor * bound[q] / against);
      }
    }
    candidates.push_back({weight, k, bound});
  }
  std::sort(candidates.begin(), candidates.end(),
            [](const Candidate& x, const Candidate& y) { return x.weight < y.weight; });
  std::vector<double> left_out(C * 3, 0);
  std::vector<char> keep(G, 1);
  for (const Candidate& candidate : candidates) {
    const std::size_t g = static_cast<std::size_t>(member.effects[candidate.k].group);
    bool fits = true;
    for (std::size_t c = 0; c < C && fits; ++c) {
      const EnvelopeSource::Factors& f = source.combinations[c];
      const double factor = std::max(std::abs(f.adverse.at(g)), std::abs(f.favourable.at(g)));
      for (int q = 0; q < Q; ++q) {
        const std::size_t at = c * 3 + static_cast<std::size_t>(q);
        fits = fits && left_out[at] + factor * candidate.bound[q] <= 1e-14 * lower[at];
      }
    }
    if (!fits) break;
    for (std::size_t c = 0; c < C; ++c) {
      const EnvelopeSource::Factors& f = source.combinations[c];
      const double factor = std::max(std::abs(f.adverse.at(g)), std::abs(f.favourable.at(g)));
      for (int q = 0; q < Q; ++q)
        left_out[c * 3 + static_cast<std::size_t>(q)] += factor * candidate.bound[q];
    }
    keep[candidate.k] = 0;
  }
  std::deque<EnvelopeSource::Effect> kept;
  for (std::size_t k = 0; k < G; ++k)
    if (keep[k]) kept.push_back(member.effects[k]);
  member.effects = std::move(kept);
}

double EnvelopeBytes(const EnvelopeSource& source) {
  double effects = 0;
  for (const EnvelopeSource::Member& m : source.members)
    effects = effects + static_cast<double>(m.effects.size());
  const double C = static_cast<double>(source.combinations.size());
  const double NM = static_cast<double>(source.members.size());
  return C * (NM * static_cast<double>(sizeof(CombinationEnvelope::Member)) +
              6 * effects * static_cast<double>(sizeof(long)));
}

}  // namespace spanwise
