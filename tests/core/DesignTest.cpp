// The design values against closed forms, against the run's own files on
// generated beams, and the JSON document of the headless analyser.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "results/InternalForces.h"
#include "run/AnalysisRun.h"
#include "tests/support/Design.h"
#include "tests/support/Spawn.h"

using spanwise::DesignValues;
using namespace spanwise::test;

namespace {

// Of this process: ctest runs the tests of this file side by side.
const ScratchFolder kScratch("design");
const fs::path& kWork = kScratch.path();

// Runs the model text and returns its design values (the files stay in kWork).
DesignValues Analyse(const std::string& model) { return DesignOf(kScratch.Write(model)); }

enum What { kMomentMax, kMomentMin, kShearMin, kDeflectionMin, kDeflectionAt, kFy, kMz, kRotation };
using spanwise::JointDesign, spanwise::MemberDesign;
constexpr spanwise::Extreme MemberDesign::*kExtremes[] = {
    &MemberDesign::moment_max, &MemberDesign::moment_min, &MemberDesign::shear_min,
    &MemberDesign::deflection_min};
constexpr double JointDesign::*kJointValues[] = {&JointDesign::fy, &JointDesign::mz,
                                                 &JointDesign::rotation};
// index: the member, or the joint of kFy, kMz, kRotation; x: the expected
// position of an extreme, or where to evaluate.
struct Check {
  What what;
  long index;
  double x, value;
};

}  // namespace

TEST(Design, MatchesClosedForms) {
  const double EI = 1000, P = 100, w = 6, L = 10, r3 = std::sqrt(3.0), M0 = 50;
  const std::string simple = "2\r\n1,1,0,pin\r\n2,1,0,roller\r\n";
  const auto point_span = [&](double a) {
    const double b = L - a, far = a < b ? a : b, xm = std::sqrt((L * L - far * far) / 3);
    return std::vector<Check>{{kMomentMax, 1, a, P * a * b / L},
                              {kDeflectionAt, 1, a, -P * a * a * b * b / (3 * EI * L)},
                              {kDeflectionMin, 1, a < b ? L - xm : xm,
                               -P * far * std::pow(L * L - far * far, 1.5) / (9 * r3 * EI * L)},
                              {kFy, 1, 0, P * b / L}};
  };
  const double L4 = L * L * L * L, xt = L * std::sqrt(1 - std::sqrt(8.0 / 15)),  // triangle's
      xp = L * (15 - std::sqrt(33.0)) / 16;  // and propped cantilever's deepest points
  const std::string fixed = "1\r\n1,1,1,f\r\n", uniform = "1\r\n1,2,6,6,0,0,w\r\n";
  const struct {
    const char* name;
    std::string model;
    std::vector<Check> checks;
  } cases[] = {
      // clang-format off
      {"point load at 3.3", BeamOf({0, L}, simple, "1\r\n1,1,100,0,3.3,0,P\r\n"), point_span(3.3)},
      {"point load at 7.5", BeamOf({0, L}, simple, "1\r\n1,1,100,0,7.5,0,P\r\n"), point_span(7.5)},
      {"uniform", BeamOf({0, L}, simple, uniform),
       {{kMomentMax, 1, L / 2, w * L * L / 8},
        {kDeflectionMin, 1, L / 2, -5 * w * L4 / (384 * EI)}}},
      {"triangular", BeamOf({0, L}, simple, "1\r\n1,4,0,6,0,0,w\r\n"),
       {{kMomentMax, 1, L / r3, w * L * L / (9 * r3)}, {kFy, 1, 0, w * L / 6},
        {kFy, 2, 0, w * L / 3}, {kDeflectionMin, 1, xt,
         -w * xt * (7 * L4 - 10 * L * L * xt * xt + 3 * xt * xt * xt * xt) / (360 * L * EI)}}},
      {"partial", BeamOf({0, L}, simple, "1\r\n1,2,6,6,2,3,w\r\n"),
       {{kMomentMax, 1, 4.75, 55.6875}, {kFy, 1, 0, 16.5}, {kFy, 2, 0, 13.5}}},
      {"cantilever, uniform", BeamOf({0, L}, fixed, uniform),
       {{kMomentMin, 1, 0, -w * L * L / 2}, {kDeflectionMin, 1, L, -w * L4 / (8 * EI)},
        {kFy, 1, 0, w * L}, {kMz, 1, 0, w * L * L / 2}}},
      {"cantilever, point load at its tip", BeamOf({0, L}, fixed, "1\r\n1,1,100,0,10,0,P\r\n"),
       {{kMomentMin, 1, 0, -P * L}, {kShearMin, 1, 0, -P},
        {kDeflectionMin, 1, L, -P * L * L * L / (3 * EI)},
        {kRotation, 2, 0, -P * L * L / (2 * EI)}}},
      {"propped cantilever", BeamOf({0, L}, "2\r\n1,1,1,f\r\n2,1,0,r\r\n", uniform),
       {{kMomentMin, 1, 0, -w * L * L / 8}, {kMomentMax, 1, 5 * L / 8, 9 * w * L * L / 128},
        {kFy, 2, 0, 3 * w * L / 8},
        {kDeflectionMin, 1, xp, -(39 + 55 * std::sqrt(33.0)) * w * L4 / (65536 * EI)}}},
      {"fixed-fixed", BeamOf({0, L}, "2\r\n1,1,1,f\r\n2,1,1,f\r\n", uniform),
       {{kMomentMin, 1, 0, -w * L * L / 12}, {kMomentMax, 1, L / 2, w * L * L / 24},
        {kMz, 1, 0, w * L * L / 12}, {kMz, 2, 0, -w * L * L / 12},
        {kDeflectionMin, 1, L / 2, -w * L4 / (384 * EI)}}},
      {"two spans, joint moment",
       BeamOf({0, L, 2 * L}, "3\r\n1,1,0,a\r\n2,1,0,b\r\n3,1,0,c\r\n", "0\r\n", "1\r\n2,0,50,M\r\n"),
       {{kMomentMax, 1, L, M0 / 2}, {kMomentMin, 2, 0, -M0 / 2}, {kFy, 1, 0, M0 / (2 * L)},
        {kFy, 3, 0, -M0 / (2 * L)}, {kRotation, 2, 0, M0 * L / (6 * EI)},
        {kDeflectionMin, 1, L / r3, -(M0 / 2) * L * L / (9 * r3 * EI)}}},
      // clang-format on
  };
  for (const auto& c : cases) {
    const DesignValues d = Analyse(c.model);
    ASSERT_EQ(d.members.size(), d.model.members.size()) << c.name;
    for (const Check& k : c.checks) {
      const bool on_member = k.what <= kDeflectionAt;
      const auto& m = d.members.at(static_cast<std::size_t>(on_member ? k.index - 1 : 0));
      const auto& j = d.joints.at(static_cast<std::size_t>(on_member ? 0 : k.index - 1));
      const spanwise::Extreme* e =
          on_member && k.what != kDeflectionAt ? &(m.*kExtremes[k.what]) : nullptr;
      double got = k.what == kDeflectionAt ? spanwise::Evaluate(m.deflection, k.x) : 0;
      if (!on_member) got = j.*kJointValues[k.what - kFy];
      if (e != nullptr) {
        ASSERT_TRUE(e->present) << c.name << " check " << k.what;
        got = e->value;
        EXPECT_NEAR(e->x, k.x, 1e-9 * L) << c.name << " check " << k.what;
      }
      EXPECT_NEAR(got, k.value, 1e-9 * std::abs(k.value)) << c.name << " check " << k.what;
    }
  }
}

