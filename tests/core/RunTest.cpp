// Whole runs: outcomes, repeatability, locale independence, and the
// headless analyser's exit status and messages.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "run/AnalysisRun.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

class Folder {
 public:
  explicit Folder(const std::string& name)
      : path_(fs::temp_directory_path() / ("spanwise-" + name)) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~Folder() { fs::remove_all(path_); }
  fs::path Write(const std::string& bytes, const std::string& name = "Beam.sma") const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
    return path_ / name;
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

const fs::path kGolden = fs::path(SPANWISE_SOURCE_DIR) / "tests/data/golden";

// The example with one line replaced.
std::string Example(const std::string& from, const std::string& to) {
  std::string text = Slurp(kGolden / "example/Beam.sma");
  const std::size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

}  // namespace

TEST(Run, ReportsDataErrorsWithTheirReasons) {
  const struct {
    std::string input;
    const char* reason;
    int line;
  } cases[] = {
      {Example("12, joint 3", "5, joint 3"),
       "line 15, members record 2: member 2 has zero length: joints 2 and 3 are both at X = 5", 15},
      {"2\r\n0,a\r\n1e-3,b\r\n1\r\n1,1,1,x\r\n1\r\n1E300,s\r\n1\r\n1,i\r\n1\r\n1,2,1,1,"
       "m\r\n0\r\n0\r\n",
       "stiffness of member 1 (E = 1E300, I = 1, length 0.001): the numbers lead to an overflow",
       0},
      {Example("3, 1, 0, roller", "4, 1, 0, roller"),
       "line 8, supports record 3: joint 4 is not defined (3 joints)", 8},
      {Example("2, 3, 1, 1, span 2", "2, 3, 2, 1, span 2"),
       "material 2 is not defined (1 material)", 15},
      {Example("2, 3, 1, 1, span 2", "0, 3, 1, 1, span 2"), "joint 0 is not defined", 15},
      {Example("1, 1, 10, 0, 2, 0", "0, 1, 10, 0, 2, 0"), "member 0 is not defined", 17},
      {Example("1, 1, 10, 0, 2, 0", "1, 1, 10, 0, 6, 0"), "lies outside member 1 (length 5)", 17},
      {Example("3\r\n1, 1, 1, fixed end\r\n2, 1, 0, roller\r\n3, 1, 0, roller",
               "1\r\n2, 1, 0, roller"),
       "line 2, joints record 1: the beam is unstable: joints 1, 2 and 3 are joined by stiff "
       "members but held vertically only at X = 5 and nowhere against rotation",
       2},
      {Example("2, 0, 5, moment at joint 2", "2, 0, 5"),
       "line 20, joint loads record 1: the file ends where the label should stand", 20},
      {"0\r\n", "line 1: the model has no joints", 1},
      {"-3\r\n", "the joint count -3 is negative", 1},
      {"1E12\r\n", "larger than the file could hold", 1},
  };
  Folder folder("errors");
  for (const auto& c : cases) {
    const spanwise::RunOutcome outcome = spanwise::AnalysisRun(folder.Write(c.input).string());
    EXPECT_FALSE(outcome.ok) << c.reason;
    EXPECT_NE(outcome.reason.find(c.reason), std::string::npos) << outcome.reason;
    if (c.line > 0) {
      EXPECT_EQ(outcome.line, c.line) << outcome.reason;
    }
  }
}

TEST(Run, MissingInputLeavesNoReport) {
  Folder folder("missing");
  const spanwise::RunOutcome outcome = spanwise::AnalysisRun((folder.path() / "Beam.sma").string());
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.reason.find("cannot open"), std::string::npos) << outcome.reason;
  EXPECT_FALSE(fs::exists(folder.path() / "Beam.txt"));
}

