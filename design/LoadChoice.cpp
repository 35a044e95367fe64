#include "design/LoadChoice.h"

#include <algorithm>
#include <cmath>

#include "design/DesignParts.h"
#include "design/DesignStage.h"
#include "design/EnvelopeSource.h"
#include "design/MovingChoice.h"

namespace spanwise {
namespace {

const EnvelopeSource::Factors* FactorsOf(const DesignValues& design, long combination) {
  if (design.source == nullptr || combination < 0 ||
      static_cast<std::size_t>(combination) >= design.source->combinations.size())
    return nullptr;
  return &design.source->combinations[static_cast<std::size_t>(combination)];
}

const EnvelopeSource::Member* MemberOf(const DesignValues& design, long m) {
  if (design.source == nullptr || m < 1 ||
      static_cast<std::size_t>(m) > design.source->members.size())
    return nullptr;
  return &design.source->members[static_cast<std::size_t>(m - 1)];
}

const Piecewise& FunctionOf(const MemberDesign& f, Quantity quantity) {
  return quantity == Quantity::kMoment  ? f.moment
         : quantity == Quantity::kShear ? f.shear
                                        : f.deflection;
}

const EnvelopeExtreme& ExtremeOf(const CombinationEnvelope::Member& m, Quantity quantity,
                                 bool larger) {
  return quantity == Quantity::kMoment  ? (larger ? m.moment_max : m.moment_min)
         : quantity == Quantity::kShear ? (larger ? m.shear_max : m.shear_min)
                                        : (larger ? m.deflection_max : m.deflection_min);
}

// The loads of the cases `take` says, in a model like design's.
void ModelLoads(const EnvelopeSource& source, const std::vector<bool>& take, BeamModel& model) {
  model.member_loads.clear();
  model.joint_loads.clear();
  model.settlements.clear();
  model.warnings.clear();
  for (const LoadGroup& group : source.groups) {
    if (!take.at(static_cast<std::size_t>(group.name.load_case - 1))) continue;
    for (const MemberLoad& l : group.member_loads)
      model.member_loads.push_back({l.line, l.m, l.t, l.w1, l.w2, l.l1, l.l2});
    for (const JointLoadRecord& l : group.joint_loads)
      model.joint_loads.push_back({l.line, l.joint, l.fy, l.mz});
    model.settlements.insert(model.settlements.end(), group.settlements.begin(),
                             group.settlements.end());
  }
}

}  // namespace

std::vector<LoadChoiceName> LoadChoices(const DesignValues& design) {
  std::vector<LoadChoiceName> choices;
  if (design.source == nullptr) return choices;
  long k = 0;
  for (const EnvelopeSource::Case& c : design.source->cases) {
    ++k;
    const char* kind = MovingCaseOf(design, k) != nullptr ? " (moving)"
                       : c.variable                       ? " (variable)"
                                                          : " (fixed)";
    choices.push_back(
        {{LoadChoice::Kind::kCase, k}, "Case " + std::to_string(k) + ": " + c.label + kind});
  }
  for (std::size_t c = 0; c < design.combinations.size(); ++c)
    choices.push_back({{LoadChoice::Kind::kCombination, static_cast<long>(c)},
                       "Combination " + design.combinations[c].label});
  return choices;
}

std::string ResultFilesLine(const DesignValues& design) {
  const std::vector<LoadChoiceName> choices = LoadChoices(design);
  if (choices.empty()) return {};
  return choices.front().text + " alone: " +
         (design.combinations.empty() ? "the other cases" : "the envelopes of the combinations") +
         " are in the Beam window";
}

std::string ChoiceLine(const DesignValues& design, LoadChoice choice) {
  for (const LoadChoiceName& name : LoadChoices(design)) {
    if (!(name.choice == choice)) continue;
    if (choice.kind == LoadChoice::Kind::kCase && MovingCaseOf(design, choice.index) != nullptr)
      return name.text +
             ": the largest and smallest values over every position of its vehicle in both "
             "directions; click a diagram or a support for its influence line";
    if (choice.kind == LoadChoice::Kind::kCase) return name.text + " alone";
    return name.text +
           ": its envelope, the largest and smallest values of its load groups each at its "
           "adverse or favourable factor";
  }
  return {};
}

std::shared_ptr<const DesignValues> CaseDesign(const DesignValues& design, long load_case) {
  const EnvelopeSource* source = design.source.get();
  if (source == nullptr || load_case < 1 ||
      static_cast<std::size_t>(load_case) > source->cases.size())
    return nullptr;
  auto values = std::make_shared<DesignValues>();
  if (load_case == 1) {  // the run's own analysis
    *values = design;
    values->groups.clear();
    values->combinations.clear();
    values->source = nullptr;
    return values;
  }
  const Structure& structure = source->structure;
  const long NM = structure.NM;
  Solution solution(structure.NJ, NM);
  auto& [TempDisp, GloDisp, LoDisp, LoForce, GloForce] = solution;
  LoadRecords records;
  for (const LoadGroup& group : source->groups) {
    if (group.name.load_case != load_case) continue;
    records.member_loads.insert(records.member_loads.end(), group.member_loads.begin(),
                                group.member_loads.end());
    records.joint_loads.insert(records.joint_loads.end(), group.joint_loads.begin(),
                               group.joint_loads.end());
    records.settlements.insert(records.settlements.end(), group.settlements.begin(),
                               group.settlements.end());
  }
  records.settlements_given = design.settlements_given;
  // Superposition of the case's groups, in group order.
  for (long m = 1; m <= NM; ++m) {
    const BeamModel::Member& ends = design.model.members[static_cast<std::size_t>(m - 1)];
    const EnvelopeSource::Member& member = source->members.at(static_cast<std::size_t>(m - 1));
    for (const EnvelopeSource::Effect& e : member.effects) {
      if (source->groups.at(static_cast<std::size_t>(e.group)).name.load_case != load_case)
        continue;
      for (int r = 1; r <= 4; ++r) {
        const std::size_t k = static_cast<std::size_t>(r - 1);
        LoForce(m, r, 1) = LoForce(m, r, 1) + e.force[k];
        LoDisp(m, r, 1) = LoDisp(m, r, 1) + e.displacement[k];
      }
    }
    for (int r = 1; r <= 4; ++r)
      GloForce(m, r, 1) = r % 2 == 0 ? member.rotation_sign * LoForce(m, r, 1) : LoForce(m, r, 1);
    // A joint's rotation is that of a member end that keeps its moment.
    TempDisp(2 * ends.i - 1) = LoDisp(m, 1, 1);
    if ((ends.released & kReleaseI) == 0)
      TempDisp(2 * ends.i) = member.rotation_sign * LoDisp(m, 2, 1);
    TempDisp(2 * ends.j - 1) = LoDisp(m, 3, 1);
    if ((ends.released & kReleaseJ) == 0)
      TempDisp(2 * ends.j) = member.rotation_sign * LoDisp(m, 4, 1);
  }
  DesignStage(structure, RecordLines{}, records, solution, true, *values);
  return values;
}

std::shared_ptr<const DesignValues> CombinationLoads(const DesignValues& design, long combination) {
  const EnvelopeSource::Factors* factors = FactorsOf(design, combination);
  if (factors == nullptr) return nullptr;
  const EnvelopeSource& source = *design.source;
  std::vector<bool> take(source.cases.size(), false);
  for (std::size_t g = 0; g < source.groups.size(); ++g)
    if (factors->adverse.at(g) != 0 || factors->favourable.at(g) != 0)
      take.at(static_cast<std::size_t>(source.groups[g].name.load_case - 1)) = true;
  auto values = std::make_shared<DesignValues>();
  values->model = design.model;
  ModelLoads(source, take, values->model);
  return values;
}

bool EnvelopeCurveOf(const DesignValues& design, long combination, long m, Quantity quantity,
                     int per_piece, EnvelopeCurve& curve) {
  curve = {};
  const EnvelopeSource::Factors* factors = FactorsOf(design, combination);
  const EnvelopeSource::Member* member = MemberOf(design, m);
  if (factors == nullptr || member == nullptr || member->effects.empty() ||
      static_cast<std::size_t>(combination) >= design.combinations.size() ||
      (quantity == Quantity::kDeflection && member->EI == 0))
    return false;
  // The groups that can show: those with loads here, and those whose bound
  // from their end values reaches 1e-18 of the largest bound. The others
  // add less than the sum's rounding; leaving them out keeps a long beam's
  // band quick to draw. (EnvelopeAt, for a single point, takes every group.)
  EnvelopeSource::Member shown;
  shown.length = member->length;
  shown.EI = member->EI;
  shown.rotation_sign = member->rotation_sign;
  shown.loads = member->loads;
  const double L = member->length;
  const auto bound = [&](const EnvelopeSource::Effect& e) {
    const auto& f = e.force;
    const auto& d = e.displacement;
    return quantity == Quantity::kMoment ? std::max(std::abs(f[1]), std::abs(f[3]))
           : quantity == Quantity::kShear
               ? std::abs(f[0])
               : std::abs(d[0]) + std::abs(d[2]) + L * (std::abs(d[1]) + std::abs(d[3]));
  };
  double largest = 0;
  for (const EnvelopeSource::Effect& e : member->effects) largest = std::max(largest, bound(e));
  std::size_t next = 0;
  for (const EnvelopeSource::Effect& e : member->effects) {
    while (next < member->loads.size() && member->loads[next].first < e.group) ++next;
    const bool loaded = next < member->loads.size() && member->loads[next].first == e.group;
    if (loaded || bound(e) >= 1e-18 * largest) shown.effects.push_back(e);
  }
  MemberScratch scratch;
  std::vector<MemberDesign> functions;
  GroupFunctions(shown, scratch, functions);
  const std::size_t G = functions.size();
  std::vector<const Piecewise*> f(G);
  std::vector<double> a(G), b(G);
  for (std::size_t k = 0; k < G; ++k) {
    f[k] = &FunctionOf(functions[k], quantity);
    const std::size_t g = static_cast<std::size_t>(shown.effects[k].group);
    a[k] = factors->adverse.at(g);
    b[k] = factors->favourable.at(g);
  }
  // The points: every group's breakpoints, where a group that can tip the
  // band changes sign (a kink of the envelope), the extremes, and evenly
  // spaced points between.
  std::vector<double> xs, roots;
  for (std::size_t k = 0; k < G; ++k) {
    for (const Piece& p : *f[k]) {
      xs.push_back(p.x0);
      xs.push_back(p.x1);
      if (a[k] == b[k]) continue;
      roots.clear();
      SignChangesIn(p.c.data(), 5, 0, p.x1 - p.x0, roots);
      for (double t : roots) xs.push_back(p.x0 + t);
    }
  }
  const CombinationEnvelope::Member& extremes =
      design.combinations[static_cast<std::size_t>(combination)].members.at(
          static_cast<std::size_t>(m - 1));
  for (bool larger : {true, false})
    if (ExtremeOf(extremes, quantity, larger).present)
      xs.push_back(ExtremeOf(extremes, quantity, larger).x);
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  // In order of x, so each group's piece is found by a cursor.
  std::vector<std::size_t> cursor(G, 0);
  const auto add = [&](double x, Side side) {
    EnvelopeSum sum;
    for (std::size_t k = 0; k < G; ++k) {
      const Piecewise& fk = *f[k];
      std::size_t& c = cursor[k];
      while (c + 1 < fk.size() && (side == Side::kLeft ? fk[c].x1 < x : fk[c].x1 <= x)) ++c;
      sum.Add(a[k], b[k], PieceValue(fk[c], x));
    }
    curve.x.push_back(x);
    curve.max.push_back(sum.max);
    curve.min.push_back(sum.min);
  };
  const int inside = std::max(per_piece, 1);
  for (std::size_t k = 0; k < xs.size(); ++k) {
    add(xs[k], Side::kLeft);
    add(xs[k], Side::kRight);
    if (k + 1 == xs.size()) break;
    const double x0 = xs[k], h = xs[k + 1] - x0;
    for (int i = 1; i < inside; ++i) add(x0 + (h * i) / inside, Side::kRight);
  }
  return true;
}

EnvelopeReading EnvelopeAt(const DesignValues& design, long combination, long m, double x,
                           Quantity quantity, Side side) {
  EnvelopeReading reading;
  const EnvelopeSource::Factors* factors = FactorsOf(design, combination);
  const EnvelopeSource::Member* member = MemberOf(design, m);
  if (factors == nullptr || member == nullptr || member->effects.empty() ||
      (quantity == Quantity::kDeflection && member->EI == 0))
    return reading;
  MemberScratch scratch;
  std::vector<MemberDesign> functions;
  GroupFunctions(*member, scratch, functions);
  EnvelopeSum sum;
  std::vector<std::pair<double, long>> shares_max, shares_min;
  for (std::size_t k = 0; k < functions.size(); ++k) {
    const long g = member->effects[k].group;
    const double v = Evaluate(FunctionOf(functions[k], quantity), x, side);
    const double a = factors->adverse.at(static_cast<std::size_t>(g));
    const double b = factors->favourable.at(static_cast<std::size_t>(g));
    sum.Add(a, b, v);
    if (a * v > b * v) shares_max.push_back({std::abs(a * v), g});
    if (a * v < b * v) shares_min.push_back({std::abs(a * v), g});
  }
  reading = {true, sum.max, sum.min, {}, {}};
  std::vector<long> adverse;
  long negligible = 0;
  NameAdverse(shares_max, sum.max, adverse, negligible);
  reading.max_adverse = AdverseText(design.groups, adverse, negligible);
  NameAdverse(shares_min, sum.min, adverse, negligible);
  reading.min_adverse = AdverseText(design.groups, adverse, negligible);
  return reading;
}

}  // namespace spanwise
