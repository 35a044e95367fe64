#include "run/FactoredModel.h"

#include <charconv>
#include <vector>

#include "input/FieldReader.h"
#include "input/Layout.h"
#include "input/LoadCases.h"

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

}  // namespace

bool FactoredModel(const std::string& F, long load_case, const std::string& label,
                   std::string& bytes) {
  FieldReader Channel1 = FieldReader::Open(F);
  const long NJ = SkipSection(Channel1, kJoints);
  for (const SectionLayout* layout : {&kSupports, &kMaterials, &kCrossSections})
    SkipSection(Channel1, *layout);
  const long NM = SkipSection(Channel1, kMembers);
  const std::string_view structure = Channel1.ReadSoFar();
  std::vector<LoadCase> all(1);
  ReadCaseLoads(Channel1, kMemberLoads, kJointLoads, NM, NJ, all.front());
  LoadCases cases;
  ReadLoadCases(Channel1, NM, NJ, cases);
  for (LoadCase& c : cases.cases) all.push_back(std::move(c));

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
  long count = 0;
  for (std::size_t c = 0; c < all.size(); ++c)
    if (chosen[c]) count += static_cast<long>(all[c].member_loads.size());
  Whole(bytes, count);
  bytes += "\r\n";
  for (std::size_t c = 0; c < all.size(); ++c) {
    if (!chosen[c]) continue;
    for (const CaseMemberLoad& load : all[c].member_loads) {
      for (const double v : {static_cast<double>(load.m), load.t, load.w1 * factors[c],
                             load.w2 * factors[c], load.l1, load.l2}) {
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
    for (const CaseJointLoad& load : all[c].joint_loads) {
      for (const double v :
           {static_cast<double>(load.joint), load.fy * factors[c], load.mz * factors[c]}) {
        Number(bytes, v);
        bytes += ", ";
      }
      bytes += "\r\n";
    }
  }
  return true;
}

}  // namespace spanwise
