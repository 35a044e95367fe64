// The analysis run: from the input file to the report and the two diagram
// files, with one error handler for every stage.
#pragma once

#include <string>

namespace spanwise {

// Texts of the error message that every failed run shows.
inline constexpr const char* kErrorTitle = "Error In Your Data";
inline constexpr const char* kErrorText = "Please refer to the Orvenmark's Tessaly.";

struct RunOutcome {
  bool ok = false;
  std::string reason;       // empty on success; the precise fault otherwise
  int line = 0;             // input line the reason names, 0 when none
  std::string report_path;  // files written (also set on failure)
  std::string bm_path;
  std::string sf_path;
};

// Runs the whole analysis of the input file F (a path whose last three
// characters are replaced by "txt" to name the report). BM.TXT and SF.TXT
// are written into the folder of F. Never throws for faults of the data;
// every open file is closed when it returns.
RunOutcome AnalysisRun(const std::string& F);

}  // namespace spanwise
