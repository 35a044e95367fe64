// Where the time of a run goes, stage by stage, on a 10,000-span beam:
// the reader, the assembly and the solver, and the two number formats the
// writers use. make bench runs these after the table.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "input/FieldReader.h"
#include "input/Layout.h"
#include "results/NumberFormat.h"
#include "stiffness/BandMatrix.h"
#include "stiffness/Stiffness.h"

using namespace spanwise;

namespace {

constexpr long kSpans = 10000;

// The structure sections of the benchmark beam (bench/GenerateBeam.cpp).
std::string StructureText() {
  std::string text = std::to_string(kSpans + 1) + "\r\n";
  for (long j = 1; j <= kSpans + 1; ++j)
    text += std::to_string(5 * (j - 1)) + ", joint " + std::to_string(j) + "\r\n";
  text += std::to_string(kSpans + 1) + "\r\n1, 1, 1, fixed end\r\n";
  for (long j = 2; j <= kSpans + 1; ++j) text += std::to_string(j) + ", 1, 0, prop\r\n";
  text += "1\r\n2E8, steel\r\n1\r\n0.0004, beam section\r\n" + std::to_string(kSpans) + "\r\n";
  for (long m = 1; m <= kSpans; ++m)
    text += std::to_string(m) + ", " + std::to_string(m + 1) + ", 1, 1, span " + std::to_string(m) +
            "\r\n";
  return text;
}

void Reader(benchmark::State& state) {
  const std::string text = StructureText();
  for (auto _ : state) {
    FieldReader reader(text);
    for (const SectionLayout* s : {&kJoints, &kSupports, &kMaterials, &kCrossSections, &kMembers})
      benchmark::DoNotOptimize(SkipSection(reader, *s));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(Reader)->Unit(benchmark::kMillisecond);

// Assembly, supports and solution of the beam's equations.
void AssembleAndSolve(benchmark::State& state) {
  const long NJ = kSpans + 1, NM = kSpans, n = 2 * NJ;
  Structure beam(StructureCounts{.NJ = NJ, .NMT = 1, .NXS = 1, .NM = NM});
  for (long j = 1; j <= NJ; ++j)
    beam.XCoord(j) = 5.0 * static_cast<double>(j - 1),
    beam.supports.at(static_cast<std::size_t>(j)) = Support::FromFixities(1, j == 1 ? 1 : 0);
  beam.YM(1) = 2e8, beam.MI(1) = 0.0004;
  for (long m = 1; m <= NM; ++m)
    beam.JN(m, 1) = static_cast<double>(m), beam.JN(m, 2) = static_cast<double>(m + 1),
               beam.Property(m, 1) = beam.Property(m, 2) = 1;
  MemberStiffness k(NM);
  for (long I = 1; I <= NM; ++I) {
    LocalStiffness(I, beam, k);
    GlobalStiffness(I, beam, k);
  }
  for (auto _ : state) {
    BandMatrix GlStK("GlStK", n, BandMatrix::HalfBandwidth(NM, beam.JN));
    Array1 b("GloExtLoad", {n}), x("TempDisp", {n});
    for (long p = 1; p <= n; ++p) b(p) = p % 2 == 1 ? -15.0 : 2.5;
    StructuralStiffness(beam, k, GlStK);
    BoundaryConditions(beam, GlStK, b);
    Gauss(b, GlStK, x, n);
    benchmark::DoNotOptimize(x(n));
  }
  state.SetItemsProcessed(state.iterations() * NM);
}
BENCHMARK(AssembleAndSolve)->Unit(benchmark::kMillisecond);

std::vector<double> Values() {
  std::vector<double> v;
  for (int i = 1; i <= 1000; ++i) v.push_back(std::sin(i) * std::pow(10.0, i % 9 - 3));
  return v;
}

void ReportFormat(benchmark::State& state) {
  const std::vector<double> values = Values();
  const DecimFormat decim(JoinDecim(2));
  std::string out;
  for (auto _ : state) {
    out.clear();
    for (double v : values) decim.Append(out, v);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}
BENCHMARK(ReportFormat);

void PrintFormat(benchmark::State& state) {
  const std::vector<double> values = Values();
  std::string out;
  for (auto _ : state) {
    out.clear();
    for (double v : values) AppendPrintForm(out, v);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}
BENCHMARK(PrintFormat);

}  // namespace

BENCHMARK_MAIN();