namespace {

// A random continuous beam: spans of typed lengths, some members entered right
// to left, supports that hold it, point loads on, near and between the
// stations and at the ends, trapezoids of either sign, ignored types, joint
// loads. total: the sum of the loads' magnitudes.
std::string RandomBeam(std::mt19937& rng, double& total) {
  std::uniform_real_distribution<double> u(0, 1);
  const auto typed = [](double v) { return std::round(v * 1000) / 1000; };
  const std::size_t spans = 1 + rng() % 5;
  std::vector<double> xs{0};
  std::ostringstream s, loads;
  s.precision(17), loads.precision(17);
  s << spans + 1 << "\r\n0,j\r\n";
  for (std::size_t k = 0; k < spans; ++k)
    s << xs.emplace_back(xs.back() + typed(0.5 + 8 * u(rng))) << ",j\r\n";
  s << spans + 1 << "\r\n1,1,1,fixed\r\n";
  for (std::size_t j = 2; j <= spans + 1; ++j)
    s << j << ',' << rng() % 2 << ',' << rng() % 2 << ",s\r\n";
  s << "2\r\n2E8,steel\r\n3E7,concrete\r\n2\r\n4E-4,a\r\n2E-2,b\r\n" << spans << "\r\n";
  total = 27;  // the joint loads
  for (std::size_t m = 1; m <= spans; ++m) {
    const bool reversed = rng() % 3 == 0;
    s << m + reversed << ',' << m + !reversed << ',' << 1 + rng() % 2 << ',' << 1 + rng() % 2
      << ",m\r\n";
    const double L = xs.at(m) - xs.at(m - 1);
    for (int k = 0; k < 4; ++k) {
      const double w1 = typed(200 * u(rng) - 80), w2 = typed(20 * u(rng) - 8);
      const double l1 = typed(L * 0.45 * u(rng)), l2 = typed(L * 0.45 * u(rng));
      const double at[] = {typed(L * u(rng)),
                           spanwise::Station(1 + static_cast<int>(rng() % 11), L),
                           typed(L * 0.1 * static_cast<double>(rng() % 11)), 0, L};
      const unsigned kind = rng() % 4;  // point, trapezoid of type 2 or 4, ignored type 3
      if (kind == 0) loads << m << ",1," << w1 << ",0," << at[rng() % 5] << ",0,P\r\n";
      if (kind == 1 || kind == 2)
        loads << m << ',' << 2 * kind << ',' << w1 / 10 << ',' << w2 << ',' << l1 << ',' << l2
              << ",w\r\n";
      if (kind == 3) loads << m << ",3,5,5,0,0,ignored\r\n";
      total += kind == 0  ? std::abs(w1)
               : kind < 3 ? (std::abs(w1 / 10) + std::abs(w2)) * (L - l1 - l2)
                          : 0;
    }
  }
  s << 4 * spans << "\r\n"
    << loads.str() << "2\r\n"
    << 1 + rng() % (spans + 1) << ",-20,15,J\r\n1,7,-3,J\r\n";
  return s.str();
}

}  // namespace

