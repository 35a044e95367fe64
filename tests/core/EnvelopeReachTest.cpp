// Envelopes carry a group's effect only where it can change a value: the
// values against those computed before (golden, and the run with every
// group carried everywhere), the bound that decides, and the groups named.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "design/DesignParts.h"
#include "design/EnvelopeSource.h"
#include "run/AnalysisRun.h"
#include "tests/support/Design.h"

using namespace spanwise;
using namespace spanwise::test;

namespace {

// A beam of n spans of 3 to 9, drawn from a fixed seed, fixed at joint 1 and
// propped elsewhere: case 1 a uniform load on every span; case 2 (variable)
// a uniform load per span; case 3 (variable) a point load per span and a
// moment at joint 2; three combinations. With springs: every third joint
// rests on a soft spring instead, every fifth span has a hinge at end j and
// joint 2 sinks in case 2; a group's effect then fades more slowly.
std::string RandomBeam(int n, bool springs = false) {
  unsigned long seed = 7;
  const auto draw = [&seed](int lo, int hi) {
    seed = seed * 6364136223846793005UL + 1442695040888963407UL;
    return lo + static_cast<int>((seed >> 33) % static_cast<unsigned long>(hi - lo + 1));
  };
  std::vector<int> x(1, 0);
  for (int m = 1; m <= n; ++m) x.push_back(x.back() + draw(30, 90));
  const auto tenths = [](int v) { return std::to_string(v / 10) + "." + std::to_string(v % 10); };
  std::string s = std::to_string(n + 1) + "\n";
  for (int v : x) s += tenths(v) + ",\n";
  std::string supports = "1, 1, 1,\n", blocks;
  int propped = 1, sprung = 0, hinged = 0;
  for (int j = 2; j <= n + 1; ++j) {
    const bool spring = springs && j % 3 == 0;
    (spring ? blocks : supports) += std::to_string(j) + (spring ? ", 2000, 0,\n" : ", 1, 0,\n");
    ++(spring ? sprung : propped);
  }
  s += std::to_string(propped) + "\n" + supports;
  if (springs) {
    blocks = "SPRINGS, " + std::to_string(sprung) + "\n" + blocks;
    std::string hinges;
    for (int m = 5; m < n; m += 5, ++hinged) hinges += std::to_string(m) + ", j,\n";
    blocks += "RELEASES, " + std::to_string(hinged) + "\n" + hinges;
    blocks += "SETTLEMENTS, 1\n2, 2, -0.01, 0,\n";
  }
  s += "1\n2E8,\n1\n0.0004,\n" + std::to_string(n) + "\n";
  for (int m = 1; m <= n; ++m) s += std::to_string(m) + ", " + std::to_string(m + 1) + ", 1, 1,\n";
  std::string dead = std::to_string(n) + "\n", live = dead, point = dead;
  for (int m = 1; m <= n; ++m) {
    const std::string span = std::to_string(m);
    dead += span + ", 2, 6, 6, 0, 0,\n";
    live += span + ", 2, " + std::to_string(draw(5, 15)) + ", " + std::to_string(draw(5, 15)) +
            ", 0, 0,\n";
    point += span + ", 1, " + std::to_string(draw(10, 40)) + ", 0, " +
             tenths(draw(0, x[m] - x[m - 1])) + ", 0,\n";
  }
  return s + dead + "0\n" + blocks + "CASES, 2\nvariable, live\n" + live + "0\nvariable, crane\n" +
         point +
         "1\n2, 0, 5,\nCOMBINATIONS, 3\n1.35, 1.0, 1.5, 0, 1.5, 0, ULS\n"
         "1, 1, 1, 0, 1, 0, SLS\n1, 1, 0.5, 0, 1, 0, crane\n";
}

DesignValues Envelopes(const fs::path& input, bool full_reach = false) {
  RunOptions options;
  options.full_reach = full_reach;
  return DesignOf(input, options, true);
}

// The six extremes of a member's envelope, or a joint's reaction ranges.
std::array<const EnvelopeExtreme*, 6> Six(const CombinationEnvelope::Member& m) {
  return {&m.moment_max, &m.moment_min,     &m.shear_max,
          &m.shear_min,  &m.deflection_max, &m.deflection_min};
}
std::array<double, 6> Values(const CombinationEnvelope& c, long member) {
  if (member == 0) {
    const auto& j = c.joints.at(0);
    return {j.fy_max, j.fy_min, j.mz_max, j.mz_min, 0, 0};
  }
  std::array<double, 6> v{};
  const auto six = Six(c.members.at(static_cast<std::size_t>(member - 1)));
  for (int k = 0; k < 6; ++k) v[k] = six[k]->value;
  return v;
}

// Equal to 1e-12 of the larger magnitude of each max and min pair.
void ExpectClose(const std::array<double, 6>& got, const std::array<double, 6>& want,
                 const std::string& where) {
  for (int k = 0; k < 6; ++k) {
    const double scale = std::max(std::abs(want[k & ~1]), std::abs(want[k | 1]));
    EXPECT_NEAR(got[k], want[k], 1e-12 * scale) << where << ", value " << k;
  }
}

}  // namespace

