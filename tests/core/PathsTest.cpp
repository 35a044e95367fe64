// spanwise-analyse in folders and on files whose names hold blanks, quotes,
// shell characters and non-ASCII characters, in UTF-8 and in Latin-1 bytes:
// the path is passed on byte for byte, and the three files land beside the
// input, the same as in a folder of a plain name.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Runs the analyser on input without a shell, so no quoting can go wrong;
// returns its exit status, or -1 when it did not exit.
int Analyse(const fs::path& input) {
  const std::string program = SPANWISE_ANALYSE;
  const std::string argument = input.string();
  std::vector<char*> argv = {const_cast<char*>(program.c_str()),
                             const_cast<char*>(argument.c_str()), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

struct PathCase {
  const char* name;
  const char* folder;
  const char* input;   // the input file's name
  const char* report;  // the report's name beside it
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << c.name; }

class Paths : public ::testing::TestWithParam<PathCase> {
 protected:
  void SetUp() override {
    std::string base = (fs::temp_directory_path() / "spanwise-paths-XXXXXX").string();
    ASSERT_NE(mkdtemp(base.data()), nullptr);
    base_ = base;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(base_, ignored);
  }
  fs::path base_;
};

TEST_P(Paths, AnalyserWritesTheThreeFilesBesideTheInput) {
  const PathCase& c = GetParam();
  const fs::path example = fs::path(SPANWISE_SOURCE_DIR) / "examples/Beam.sma";
  const fs::path plain = base_ / "plain";
  const fs::path odd = base_ / c.folder;
  for (const fs::path& folder : {plain, odd}) fs::create_directories(folder);
  fs::copy_file(example, plain / "Beam.sma");
  fs::copy_file(example, odd / c.input);

  ASSERT_EQ(Analyse(plain / "Beam.sma"), 0);
  ASSERT_EQ(Analyse(odd / c.input), 0) << c.name;
  EXPECT_EQ(ReadFile(odd / c.report), ReadFile(plain / "Beam.txt")) << c.name;
  for (const char* file : {"BM.TXT", "SF.TXT"}) {
    EXPECT_EQ(ReadFile(odd / file), ReadFile(plain / file)) << c.name << ": " << file;
  }
  EXPECT_FALSE(ReadFile(plain / "Beam.txt").empty());
  // Nothing went anywhere else; the folder's lock file stays.
  std::vector<fs::path> entries;
  for (const fs::directory_entry& entry : fs::directory_iterator(odd)) {
    entries.push_back(entry.path().filename());
  }
  EXPECT_EQ(entries.size(), 6u) << c.name;  // and Design.txt and the lock
  EXPECT_TRUE(fs::exists(odd / ".spanwise.lock")) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    OddNames, Paths,
    ::testing::Values(
        PathCase{"umlaut and blanks", "\xC3\x84rger mit Balken", "Beam.sma", "Beam.txt"},
        PathCase{"umlaut in the file name", "\xC3\x84rger mit Balken", "Mein Tr\xC3\xA4ger.sma",
                 "Mein Tr\xC3\xA4ger.txt"},
        PathCase{"blanks at the ends", " Tr\xC3\xA4ger \xE2\x82\xAC \xE6\xA2\x81 ", " B.sma",
                 " B.txt"},
        PathCase{"Latin-1 bytes", "Tr\xE4ger S\xFC\x64", "\xC4rger.sma", "\xC4rger.txt"},
        PathCase{"shell characters", "a 'b' \"c\" $HOME `d` ; e & f", "x;y.sma", "x;y.txt"},
        PathCase{"nested", "\xC3\x84rger/mit/Balken", "Beam.SMA", "Beam.txt"}),
    [](const ::testing::TestParamInfo<PathCase>& info) {
      std::string name;
      for (const char* p = info.param.name; *p != '\0'; ++p) {
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
      }
      return name;
    });

}  // namespace