TEST(Design, GeneratedBeamsAreInEquilibriumAndAgreeWithTheDiagramFiles) {
  std::mt19937 rng(2026);
  for (int model = 0; model < 40; ++model) {
    double total = 0;
    const DesignValues d = Analyse(RandomBeam(rng, total));
    EXPECT_LE(std::abs(d.equilibrium.residual), 1e-9 * total) << model;
    std::vector<double> bm, sf;
    for (auto [file, values] : {std::pair{"BM.TXT", &bm}, {"SF.TXT", &sf}}) {
      std::istringstream in(Slurp(kWork / file));
      for (std::string line; std::getline(in, line);)
        values->push_back(std::stod(line.substr(line.find(',') + 1)));
    }
    ASSERT_EQ(bm.size(), 11 * d.members.size()) << model;
    for (std::size_t m = 0; m < d.members.size(); ++m) {
      const MemberDesign& member = d.members[m];
      const double L = member.length,
                   big_m = std::max(-member.moment_min.value, member.moment_max.value),
                   big_v = std::max(-member.shear_min.value, member.shear_max.value);
      for (int k = 1; k <= 11; ++k) {
        const double x = spanwise::Station(k, L);
        const std::size_t row = 11 * m + static_cast<std::size_t>(k - 1);
        EXPECT_NEAR(spanwise::Evaluate(member.moment, x), bm[row], 1e-9 * big_m)
            << model << " " << m << " " << k;
        // A point load a rounding residue after the station may count at it.
        double after = spanwise::Evaluate(member.shear, x);
        for (const auto& load : d.model.member_loads)
          if (load.member == static_cast<long>(m + 1) && load.type == 1 && load.l1 > x &&
              load.l1 <= x + L * 1e-9 && std::abs(sf[row] - after) > 1e-9 * big_v)
            after = spanwise::Evaluate(member.shear, std::min(load.l1, L));
        EXPECT_NEAR(after, sf[row], 1e-9 * big_v) << model << " " << m << " " << k;
      }
      // Integrated from end i, the deflection and rotation meet the joints' at both ends.
      const double big = std::max(-member.deflection_min.value, member.deflection_max.value);
      for (const auto& [x, joint] : {std::pair{0.0, member.i}, {L, member.j}}) {
        const spanwise::JointDesign& at = d.joints.at(static_cast<std::size_t>(joint - 1));
        EXPECT_NEAR(spanwise::Evaluate(member.deflection, x), at.deflection, 1e-9 * big) << model;
        EXPECT_NEAR(spanwise::Evaluate(member.rotation, x), at.rotation, 1e-9 * big / L) << model;
      }
    }
  }
}

TEST(Design, AnOverflowLeavesTheValueAbsentAndTheRunSucceeds) {
  std::string model = BeamOf({0, 5}, "2\r\n1,1,1,f\r\n2,1,1,f\r\n", "1\r\n1,1,1E10,0,2.5,0,P\r\n");
  const DesignValues d = Analyse(model.replace(model.find("200,E"), 5, "1E-300,E"));  // M / EI
  EXPECT_EQ(d.members.at(0).moment_max.value, 6.25e9);
  EXPECT_FALSE(d.members.at(0).deflection_min.present);
  EXPECT_EQ(d.warnings.size(), 1u);
}

