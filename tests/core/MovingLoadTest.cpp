// A moving case's envelope: against a brute-force oracle that steps the
// vehicle over the beam and sums plain analyses of unit loads, the lane load
// on the adverse lengths of a support moment, and closed forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "design/LaneLoad.h"
#include "design/LoadChoice.h"
#include "run/AnalysisRun.h"
#include "tests/support/Design.h"

using namespace spanwise;
using namespace spanwise::test;

namespace {

constexpr Direction kPlus = Direction::kIncreasingX, kMinus = Direction::kDecreasingX;
constexpr double kEI = 2e8 * 0.0004;

// A beam: joints at xs, supports "joint, fy, mz" and the blocks after the
// joint loads (springs, releases); members i to i + 1 with E I = kEI.
struct Beam {
  std::vector<double> xs;
  std::vector<std::string> supports;
  std::string blocks;

  // The input with member loads "m, type, w1, w2, l1, l2" (each a line),
  // and cases (a CASES block, or "").
  std::string Text(const std::vector<std::string>& loads, const std::string& cases = "") const {
    std::string s = std::to_string(xs.size()) + "\n";
    for (double x : xs) s += Num(x) + ", j\n";
    s += std::to_string(supports.size()) + "\n";
    for (const std::string& r : supports) s += r + ", s\n";
    s += "1\n200000000, e\n1\n0.0004, i\n" + std::to_string(xs.size() - 1) + "\n";
    for (std::size_t m = 1; m < xs.size(); ++m)
      s += std::to_string(m) + ", " + std::to_string(m + 1) + ", 1, 1, m\n";
    s += std::to_string(loads.size()) + "\n";
    for (const std::string& l : loads) s += l + ", l\n";
    return s + "0\n" + blocks + cases;
  }
  // A point load P at X (on the first member that holds it).
  std::string PointLoad(double P, double X) const {
    std::size_t m = 1;
    while (m + 1 < xs.size() && X > xs[m]) ++m;
    const double a = std::clamp(X - xs[m - 1], 0.0, xs[m] - xs[m - 1]);
    return std::to_string(m) + ", 1, " + Num(P) + ", 0, " + Num(a) + ", 0";
  }
};

// Axles as "load, spacing" pairs.
using Axles = std::vector<std::pair<double, double>>;

std::string MovingCase(const Axles& axles, double lane = 0) {
  std::string s = "CASES, 1\nmoving, vehicle\n" + std::to_string(axles.size()) + ", " + Num(lane) +
                  ", vehicle\n";
  for (const auto& [load, spacing] : axles) s += Num(load) + ", " + Num(spacing) + ", axle\n";
  return s;
}

DesignValues Design(const ScratchFolder& folder, const std::string& text) {
  return DesignOf(folder.Write(text), {}, true);
}

// The design values of the vehicle's axles as point loads, axle 1 at x1.
DesignValues AxlesAt(const ScratchFolder& folder, const Beam& beam, const Axles& axles, double x1,
                     Direction d) {
  std::vector<std::string> loads;
  double offset = 0;
  for (const auto& [load, spacing] : axles) {
    offset += spacing;
    const double X = d == kPlus ? x1 - offset : x1 + offset;
    if (X >= beam.xs.front() && X <= beam.xs.back()) loads.push_back(beam.PointLoad(load, X));
  }
  return Design(folder, beam.Text(loads));
}

// The six member extremes in the order M max, M min, V max, V min, v max, v min.
std::array<const MovingExtreme*, 6> Six(const MovingEnvelope::Member& m) {
  return {&m.moment_max, &m.moment_min,     &m.shear_max,
          &m.shear_min,  &m.deflection_max, &m.deflection_min};
}
std::array<const MovingExtreme*, 4> Four(const MovingEnvelope::Joint& j) {
  return {&j.fy_max, &j.fy_min, &j.mz_max, &j.mz_min};
}

// The oracle's extremes of one beam and vehicle: per member M, V, v (max and
// min), per joint Fy and Mz (max and min), over every stepped position.
struct OracleValues {
  std::vector<std::array<double, 6>> members;
  std::vector<std::array<double, 4>> joints;  // by joint number - 1
};

// The beam analysed once per grid point (step: a whole fraction of every
// span) with a unit load there: per member its M and V functions and v at
// kSamples + 1 points, per joint the reactions. The unit loads are the cases
// of a few runs (a case alone is exactly its plain analysis: LoadChoice.h),
// as a run per point would take a minute.
class UnitGrid {
 public:
  static constexpr int kSamples = 40;

