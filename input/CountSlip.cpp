#include "input/CountSlip.h"

#include <string>
#include <vector>

#include "common/DataError.h"
#include "input/BeamModel.h"
#include "input/Layout.h"
#include "input/LoadCases.h"
#include "input/ReadCount.h"

namespace spanwise {
namespace {

struct CountField {
  const SectionLayout* layout;
  std::size_t start = 0, end = 0;  // the count's bytes
  int line = 0;
  long count = 0;
};

// The counts read before the first fault, with where each stands.
std::vector<CountField> CountsBeforeTheFault(std::string_view Input) {
  std::vector<CountField> counts;
  FieldReader reader = FieldReader::Over(Input);
  try {
    for (const SectionLayout* layout : kSections) {
      CountField field{layout};
      field.start = reader.ReadSoFar().size();
      while (field.start < Input.size() &&
             std::string_view(" \t\r\n").find(Input[field.start]) != std::string_view::npos)
        ++field.start;
      field.end = field.start;
      while (field.end < Input.size() &&
             std::string_view(",\r\n").find(Input[field.end]) == std::string_view::npos)
        ++field.end;
      field.count = ReadCount(reader, layout->Count(), layout->negative_count_is_error);
      counts.push_back(field);  // its records may hold the fault
      for (long record = 1; record <= field.count; ++record) {
        for (int k = 1; k <= layout->numbers; ++k) reader.ReadNumber(layout->Field(record, k));
        reader.ReadLabel(layout->Label(record));
      }
    }
  } catch (const DataError&) {
  }
  for (CountField& field : counts) {
    int line = 1;
    for (std::size_t k = 0; k < field.start; ++k)
      if (Input[k] == '\n' || (Input[k] == '\r' && (k + 1 == Input.size() || Input[k + 1] != '\n')))
        ++line;
    field.line = line;
  }
  return counts;
}

// Whether bytes read through: the seven sections and the blocks after them,
// with no text left over.
bool ReadsThrough(const std::string& bytes) {
  try {
    const BeamModel model = ReadBeamModel(bytes);
    FieldReader reader = FieldReader::Over(bytes);
    for (const SectionLayout* layout : kSections) SkipSection(reader, *layout);
    LoadCases cases;
    std::vector<std::string> warnings;
    ReadLoadCases(reader, static_cast<long>(model.members.size()),
                  static_cast<long>(model.joints.size()), cases, warnings);
    return warnings.empty();
  } catch (const DataError&) {
    return false;
  }
}

// "joint loads" -> "joint-load", "cross sections" -> "cross-section".
std::string RecordName(std::string section) {
  if (!section.empty() && section.back() == 's') section.pop_back();
  for (char& c : section) c = c == ' ' ? '-' : c;
  return section;
}

}  // namespace

std::string CountSlip(std::string_view Input) {
  if (ReadsThrough(std::string(Input))) return "";  // the fault is not the reading's
  for (const CountField& field : CountsBeforeTheFault(Input)) {
    for (const long records : {field.count - 1, field.count + 1}) {
      if (records < 0) continue;
      std::string bytes(Input);
      bytes.replace(field.start, field.end - field.start, std::to_string(records));
      if (!ReadsThrough(bytes)) continue;
      const std::string section = field.layout->section;
      return "The " + section + "' count on line " + std::to_string(field.line) + " says " +
             std::to_string(field.count) + ", but " + std::to_string(records) + " " +
             RecordName(section) + (records == 1 ? " record follows" : " records follow") +
             " it: " + (records < field.count ? "is one missing?" : "is the count one short?");
    }
  }
  return "";
}

}  // namespace spanwise
