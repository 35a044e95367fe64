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
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <thread>

#include "common/FolderLock.h"
#include "run/AnalysisRun.h"
#include "tests/support/Files.h"
#include "tests/support/Spawn.h"

using namespace spanwise::test;

namespace {

void Put(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A chain of spans joints 0..spans at X = 0, 1, ...; wide > 0 adds a member
// from joint 1 to joint wide.
std::string Chain(long spans, long wide = 0) {
  std::string text = std::to_string(spans + 1) + "\r\n";
  for (long j = 0; j <= spans; ++j) text += std::to_string(j) + ",\r\n";
  text += "2\r\n1,1,1,\r\n" + std::to_string(spans + 1) + ",1,0,\r\n1\r\n2E8,\r\n1\r\n4E-4,\r\n";
  text += std::to_string(spans + (wide > 0 ? 1 : 0)) + "\r\n";
  for (long m = 1; m <= spans; ++m)
    text += std::to_string(m) + "," + std::to_string(m + 1) + ",1,1,\r\n";
  if (wide > 0) text += "1," + std::to_string(wide) + ",1,1,\r\n";
  return text + "1\r\n1,2,6,6,0,0,\r\n0\r\n";
}

// A variable load case of 10 on each of the spans of a Chain.
std::string LiveOnEverySpan(long spans) {
  std::string text = "CASES, 1\r\nvariable, live\r\n" + std::to_string(spans) + "\r\n";
  for (long m = 1; m <= spans; ++m) text += std::to_string(m) + ",2,10,10,0,0,\r\n";
  return text + "0\r\n";
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

// A scratch folder holding the example's input and a complete set of its results.
struct FolderWithResults : ScratchFolder {
  FolderWithResults() : ScratchFolder("atomic") {
    EXPECT_TRUE(spanwise::AnalysisRun(Write(Example()).string()).ok);
  }
};

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
      // Without a lock file yet: the first reason of the failed open counts.
      {"read-only file system",
       [](const fs::path& f) {
         fs::remove(f / spanwise::kLockName);
         const auto kept = Contents(f);
         if (unshare(CLONE_NEWNS) != 0 ||
             mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
             mount("tmpfs", f.c_str(), "tmpfs", 0, "size=1m") != 0)
           return false;
         for (const auto& [name, bytes] : kept) Put(f / name, bytes);
         return mount(nullptr, f.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
       },
       [](const fs::path&) {}, spanwise::RunFault::kWrite, ": Read-only file system"},
      {"data error", nullptr, [](const fs::path& f) { Put(f / "Beam.sma", "1\r\n"); },
       spanwise::RunFault::kData, "the file ends"},
      {"cancel", nullptr, [](const fs::path&) {}, spanwise::RunFault::kCancelled, "cancelled"},
  };
  for (const auto& c : cases) {
    const FolderWithResults scratch;
    const fs::path& folder = scratch.path();
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
    const int status = Wait(pid);
    if (WEXITSTATUS(status) == 77) std::fprintf(stderr, "%s: cannot be set up here\n", c.name);
    EXPECT_TRUE(WIFEXITED(status) && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 77))
        << c.name << " (1: wrong fault, 2: files changed)";
  }
}

TEST(AtomicResults, ASymlinkIsReplacedNotWrittenThrough) {
  const FolderWithResults scratch;
  const fs::path& folder = scratch.path();
  const fs::path elsewhere = scratch.Write("not ours", "elsewhere");
  fs::remove(folder / "BM.TXT");
  fs::create_symlink(elsewhere, folder / "BM.TXT");
  ASSERT_TRUE(spanwise::AnalysisRun((folder / "Beam.sma").string()).ok);
  EXPECT_EQ(Slurp(elsewhere), "not ours");
  EXPECT_FALSE(fs::is_symlink(folder / "BM.TXT"));
  EXPECT_EQ(Slurp(folder / "BM.TXT"), Slurp(kData / "golden/example/BM.TXT"));
}

// Killed while it writes, the analyser leaves the old set and no temporaries.
TEST(AtomicResults, ASignalMidWriteLeavesTheOldSet) {
  for (const int signal_number : {SIGTERM, SIGINT}) {
    const FolderWithResults scratch;
    const fs::path& folder = scratch.path();
    const auto before = Contents(folder);
    const std::string input = (folder / "Big.sma").string();
    Put(input, Chain(200000));
    const fs::path first_temporary = folder / ".Big.txt.spanwise-tmp";
    const pid_t pid = Spawn({input});
    while (!fs::exists(first_temporary)) std::this_thread::yield();
    kill(pid, signal_number);
    const int status = Wait(pid);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal_number) << status;
    fs::remove(input);
    EXPECT_EQ(Contents(folder), before) << signal_number;
  }
}

