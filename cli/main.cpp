// spanwise-analyse: the analysis run without windows.
//   spanwise-analyse [--sync] [--json] [--csv] [--no-design]
//                    [--case N | --combination LABEL] [PATH/Beam.sma]
//   spanwise-analyse --influence QUANTITY [PATH/Beam.sma]
// Writes the report (the input path with "txt" for its last three
// characters), BM.TXT, SF.TXT and Design.txt beside the input, all or none
// of them; with --json the design values go to standard output as one JSON
// document; --csv writes Design.csv too; with --no-design (which excludes
// both) only the first three files are written. --case
// and --combination make the files hold that load case or combination alone.
// --influence prints an influence line as CSV to standard output and writes
// no file.
// The JSON is written before the new files replace the old (when it cannot
// be, the old set stands); the summary after (it names what was written).
// Exit status: 0 analysed, 1 error in the data, 2 usage error (also an
// unknown case or combination, an input that cannot be read), 3 the
// results or standard output could not be written, 4 a fault of the program.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/DesignJson.h"
#include "cli/InfluenceCsv.h"
#include "run/AnalysisRun.h"

namespace {

constexpr const char* kUsage =
    "usage: spanwise-analyse [--sync] [--json] [--csv] [--no-design]\n"
    "                        [--case N | --combination LABEL] [PATH/Beam.sma]\n"
    "       spanwise-analyse --influence QUANTITY [PATH/Beam.sma]\n";

constexpr const char* kHelp =
    "Analyses a plane continuous beam by the direct stiffness method.\n"
    "Writes the report (the input path ending in .txt), BM.TXT, SF.TXT and\n"
    "Design.txt (reactions, extremes, deflections) beside the input file.\n"
    "Without a path, Beam.sma in the current folder. With --json, the design\n"
    "values go to standard output as one JSON document (see the README);\n"
    "--csv writes Design.csv too: one row per member and quantity, for\n"
    "spreadsheets; with --no-design only the report, BM.TXT and SF.TXT are\n"
    "written.\n"
    "The old files are replaced only when all the new ones (and the JSON)\n"
    "are written. --sync (or SPANWISE_SYNC=1) forces them to the disk first.\n"
    "Exit status: 0 analysed, 1 an error in the data, 2 a usage error or an\n"
    "input that cannot be read, 3 the results or standard output could not\n"
    "be written, 4 a fault of the program.\n"
    "\n"
    "--influence QUANTITY prints the influence line of QUANTITY as CSV to\n"
    "standard output (position,value: the value when a unit downward load\n"
    "stands at that X; every breakpoint, twice at a jump, and ten points\n"
    "inside each piece) and writes no file. QUANTITY is M:m:x, V:m:x or v:m:x\n"
    "(moment, shear or deflection of member m at x from its end i, signed as\n"
    "BM.TXT, SF.TXT and Design.txt), or R:j:fy or R:j:mz (a reaction of joint\n"
    "j, up and anticlockwise positive). Not with --json, --case or --combination.\n"
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
    "  variable, live                   kind (\"fixed\", \"variable\" or \"moving\"), label\n"
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
    "and 0 for a variable or moving one. The files hold case 1; --case N makes\n"
    "them hold case N alone, --combination LABEL that combination with every\n"
    "case at its adverse factor.\n"
    "A moving case holds a vehicle instead of loads, crossing the beam both ways:\n"
    "  moving, lorry\n"
    "  3, 9, lorry                      axles, lane load (0 = none), label\n"
    "  60, 0, front axle                load, spacing to the axle before, label\n"
    "  120, 3.6, middle axle\n"
    "  120, 1.2, rear axle\n"
    "Design.txt gains its envelope over every position; --case N stands it where\n"
    "the largest |M| occurs.\n"
    "\n"
    "Springs, hinges and settlements, optional blocks before or among these:\n"
    "  SPRINGS, 1                       joint, kv, kr, label (0 = none)\n"
    "  3, 50000, 0, elastomeric bearing\n"
    "  RELEASES, 1                      member, end (i or j), label: no moment there\n"
    "  2, i, Gerber hinge\n"
    "  SETTLEMENTS, 1                   case, joint, dy, rz, label, of a fixed component\n"
    "  3, 2, -0.01, 0, pier 2 sinks 10 mm\n"
    "dy is up positive (a sinking pier is negative), rz anticlockwise.\n"
    "A spring reacts with -k times its displacement; a settlement acts in its\n"
    "case (1: the loads above) and in every combination with that case.\n"
    "UNITS, kN, m, job units (force, length, label) may stand among the blocks:\n"
    "it names the units in Design.txt, Design.csv and the JSON, and changes no\n"
    "number.\n";

bool EndsInSma(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.size() < 5) return false;  // ".sma" needs a name before it
  std::string ending = name.substr(name.size() - 4);
  std::transform(ending.begin(), ending.end(), ending.begin(),
                 [](unsigned char c) { return static_cast<char>(c | 0x20); });
  return ending == ".sma";
}

