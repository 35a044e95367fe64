#include "design/EnvelopeSource.h"

#include "common/MemberGeometry.h"

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
