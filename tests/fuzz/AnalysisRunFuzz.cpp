// The whole analysis run, from the bytes of an input file to its outcome:
// the bytes are written as Beam.sma into a scratch folder and analysed. Any
// input must end in success or in an error in the data (never a fault of the
// program) whose reason is not empty and
// whose line, where it names one, lies in the file and is the line the
// reason speaks of (and the other way round). A run that succeeds also
// gives every load case alone and every combination's band, and so does
// the run of its last case and of its first combination alone.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "design/LoadChoice.h"
#include "run/AnalysisRun.h"
#include "tests/support/Files.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

int LineCount(const std::uint8_t* data, std::size_t size) {
  int lines = 1;
  for (std::size_t i = 0; i < size; ++i)
    if (data[i] == '\n' || (data[i] == '\r' && (i + 1 == size || data[i + 1] != '\n'))) ++lines;
  return lines;
}

// An input that is not analysed ends in an error in the data, never in a
// fault of the program, and names a line of the file as its reason says.
void CheckFailure(const spanwise::RunOutcome& outcome, const std::uint8_t* data, std::size_t size) {
  Check(!outcome.reason.empty());
  Check(outcome.fault == spanwise::RunFault::kData);
  Check(outcome.line >= 0 && outcome.line <= LineCount(data, size));
  if (outcome.line > 0)
    Check(outcome.reason.find("line " + std::to_string(outcome.line)) != std::string::npos);
  if (outcome.reason.rfind("line ", 0) == 0)  // a reason that opens with its line carries it
    Check(outcome.reason.rfind("line " + std::to_string(outcome.line) + ",", 0) == 0 ||
          outcome.reason.rfind("line " + std::to_string(outcome.line) + ":", 0) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const spanwise::test::ScratchFolder folder("fuzz");
  const auto input = folder.Write(std::string(reinterpret_cast<const char*>(data), size));
  spanwise::RunOptions options;
  options.keep_design = true;
  const spanwise::RunOutcome outcome = spanwise::AnalysisRun(input.string(), options);
  if (!outcome.ok) {
    CheckFailure(outcome, data, size);
    return 0;
  }
  Check(outcome.reason.empty() && outcome.line == 0);
  // What the Beam window asks of every load case and combination, and the
  // run of the last case and of the first combination alone.
  spanwise::RunOptions last_case, first_combination;
  for (const spanwise::LoadChoiceName& name : spanwise::LoadChoices(*outcome.design)) {
    const long k = name.choice.index;
    if (name.choice.kind == spanwise::LoadChoice::Kind::kCase) {
      Check(spanwise::CaseDesign(*outcome.design, k) != nullptr);
      last_case.load_case = k;
      continue;
    }
    if (!first_combination.by_combination) {
      first_combination.by_combination = true;
      first_combination.combination = name.text.substr(std::string("Combination ").size());
    }
    spanwise::EnvelopeCurve curve;
    for (long m = 1; m <= static_cast<long>(outcome.design->members.size()) && m <= 3; ++m)
      if (spanwise::EnvelopeCurveOf(*outcome.design, k, m, spanwise::Quantity::kMoment, 4, curve))
        spanwise::EnvelopeAt(*outcome.design, k, m, curve.x.back(), spanwise::Quantity::kShear);
  }
  for (const spanwise::RunOptions& one : {last_case, first_combination}) {
    if (one.load_case == 0 && !one.by_combination) continue;
    const spanwise::RunOutcome alone = spanwise::AnalysisRun(input.string(), one);
    // A combination that holds a vehicle has no single arrangement to run.
    if (!alone.ok && alone.fault == spanwise::RunFault::kUsage &&
        alone.reason.find(" holds a moving case: ") != std::string::npos)
      continue;
    if (!alone.ok) CheckFailure(alone, data, size);
  }
  return 0;
}