  UnitGrid(const Beam& beam, double step) : beam_(beam), step_(step) {
    const ScratchFolder folder("moving-grid");
    const long last = std::lround((beam.xs.back() - beam.xs.front()) / step);
    RunOptions options;
    options.keep_design = true;
    options.full_reach = true;  // every case's effect everywhere
    for (long first = 0; first <= last; first += 100) {
      const long count = std::min(100L, last + 1 - first);
      std::string cases = "CASES, " + std::to_string(count) + "\n";
      for (long g = first; g < first + count; ++g)
        cases += "variable, unit\n1\n" + beam.PointLoad(1, X(g)) + ", l\n0\n";
      const RunOutcome outcome =
          AnalysisRun(folder.Write(beam.Text({}, cases + "COMBINATIONS, 0\n")), options);
      EXPECT_TRUE(outcome.ok) << outcome.reason;
      if (!outcome.ok) return;
      for (long k = 2; k <= count + 1; ++k) {
        const auto d = CaseDesign(*outcome.design, k);
        Unit u;
        for (const MemberDesign& m : d->members) {
          u.moment.push_back(m.moment);
          u.shear.push_back(m.shear);
          std::array<double, 8> ends{};
          for (int k = 0; k < 8; ++k)
            ends[k] = Evaluate(k < 4 ? m.moment : m.shear, k % 4 < 2 ? 0 : m.length,
                               k % 2 ? Side::kRight : Side::kLeft);
          u.ends.push_back(ends);
          for (int s = 0; s <= kSamples; ++s)
            u.deflection.push_back(Evaluate(m.deflection, m.length * s / kSamples));
        }
        for (const JointDesign& j : d->joints) u.reactions.push_back({j.fy, j.mz});
        units_.push_back(std::move(u));
      }
    }
  }

  double X(long g) const { return beam_.xs.front() + static_cast<double>(g) * step_; }

  // Axles given as (load, spacing in steps).
  OracleValues Extremes(const std::vector<std::pair<double, long>>& axles) const {
    const long last = static_cast<long>(units_.size()) - 1;
    const std::size_t nm = beam_.xs.size() - 1;
    OracleValues o;
    o.members.assign(nm, {-HUGE_VAL, HUGE_VAL, -HUGE_VAL, HUGE_VAL, -HUGE_VAL, HUGE_VAL});
    o.joints.assign(beam_.xs.size(), {-HUGE_VAL, HUGE_VAL, -HUGE_VAL, HUGE_VAL});
    long length = 0;
    for (const auto& a : axles) length += a.second;
    std::vector<std::pair<double, long>> on;  // (load, grid point) of the axles on the beam
    std::vector<double> at;
    const auto keep = [](double v, double& max, double& min) {
      max = std::max(max, v);
      min = std::min(min, v);
    };
    for (const long d : {1L, -1L})
      for (long p = d > 0 ? 0 : -length; p <= (d > 0 ? last + length : last); ++p) {
        on.clear();
        long offset = 0;
        for (const auto& [load, spacing] : axles) {
          offset += spacing;
          const long g = p - d * offset;
          if (g >= 0 && g <= last) on.push_back({load, g});
        }
        for (std::size_t m = 0; m < nm; ++m) {
          auto& e = o.members[m];
          for (std::size_t end = 0; end < 4; ++end) {  // both sides of both ends
            double M = 0, V = 0;
            for (const auto& [load, g] : on) {
              const auto& u = units_[static_cast<std::size_t>(g)].ends[m];
              M += load * u[end];
              V += load * u[end + 4];
            }
            keep(M, e[0], e[1]);
            keep(V, e[2], e[3]);
          }
          at.clear();
          for (const auto& a : on)
            if (X(a.second) > beam_.xs[m] && X(a.second) < beam_.xs[m + 1])
              at.push_back(X(a.second) - beam_.xs[m]);
          for (const double x : at)
            for (const Side side : {Side::kLeft, Side::kRight}) {
              double M = 0, V = 0;
              for (const auto& [load, g] : on) {
                const Unit& u = units_[static_cast<std::size_t>(g)];
                M += load * Evaluate(u.moment[m], x, side);
                V += load * Evaluate(u.shear[m], x, side);
              }
              keep(M, e[0], e[1]);
              keep(V, e[2], e[3]);
            }
          for (int s = 0; s <= kSamples; ++s) {
            double v = 0;
            for (const auto& [load, g] : on)
              v += load * units_[static_cast<std::size_t>(g)].deflection[m * (kSamples + 1) + s];
            keep(v, e[4], e[5]);
          }
        }
        for (std::size_t j = 0; j < o.joints.size(); ++j) {
          double fy = 0, mz = 0;
          for (const auto& [load, g] : on) {
            fy += load * units_[static_cast<std::size_t>(g)].reactions[j][0];
            mz += load * units_[static_cast<std::size_t>(g)].reactions[j][1];
          }
          keep(fy, o.joints[j][0], o.joints[j][1]);
          keep(mz, o.joints[j][2], o.joints[j][3]);
        }
      }
    return o;
  }