// Stage and percent on one line of a terminal, rewritten in place, once the
// run has taken a second.
class ProgressLine {
 public:
  ProgressLine() : start_(std::chrono::steady_clock::now()), shown_(isatty(STDERR_FILENO) == 1) {}
  void operator()(const char* stage, int percent) {
    if (!shown_ || std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1)) return;
    std::fprintf(stderr, "\r%s %d%%\033[K", stage, percent);
    std::fflush(stderr);
    drawn_ = true;
  }
  void Clear() {
    if (drawn_) std::fputs("\r\033[K", stderr);
    drawn_ = false;
  }

 private:
  std::chrono::steady_clock::time_point start_;
  bool shown_;
  bool drawn_ = false;
};

int ExitStatus(spanwise::RunFault fault) {
  switch (fault) {
    case spanwise::RunFault::kNone:
      return 0;
    case spanwise::RunFault::kWrite:
    case spanwise::RunFault::kCancelled:
      return 3;
    case spanwise::RunFault::kInternal:
      return 4;
    case spanwise::RunFault::kUsage:
    case spanwise::RunFault::kInput:
      return 2;
    case spanwise::RunFault::kData:
      break;
  }
  return 1;
}

// What is wrong with the arguments, "" when nothing: which option and why.
std::string ParseArguments(int argc, char** argv, spanwise::RunOptions& options, bool& json,
                           std::string& path, std::string& influence) {
  std::vector<std::string> paths;
  bool influence_given = false;
  std::string chosen;  // --case or --combination, once given
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--case" || arg == "--combination") {
      if (!chosen.empty())
        return chosen == arg ? arg + " is given twice"
                             : "--case and --combination exclude each other";
      chosen = arg;
      if (i + 1 >= argc)
        return arg == "--case" ? "--case needs a whole number of 1 or more"
                               : "--combination needs the label of a combination";
      const std::string value = argv[++i];
      if (arg == "--combination") {
        options.by_combination = true;
        options.combination = value;
        continue;
      }
      const auto r = std::from_chars(value.data(), value.data() + value.size(), options.load_case);
      if (value.empty() || r.ec != std::errc() || r.ptr != value.data() + value.size() ||
          options.load_case < 1)
        return "--case needs a whole number of 1 or more, not '" + value + "'";
    } else if (arg == "--influence") {
      if (influence_given) return "--influence is given twice";
      if (i + 1 >= argc)
        return "--influence needs a quantity: M:m:x, V:m:x, v:m:x, R:j:fy or R:j:mz";
      influence_given = true;
      influence = argv[++i];
    } else if (arg == "--sync") {
      options.sync = true;
    } else if (arg == "--json") {
      json = true;
    } else if (arg == "--csv") {
      options.csv = true;
    } else if (arg == "--no-design") {
      options.design = false;
    } else if (!arg.empty() && arg[0] == '-') {
      return "unknown option " + arg;
    } else {
      paths.push_back(arg);
    }
  }
  if (influence_given && json) return "--influence and --json exclude each other";
  if (influence_given && !chosen.empty())
    return "--influence and " + chosen + " exclude each other";
  if (json && !options.design) return "--json and --no-design exclude each other";
  if (options.csv && !options.design) return "--csv and --no-design exclude each other";
  if (paths.size() > 1) return "one input file only, not '" + paths[0] + "' and '" + paths[1] + "'";
  path = paths.empty() ? "Beam.sma" : paths[0];
  if (!EndsInSma(path)) return "the input must be a .sma file: '" + path + "'";
  return "";
}

// Writes text to standard output and flushes it: "" when done, else why not.
std::string WriteStandardOutput(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return "";
  return std::strerror(errno);
}

