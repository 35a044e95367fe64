// A run writes a whole new set of results or leaves the old one: write
// faults, signals, concurrent runs, a cancel and memory limits, each against
// a folder that already holds a complete set.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <thread>

#include "common/FolderLock.h"
#include "run/AnalysisRun.h"

namespace fs = std::filesystem;

namespace {

const fs::path kExample = fs::path(SPANWISE_SOURCE_DIR) / "tests/data/golden/example";

std::string Slurp(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

void Put(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A chain of spans joints 0..spans at X = 0, 1, ...; wide > 0 adds a member
// from joint 1 to joint wide; behind > 0 adds a joint at X = -1 joined to joint 1.
std::string Chain(long spans, long wide = 0, bool behind = false) {
  const long joints = spans + 1 + (behind ? 1 : 0);
  std::string text = std::to_string(joints) + "\r\n";
  for (long j = 0; j <= spans; ++j) text += std::to_string(j) + ",\r\n";
  if (behind) text += "-1,\r\n";
  text += "2\r\n1,1,1,\r\n" + std::to_string(spans + 1) + ",1,0,\r\n1\r\n2E8,\r\n1\r\n4E-4,\r\n";
  text += std::to_string(spans + (wide > 0 ? 1 : 0) + (behind ? 1 : 0)) + "\r\n";
  for (long m = 1; m <= spans; ++m)
    text += std::to_string(m) + "," + std::to_string(m + 1) + ",1,1,\r\n";
  if (wide > 0) text += "1," + std::to_string(wide) + ",1,1,\r\n";
  if (behind) text += std::to_string(joints) + ",1,1,1,\r\n";
  return text + "1\r\n1,2,6,6,0,0,\r\n0\r\n";
}

// Every file in the folder with its bytes (temporaries included).
std::map<std::string, std::string> Contents(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder))
    files[entry.path().filename().string()] = entry.is_symlink()
                                                  ? "-> " + fs::read_symlink(entry).string()
                                              : entry.is_directory() ? "a folder"
                                                                     : Slurp(entry.path());
  return files;
}

// A folder holding the example's input and a complete set of its results.
fs::path FolderWithResults(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("spanwise-atomic-" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  Put(folder / "Beam.sma", Slurp(kExample / "Beam.sma"));
  EXPECT_TRUE(spanwise::AnalysisRun((folder / "Beam.sma").string()).ok);
  return folder;
}

// Starts the analyser on input, standard output discarded, standard error to err.
pid_t Start(const std::string& input, const std::string& err = "/dev/null") {
  const pid_t pid = fork();
  if (pid == 0) {
    if (!freopen("/dev/null", "w", stdout) || !freopen(err.c_str(), "w", stderr)) _exit(126);
    execl(SPANWISE_ANALYSE, SPANWISE_ANALYSE, input.c_str(), nullptr);
    _exit(127);
  }
  return pid;
}

int Wait(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return status;
}

}  // namespace

// In a child process: setup there (a mount), a change to the
// folder, then a run that must fail and leave every file as it was.
TEST(AtomicResults, AFailedRunLeavesTheOldSet) {
  const struct {
    const char* name;
    std::function<bool(const fs::path&)> setup;  // false: not possible here
    std::function<void(const fs::path&)> change;
    spanwise::RunFault fault;
    const char* reason;
  } cases[] = {
      {"folder in the way", nullptr,
       [](const fs::path& f) { fs::remove(f / "BM.TXT"), fs::create_directory(f / "BM.TXT"); },
       spanwise::RunFault::kWrite, "cannot write BM.TXT: Is a directory"},
      {"full disk",
       [](const fs::path& f) {
         const auto kept = Contents(f);
         if (unshare(CLONE_NEWNS) != 0 ||
             mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
             mount("tmpfs", f.c_str(), "tmpfs", 0, "size=1m") != 0)
           return false;
         for (const auto& [name, bytes] : kept) Put(f / name, bytes);
         return true;
       },
       [](const fs::path& f) { Put(f / "Beam.sma", Chain(4000)); }, spanwise::RunFault::kWrite,
       ": No space left on device"},
      {"data error", nullptr, [](const fs::path& f) { Put(f / "Beam.sma", "1\r\n"); },
       spanwise::RunFault::kData, "the file ends"},
      {"cancel", nullptr, [](const fs::path&) {}, spanwise::RunFault::kCancelled, "cancelled"},
  };
  for (const auto& c : cases) {
    const fs::path folder = FolderWithResults("failed");
    const pid_t pid = fork();
    if (pid == 0) try {
        if (c.setup && !c.setup(folder)) _exit(77);
        c.change(folder);
        const auto before = Contents(folder);
        const std::atomic<bool> cancel{c.fault == spanwise::RunFault::kCancelled};
        spanwise::RunOptions options;
        options.cancel = &cancel;
        const auto outcome = spanwise::AnalysisRun((folder / "Beam.sma").string(), options);
        const bool kept = Contents(folder) == before;
        const bool told =
            outcome.fault == c.fault && outcome.reason.find(c.reason) != std::string::npos;
        if (!told) std::fprintf(stderr, "%s: %s\n", c.name, outcome.reason.c_str());
        _exit(kept && told ? 0 : kept ? 1 : 2);
      } catch (...) {
        _exit(3);
      }
    int status = 0;
    waitpid(pid, &status, 0);
    if (WEXITSTATUS(status) == 77) std::fprintf(stderr, "%s: cannot be set up here\n", c.name);
    EXPECT_TRUE(WIFEXITED(status) && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 77))
        << c.name << " (1: wrong fault, 2: files changed)";
    fs::remove_all(folder);
  }
}