// Values near 1e200 stay present while they are representable, exactly
// 2^664 times those of loads 2^664 times smaller: no square of them is taken.
TEST(Design, ValuesNear1e200StayPresentAndScaleExactly) {
  const auto model = [](double f) {
    std::ostringstream loads;
    loads.precision(17);
    loads << "2\r\n1,2," << 6 * f << ',' << 12 * f << ",0,0,t\r\n2,1," << 10 * f << ",0,2,0,p\r\n";
    return BeamOf({0, 5, 12}, "3\r\n1,1,1,f\r\n2,1,0,r\r\n3,1,0,r\r\n", loads.str());
  };
  const DesignValues small = Analyse(model(1)), big = Analyse(model(0x1p664));
  EXPECT_TRUE(big.warnings.empty()) << big.warnings.at(0);
  for (std::size_t m = 0; m < 2; ++m)
    for (const auto extreme :
         {&MemberDesign::moment_max, &MemberDesign::moment_min, &MemberDesign::shear_max,
          &MemberDesign::shear_min, &MemberDesign::deflection_max, &MemberDesign::deflection_min}) {
      const spanwise::Extreme& b = big.members.at(m).*extreme;
      const spanwise::Extreme& s = small.members.at(m).*extreme;
      EXPECT_TRUE(b.present);
      EXPECT_EQ(b.value, std::ldexp(s.value, 664)) << m;
      EXPECT_EQ(b.x, s.x) << m;
    }
}

// The document itself is a golden file of RunTest; a failed run writes none.
TEST(Design, AFailedRunWritesNoJson) {
  std::ofstream(kWork / "Beam.sma", std::ios::binary) << "0\r\n";
  fs::remove(kWork / "out");
  ASSERT_EQ(Analyse({"--json", kWork / "Beam.sma"}, kWork / "out"), 1);
  EXPECT_EQ(Slurp(kWork / "out"), "");
}

// RFC 4180 records: fields split at commas outside quotes, "" a quote.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char c = text[k];
    if (quoted && c == '"' && k + 1 < text.size() && text[k + 1] == '"') {
      rows.back().back() += text[++k];
    } else if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && c == ',') {
      rows.back().emplace_back();
    } else if (!quoted && c == '\r' && text.substr(k, 2) == "\r\n") {
      rows.emplace_back(1);
      ++k;
    } else {
      rows.back().back() += c;
    }
  }
  rows.pop_back();  // after the last CR LF
  return rows;
}

// Design.csv read back holds the JSON's values, every digit, absent as empty.
TEST(Design, DesignCsvHoldsTheJsonValues) {
  ScratchFolder folder("csv");
  std::string model = Slurp(kData / "golden/cases/Beam.sma");
  model.replace(model.find("ULS"), 3, "\"U, LS\"").replace(model.find("SLS"), 3, "S\"LS");
  const fs::path input = folder.Write(model);
  ASSERT_EQ(Analyse({"--json", "--csv", input.string()}, folder.path() / "out.json"), 0);
  const auto json = nlohmann::json::parse(Slurp(folder.path() / "out.json"));
  const auto rows = ReadCsv(Slurp(folder.path() / "Design.csv"));
  ASSERT_EQ(rows.size(), 1 + 3 * 2 * 3u);  // the run's and two combinations' members
  EXPECT_EQ(rows[7][0], "U, LS");
  EXPECT_EQ(rows[13][0], "S\"LS");
  for (std::size_t r = 1; r < rows.size(); ++r) {
    const std::vector<std::string>& row = rows[r];
    ASSERT_EQ(row.size(), 8u);
    const nlohmann::json* members = &json["members"];
    for (const auto& c : json["combinations"])
      if (c["label"] == row[0]) members = &c["members"];
    ASSERT_TRUE(row[0].empty() || members != &json["members"]) << row[0];
    const auto& q = (*members)[std::stoul(row[1]) - 1][row[2]];
    int k = 4;
    for (const char* end : {"max", "min"})
      for (const char* field : {"value", "x"}) {
        const std::string& cell = row[static_cast<std::size_t>(k++)];
        if (q[end].is_null()) {
          EXPECT_EQ(cell, "");
        } else {
          double value = 0;
          std::from_chars(cell.data(), cell.data() + cell.size(), value);
          EXPECT_EQ(value, q[end][field].get<double>()) << r << ' ' << k;
        }
      }
  }
}