// Says the run's warnings and, when it failed, why: the exit status then,
// -1 when it did not fail.
int SayOutcome(const spanwise::RunOutcome& outcome) {
  for (const std::string& warning : outcome.warnings)
    std::fprintf(stderr, "Warning: %s\n", warning.c_str());
  if (outcome.fault == spanwise::RunFault::kUsage || outcome.fault == spanwise::RunFault::kInput) {
    std::fprintf(stderr, "spanwise-analyse: %s\n%s", outcome.reason.c_str(), kUsage);
    return 2;
  }
  if (outcome.ok) return -1;
  if (outcome.fault == spanwise::RunFault::kData)
    std::fprintf(stderr, "%s: %s\nSee spanwise-analyse --help for the input format.\n",
                 spanwise::kErrorTitle, outcome.reason.c_str());
  else if (outcome.fault == spanwise::RunFault::kWrite)
    std::fprintf(stderr, "%s: %s\n", spanwise::kWriteErrorTitle, outcome.reason.c_str());
  else  // the reason opens with "Internal error: "
    std::fprintf(stderr, "%s\n", outcome.reason.c_str());
  return ExitStatus(outcome.fault);
}

// Prints the influence line of quantity on the beam of path; writes no file.
int Influence(const std::string& path, const spanwise::InfluenceQuantity& quantity) {
  spanwise::InfluenceLine line;
  if (const int status = SayOutcome(spanwise::InfluenceRun(path, quantity, line)); status >= 0)
    return status;
  const std::string failed = WriteStandardOutput(spanwise::InfluenceCsv(line));
  if (failed.empty()) return 0;
  std::fprintf(stderr, "spanwise-analyse: cannot write standard output: %s\n", failed.c_str());
  return 3;
}

int Analyse(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]) == "--help" &&
        (i == 1 ||
         (std::string(argv[i - 1]) != "--case" && std::string(argv[i - 1]) != "--combination"))) {
      std::fputs(kUsage, stdout);
      std::fputs(kHelp, stdout);
      return std::fflush(stdout) == 0 ? 0 : 3;
    }
  spanwise::RunOptions options;
  bool json = false;
  std::string path, influence;
  std::string wrong = ParseArguments(argc, argv, options, json, path, influence);
  spanwise::InfluenceQuantity quantity;
  if (wrong.empty() && !influence.empty()) wrong = spanwise::ParseQuantity(influence, quantity);
  if (!wrong.empty()) {
    std::fprintf(stderr, "spanwise-analyse: %s\n%s", wrong.c_str(), kUsage);
    return 2;
  }
  if (!influence.empty()) return Influence(path, quantity);
  options.keep_design = json;

  ProgressLine progress;
  options.progress = [&progress](const char* stage, int percent) { progress(stage, percent); };
  // The JSON goes out before the new files replace the old: when it cannot,
  // the old set stands.
  if (json)
    options.before_commit = [&progress](const spanwise::DesignValues& design,
                                        const std::vector<std::string>& warnings) {
      progress.Clear();
      const std::string failed = WriteStandardOutput(spanwise::DesignJson(design, warnings));
      return failed.empty() ? failed : "cannot write standard output: " + failed;
    };
  const spanwise::RunOutcome outcome = spanwise::AnalysisRun(path, options);
  progress.Clear();
  if (const int status = SayOutcome(outcome); status >= 0) return status;
  if (json) return 0;  // written and flushed before the commit
  // What was written, so only now that it is in place.
  std::string summary = "Analysed " + path + ": wrote " + outcome.report_path + ", " +
                        outcome.bm_path + (options.design ? ", " : " and ") + outcome.sf_path;
  if (options.design) summary += (options.csv ? ", " : " and ") + outcome.design_path;
  if (options.csv) summary += " and " + outcome.csv_path;
  const std::string failed = WriteStandardOutput(summary + "\n");
  if (failed.empty()) return 0;
  std::fprintf(stderr,
               "spanwise-analyse: the results were written, but standard output could not be: "
               "%s\n",
               failed.c_str());
  return 3;
}

}  // namespace

int main(int argc, char** argv) {
  // A closed pipe is an ordinary write error, not a silent death.
  std::signal(SIGPIPE, SIG_IGN);
  // Nothing ends the program unhandled: a fault the run did not catch (one
  // of this file) is said once, as a fault of the program.
  try {
    return Analyse(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", spanwise::kInternalErrorTitle, error.what());
  } catch (...) {
    std::fprintf(stderr, "%s: an unknown exception\n", spanwise::kInternalErrorTitle);
  }
  return 4;
}
