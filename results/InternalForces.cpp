#include "results/InternalForces.h"

#include <algorithm>
#include <string>

#include "common/FloatingPoint.h"
#include "common/MemberGeometry.h"
#include "input/Layout.h"
#include "input/MemberLoad.h"
#include "input/ReadCount.h"

namespace spanwise {
namespace {

constexpr int kStations = 11;

// Moment and shear of the part of a load left of each station.
void SampleLoad(const MemberLoad& load, double L, Array2& MemBM, Array2& MemSF) {
  const long m = load.m;
  const double w1 = load.w1, w2 = load.w2, l1 = load.l1, l2 = load.l2;
  bool point = false;
  switch (load.Kind()) {
    case LoadKind::kPoint:
      point = true;
      break;
    case LoadKind::kDistributed:
      break;
    case LoadKind::kNone:
      return;
  }
  for (int k = 1; k <= kStations; ++k) {
    const double x = Station(k, L);
    if (point) {
      // A load typed at a station counts there, though the station's
      // position may fall a rounding residue short of it.
      if (!(x >= l1 - L * 1e-9)) continue;
      MemBM(m, k) = MemBM(m, k) + (-w1) * std::max(x - l1, 0.0);
      MemSF(m, k) = MemSF(m, k) + w1;
      continue;
    }
    // The moment of the loaded part about the station, without dividing by
    // its resultant: exact where the resultant is zero or changes sign.
    double a, wend;
    if (x > l1 && x < L - l2) {
      a = x - l1;
      wend = w1 + ((w2 - w1) * (x - l1)) / ((L - l1) - l2);
    } else if (x >= L - l2) {
      a = (L - l1) - l2;
      wend = w2;
    } else {
      continue;
    }
    const double d = wend - w1;
    const double num = d * (a * a) / 3 + w1 * (a * a) / 2;
    MemBM(m, k) = MemBM(m, k) + (-0.5 * (w1 + wend) * a * (x - l1) + num);
    MemSF(m, k) = MemSF(m, k) + 0.5 * (w1 + wend) * a;
  }
}

void SampleLoads(FieldReader& Channel1, const Structure& structure, Array2& MemBM, Array2& MemSF) {
  const Array1& XCoord = structure.XCoord;
  const Array2& JN = structure.JN;
  const long NM = structure.NM;
  const long count = ReadCount(Channel1, kMemberLoads.Count(), false);
  for (long record = 1; record <= count; ++record) {
    MemberLoad load = ReadMemberLoad(Channel1, record, NM);
    const double L = MemberLength(load.m, JN, XCoord);
    if (PlaceOnMember(load, L)) SampleLoad(load, L, MemBM, MemSF);
    if (FloatingPointFault())
      ThrowFloatingPointFault("line " + std::to_string(load.line) + ", member loads record " +
                                  std::to_string(record) + ", internal forces",
                              load.line);
  }
}

void SampleEndForces(const Structure& structure, const Array3& LoForce, Array2& MemBM,
                     Array2& MemSF) {
  const Array1& XCoord = structure.XCoord;
  const Array2& JN = structure.JN;
  const long NM = structure.NM;
  for (long m = 1; m <= NM; ++m) {
    const double L = MemberLength(m, JN, XCoord);
    const double F1 = LoForce(m, 1, 1);
    const double F2 = LoForce(m, 2, 1);
    for (int k = 1; k <= kStations; ++k) {
      const double x = Station(k, L);
      MemBM(m, k) = MemBM(m, k) + (F1 * x - F2);
      MemSF(m, k) = MemSF(m, k) + (-F1);
    }
  }
  if (FloatingPointFault()) ThrowFloatingPointFault("internal forces from the end forces");
}

void DiagramLine(OutputFile& file, double position, double value) {
  std::string& line = file.text();
  AppendPrintForm(line, position);
  line += ',';
  AppendPrintForm(line, value);
  file.EndLine();
}

void WriteStations(const Structure& structure, const Array2& MemBM, const Array2& MemSF,
                   const DecimFormat& decim, OutputFile& Channel99, OutputFile& Channel91,
                   OutputFile& Channel92) {
  const Array1& XCoord = structure.XCoord;
  const Array2& JN = structure.JN;
  const long NM = structure.NM;
  Channel99.Line("INTERNAL FORCES ALONG MEMBER");
  double X0 = 0;  // position of the member's end i along the whole beam
  for (long m = 1; m <= NM; ++m) {
    const double L = MemberLength(m, JN, XCoord);
    std::string& title = Channel99.text();
    title += "Member ";
    AppendPrintForm(title, static_cast<double>(m));
    Channel99.EndLine();
    Channel99.Line("(From Joint i, Bending Moment,   Shear Force)");
    for (int k = 1; k <= kStations; ++k) {
      const double xk = (L / 10) * (k - 1);
      std::string& line = Channel99.text();
      decim.Append(line, xk);
      line += "  ,";
      decim.Append(line, MemBM(m, k));
      line += "  ,";
      decim.Append(line, MemSF(m, k));
      Channel99.EndLine();
      DiagramLine(Channel91, X0 + xk, MemBM(m, k));
      DiagramLine(Channel92, X0 + xk, MemSF(m, k));
    }
    X0 = X0 + L;
    Channel99.EndLine();
    if (FloatingPointFault())
      ThrowFloatingPointFault("positions along the beam at member " + std::to_string(m),
                              RecordRef{kMembersSection, m});
  }
}

}  // namespace

void InternalForces(std::string_view Input, const Structure& structure, const Array3& LoForce,
                    const DecimFormat& decim, OutputFile& Channel99, OutputFile& Channel91,
                    OutputFile& Channel92) {
  const long NM = structure.NM;
  FieldReader Channel1 = FieldReader::Over(Input);
  for (const SectionLayout* section :
       {&kJoints, &kSupports, &kMaterials, &kCrossSections, &kMembers})
    SkipSection(Channel1, *section);

  Array2 MemBM("MemBM", {NM, kStations});
  Array2 MemSF("MemSF", {NM, kStations});
  SampleLoads(Channel1, structure, MemBM, MemSF);
  Channel1.Close();
  SampleEndForces(structure, LoForce, MemBM, MemSF);
  WriteStations(structure, MemBM, MemSF, decim, Channel99, Channel91, Channel92);
}

}  // namespace spanwise