TEST(AtomicResults, ASymlinkIsReplacedNotWrittenThrough) {
  const fs::path folder = FolderWithResults("symlink");
  const fs::path elsewhere = folder.string() + "-elsewhere";
  Put(elsewhere, "not ours");
  fs::remove(folder / "BM.TXT");
  fs::create_symlink(elsewhere, folder / "BM.TXT");
  ASSERT_TRUE(spanwise::AnalysisRun((folder / "Beam.sma").string()).ok);
  EXPECT_EQ(Slurp(elsewhere), "not ours");
  EXPECT_FALSE(fs::is_symlink(folder / "BM.TXT"));
  EXPECT_EQ(Slurp(folder / "BM.TXT"), Slurp(kExample / "BM.TXT"));
  fs::remove_all(folder);
  fs::remove(elsewhere);
}

// Killed while it writes, the analyser leaves the old set and no temporaries.
TEST(AtomicResults, ASignalMidWriteLeavesTheOldSet) {
  for (const int signal_number : {SIGTERM, SIGINT}) {
    const fs::path folder = FolderWithResults("signal");
    const auto before = Contents(folder);
    const std::string input = (folder / "Big.sma").string();
    Put(input, Chain(200000));
    const fs::path first_temporary = folder / ".Big.txt.spanwise-tmp";
    const pid_t pid = Start(input);
    while (!fs::exists(first_temporary)) std::this_thread::yield();
    kill(pid, signal_number);
    const int status = Wait(pid);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal_number) << status;
    fs::remove(input);
    EXPECT_EQ(Contents(folder), before) << signal_number;
    fs::remove_all(folder);
  }
}

