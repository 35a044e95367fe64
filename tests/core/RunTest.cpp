// Whole runs, one table: the golden models (every byte of the report and the
// two diagram files) in process under each locale, with floating-point flags
// left raised by earlier work, and through the headless
// analyser, the analyser's exit codes and messages, and input paths with
// blanks, quotes, shell characters and non-ASCII bytes.
#include <gtest/gtest.h>

#include <cctype>
#include <cfenv>
#include <clocale>
#include <ostream>
#include <string>
#include <vector>

#include "run/AnalysisRun.h"
#include "tests/support/Files.h"
#include "tests/support/Spawn.h"

using namespace spanwise::test;

namespace {

struct Case {
  std::string name{};
  std::string model{};                 // a golden model, its files expected beside the input
  std::string bytes{};                 // the input, when not the model's own
  std::string input = "Beam.sma";      // where the input lies in the scratch folder
  std::vector<std::string> args{"@"};  // the analyser's arguments, "@" the input's path
  const char* locale = nullptr;        // else run in process under this locale
  int exit = 0;                        // 1 for a data error
  std::string message{};               // a part of what the run says
  std::string report = "Beam.txt";     // the report's name beside the input
  const char* report_text = nullptr;   // its bytes, when no model gives them
  std::string in_the_way{};            // a folder of this name beside the input
  bool untouched = false;              // refused before anything is written, even the lock
};

void PrintTo(const Case& r, std::ostream* os) { *os << r.name; }

std::vector<Case> AllRuns() {
  std::vector<Case> runs;
  for (const char* model : {"example", "cantilever", "mended", "station11", "station-reach",
                            "cases", "supports", "moving"}) {
    runs.push_back({std::string(model) + "_analyser", model});
    for (const char* locale : {"C", "de_DE.UTF-8"})
      runs.push_back({std::string(model) + "_in_" + locale, model, "", "Beam.sma", {}, locale});
  }
  const struct {
    const char* name;
    const char* folder;
    const char* input;
    const char* report;
  } odd[] = {
      {"umlaut and blanks", "\xC3\x84rger mit Balken", "Beam.sma", "Beam.txt"},
      {"umlaut in the name", "\xC3\x84rger", "Mein Tr\xC3\xA4ger.sma", "Mein Tr\xC3\xA4ger.txt"},
      {"blanks at the ends", " Tr\xC3\xA4ger \xE2\x82\xAC \xE6\xA2\x81 ", " B.sma", " B.txt"},
      {"Latin-1 bytes", "Tr\xE4ger S\xFC\x64", "\xC4rger.sma", "\xC4rger.txt"},
      {"shell characters", "a 'b' \"c\" $HOME `d` ; e & f", "x;y.sma", "x;y.txt"},
      {"nested upper case", "\xC3\x84rger/mit/Balken", "Good Beam.SMA", "Good Beam.txt"},
  };
  // clang-format off
  for (const auto& o : odd)
    runs.push_back({o.name, "example", "", std::string(o.folder) + "/" + o.input, {"@"}, nullptr, 0, "Analysed", o.report});
  // A run that ends without a report: its arguments, exit code and a part of what it says.
  const auto fails = [&](const char* name, std::vector<std::string> args, int exit,
                         const std::string& message, std::string model = "", std::string bytes = "",
                         std::string in_the_way = "", std::string input = "Beam.sma") {
    runs.push_back({name, model, bytes, input, args, nullptr, exit, message, "", nullptr, in_the_way,
                    exit == 2 || input != "Beam.sma"});
  };
  fails("data error", {"@"}, 1, "Error In Your Data: line 1: the model has no joints, so there is nothing to analyse\nSee spanwise-analyse --help for the input format.\n", "", "0\r\n");
  fails("unwritable report", {"@"}, 3, "Could not write the results: cannot write Beam.txt: Is a directory\n", "example", "", "Beam.txt");
  fails("help", {"--help"}, 0, "member loads");
  // The input cannot be read: the system's reason, and no lock file left behind.
  fails("missing input", {"other.sma"}, 2, "spanwise-analyse: cannot read the input file other.sma: No such file or directory\nusage:");
  fails("folder as input", {"dir.sma"}, 2, "spanwise-analyse: cannot read the input file dir.sma: Is a directory\nusage:", "", "", "dir.sma");
  fails("input below a file", {"Beam.sma/a.sma"}, 2, "cannot read the input file Beam.sma/a.sma: Not a directory\n");
  // Every usage error names its option and why, then the usage.
  const struct {
    std::vector<std::string> args;
    const char* says;
  } usage[] = {
      {{"beam.txt"}, "the input must be a .sma file: 'beam.txt'"},
      {{"x/.sma"}, "the input must be a .sma file: 'x/.sma'"},
      {{"-a.sma"}, "unknown option -a.sma"},
      {{"--foo", "@"}, "unknown option --foo"},
      {{"a.sma", "b.sma"}, "one input file only, not 'a.sma' and 'b.sma'"},
      {{"--case", "x", "@"}, "--case needs a whole number of 1 or more, not 'x'"},
      {{"--case", "0", "@"}, "--case needs a whole number of 1 or more, not '0'"},
      {{"--case", "2.5", "@"}, "--case needs a whole number of 1 or more, not '2.5'"},
      {{"--case", "99999999999999999999", "@"}, "--case needs a whole number of 1 or more, not '99999999999999999999'"},
      {{"@", "--case"}, "--case needs a whole number of 1 or more"},
      {{"@", "--combination"}, "--combination needs the label of a combination"},
      {{"--case", "1", "--combination", "ULS", "@"}, "--case and --combination exclude each other"},
      {{"--case", "1", "--case", "2", "@"}, "--case is given twice"},
      {{"--json", "--no-design", "@"}, "--json and --no-design exclude each other"},
  };
  for (const auto& u : usage)
    fails((std::string("usage ") + u.says).c_str(), u.args, 2, std::string("spanwise-analyse: ") + u.says + "\nusage: spanwise-analyse");
  // An input whose report would overwrite another of the run's files.
  for (const char* input : {"Design.sma", "bm.sma", "x/Sf.SMA"})
    fails((std::string("report named as ") + input).c_str(), {"@"}, 1,
          std::string("Error In Your Data: ") + "the report of " + fs::path(input).filename().string() + " would be " + fs::path(input).stem().string() + ".txt, the name of the run's ",
          "example", "", "", input);
  runs.push_back({"no path analyses Beam_sma here", "example", "", "Beam.sma", {}});
  for (const char* model : {"example", "cases", "supports", "moving"})
    runs.push_back({std::string("json of ") + model, model, "", "Beam.sma", {"--json", "@"}, nullptr, 0, Slurp(kData / "golden" / model / "Beam.json")});
  runs.push_back({"a load that adds nothing is said aloud", "example", Slurp(kData / "bad/load-type-3.sma"), "Beam.sma", {"@"}, nullptr, 0,
                  "Warning: line 17, member loads record 1: load type 3 is not 1, 2 or 4; this record adds no load\n"});
  runs.push_back({"no members", "", "2\r\n0,a\r\n3,b\r\n2\r\n1,1,1,x\r\n2,1,1,y\r\n0\r\n0\r\n0\r\n0\r\n0\r\n", "Beam.sma", {"@"}, nullptr, 0, "", "Beam.txt",
                  "GLOBAL DISPLACEMENTS\r\nLOCAL FORCES\r\nGLOBAL FORCES / REACTIONS\r\n\r\nINTERNAL FORCES ALONG MEMBER\r\n"});
  // clang-format on
  return runs;
}

class Runs : public ::testing::TestWithParam<Case> {};

TEST_P(Runs, EndAsExpected) {
  const Case& r = GetParam();
  ScratchFolder scratch("run");
  const fs::path input = scratch.Write(
      r.bytes.empty() ? Slurp(kData / "golden" / r.model / "Beam.sma") : r.bytes, r.input);
  const fs::path folder = input.parent_path();
  if (!r.in_the_way.empty()) fs::create_directory(folder / r.in_the_way);
  std::string said;
  int exit = 0;
  if (r.locale != nullptr) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, r.locale) == nullptr) GTEST_SKIP() << "no locale " << r.locale;
    std::feraiseexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO);  // left by earlier work
    const spanwise::RunOutcome outcome = spanwise::AnalysisRun(input.string());
    std::setlocale(LC_ALL, saved.c_str());
    exit = outcome.ok ? 0 : 1;
    said = outcome.reason;
  } else {
    std::vector<std::string> args = r.args;
    for (std::string& arg : args)
      if (arg == "@") arg = input.string();
    exit = Analyse(args, folder / "out", folder / "out", folder);
    said = Slurp(folder / "out");
    fs::remove(folder / "out");
  }
  EXPECT_EQ(exit, r.exit) << said;
  EXPECT_NE(said.find(r.message), std::string::npos) << said;
  if (r.report.empty()) {  // no report, not even a part of one
    EXPECT_TRUE(r.in_the_way == "Beam.txt" || !fs::exists(folder / "Beam.txt"));
    if (r.untouched) {  // the input and what was in the way, nothing else
      EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()),
                r.in_the_way.empty() ? 1 : 2);
    }
    return;
  }
  const fs::path golden = kData / "golden" / r.model;
  EXPECT_EQ(Slurp(folder / r.report), r.report_text ? r.report_text : Slurp(golden / "Beam.txt"));
  for (const char* file : {"BM.TXT", "SF.TXT", "Design.txt"})
    EXPECT_TRUE(r.model.empty() || !fs::exists(golden / file) ||
                (file == std::string("Design.txt") && input.filename() != "Beam.sma") ||
                Slurp(folder / file) == Slurp(golden / file))
        << file;
  // The four files and the folder's lock beside the input, nothing anywhere else.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 6);
}

INSTANTIATE_TEST_SUITE_P(Table, Runs, ::testing::ValuesIn(AllRuns()), [](const auto& info) {
  std::string name;
  for (char c : info.param.name) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
});

}  // namespace
