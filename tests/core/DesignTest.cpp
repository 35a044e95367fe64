// The design values against closed forms, against the run's own files on
// generated beams, and the JSON document of the headless analyser.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "results/InternalForces.h"
#include "results/NumberFormat.h"
#include "run/AnalysisRun.h"

namespace fs = std::filesystem;
using spanwise::DesignValues;

namespace {

std::string Slurp(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

const fs::path kWork = fs::temp_directory_path() / "spanwise-design";

// Runs the model text and returns its design values (the files stay in kWork).
DesignValues Analyse(const std::string& model) {
  fs::create_directories(kWork);
  std::ofstream(kWork / "Beam.sma", std::ios::binary) << model;
  spanwise::RunOptions options;
  options.keep_design = true;
  const spanwise::RunOutcome outcome =
      spanwise::AnalysisRun((kWork / "Beam.sma").string(), options);
  EXPECT_TRUE(outcome.ok) << outcome.reason;
  return outcome.ok ? *outcome.design : DesignValues{};
}

// A beam of members joining neighbouring joints at xs; E * I = 1000.
std::string Beam(const std::vector<double>& xs, const std::string& supports,
                 const std::string& member_loads, const std::string& joint_loads) {
  std::ostringstream s;
  s.precision(17);
  s << xs.size() << "\r\n";
  for (double x : xs) s << x << ",j\r\n";
  s << supports << "1\r\n200,E\r\n1\r\n5,I\r\n" << xs.size() - 1 << "\r\n";
  for (std::size_t m = 1; m < xs.size(); ++m) s << m << ',' << m + 1 << ",1,1,m\r\n";
  s << member_loads << joint_loads;
  return s.str();
}

enum What { kMomentMax, kMomentMin, kShearMin, kDeflectionMin, kDeflectionAt, kFy, kMz, kRotation };
struct Check {
  What what;
  long index;  // member, or joint for kFy, kMz, kRotation
  double x;    // expected position of an extreme, or where to evaluate
  double value;
};

}  // namespace

TEST(Design, MatchesClosedForms) {
  const double EI = 1000, P = 100, w = 6, L = 10, r3 = std::sqrt(3.0), M0 = 50;
  const std::string simple = "2\r\n1,1,0,pin\r\n2,1,0,roller\r\n";
  const std::string cantilever = "1\r\n1,1,1,fixed\r\n";
  const auto point_span = [&](double a) {
    const double b = L - a, far = a < b ? a : b, xm = std::sqrt((L * L - far * far) / 3);
    return std::vector<Check>{{kMomentMax, 1, a, P * a * b / L},
                              {kDeflectionAt, 1, a, -P * a * a * b * b / (3 * EI * L)},
                              {kDeflectionMin, 1, a < b ? L - xm : xm,
                               -P * far * std::pow(L * L - far * far, 1.5) / (9 * r3 * EI * L)},
                              {kFy, 1, 0, P * b / L}};
  };
  const double xt = L * std::sqrt(1 - std::sqrt(8.0 / 15));  // triangular load's deepest point
  const double xp = L * (15 - std::sqrt(33.0)) / 16;         // propped cantilever's
  const struct {
    const char* name;
    std::string model;
    std::vector<Check> checks;
  } cases[] = {
      {"point load at 3.3", Beam({0, L}, simple, "1\r\n1,1,100,0,3.3,0,P\r\n", "0\r\n"),
       point_span(3.3)},
      {"point load at 7.5", Beam({0, L}, simple, "1\r\n1,1,100,0,7.5,0,P\r\n", "0\r\n"),
       point_span(7.5)},
      {"uniform",
       Beam({0, L}, simple, "1\r\n1,2,6,6,0,0,w\r\n", "0\r\n"),
       {{kMomentMax, 1, L / 2, w * L * L / 8},
        {kDeflectionMin, 1, L / 2, -5 * w * L * L * L * L / (384 * EI)}}},
      {"triangular",
       Beam({0, L}, simple, "1\r\n1,4,0,6,0,0,w\r\n", "0\r\n"),
       {{kMomentMax, 1, L / r3, w * L * L / (9 * r3)},
        {kFy, 1, 0, w * L / 6},
        {kFy, 2, 0, w * L / 3},
        {kDeflectionMin, 1, xt,
         -w * xt * (7 * L * L * L * L - 10 * L * L * xt * xt + 3 * xt * xt * xt * xt) /
             (360 * L * EI)}}},
      {"partial",
       Beam({0, L}, simple, "1\r\n1,2,6,6,2,3,w\r\n", "0\r\n"),
       {{kMomentMax, 1, 4.75, 55.6875}, {kFy, 1, 0, 16.5}, {kFy, 2, 0, 13.5}}},
      {"cantilever, uniform",
       Beam({0, L}, cantilever, "1\r\n1,2,6,6,0,0,w\r\n", "0\r\n"),
       {{kMomentMin, 1, 0, -w * L * L / 2},
        {kDeflectionMin, 1, L, -w * L * L * L * L / (8 * EI)},
        {kFy, 1, 0, w * L},
        {kMz, 1, 0, w * L * L / 2}}},
      {"cantilever, point load at its tip",
       Beam({0, L}, cantilever, "1\r\n1,1,100,0,10,0,P\r\n", "0\r\n"),
       {{kMomentMin, 1, 0, -P * L},
        {kShearMin, 1, 0, -P},
        {kDeflectionMin, 1, L, -P * L * L * L / (3 * EI)},
        {kRotation, 2, 0, -P * L * L / (2 * EI)}}},
      {"propped cantilever",
       Beam({0, L}, "2\r\n1,1,1,f\r\n2,1,0,r\r\n", "1\r\n1,2,6,6,0,0,w\r\n", "0\r\n"),
       {{kMomentMin, 1, 0, -w * L * L / 8},
        {kMomentMax, 1, 5 * L / 8, 9 * w * L * L / 128},
        {kFy, 2, 0, 3 * w * L / 8},
        {kDeflectionMin, 1, xp, -(39 + 55 * std::sqrt(33.0)) * w * L * L * L * L / (65536 * EI)}}},
      {"fixed-fixed",
       Beam({0, L}, "2\r\n1,1,1,f\r\n2,1,1,f\r\n", "1\r\n1,2,6,6,0,0,w\r\n", "0\r\n"),
       {{kMomentMin, 1, 0, -w * L * L / 12},
        {kMomentMax, 1, L / 2, w * L * L / 24},
        {kMz, 1, 0, w * L * L / 12},
        {kMz, 2, 0, -w * L * L / 12},
        {kDeflectionMin, 1, L / 2, -w * L * L * L * L / (384 * EI)}}},
      {"two spans, joint moment",
       Beam({0, L, 2 * L}, "3\r\n1,1,0,a\r\n2,1,0,b\r\n3,1,0,c\r\n", "0\r\n", "1\r\n2,0,50,M\r\n"),
       {{kMomentMax, 1, L, M0 / 2},
        {kMomentMin, 2, 0, -M0 / 2},
        {kFy, 1, 0, M0 / (2 * L)},
        {kFy, 3, 0, -M0 / (2 * L)},
        {kRotation, 2, 0, M0 * L / (6 * EI)},
        {kDeflectionMin, 1, L / r3, -(M0 / 2) * L * L / (9 * r3 * EI)}}},
  };
  for (const auto& c : cases) {
    const DesignValues d = Analyse(c.model);
    ASSERT_EQ(d.members.size(), d.model.members.size()) << c.name;
    for (const Check& k : c.checks) {
      const bool on_member = k.what <= kDeflectionAt;
      const auto& m = d.members.at(static_cast<std::size_t>(on_member ? k.index - 1 : 0));
      const auto& j = d.joints.at(static_cast<std::size_t>(on_member ? 0 : k.index - 1));
      const spanwise::Extreme* e = nullptr;
      double got = 0;
      switch (k.what) {
        case kMomentMax:
          e = &m.moment_max;
          break;
        case kMomentMin:
          e = &m.moment_min;
          break;
        case kShearMin:
          e = &m.shear_min;
          break;
        case kDeflectionMin:
          e = &m.deflection_min;
          break;
        case kDeflectionAt:
          got = spanwise::Evaluate(m.deflection, k.x);
          break;
        case kFy:
          got = j.fy;
          break;
        case kMz:
          got = j.mz;
          break;
        case kRotation:
          got = j.rotation;
          break;
      }
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
  const int spans = 1 + static_cast<int>(rng() % 5);
  std::ostringstream s;
  s.precision(17);
  std::vector<double> xs{0};
  for (int k = 0; k < spans; ++k) xs.push_back(xs.back() + typed(0.5 + 8 * u(rng)));
  s << xs.size() << "\r\n";
  for (double x : xs) s << x << ",j\r\n";
  s << xs.size() << "\r\n1,1,1,fixed\r\n";
  for (std::size_t j = 2; j <= xs.size(); ++j)
    s << j << ',' << rng() % 2 << ',' << rng() % 2 << ",s\r\n";
  s << "2\r\n2E8,steel\r\n3E7,concrete\r\n2\r\n4E-4,a\r\n2E-2,b\r\n" << spans << "\r\n";
  for (int m = 1; m <= spans; ++m) {
    const bool reversed = rng() % 3 == 0;
    s << (reversed ? m + 1 : m) << ',' << (reversed ? m : m + 1) << ',' << 1 + rng() % 2 << ','
      << 1 + rng() % 2 << ",m\r\n";
  }
  std::ostringstream loads;
  loads.precision(17);
  int count = 0;
  total = 0;
  for (int m = 1; m <= spans; ++m) {
    const double L = xs[static_cast<std::size_t>(m)] - xs[static_cast<std::size_t>(m - 1)];
    for (int k = 0; k < 4; ++k, ++count) {
      const double w1 = typed(200 * u(rng) - 80), w2 = typed(20 * u(rng) - 8);
      const double at[] = {typed(L * u(rng)),
                           spanwise::Station(1 + static_cast<int>(rng() % 11), L),
                           typed(L * 0.1 * static_cast<double>(rng() % 11)), 0, L};
      switch (rng() % 4) {
        case 0:
          loads << m << ",1," << w1 << ",0," << at[rng() % 5] << ",0,P\r\n";
          total += std::abs(w1);
          break;
        case 1: {
          const double l1 = typed(L * 0.45 * u(rng)), l2 = typed(L * 0.45 * u(rng));
          loads << m << ',' << 2 + 2 * (rng() % 2) << ',' << w1 / 10 << ',' << w2 << ',' << l1
                << ',' << l2 << ",w\r\n";
          total += (std::abs(w1 / 10) + std::abs(w2)) * (L - l1 - l2);
          break;
        }
        case 2:
          loads << m << ",3,5,5,0,0,ignored\r\n";
          break;
        default:
          loads << xs.size() - 1 << ",2,1.5,1.5,0,0,w\r\n";
          total += 1.5 * L;
      }
    }
  }
  s << count << "\r\n"
    << loads.str() << "2\r\n"
    << 1 + rng() % xs.size() << ",-20,15,J\r\n1,7,-3,J\r\n";
  total += 27;
  return s.str();
}

// The diagram file's values, in order.
std::vector<double> Values(const fs::path& file) {
  std::vector<double> values;
  std::istringstream in(Slurp(file));
  for (std::string line; std::getline(in, line);)
    values.push_back(std::strtod(line.c_str() + line.find(',') + 1, nullptr));
  return values;
}

}  // namespace

TEST(Design, GeneratedBeamsAreInEquilibriumAndAgreeWithTheDiagramFiles) {
  std::mt19937 rng(2026);
  for (int model = 0; model < 40; ++model) {
    double total = 0;
    const DesignValues d = Analyse(RandomBeam(rng, total));
    EXPECT_LE(std::abs(d.equilibrium.residual), 1e-9 * total) << model;
    const std::vector<double> bm = Values(kWork / "BM.TXT"), sf = Values(kWork / "SF.TXT");
    ASSERT_EQ(bm.size(), 11 * d.members.size()) << model;
    for (std::size_t m = 0; m < d.members.size(); ++m) {
      const spanwise::MemberDesign& member = d.members[m];
      const double L = member.length;
      const double big_m =
          std::max(std::abs(member.moment_max.value), std::abs(member.moment_min.value));
      const double big_v =
          std::max(std::abs(member.shear_max.value), std::abs(member.shear_min.value));
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
    }
  }
}

TEST(Design, JsonHoldsTheReportsGlobalForces) {
  std::mt19937 rng(7);
  double total = 0;
  const DesignValues d = Analyse(RandomBeam(rng, total));
  const std::string command = std::string(SPANWISE_ANALYSE) + " --json " +
                              (kWork / "Beam.sma").string() + " >" + (kWork / "out").string();
  ASSERT_EQ(std::system(command.c_str()), 0);
  const auto json = nlohmann::json::parse(Slurp(kWork / "out"));
  const std::string report = Slurp(kWork / "Beam.txt");
  std::size_t at = report.find("GLOBAL FORCES / REACTIONS");
  const spanwise::DecimFormat decim(spanwise::JoinDecim(2));
  ASSERT_EQ(json["members"].size(), d.members.size());
  for (const auto& member : json["members"]) {
    const auto& f = member["end_forces"];
    for (int end = 0; end < 2; ++end) {
      const std::string line =
          decim(f[2 * end].get<double>()) + "  " + decim(f[2 * end + 1].get<double>()) + "  \r\n";
      at = report.find("\r\n", report.find("Member", at)) + 2;
      EXPECT_EQ(report.substr(at, line.size()), line);
    }
  }
  EXPECT_EQ(json["joints"].size(), d.joints.size());
  EXPECT_EQ(json["equilibrium"]["residual"].get<double>(), d.equilibrium.residual);
  // A failed run leaves standard output empty.
  std::ofstream(kWork / "Beam.sma", std::ios::binary) << "0\r\n";
  ASSERT_NE(std::system((command + " 2>/dev/null").c_str()), 0);
  EXPECT_EQ(Slurp(kWork / "out"), "");
}
