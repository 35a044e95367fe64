// The analysis run: from the input file to the report and the two diagram
// files, with one error handler for every stage.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/ResultSet.h"
#include "design/DesignValues.h"
#include "design/InfluenceLine.h"

namespace spanwise {

// Texts of the error message that every failed run shows, above its reason.
// The text sends the user to the help that the program has (F1 in the
// windows); the title stays as scripts may look for it.
inline constexpr const char* kErrorTitle = "Error In Your Data";
inline constexpr const char* kErrorText = "Please refer to the help (F1) for the input format.";
// A fault of the program itself, never shown as an error in the data.
inline constexpr const char* kInternalErrorTitle = "Internal error";
// The results could not be written: the old set stays as it was.
inline constexpr const char* kWriteErrorTitle = "Could not write the results";

// What ended a run that did not succeed.
enum class RunFault {
  kNone,       // success
  kData,       // an error in the data (exit 1)
  kWrite,      // the results could not be written (exit 3)
  kInternal,   // a fault of the program (exit 4)
  kUsage,      // no such load case or combination (exit 2)
  kCancelled,  // the user cancelled; the old results stay
  kInput       // the input file is missing, unreadable or a folder (exit 2)
};

struct RunOptions {
  bool sync = false;         // fsync the results before they replace the old ones
  bool keep_design = false;  // RunOutcome::design holds the design values
  bool design = true;        // the design stage runs and writes Design.txt
  bool csv = false;          // with design: Design.csv too (design/DesignCsv.h)
  // The three files and Design.txt hold one load case (load_case >= 1) or
  // one combination (by_combination: the one labelled combination, every
  // case at its adverse factor) instead of case 1. Not both.
  long load_case = 0;
  bool by_combination = false;
  std::string placed;  // set by the run: where a moving case's vehicle stands
  std::string combination;
  // Called now and then on long runs: the stage in words and its percent.
  std::function<void(const char* stage, int percent)> progress;
  // Set from another thread to stop the run; it then ends as kCancelled.
  const std::atomic<bool>* cancel = nullptr;
  // Every load group solved everywhere and carried wherever its effect is
  // not exactly 0, as envelopes were once computed: slower, the tests' oracle.
  bool full_reach = false;
  // Called with the design values and the warnings (as RunOutcome has them)
  // once every file is written, before any replaces an old one, when the
  // design stage ran: e.g. to write them to standard output, so that a
  // failure there leaves the old results. Returns "" when done, else the
  // reason it failed: the run then ends as kWrite with that reason.
  std::function<std::string(const DesignValues&, const std::vector<std::string>& warnings)>
      before_commit;
  // A test seam: called once the input has been read and the beam solved,
  // before the internal forces are sampled from the same bytes.
  std::function<void()> between_passes;
  // A test seam: called before each step of the commit; an errno returned
  // makes that step fail (common/ResultSet.h).
  CommitHook commit_step;
};

struct RunOutcome {
  bool ok = false;
  RunFault fault = RunFault::kNone;
  std::string reason;       // empty on success; the precise fault otherwise
  int line = 0;             // input line the reason names, 0 when none
  int field = 0;            // field within its record the reason names, 0 when none
  std::string report_path;  // files written (also set on failure)
  std::string bm_path;
  std::string sf_path;
  std::string design_path;  // Design.txt
  std::string csv_path;     // Design.csv
  // Said aloud but not faults, each naming its line and record, e.g.
  // "line 12, member loads record 3: load type 3 is not 1, 2 or 4; this record adds no load".
  // A warning never changes a file.
  std::vector<std::string> warnings;
  // The design values of a successful run, when RunOptions::keep_design.
  std::shared_ptr<const DesignValues> design;
};

// Runs the whole analysis of the input file F (a path whose last three
// characters are replaced by "txt" to name the report). BM.TXT and SF.TXT
// are written into the folder of F. Faults before anything is written (not
// even the folder's lock): kInput when F is missing, unreadable or a
// folder (the system's reason); kData when the report's name would be that
// of BM.TXT, SF.TXT or Design.txt (compared without case). Never throws;
// every open file is closed when it returns.
RunOutcome AnalysisRun(const std::string& F, const RunOptions& options = {});

// The influence line of quantity (design/InfluenceLine.h) on the beam of
// input file F, read and checked as a run reads it (every load record too)
// and solved with the run's one factorised matrix (run/InfluenceLines.h).
// Writes nothing and takes no lock: the input is only read. Outcome as
// AnalysisRun's, no file paths: kUsage when quantity names no member, no
// section on it (0 <= x <= L) or no joint component with a support or a
// spring; kData for a deflection of a member of E*I = 0 or an overflow
// (the design stage's "none"). line out: the line on success, else empty.
RunOutcome InfluenceRun(const std::string& F, const InfluenceQuantity& quantity,
                        InfluenceLine& line);

}  // namespace spanwise