 private:
  struct Unit {
    std::vector<Piecewise> moment, shear;
    std::vector<double> deflection;  // member by member, kSamples + 1 each
    // Per member M then V at x = 0 and L, each from the left and the right.
    std::vector<std::array<double, 8>> ends;
    std::vector<std::array<double, 2>> reactions;  // fy, mz per joint
  };
  const Beam& beam_;
  double step_;
  std::vector<Unit> units_;
};

// Plain analyses of a vehicle's axles as point loads, by position.
class PlainRuns {
 public:
  PlainRuns(const Beam& beam, const Axles& axles) : beam_(beam), axles_(axles) {}

  // The value a plain analysis gives for extreme e (of member's quantity q
  // in Six's order, or of joint's in Four's): at its position on both sides
  // of x, and if that is not within tolerance of e.value, just beside its
  // position (an extreme may be a limit). The nearest value found.
  double Reproduced(const MovingExtreme& e, long member, int q, long joint, double tolerance) {
    const double beside = 1e-11 * (beam_.xs.back() - beam_.xs.front());
    double nearest = HUGE_VAL;
    for (const double shift : {0.0, -beside, beside}) {
      const auto key = std::make_pair(e.position + shift, static_cast<int>(e.direction));
      auto found = runs_.find(key);
      if (found == runs_.end())
        found = runs_.emplace(key, AxlesAt(folder_, beam_, axles_, key.first, e.direction)).first;
      const DesignValues& d = found->second;
      if (d.members.empty()) return nearest;
      std::vector<double> values;
      if (member > 0) {
        const MemberDesign& m = d.members.at(static_cast<std::size_t>(member - 1));
        const Piecewise& f = q < 2 ? m.moment : q < 4 ? m.shear : m.deflection;
        values = {Evaluate(f, e.x, Side::kLeft), Evaluate(f, e.x, Side::kRight)};
      } else {
        const JointDesign& j = d.joints.at(static_cast<std::size_t>(joint - 1));
        values = {q < 2 ? j.fy : j.mz};
      }
      for (double v : values)
        if (std::abs(v - e.value) < std::abs(nearest - e.value)) nearest = v;
      if (std::abs(nearest - e.value) <= tolerance) break;
    }
    return nearest;
  }

 private:
  const Beam& beam_;
  const Axles& axles_;
  const ScratchFolder folder_{"moving-plain"};
  std::map<std::pair<double, int>, DesignValues> runs_;
};

}  // namespace

