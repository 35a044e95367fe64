#include "input/LoadCases.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <string>

#include "common/DataError.h"
#include "common/PlainNumber.h"
#include "common/Structure.h"
#include "input/BlockKeywords.h"
#include "input/Layout.h"
#include "input/ReadCount.h"

namespace spanwise {
namespace {

[[noreturn]] void Fault(const FieldReader& Channel1, const FieldName& name,
                        const std::string& what) {
  throw DataError(Channel1.Place(name, true) + ": " + what, Channel1.line(), name.number);
}

// Whether text is one decimal number, as a factor would be read.
bool ReadsAsNumber(std::string_view text) {
  double value = 0;
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && r.ptr == text.data() + text.size() && std::isfinite(value);
}

void ReadCase(FieldReader& Channel1, long number, long NM, long NJ, LoadCase& loadcase) {
  const std::string members = CaseSection(number, "member loads");
  const std::string joints = CaseSection(number, "joint loads");
  // The case's record in the block: its kind and label; its loads follow.
  const FieldName kind{"cases", number - 1, "kind", 1};
  const std::string_view word = Channel1.ReadText(kind);
  if (word != "fixed" && word != "variable" && word != "moving")
    Fault(Channel1, kind,
          "expected the kind fixed, variable or moving, found '" + ShownText(word) + "'");
  loadcase.variable = word == "variable";
  loadcase.moving = word == "moving";
  loadcase.label = Channel1.ReadText({"cases", number - 1, "label", 2});
  if (loadcase.moving) return ReadVehicle(Channel1, number, loadcase.vehicle);

  SectionLayout member_layout = kMemberLoads, joint_layout = kJointLoads;
  member_layout.section = members.c_str();
  joint_layout.section = joints.c_str();
  ReadCaseLoads(Channel1, member_layout, joint_layout, NM, NJ, loadcase);
}

void ReadCases(FieldReader& Channel1, long NM, long NJ, LoadCases& cases) {
  const long count = ReadBlockCount(Channel1, {nullptr, 0, "case count"}, true);
  cases.cases.resize(static_cast<std::size_t>(count));
  for (long c = 1; c <= count; ++c)
    ReadCase(Channel1, c + 1, NM, NJ, cases.cases.at(static_cast<std::size_t>(c - 1)));
}

void ReadSprings(FieldReader& Channel1, long NJ, LoadCases& cases) {
  const long count = ReadBlockCount(Channel1, kSprings.Count(), true);
  for (long record = 1; record <= count; ++record) {
    SpringRecord spring;
    spring.joint = ReadIndex(Channel1, kSprings.Field(record, 1), NJ, "joint");
    spring.line = Channel1.line();
    spring.kv = ReadNonNegative(Channel1, kSprings.Field(record, 2));
    spring.kr = ReadNonNegative(Channel1, kSprings.Field(record, 3));
    Channel1.ReadLabel(kSprings.Label(record));
    cases.springs.push_back(spring);
  }
}

void ReadReleases(FieldReader& Channel1, long NM, LoadCases& cases) {
  const long count = ReadBlockCount(Channel1, kReleases.Count(), true);
  std::map<std::pair<long, int>, int> lines;  // of each member end released
  for (long record = 1; record <= count; ++record) {
    ReleaseRecord release;
    release.member = ReadIndex(Channel1, kReleases.Field(record, 1), NM, "member");
    release.line = Channel1.line();
    const FieldName name = kReleases.Field(record, 2);
    const std::string_view end = Channel1.ReadText(name);
    if (end == "i" || end == "I" || end == "1") {
      release.end = kReleaseI;
    } else if (end == "j" || end == "J" || end == "2") {
      release.end = kReleaseJ;
    } else {
      Fault(Channel1, name, "expected the end i or j, found '" + ShownText(end) + "'");
    }
    const auto [at, first] = lines.emplace(std::pair(release.member, release.end), release.line);
    if (!first)
      Fault(Channel1, name,
            "end " + std::string(release.end == kReleaseI ? "i" : "j") + " of member " +
                std::to_string(release.member) + " is released twice (lines " +
                std::to_string(at->second) + " and " + std::to_string(release.line) + ")");
    Channel1.ReadLabel(kReleases.Label(record));
    cases.releases.push_back(release);
  }
}

void ReadSettlements(FieldReader& Channel1, long NJ, LoadCases& cases) {
  const long count = ReadBlockCount(Channel1, kSettlements.Count(), true);
  for (long record = 1; record <= count; ++record) {
    Settlement settlement;
    const FieldName name = kSettlements.Field(record, 1);
    const double number = Channel1.ReadNumber(name);
    settlement.line = Channel1.line();
    if (!(number >= 1 && number <= 1e9) || number != std::nearbyint(number))
      Fault(Channel1, name,
            "the load case " + PlainNumber(number) +
                " is not a case number (1 for the loads of sections 6 and 7, 2, "
                "3, ... for the cases of CASES)");
    settlement.load_case = static_cast<long>(number);
    settlement.joint = ReadIndex(Channel1, kSettlements.Field(record, 2), NJ, "joint");
    settlement.dy = Channel1.ReadNumber(kSettlements.Field(record, 3));
    settlement.rz = Channel1.ReadNumber(kSettlements.Field(record, 4));
    Channel1.ReadLabel(kSettlements.Label(record));
    cases.settlements.push_back(settlement);
  }
}

// The reason for text where a block's keyword or the end should stand.
std::string Unexpected(const std::vector<std::pair<const BlockKeyword*, int>>& read,
                       std::string_view text) {
  std::vector<const char*> allowed;
  for (const BlockKeyword& keyword : kBlockKeywords) {
    bool possible = true;
    for (const auto& [before, at] : read)
      possible =
          possible && before != &keyword && (keyword.rank == 0 || before->rank < keyword.rank);
    if (possible) allowed.push_back(keyword.word);
  }
  const std::string found = ", found '" + ShownText(text) + "'";
  if (allowed.empty())
    return std::string("the file should end after the last ") + read.back().first->record + found;
  std::string list = allowed.size() == 1 ? "the keyword " : "a keyword ";
  for (std::size_t k = 0; k < allowed.size(); ++k)
    list += (k == 0 ? "" : k + 1 == allowed.size() ? " or " : ", ") + std::string(allowed[k]);
  return "expected " + list + " or the end of the file" + found;
}

void ReadCombinations(FieldReader& Channel1, LoadCases& cases) {
  const long count = ReadBlockCount(Channel1, {nullptr, 0, "combination count"}, true);
  const long n = cases.CaseCount();
  for (long record = 1; record <= count; ++record) {
    Combination combination;
    for (long c = 1; c <= n; ++c) {
      const std::string adverse = "adverse factor of case " + std::to_string(c);
      const std::string favourable = "favourable factor of case " + std::to_string(c);
      const int field = static_cast<int>(2 * c - 1);
      combination.adverse.push_back(
          Channel1.ReadNumber({"combinations", record, adverse.c_str(), field}));
      combination.favourable.push_back(
          Channel1.ReadNumber({"combinations", record, favourable.c_str(), field + 1}));
    }
    const FieldName label{"combinations", record, "label", static_cast<int>(2 * n + 1)};
    const std::string_view text = Channel1.ReadText(label);
    const std::string factors = std::to_string(2 * n) + " factors (2 for each of " +
                                std::to_string(n) + (n == 1 ? " case)" : " cases)");
    if (ReadsAsNumber(text))
      Fault(Channel1, label,
            "the label '" + ShownText(text) + "' reads as a number: more than " + factors);
    if (text.empty()) Fault(Channel1, label, "the combination has no label (its name)");
    for (const Combination& other : cases.combinations)
      if (other.label == text)
        Fault(Channel1, label, "the label '" + ShownText(text) + "' names two combinations");
    combination.label = text;
    cases.combinations.push_back(std::move(combination));
  }
}

// UNITS, force, length, label.
void ReadUnits(FieldReader& Channel1, Units& units) {
  const std::string example = " (e.g. UNITS, kN, m, job units)";
  int number = 2;
  for (const auto& [unit, field] :
       {std::pair<std::string*, std::string>{&units.force, "force unit"},
        std::pair<std::string*, std::string>{&units.length, "length unit"}}) {
    const FieldName name{nullptr, 0, field.c_str(), number++};
    *unit = ShownText(Channel1.ReadText(name));  // printable UTF-8 wherever it is written
    if (unit->empty()) Fault(Channel1, name, "the " + field + " is empty" + example);
    if (ReadsAsNumber(*unit))
      Fault(Channel1, name,
            "the " + field + " '" + *unit + "' reads as a number: UNITS takes no count" + example);
  }
  Channel1.ReadLabel({nullptr, 0, "label", 4});
}

}  // namespace

void ReadCaseLoads(FieldReader& Channel1, const SectionLayout& members, const SectionLayout& joints,
                   long NM, long NJ, LoadCase& loadcase) {
  // Counts in the block must be whole; sections 6 and 7 round theirs.
  const bool block = members.section != kMemberLoads.section;
  const auto count = [&](const FieldName& name) {
    return block ? ReadBlockCount(Channel1, name, false) : ReadCount(Channel1, name, false);
  };
  const long loads = count(members.Count());
  for (long record = 1; record <= loads; ++record)
    loadcase.member_loads.push_back(ReadMemberLoad(Channel1, record, NM, members));
  const SectionLayout& layout2 = joints;
  const long joint_loads = count(layout2.Count());
  for (long record = 1; record <= joint_loads; ++record)
    loadcase.joint_loads.push_back(ReadJointLoad(Channel1, record, NJ, layout2));
}

std::string CaseSection(long number, const std::string& section) {
  return number == 1 ? section : "case " + std::to_string(number) + " " + section;
}

void ReadLoadCases(FieldReader& Channel1, long NM, long NJ, LoadCases& cases,
                   std::vector<std::string>& warnings) {
  cases = LoadCases{};
  int line = 0;
  const std::string_view first = Channel1.PeekLine(line);
  const std::string_view word = Channel1.PeekText();
  if (FindBlockKeyword(word) == nullptr) {
    // Stored files may keep notes after the joint loads: read on, but say so.
    if (!first.empty())
      warnings.push_back("line " + std::to_string(line) +
                         ": the text after the joint loads is ignored: it does not start with " +
                         BlockKeywordList() + " ('" + ShownText(first) + "')");
    return;
  }
  const FieldName name{nullptr, 0, "keyword"};
  std::vector<std::pair<const BlockKeyword*, int>> read;  // each block and its line
  while (!Channel1.AtEnd()) {
    const std::string_view text = Channel1.ReadText(name);
    const BlockKeyword* keyword = FindBlockKeyword(text);
    if (keyword == nullptr) Fault(Channel1, name, Unexpected(read, text));
    for (const auto& [before, at] : read) {
      if (before == keyword)
        Fault(Channel1, name,
              std::string("the block ") + keyword->word + " stands twice (lines " +
                  std::to_string(at) + " and " + std::to_string(Channel1.line()) + ")");
      if (keyword->rank != 0 && before->rank > keyword->rank)
        Fault(Channel1, name,
              std::string("the block ") + keyword->word + " must stand before " + before->word +
                  " (line " + std::to_string(at) + ")");
    }
    read.emplace_back(keyword, Channel1.line());
    switch (keyword->block) {
      case Block::kSprings:
        ReadSprings(Channel1, NJ, cases);
        break;
      case Block::kReleases:
        ReadReleases(Channel1, NM, cases);
        break;
      case Block::kSettlements:
        ReadSettlements(Channel1, NJ, cases);
        break;
      case Block::kCases:
        cases.present = true;
        ReadCases(Channel1, NM, NJ, cases);
        break;
      case Block::kCombinations:
        cases.present = true;
        ReadCombinations(Channel1, cases);
        break;
      case Block::kUnits:
        ReadUnits(Channel1, cases.units);
        break;
    }
  }
  // Wherever the blocks stand, a settlement names a case that is present.
  for (std::size_t k = 0; k < cases.settlements.size(); ++k)
    if (const Settlement& s = cases.settlements[k]; s.load_case > cases.CaseCount())
      throw DataError(
          "line " + std::to_string(s.line) + ", settlements record " + std::to_string(k + 1) +
              ", field 1: load case " + std::to_string(s.load_case) + " is not defined (" +
              (cases.CaseCount() == 1 ? std::string("1 case: the loads of sections 6 and 7")
                                      : std::to_string(cases.CaseCount()) + " cases") +
              ")",
          s.line, 1);
  for (std::size_t k = 0; k < cases.settlements.size(); ++k)
    if (const Settlement& s = cases.settlements[k];
        s.load_case >= 2 && cases.cases.at(static_cast<std::size_t>(s.load_case - 2)).moving)
      throw DataError("line " + std::to_string(s.line) + ", settlements record " +
                          std::to_string(k + 1) + ", field 1: load case " +
                          std::to_string(s.load_case) +
                          " is a moving case; a settlement belongs to a fixed or variable case",
                      s.line, 1);
  if (!cases.present) return;
  const bool combinations = std::any_of(read.begin(), read.end(), [](const auto& r) {
    return r.first->block == Block::kCombinations;
  });
  if (!combinations) {
    Combination all;
    all.label = "all cases";
    all.adverse.assign(static_cast<std::size_t>(cases.CaseCount()), 1.0);
    all.favourable.push_back(1.0);
    for (const LoadCase& c : cases.cases)
      all.favourable.push_back(c.variable || c.moving ? 0.0 : 1.0);
    cases.combinations.push_back(std::move(all));
  }
}

}  // namespace spanwise
