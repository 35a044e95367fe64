// spanwise-analyse: the analysis run without windows.
//   spanwise-analyse [--json | --no-design] [--case N | --combination LABEL] [PATH/Beam.sma]
// Writes the report (the input path with "txt" for its last three
// characters), BM.TXT, SF.TXT and Design.txt beside the input; with --json
// the design values go to standard output as one JSON document; with
// --no-design only the first three files are written. --case and
// --combination make the files hold that load case or combination alone.
// Exit status: 0 analysed, 1 error in the data, 2 usage error (also an
// unknown case or combination).
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>

#include "cli/DesignJson.h"
#include "run/AnalysisRun.h"

namespace {

constexpr const char* kUsage =
    "usage: spanwise-analyse [--json | --no-design] [--case N | --combination LABEL]\n"
    "                        [PATH/Beam.sma]\n";

constexpr const char* kHelp =
    "Analyses a plane continuous beam by the direct stiffness method.\n"
    "Writes the report (the input path ending in .txt), BM.TXT, SF.TXT and\n"
    "Design.txt (reactions, extremes, deflections) beside the input file.\n"
    "Without a path, Beam.sma in the current folder. With --json, the design\n"
    "values go to standard output as one JSON document (see the README);\n"
    "with --no-design only the report, BM.TXT and SF.TXT are written.\n"
    "\n"
    "The input file holds seven sections, each a count followed by that many\n"
    "records; fields are separated by commas or line ends, and every record\n"
    "ends with a label (text, may be empty, quote it to hold commas):\n"
    "  joints          X coordinate, label\n"
    "  supports        joint, vertical fixity, rotational fixity, label (1 = restrained)\n"
    "  materials       modulus of elasticity E, label\n"
    "  cross sections  second moment of area I, label\n"
    "  members         joint at end i, joint at end j, material, cross section, label\n"
    "  member loads    member, type, w1, w2, l1, l2, label\n"
    "                  type 1: point load w1 at l1 from end i\n"
    "                  type 2 or 4: load from w1 at l1 after end i to w2 at l2 before end j\n"
    "  joint loads     joint, Fy, Mz, label\n"
    "Loads act downward when positive; joint loads act in the sense of the\n"
    "joint's degrees of freedom. Units are free but must be consistent.\n"
    "\n"
    "Load cases and combinations may follow, as an optional block:\n"
    "  CASES, 2                         keyword, number of further load cases\n"
    "  variable, live                   kind (\"fixed\" or \"variable\"), label\n"
    "  2                                its member loads: count, records as above\n"
    "  1, 2, 10, 10, 0, 0, office load span 1\n"
    "  2, 2, 10, 10, 0, 0, office load span 2\n"
    "  0                                its joint loads: count, records as above\n"
    "  fixed, wind\n"
    "  0\n"
    "  1\n"
    "  2, 0, 5, wind moment at joint 2\n"
    "  COMBINATIONS, 2                  keyword, number of combinations\n"
    "  1.35, 1.0, 1.5, 0, 1.5, 0, ULS   adverse and favourable factor per case, label\n"
    "  1, 1, 1, 0, 0, 0, SLS\n"
    "Case 1 is the loads above (fixed); further cases are 2, 3, ... Without\n"
    "COMBINATIONS, one combination \"all cases\": 1 and 1 for a fixed case, 1\n"
    "and 0 for a variable one. The files hold case 1; --case N makes them hold\n"
    "case N alone, --combination LABEL that combination with every case at\n"
    "its adverse factor.\n";

bool EndsInSma(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.size() < 5) return false;  // ".sma" needs a name before it
  std::string ending = name.substr(name.size() - 4);
  std::transform(ending.begin(), ending.end(), ending.begin(),
                 [](unsigned char c) { return static_cast<char>(c | 0x20); });
  return ending == ".sma";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--help") {
    std::fputs(kUsage, stdout);
    std::fputs(kHelp, stdout);
    return 0;
  }
  bool json = false, design = true, usage_error = false;
  const char* given = nullptr;
  spanwise::RunOptions options;
  for (int a = 1; a < argc; ++a) {
    const std::string arg = argv[a];
    if ((arg == "--case" || arg == "--combination") && a + 1 < argc) {
      const std::string value = argv[++a];
      const bool twice = options.load_case != 0 || options.by_combination;
      if (arg == "--combination") {
        options.by_combination = true;
        options.combination = value;
      } else {
        const auto r =
            std::from_chars(value.data(), value.data() + value.size(), options.load_case);
        if (r.ptr != value.data() + value.size() || value.empty() || options.load_case < 1)
          usage_error = true;
      }
      usage_error = usage_error || twice;
    } else if (arg == "--json") {
      json = true;
    } else if (arg == "--no-design") {
      design = false;
    } else if (given != nullptr || arg.empty() || arg[0] == '-' || !EndsInSma(arg)) {
      usage_error = true;
    } else {
      given = argv[a];
    }
  }
  if (usage_error || (json && !design)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string path = given != nullptr ? given : "Beam.sma";

  options.keep_design = json;
  options.design = design;
  const spanwise::RunOutcome outcome = spanwise::AnalysisRun(path, options);
  if (outcome.fault == spanwise::RunFault::kUsage) {
    std::fprintf(stderr, "spanwise-analyse: %s\n%s", outcome.reason.c_str(), kUsage);
    return 2;
  }
  if (!outcome.ok) {
    std::fprintf(stderr, "%s: %s\n%s\n", spanwise::kErrorTitle, spanwise::kErrorText,
                 outcome.reason.c_str());
    return 1;
  }
  if (json) {
    const std::string document = spanwise::DesignJson(*outcome.design, outcome.warnings);
    std::fwrite(document.data(), 1, document.size(), stdout);
    return 0;
  }
  if (!design) {
    std::printf("Analysed %s: wrote %s, %s and %s\n", path.c_str(), outcome.report_path.c_str(),
                outcome.bm_path.c_str(), outcome.sf_path.c_str());
    return 0;
  }
  std::printf("Analysed %s: wrote %s, %s, %s and %s\n", path.c_str(), outcome.report_path.c_str(),
              outcome.bm_path.c_str(), outcome.sf_path.c_str(), outcome.design_path.c_str());
  return 0;
}
