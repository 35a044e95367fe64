#include "run/FactoredModel.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "common/DataError.h"
#include "common/MemberGeometry.h"
#include "common/PlainNumber.h"
#include "input/FieldReader.h"
#include "input/Layout.h"
#include "input/LoadCases.h"
#include "input/MemberLoad.h"
#include "input/StructureInput.h"

namespace spanwise {
namespace {

void Number(std::string& out, double value) {
  char buffer[32];
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

void Whole(std::string& out, long value) {
  char buffer[24];
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// value times factor; a product that overflows is a fault of the record.
double Factored(double value, double factor, const char* what, const FactoredPlaces::Place& at) {
  const double product = value * factor;
  if (!std::isfinite(product))
    throw DataError("line " + std::to_string(at.line) + ", " + at.name + ": the " + what + " " +
                        PlainNumber(value) + " times the factor " + PlainNumber(factor) +
                        " overflows",
                    at.line);
  return product;
}

}  // namespace

bool FactoredModel(std::string_view Input, long load_case, const std::string& label,
                   std::string& bytes, FactoredPlaces& places) {
  // The structure as the run reads it, so that every fault of the file
  // names its own line, a load off its member too.
  long NJ = 0, NS = 0, NMT = 0, NXS = 0, NM = 0, NLB = 0, NLJ = 0;
  Numberof(Input, NJ, NS, NMT, NXS, NM, NLB, NLJ);
  Array1 XCoord("XCoord", {NJ}), FixFy("FixFy", {NJ}), FixMz("FixMz", {NJ});
  Array1 YM("YM", {NMT}), MI("MI", {NXS});
  Array2 JN("JN", {NM, 2}), Property("Property", {NM, 2});
  FieldReader Channel1("");
  RecordLines Lines;
  InputData(Input, XCoord, FixFy, FixMz, YM, MI, JN, Property, Lines, Channel1);
  const std::string_view structure = Channel1.ReadSoFar();
  std::vector<LoadCase> all(1);
  ReadCaseLoads(Channel1, kMemberLoads, kJointLoads, NM, NJ, all.front());
  LoadCases cases;
  ReadLoadCases(Channel1, NM, NJ, cases);
  for (LoadCase& c : cases.cases) all.push_back(std::move(c));
  for (std::size_t c = 0; c < all.size(); ++c) {
    const std::string section = CaseSection(static_cast<long>(c) + 1, "member loads");
    for (MemberLoad load : all[c].member_loads)
      PlaceOnMember(load, MemberLength(load.m, JN, XCoord), section.c_str());
  }

  std::vector<double> factors(all.size(), 0.0);
  std::vector<bool> chosen(all.size(), false);
  if (load_case >= 1) {
    if (load_case > static_cast<long>(all.size())) return false;
    chosen.at(static_cast<std::size_t>(load_case - 1)) = true;
    factors.at(static_cast<std::size_t>(load_case - 1)) = 1.0;
  } else {
    const Combination* found = nullptr;
    for (const Combination& c : cases.combinations)
      if (c.label == label) found = &c;
    if (found == nullptr) return false;
    factors = found->adverse;
    chosen.assign(all.size(), true);
  }

  bytes.assign(structure);
  places = FactoredPlaces{};
  places.factored = true;
  long count = 0;
  for (std::size_t c = 0; c < all.size(); ++c)
    if (chosen[c]) count += static_cast<long>(all[c].member_loads.size());
  Whole(bytes, count);
  bytes += "\r\n";
  for (std::size_t c = 0; c < all.size(); ++c) {
    if (!chosen[c]) continue;
    const std::string section = CaseSection(static_cast<long>(c) + 1, "member loads");
    for (const MemberLoad& load : all[c].member_loads) {
      places.member_loads.push_back(
          {load.line, section + " record " + std::to_string(load.record)});
      const double w1 = Factored(load.w1, factors[c], "load w1", places.member_loads.back());
      const double w2 = Factored(load.w2, factors[c], "load w2", places.member_loads.back());
      for (const double v : {static_cast<double>(load.m), load.t, w1, w2, load.l1, load.l2}) {
        Number(bytes, v);
        bytes += ", ";
      }
      bytes += "\r\n";  // an empty label
    }
  }
  count = 0;
  for (std::size_t c = 0; c < all.size(); ++c)
    if (chosen[c]) count += static_cast<long>(all[c].joint_loads.size());
  Whole(bytes, count);
  bytes += "\r\n";
  for (std::size_t c = 0; c < all.size(); ++c) {
    if (!chosen[c]) continue;
    const std::string section = CaseSection(static_cast<long>(c) + 1, "joint loads");
    long record = 0;
    for (const JointLoadRecord& load : all[c].joint_loads) {
      places.joint_loads.push_back({load.line, section + " record " + std::to_string(++record)});
      const double fy = Factored(load.fy, factors[c], "force Fy", places.joint_loads.back());
      const double mz = Factored(load.mz, factors[c], "moment Mz", places.joint_loads.back());
      for (const double v : {static_cast<double>(load.joint), fy, mz}) {
        Number(bytes, v);
        bytes += ", ";
      }
      bytes += "\r\n";
    }
  }
  return true;
}

}  // namespace spanwise