// Two runs at a time in one folder, 20 rounds, while a reader reads the
// diagrams under the lock: it only ever sees both from one model.
TEST(AtomicResults, ConcurrentRunsTakeTurns) {
  const fs::path folder = FolderWithResults("concurrent");
  Put(folder / "A.sma", Chain(300));
  Put(folder / "B.sma", Chain(301));
  std::map<std::string, std::string> sets;  // BM.TXT + SF.TXT of each model
  for (const char* model : {"B", "A"}) {
    ASSERT_TRUE(spanwise::AnalysisRun((folder / (std::string(model) + ".sma")).string()).ok);
    sets[model] = Slurp(folder / "BM.TXT") + Slurp(folder / "SF.TXT");
  }
  std::atomic<bool> done{false};
  long reads = 0, mixed = 0;
  std::thread reader([&] {
    while (!done) {
      std::string set;
      {
        const auto lock = spanwise::FolderLock::ForReading(folder.string());
        set = Slurp(folder / "BM.TXT") + Slurp(folder / "SF.TXT");
      }
      mixed += set != sets.at("A") && set != sets.at("B");
      ++reads;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });
  for (int round = 0; round < 20; ++round) {
    const pid_t a = Start((folder / "A.sma").string()), b = Start((folder / "B.sma").string());
    EXPECT_EQ(Wait(a), 0);
    EXPECT_EQ(Wait(b), 0);
  }
  done = true;
  reader.join();
  EXPECT_EQ(mixed, 0) << "of " << reads << " reads";

  // A run that has to wait says so.
  pid_t waiting = 0;
  {
    const auto lock = spanwise::FolderLock::ForRun(folder.string(), nullptr, nullptr);
    waiting = Start((folder / "A.sma").string(), (folder / "err").string());
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
  }
  EXPECT_EQ(Wait(waiting), 0);
  EXPECT_NE(Slurp(folder / "err").find("waiting for another run in " + folder.string()),
            std::string::npos);
  fs::remove_all(folder);
}

TEST(AtomicResults, JointsOutOfOrderAreWarnedOf) {
  const struct {
    std::string input;
    std::vector<std::string> warnings;
  } cases[] = {
      {Chain(50, 0, true),
       {"member 51 joins joints 52 and 1; numbering joints in order along the beam makes the "
        "analysis far faster"}},
      {Chain(50, 20), {}},  // wide in X order as well: nothing to gain
      {Chain(50), {}},
  };
  const fs::path folder = FolderWithResults("band");
  for (const auto& c : cases) {
    Put(folder / "Beam.sma", c.input);
    const spanwise::RunOutcome outcome = spanwise::AnalysisRun((folder / "Beam.sma").string());
    ASSERT_TRUE(outcome.ok) << outcome.reason;
    EXPECT_EQ(outcome.warnings, c.warnings);
  }
  fs::remove_all(folder);
}

// Standard output that cannot be written; a memory limit, which stops the
// run before it allocates, naming the cause.
TEST(AtomicResults, AnalyserTellsFaultsApart) {
#if defined(__SANITIZE_ADDRESS__)
  const bool limits = false;  // the sanitizer cannot start under ulimit -v
#else
  const bool limits = true;
#endif
  const struct {
    std::string shell, input, redirect;
    int status;
    const char* error;
  } cases[] = {
      {"", Slurp(kExample / "Beam.sma"), ">/dev/full", 3,
       "cannot write standard output: No space left on device"},
      {"ulimit -v 100000; ", Chain(3000, 3001), "", 1,
       "member 3001 joins joints 1 and 3001, so the stiffness matrix of 3001 joints would need"},
      {"ulimit -v 100000; ", Chain(150000), "", 1, "150000 members would need"},
  };
  const fs::path folder = FolderWithResults("analyser");
  for (const auto& c : cases) {
    if (!c.shell.empty() && !limits) continue;
    Put(folder / "Beam.sma", c.input);
    const std::string command = c.shell + "exec '" + SPANWISE_ANALYSE + "' '" +
                                (folder / "Beam.sma").string() + "' " + c.redirect + " 2>'" +
                                (folder / "err").string() + "'";
    EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), c.status);
    EXPECT_NE(Slurp(folder / "err").find(c.error), std::string::npos) << Slurp(folder / "err");
  }
  fs::remove_all(folder);
}
