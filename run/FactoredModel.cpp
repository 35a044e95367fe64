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
#include "loads/Loads.h"

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

// One load section of the model: its count, then the records of the chosen
// cases in case order, each as the numbers numbers(record, case index, its
// place) gives and an empty label; places gets each record's place in Input.
template <typename Record, typename Numbers>
void AddSection(const std::vector<LoadCase>& all, const std::vector<bool>& chosen,
                std::vector<Record> LoadCase::*records, const char* section,
                std::vector<FactoredPlaces::Place>& places, std::string& bytes,
                const Numbers& numbers) {
  long count = 0;
  for (std::size_t c = 0; c < all.size(); ++c)
    if (chosen[c]) count += static_cast<long>((all[c].*records).size());
  Whole(bytes, count);
  bytes += "\r\n";
  for (std::size_t c = 0; c < all.size(); ++c) {
    if (!chosen[c]) continue;
    const std::string name = CaseSection(static_cast<long>(c) + 1, section);
    long record = 0;  // numbered within their case
    for (const Record& load : all[c].*records) {
      places.push_back({load.line, name + " record " + std::to_string(++record)});
      for (const double v : numbers(load, c, places.back())) {
        Number(bytes, v);
        bytes += ", ";
      }
      bytes += "\r\n";
    }
  }
}

// The springs and releases as read, and the settlements of the chosen cases
// times their factors, as case 1 (a factor of 0 leaves a settlement of 0:
// none).
void AddSupportBlocks(const LoadCases& cases, const std::vector<double>& factors,
                      const std::vector<bool>& chosen, std::string& bytes) {
  const auto block = [&](const char* keyword, std::size_t count) {
    bytes += keyword;
    bytes += ", ";
    Whole(bytes, static_cast<long>(count));
    bytes += "\r\n";
  };
  if (!cases.springs.empty()) block("SPRINGS", cases.springs.size());
  for (const SpringRecord& s : cases.springs) {
    for (const double v : {static_cast<double>(s.joint), s.kv, s.kr}) {
      Number(bytes, v);
      bytes += ", ";
    }
    bytes += "\r\n";
  }
  if (!cases.releases.empty()) block("RELEASES", cases.releases.size());
  for (const ReleaseRecord& r : cases.releases) {
    Whole(bytes, r.member);
    bytes += r.end == kReleaseI ? ", i, \r\n" : ", j, \r\n";
  }
  std::vector<Settlement> settlements;
  for (const Settlement& s : cases.settlements) {
    const auto c = static_cast<std::size_t>(s.load_case - 1);
    if (!chosen.at(c)) continue;
    const FactoredPlaces::Place at{s.line, "settlements record"};
    settlements.push_back({s.line, 1, s.joint, Factored(s.dy, factors.at(c), "settlement dy", at),
                           Factored(s.rz, factors.at(c), "settlement rz", at)});
  }
  if (!settlements.empty()) block("SETTLEMENTS", settlements.size());
  for (const Settlement& s : settlements) {
    bytes += "1, ";
    for (const double v : {static_cast<double>(s.joint), s.dy, s.rz}) {
      Number(bytes, v);
      bytes += ", ";
    }
    bytes += "\r\n";
  }
}

}  // namespace

FactoredResult FactoredModel(std::string_view Input, long load_case, const std::string& label,
                             const std::vector<MemberLoad>* placed, std::string& bytes,
                             FactoredPlaces& places) {
  // The structure as the run reads it, so that every fault of the file
  // names its own line, a load off its member too.
  FieldReader Channel1("");
  RecordLines Lines;
  Structure model = ReadStructure(Input, Lines, Channel1);
  const long NJ = model.NJ, NM = model.NM;
  const std::string_view structure = Channel1.ReadSoFar();
  std::vector<LoadCase> all(1);
  ReadCaseLoads(Channel1, kMemberLoads, kJointLoads, NM, NJ, all.front());
  LoadCases cases;
  std::vector<std::string> warnings;  // said by the run of the whole file
  ReadLoadCases(Channel1, NM, NJ, cases, warnings);
  ApplySupportBlocks(cases, Lines, model);  // its faults name the input's lines
  for (LoadCase& c : cases.cases) all.push_back(std::move(c));
  for (std::size_t c = 0; c < all.size(); ++c) {
    const std::string section = CaseSection(static_cast<long>(c) + 1, "member loads");
    for (MemberLoad load : all[c].member_loads)
      PlaceOnMember(load, MemberLength(load.m, model.JN, model.XCoord), section.c_str());
  }

  std::vector<double> factors(all.size(), 0.0);
  std::vector<bool> chosen(all.size(), false);
  if (load_case >= 1) {
    if (load_case > static_cast<long>(all.size())) return FactoredResult::kNoSuch;
    LoadCase& chosen_case = all.at(static_cast<std::size_t>(load_case - 1));
    if (chosen_case.moving) {
      if (placed == nullptr) return FactoredResult::kMoving;
      chosen_case.member_loads = *placed;
    }
    chosen.at(static_cast<std::size_t>(load_case - 1)) = true;
    factors.at(static_cast<std::size_t>(load_case - 1)) = 1.0;
  } else {
    const Combination* found = nullptr;
    for (const Combination& c : cases.combinations)
      if (c.label == label) found = &c;
    if (found == nullptr) return FactoredResult::kNoSuch;
    for (std::size_t c = 1; c < all.size(); ++c)
      if (all[c].moving && (found->adverse.at(c) != 0 || found->favourable.at(c) != 0))
        return FactoredResult::kHoldsMoving;
    factors = found->adverse;
    chosen.assign(all.size(), true);
  }

  bytes.assign(structure);
  places = FactoredPlaces{};
  places.factored = true;
  AddSection(all, chosen, &LoadCase::member_loads, "member loads", places.member_loads, bytes,
             [&](const MemberLoad& load, std::size_t c, const FactoredPlaces::Place& at) {
               return std::vector<double>{static_cast<double>(load.m),
                                          load.t,
                                          Factored(load.w1, factors[c], "load w1", at),
                                          Factored(load.w2, factors[c], "load w2", at),
                                          load.l1,
                                          load.l2};
             });
  AddSection(all, chosen, &LoadCase::joint_loads, "joint loads", places.joint_loads, bytes,
             [&](const JointLoadRecord& load, std::size_t c, const FactoredPlaces::Place& at) {
               return std::vector<double>{static_cast<double>(load.joint),
                                          Factored(load.fy, factors[c], "force Fy", at),
                                          Factored(load.mz, factors[c], "moment Mz", at)};
             });
  AddSupportBlocks(cases, factors, chosen, bytes);
  if (cases.units.Given())  // the files of one case keep the file's units
    bytes += "UNITS, \"" + cases.units.force + "\", \"" + cases.units.length + "\", \r\n";
  return FactoredResult::kDone;
}

}  // namespace spanwise