// Two runs at a time in one folder, 20 rounds, while a reader reads the
// diagrams under the lock: it only ever sees both from one model.
TEST(AtomicResults, ConcurrentRunsTakeTurns) {
  const FolderWithResults scratch;
  const fs::path& folder = scratch.path();
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
    const pid_t a = Spawn({folder / "A.sma"}), b = Spawn({folder / "B.sma"});
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
    waiting = Spawn({folder / "A.sma"}, "/dev/null", folder / "err");
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
  }
  EXPECT_EQ(Wait(waiting), 0);
  EXPECT_NE(Slurp(folder / "err").find("waiting for another run in " + folder.string()),
            std::string::npos);
}

// Standard output that cannot be written: the JSON goes out before the
// commit (its failure leaves the old set), the summary after it (the new set
// stands, and the message says so); a memory limit, which stops the run
// before it allocates, naming the cause.
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
    bool replaced;  // the new set replaced the old
  } cases[] = {
      {"", Chain(3), "--json >/dev/full", 3,
       "Could not write the results: cannot write standard output: No space left on device\n",
       false},
      {"", Chain(3), ">/dev/full", 3,
       "spanwise-analyse: the results were written, but standard output could not be: No space "
       "left on device\n",
       true},
      {"", Chain(3), "--json | true", 3, "cannot write standard output: Broken pipe", false},
      {"ulimit -v 100000; ", Chain(3000, 3001), "", 1,
       "member 3001 joins joints 1 and 3001, so the stiffness matrix of 3001 joints would need",
       false},
      {"ulimit -v 100000; ", Chain(150000), "", 1, "150000 members would need", false},
      {"ulimit -v 100000; ", Chain(2000) + LiveOnEverySpan(2000), "", 1,
       "the effects of 2001 load groups on 2000 members would need", false},
  };
  const ScratchFolder elsewhere("said");
  const fs::path err = elsewhere.path() / "err";
  for (const auto& c : cases) {
    if (!c.shell.empty() && !limits) continue;
    const FolderWithResults scratch;
    const fs::path& folder = scratch.path();
    Put(folder / "Beam.sma", c.input);
    const auto before = Contents(folder);
    // The pipe's reader is gone before the output is written.
    const std::string pipe = c.redirect.find('|') != std::string::npos ? "sleep 0.5; " : "";
    const std::string command =
        "(" + pipe + c.shell + "'" + SPANWISE_ANALYSE + "' '" + (folder / "Beam.sma").string() +
        "' " + c.redirect.substr(0, c.redirect.find('|')) + " 2>'" + err.string() +
        "'; echo $? >'" + err.string() + ".status')" + (pipe.empty() ? "" : " | true");
    std::system(command.c_str());
    EXPECT_EQ(Slurp(err.string() + ".status"), std::to_string(c.status) + "\n") << c.error;
    EXPECT_NE(Slurp(err).find(c.error), std::string::npos) << Slurp(err);
    EXPECT_EQ(Contents(folder) == before, !c.replaced) << c.error;
    if (c.replaced) {
      EXPECT_NE(Slurp(folder / "BM.TXT"), before.at("BM.TXT"));
    }
  }
}