TEST(Run, TwoRunsWriteIdenticalFiles) {
  Folder folder("twice");
  const fs::path input = folder.Write(Slurp(kGolden / "mended/Beam.sma"));
  ASSERT_TRUE(spanwise::AnalysisRun(input.string()).ok);
  const std::string first = Slurp(folder.path() / "Beam.txt") + Slurp(folder.path() / "BM.TXT");
  ASSERT_TRUE(spanwise::AnalysisRun(input.string()).ok);
  EXPECT_EQ(Slurp(folder.path() / "Beam.txt") + Slurp(folder.path() / "BM.TXT"), first);
}

TEST(Run, WritesTheSameBytesUnderACommaDecimalLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  Folder folder("locale");
  const fs::path input = folder.Write(Slurp(kGolden / "example/Beam.sma"));
  const bool ok = spanwise::AnalysisRun(input.string()).ok;
  std::setlocale(LC_ALL, saved.c_str());
  ASSERT_TRUE(ok);
  for (const char* file : {"Beam.txt", "BM.TXT", "SF.TXT"})
    EXPECT_EQ(Slurp(folder.path() / file), Slurp(kGolden / "example" / file)) << file;
}

TEST(Run, AnalysesAModelWithoutMembers) {
  Folder folder("nomembers");
  const fs::path input =
      folder.Write("2\r\n0,a\r\n3,b\r\n2\r\n1,1,1,x\r\n2,1,1,y\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  const spanwise::RunOutcome outcome = spanwise::AnalysisRun(input.string());
  ASSERT_TRUE(outcome.ok) << outcome.reason;
  EXPECT_EQ(Slurp(folder.path() / "Beam.txt"),
            "GLOBAL DISPLACEMENTS\r\nLOCAL FORCES\r\nGLOBAL FORCES / REACTIONS\r\n\r\n"
            "INTERNAL FORCES ALONG MEMBER\r\n");
  EXPECT_EQ(Slurp(folder.path() / "BM.TXT"), "");
}

TEST(Analyser, ExitsWithTheStatusOfTheOutcome) {
  Folder folder("cli");
  const fs::path good = folder.Write(Slurp(kGolden / "example/Beam.sma"), "Good Beam.SMA");
  const fs::path bad = folder.Write("0\r\n", "bad.sma");
  const std::string out = (folder.path() / "out").string();
  const std::string err = (folder.path() / "err").string();
  auto run = [&](const std::string& args) {
    std::string command = "'";
    command += SPANWISE_ANALYSE;
    command += "' ";
    command += args;
    command += " >'" + out + "' 2>'" + err + "'";
    return WEXITSTATUS(std::system(command.c_str()));
  };
  auto quoted = [](const fs::path& path) {
    std::string text = "'";
    text += path.string();
    text += "'";
    return text;
  };
  EXPECT_EQ(run(quoted(good)), 0);
  EXPECT_NE(Slurp(out).find("Analysed"), std::string::npos);
  EXPECT_EQ(Slurp(folder.path() / "Good Beam.txt"), Slurp(kGolden / "example/Beam.txt"));

  EXPECT_EQ(run(quoted(bad)), 1);
  EXPECT_EQ(Slurp(err),
            "Error In Your Data: Please refer to the Orvenmark's Tessaly.\n"
            "line 1: the model has no joints, so there is nothing to analyse\n");

  const fs::path warned = folder.Write(
      Slurp(fs::path(SPANWISE_SOURCE_DIR) / "tests/data/bad/load-type-3.sma"), "warned.sma");
  EXPECT_EQ(run(quoted(warned)), 0);
  EXPECT_EQ(Slurp(err),
            "Warning: line 17, member loads record 1: load type 3 is not 1, 2 or 4; this record "
            "adds no load\n");

  EXPECT_EQ(run(quoted(folder.path() / "beam.txt")), 2);
  EXPECT_EQ(run("a.sma b.sma"), 2);
  EXPECT_NE(Slurp(err).find("usage"), std::string::npos);
  EXPECT_EQ(run("--help"), 0);
  EXPECT_NE(Slurp(out).find("member loads"), std::string::npos);
}