// Beams of 3 and 5 unequal spans (a spring, a hinge) under vehicles of 1 to
// 6 axles, stepped at 1/1000 of the shortest span: every extreme is at least
// the oracle's and a plain analysis at its position gives it.
TEST(MovingLoad, EnvelopeAgainstSteppingOracle) {
  const struct {
    const char* name;
    Beam beam;
    std::size_t restrained;                                      // joints fixed or on a spring
    std::vector<std::vector<std::pair<double, long>>> vehicles;  // (load, spacing in steps)
  } beams[] = {
      {"3 spans, fixed end, a spring",
       {{0, 6, 11, 18.5}, {"1, 1, 1", "2, 1, 0", "4, 1, 0"}, "SPRINGS, 1\n3, 20000, 0, spring\n"},
       4,
       {{{60, 0}},
        {{30, 0}, {80, 260}, {80, 0}},
        {{20, 0}, {50, 340}, {50, 260}, {40, 1200}, {40, 260}}}},
      // Joint 4 holds no support: a hinge between two supports.
      {"5 spans, a hinge, fixed far end",
       {{0, 5, 11, 16, 22, 27},
        {"1, 1, 0", "2, 1, 0", "3, 1, 0", "5, 1, 0", "6, 1, 1"},
        "RELEASES, 1\n3, j, hinge\n"},
       5,
       {{{35, 0}, {70, 900}},
        {{25, 0}, {60, 640}, {60, 260}, {60, 260}, {30, 1500}, {30, 0}},
        {{10, 0}, {90, 2500}, {10, 3000}, {90, 1700}}}},
  };
  for (const auto& b : beams) {
    SCOPED_TRACE(b.name);
    double shortest = HUGE_VAL;
    for (std::size_t j = 1; j < b.beam.xs.size(); ++j)
      shortest = std::min(shortest, b.beam.xs[j] - b.beam.xs[j - 1]);
    const double step = shortest / 1000;
    const ScratchFolder folder("moving");
    std::vector<DesignValues> designs;
    for (const auto& v : b.vehicles) {
      Axles axles;
      for (const auto& [load, steps] : v)
        axles.push_back({load, static_cast<double>(steps) * step});
      designs.push_back(Design(folder, b.beam.Text({}, MovingCase(axles))));
      ASSERT_EQ(designs.back().moving.size(), 1u);
      ASSERT_EQ(designs.back().moving[0].members.size(), b.beam.xs.size() - 1);
    }
    const UnitGrid grid(b.beam, step);
    for (std::size_t k = 0; k < b.vehicles.size(); ++k) {
      SCOPED_TRACE("vehicle " + std::to_string(k + 1));
      Axles axles;
      for (const auto& [load, steps] : b.vehicles[k])
        axles.push_back({load, static_cast<double>(steps) * step});
      const OracleValues oracle = grid.Extremes(b.vehicles[k]);
      const MovingEnvelope& envelope = designs[k].moving[0];
      PlainRuns plain(b.beam, axles);
      // Extreme q of a member's (member > 0) or a joint's quantities against
      // the oracle's pair of extremes.
      const auto expect = [&](const MovingExtreme& e, const auto& want, int q, long member,
                              long joint, const std::string& where) {
        const double scale = std::max(std::abs(want[q & ~1]), std::abs(want[q | 1]));
        if (q % 2 == 0)
          EXPECT_GE(e.value, want[q] - 1e-9 * scale) << where;
        else
          EXPECT_LE(e.value, want[q] + 1e-9 * scale) << where;
        EXPECT_NEAR(plain.Reproduced(e, member, q, joint, 1e-9 * scale), e.value, 1e-9 * scale)
            << where << " at x " << e.x << ", position " << e.position;
      };
      for (const auto& member : envelope.members)
        for (int q = 0; q < 6; ++q) {
          const std::string where =
              "member " + std::to_string(member.member) + ", extreme " + std::to_string(q);
          ASSERT_TRUE(Six(member)[q]->present) << where;
          expect(*Six(member)[q], oracle.members.at(static_cast<std::size_t>(member.member - 1)), q,
                 member.member, 0, where);
        }
      EXPECT_EQ(envelope.joints.size(), b.restrained);
      for (const auto& joint : envelope.joints)
        for (int q = 0; q < 4; ++q) {
          const std::string where =
              "joint " + std::to_string(joint.joint) + ", extreme " + std::to_string(q);
          const bool held = q < 2 ? joint.support.HoldsVertical() : joint.support.HoldsRotation();
          ASSERT_EQ(Four(joint)[q]->present, held) << where;
          if (held)
            expect(*Four(joint)[q], oracle.joints.at(static_cast<std::size_t>(joint.joint - 1)), q,
                   0, joint.joint, where);
        }
    }
  }
}