// Values computed before the groups were cut to their reach: member 0
// stands for joint 1's Fy max, Fy min, Mz max, Mz min.
TEST(EnvelopeReach, ValuesAreThoseComputedWithEveryGroupEverywhere) {
  std::istringstream rows(Slurp(kData / "envelope-reach-values.txt"));
  std::string line;
  const ScratchFolder folder("reach");
  int spans = 0, read = 0;
  DesignValues design;
  while (std::getline(rows, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    fields.imbue(std::locale::classic());
    int n = 0, combination = 0;
    long member = 0;
    std::array<double, 6> values{};
    fields >> n >> combination >> member;
    for (double& v : values) fields >> v;
    ASSERT_FALSE(fields.fail()) << line;
    ++read;
    if (n != spans) design = Envelopes(folder.Write(RandomBeam(spans = n)));
    ExpectClose(Values(design.combinations.at(static_cast<std::size_t>(combination)), member),
                values, std::to_string(n) + " spans, member " + std::to_string(member));
  }
  EXPECT_EQ(read, 20);
}

// Against the run that carries every group everywhere: every value to
// 1e-12 of its pair's larger magnitude, its position and its named groups
// where the value stands clear of 0 (a 0 at two supports may move).
TEST(EnvelopeReach, EveryValueIsTheFullReachsOne) {
  const ScratchFolder folder("reach");
  for (int spans : {3, 12, 60, -3, -12, -60}) {  // negative: with springs
    const fs::path input = folder.Write(RandomBeam(std::abs(spans), spans < 0));
    spans = std::abs(spans);
    const DesignValues cut = Envelopes(input), full = Envelopes(input, true);
    for (std::size_t c = 0; c < 3; ++c) {
      for (std::size_t j = 0; j < full.combinations.at(c).joints.size(); ++j) {
        const std::string where = std::to_string(spans) + " spans, joint " + std::to_string(j);
        const auto& a = cut.combinations.at(c).joints.at(j);
        const auto& b = full.combinations[c].joints[j];
        ExpectClose({a.fy_max, a.fy_min, a.mz_max, a.mz_min, 0, 0},
                    {b.fy_max, b.fy_min, b.mz_max, b.mz_min, 0, 0}, where);
      }
      for (long m = 1; m <= spans; ++m) {
        const std::string where = std::to_string(spans) + " spans, member " + std::to_string(m);
        const auto& a = cut.combinations.at(c).members.at(m - 1);
        const auto& b = full.combinations[c].members[m - 1];
        ExpectClose(Values(cut.combinations[c], m), Values(full.combinations[c], m), where);
        for (int k = 0; k < 6; ++k) {
          const double scale =
              std::max(std::abs(Six(b)[k & ~1]->value), std::abs(Six(b)[k | 1]->value));
          if (std::abs(Six(b)[k]->value) <= 1e-9 * scale) continue;
          EXPECT_NEAR(Six(a)[k]->x, Six(b)[k]->x, 1e-9) << where << ", extreme " << k;
          EXPECT_EQ(Six(a)[k]->adverse, Six(b)[k]->adverse) << where << ", extreme " << k;
        }
      }
    }
  }
}

// The bound of a group without loads on a member holds its functions there,
// and the groups a member leaves out add, in full, less than 1e-14 of the
// largest |value| of each envelope there.
TEST(EnvelopeReach, TheGroupsLeftOutAddLessThanTheirBound) {
  const ScratchFolder folder("reach");
  for (bool springs : {false, true}) {
    const DesignValues full = Envelopes(folder.Write(RandomBeam(60, springs)), true);
    ASSERT_NE(full.source, nullptr);
    const EnvelopeSource& source = *full.source;
    MemberScratch scratch;
    std::vector<MemberDesign> functions;
    long left_out = 0;
    for (std::size_t mi = 0; mi < source.members.size(); ++mi) {
      const EnvelopeSource::Member& member = source.members[mi];
      GroupFunctions(member, scratch, functions);
      EnvelopeSource::Member cut = member;
      KeepGroupsThatMatter(source, cut);
      std::vector<long> kept;
      for (const auto& e : cut.effects) kept.push_back(e.group);
      std::array<std::array<double, 3>, 3> sum{};  // combination, quantity: what is left out
      for (std::size_t k = 0; k < functions.size(); ++k) {
        const long g = member.effects[k].group;
        const std::array<const Piecewise*, 3> f = {&functions[k].moment, &functions[k].shear,
                                                   &functions[k].deflection};
        const std::array<double, 3> bound = EffectBound(member, member.effects[k]);
        const bool gone = std::find(kept.begin(), kept.end(), g) == kept.end();
        left_out += gone ? 1 : 0;
        for (int q = 0; q < 3; ++q) {
          double largest = 0;
          for (const Piece& p : *f[q])
            for (int i = 0; i <= 8; ++i)
              largest = std::max(largest, std::abs(Evaluate(*f[q], p.x0 + (p.x1 - p.x0) * i / 8)));
          bool loaded = false;
          for (const auto& [group, load] : member.loads) loaded = loaded || group == g;
          EXPECT_TRUE(loaded || largest <= bound[q] * (1 + 1e-12)) << "member " << mi + 1;
          for (std::size_t c = 0; c < 3 && gone; ++c) {
            const auto& factors = source.combinations[c];
            const std::size_t at = static_cast<std::size_t>(g);
            sum[c][q] +=
                std::max(std::abs(factors.adverse.at(at)), std::abs(factors.favourable.at(at))) *
                largest;
          }
        }
      }
      for (std::size_t c = 0; c < 3; ++c) {
        const auto values = Values(full.combinations[c], static_cast<long>(mi) + 1);
        for (int q = 0; q < 3; ++q)
          EXPECT_LE(sum[c][q],
                    1e-14 * std::max(std::abs(values[2 * q]), std::abs(values[2 * q + 1])))
              << "member " << mi + 1 << ", combination " << c << ", quantity " << q;
      }
    }
    EXPECT_GT(left_out, 60 * 30) << springs;  // many groups go, even on a beam of 60 spans
  }
}

// The groups named: those of a share of at least 1e-6 of the value, the
// largest first; the rest counted.
TEST(EnvelopeReach, ExtremesNameTheGroupsThatMatter) {
  const std::vector<GroupName> groups = {{1, 0, 0}, {2, 1, 0}, {2, 2, 0}, {2, 3, 0}, {3, 0, 2}};
  const struct {
    std::vector<std::pair<double, long>> shares;
    double value;
    std::vector<long> adverse;
    long negligible;
    const char* text;
  } rows[] = {
      {{{2, 1}, {3, 2}, {1e-6, 3}, {0.9e-6, 4}}, -1, {2, 1, 3}, 1, "case 2 members 1-3 +1"},
      {{{5, 0}, {5, 3}, {7, 4}}, 10, {4, 0, 3}, 0, "case 1; case 2 members 3; case 3 joints 2"},
      {{{1e-9, 1}, {1e-9, 2}}, 1, {}, 2, "+2"},
      {{}, 0, {}, 0, "none"},
  };
  for (const auto& row : rows) {
    auto shares = row.shares;
    std::vector<long> adverse;
    long negligible = -1;
    NameAdverse(shares, row.value, adverse, negligible);
    EXPECT_EQ(adverse, row.adverse) << row.text;
    EXPECT_EQ(negligible, row.negligible) << row.text;
    EXPECT_EQ(AdverseText(groups, adverse, negligible), row.text);
  }
}