// A lane load alone on three equal propped spans: the moment over joint 2 is
// w times the negative area of its influence line (spans 1 and 2 loaded:
// -7 w L^2 / 60), worse than the whole deck loaded (-w L^2 / 10).
TEST(MovingLoad, LaneLoadLiesWhereItMakesTheSupportMomentWorse) {
  const double L = 7, w = 12;
  const Beam beam{{0, L, 2 * L, 3 * L}, {"1, 1, 0", "2, 1, 0", "3, 1, 0", "4, 1, 0"}, ""};
  const ScratchFolder folder("moving-lane");
  const DesignValues moving = Design(folder, beam.Text({}, MovingCase({}, w)));
  ASSERT_EQ(moving.moving.size(), 1u);
  ASSERT_EQ(moving.moving[0].members.size(), 3u);
  const MovingExtreme& min = moving.moving[0].members[0].moment_min;
  ASSERT_TRUE(min.present);
  EXPECT_EQ(min.x, L);

  InfluenceQuantity q;
  q.member = 1;
  q.x = L;
  InfluenceLine line;
  ASSERT_TRUE(InfluenceRun(folder.Write(beam.Text({})), q, line).ok);
  std::vector<double> roots;
  const double tolerance = 1e-12 * w * L * L;
  EXPECT_NEAR(min.value, w * LaneAreasOf(line, roots).negative, tolerance);
  EXPECT_NEAR(min.value, -7 * w * L * L / 60, tolerance);

  const auto uniform = [&](int spans) {
    std::vector<std::string> loads;
    for (int m = 1; m <= spans; ++m)
      loads.push_back(std::to_string(m) + ", 2, " + Num(w) + ", " + Num(w) + ", 0, 0");
    return Evaluate(Design(folder, beam.Text(loads)).members.at(0).moment, L);
  };
  EXPECT_NEAR(uniform(2), min.value, tolerance);  // the adverse spans loaded
  const double whole = uniform(3);
  EXPECT_NEAR(whole, -w * L * L / 10, tolerance);
  EXPECT_LT(min.value, whole);
}

// The classic results, through the whole run.
TEST(MovingLoad, ClosedForms) {
  const double L = 8, root3 = std::sqrt(3.0);
  const Beam simple{{0, L}, {"1, 1, 0", "2, 1, 0"}, ""};
  const Beam two{{0, L, 2 * L}, {"1, 1, 0", "2, 1, 0", "3, 1, 0"}, ""};
  const Axles pair{{2, 0}, {1, 3}};  // resultant 1 behind the heavy axle
  const struct {
    const char* name;
    const Beam* beam;
    Axles axles;
    long member, joint;  // one of them: the quantity's
    int q;               // in Six's order for a member, Four's for a joint
    double value, x;     // x NAN: the theorem's section, under the heavy axle
    std::vector<std::pair<double, Direction>> at;  // the positions that give it
    double flat;  // x and the position within flat * L (at a flat extreme, to root precision)
  } cases[] = {
      // Midspan halfway between the heavy axle and the resultant: the heavy
      // axle at 3.5 (or 4.5), 3/8 (L/2 - 1/2)^2.
      {"two axles, absolute largest moment",
       &simple,
       pair,
       1,
       0,
       0,
       4.59375,
       NAN,
       {{3.5, kMinus}, {4.5, kPlus}},
       1e-9},
      // The heavy axle over a support: 2 + 1 (L - 3) / L.
      {"two axles, largest reaction", &simple, pair, 0, 1, 0, 2.625, 0, {{0, kMinus}}, 1e-9},
      {"one axle, largest deflection",
       &simple,
       {{5, 0}},
       1,
       0,
       5,
       -5 * L * L * L / (48 * kEI),
       L / 2,
       {{L / 2, kPlus}, {L / 2, kMinus}},
       1e-6},
      // -P a (L^2 - a^2) / (4 L^2), the worst at a = L / sqrt(3).
      {"one axle on two spans, support moment",
       &two,
       {{5, 0}},
       1,
       0,
       1,
       -5 * L * root3 / 18,
       L,
       {{L / root3, kPlus},
        {L / root3, kMinus},
        {2 * L - L / root3, kPlus},
        {2 * L - L / root3, kMinus}},
       1e-6},
  };
  const ScratchFolder folder("moving-closed");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // The table itself: a plain analysis at its first position gives it.
    const auto [position, direction] = c.at[0];
    const MovingExtreme want{true, std::isnan(c.x) ? position : c.x, c.value, position, direction};
    PlainRuns plain(*c.beam, c.axles);
    EXPECT_NEAR(plain.Reproduced(want, c.member, c.q, c.joint, 0), c.value,
                1e-12 * std::abs(c.value));

    const DesignValues d = Design(folder, c.beam->Text({}, MovingCase(c.axles)));
    ASSERT_EQ(d.moving.size(), 1u);
    ASSERT_EQ(d.moving[0].members.size(), c.beam->xs.size() - 1);
    ASSERT_EQ(d.moving[0].joints.size(), c.beam->xs.size());  // every joint held
    const auto& env = d.moving[0];
    const MovingExtreme& e = c.member > 0
                                 ? *Six(env.members.at(static_cast<std::size_t>(c.member - 1)))[c.q]
                                 : *Four(env.joints.at(static_cast<std::size_t>(c.joint - 1)))[c.q];
    ASSERT_TRUE(e.present);
    EXPECT_NEAR(e.value, c.value, 1e-10 * std::abs(c.value));
    EXPECT_NEAR(e.x, std::isnan(c.x) ? e.position : c.x, c.flat * L);
    bool found = false;
    for (const auto& [X1, d1] : c.at)
      found = found || (std::abs(e.position - X1) <= c.flat * L && e.direction == d1);
    EXPECT_TRUE(found) << "position " << e.position;
  }
}

// --case of a moving case stands the vehicle, and its lane, where the largest
// |M| of the beam occurs: the plain run there gives that very value, and
// Design.txt says where. A combination holding a moving case has no single
// arrangement: --combination of it is a usage error.
TEST(MovingLoad, OneCaseStandsTheVehicleWhereTheLargestMomentOccurs) {
  const ScratchFolder folder("moving-case");
  const std::string model = Slurp(kData / "golden/moving/Beam.sma");
  const DesignValues all = Design(folder, model);
  ASSERT_EQ(all.moving.size(), 1u);
  const MovingExtreme* largest = nullptr;
  long member = 0;
  for (const auto& m : all.moving[0].members)
    for (const MovingExtreme* e : {&m.moment_max, &m.moment_min})
      if (largest == nullptr || std::abs(e->value) > std::abs(largest->value))
        largest = e, member = m.member;
  RunOptions options;
  options.keep_design = true;
  options.load_case = 2;
  const fs::path input = folder.Write(model);
  const RunOutcome outcome = AnalysisRun(input, options);
  ASSERT_TRUE(outcome.ok) << outcome.reason;
  const MemberDesign& plain = outcome.design->members.at(static_cast<std::size_t>(member - 1));
  EXPECT_NEAR(Evaluate(plain.moment, largest->x), largest->value, 1e-9 * std::abs(largest->value));
  const std::string header = Slurp(input.parent_path() / "Design.txt").substr(0, 120);
  EXPECT_NE(header.find(", LOAD CASE 2 ALONE, ITS VEHICLE AT X = "), std::string::npos) << header;

  options.load_case = 0;
  options.by_combination = true;
  options.combination = "ULS";
  const RunOutcome refused = AnalysisRun(input, options);
  EXPECT_EQ(refused.fault, RunFault::kUsage);
  EXPECT_NE(refused.reason.find("combination ULS holds a moving case"), std::string::npos)
      << refused.reason;
}
