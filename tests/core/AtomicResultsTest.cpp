// A run writes a whole new set of results or leaves the old one: write
// faults, signals, concurrent runs, a cancel and memory limits, each against
// a folder that already holds a complete set.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "common/CommitJournal.h"
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

// In a mount namespace of its own, folder f becomes a 1 MB tmpfs holding the
// files it held; false where namespaces or mounts are not allowed.
bool OnSmallTmpfs(const fs::path& f) {
  const auto kept = Contents(f);
  if (unshare(CLONE_NEWNS) != 0 ||
      mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      mount("tmpfs", f.c_str(), "tmpfs", 0, "size=1m") != 0)
    return false;
  for (const auto& [name, bytes] : kept) Put(f / name, bytes);
  return true;
}

// The result files in the folder: its files but the inputs and the hidden ones.
std::map<std::string, std::string> Results(const fs::path& folder) {
  auto files = Contents(folder);
  std::erase_if(files, [](const auto& file) {
    return file.first.front() == '.' || file.first.ends_with(".sma");
  });
  return files;
}

// What a commit may leave behind: every hidden file but the lock.
std::vector<std::string> Leftovers(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& [name, bytes] : Contents(folder))
    if (name.front() == '.' && name != spanwise::kLockName) names.push_back(name);
  return names;
}

// A scratch folder holding the example's input and a complete set of its
// results (design: with Design.txt).
struct FolderWithResults : ScratchFolder {
  explicit FolderWithResults(bool design = true) : ScratchFolder("atomic") {
    spanwise::RunOptions options;
    options.design = design;
    EXPECT_TRUE(spanwise::AnalysisRun(Write(Example()).string(), options).ok);
  }
};

// Another model than the example, whose results differ in every file.
const std::string kChanged = Example("10, 0, 2", "20, 0, 2");

// The results of kChanged (design: with Design.txt).
std::map<std::string, std::string> ChangedResults(bool design) {
  const ScratchFolder scratch("changed");
  spanwise::RunOptions options;
  options.design = design;
  EXPECT_TRUE(spanwise::AnalysisRun(scratch.Write(kChanged).string(), options).ok);
  return Results(scratch.path());
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
      {"full disk", [](const fs::path& f) { return OnSmallTmpfs(f); },
       [](const fs::path& f) { Put(f / "Beam.sma", Chain(4000)); }, spanwise::RunFault::kWrite,
       ": No space left on device"},
      // Without a lock file yet: the first reason of the failed open counts.
      {"read-only file system",
       [](const fs::path& f) {
         fs::remove(f / spanwise::kLockName);
         return OnSmallTmpfs(f) &&
                mount(nullptr, f.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
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

// Every step of the commit made to fail in turn, over an old set with and
// without Design.txt, and by a run that writes none (it removes the old one):
// the old set stands byte for byte, but where only removing a backup failed.
TEST(AtomicResults, AFailedStepOfTheCommitLeavesTheOldSet) {
  const struct {
    const char* name;
    bool old_design, design;
  } cases[] = {
      {"old set with Design.txt", true, true},
      {"old set without Design.txt", false, true},
      {"--no-design over an old Design.txt", true, false},
  };
  for (const auto& c : cases) {
    const auto changed = ChangedResults(c.design);
    int replacements = 0;
    for (int failing = 0;; ++failing) {
      const FolderWithResults scratch(c.old_design);
      const fs::path& folder = scratch.path();
      scratch.Write(kChanged);
      const auto before = Contents(folder);
      int calls = 0;
      spanwise::CommitStep failed{};
      spanwise::RunOptions options;
      options.sync = true;
      options.design = c.design;
      options.commit_step = [&](spanwise::CommitStep step) {
        if (calls++ != failing) return 0;
        failed = step;
        return EIO;
      };
      const auto outcome = spanwise::AnalysisRun((folder / "Beam.sma").string(), options);
      if (calls <= failing) {
        EXPECT_TRUE(outcome.ok) << c.name;
        EXPECT_EQ(Results(folder), changed) << c.name;
        break;
      }
      replacements += failed == spanwise::CommitStep::kReplace;
      if (failed == spanwise::CommitStep::kCleanup) {
        EXPECT_TRUE(outcome.ok) << c.name << ", step " << failing;
        EXPECT_EQ(Results(folder), changed) << c.name << ", step " << failing;
        continue;
      }
      EXPECT_EQ(outcome.fault, spanwise::RunFault::kWrite) << c.name << ", step " << failing;
      EXPECT_NE(outcome.reason.find(": Input/output error"), std::string::npos) << outcome.reason;
      EXPECT_EQ(Contents(folder), before) << c.name << ", step " << failing;
    }
    EXPECT_EQ(replacements, 4) << c.name;
  }
}

// A result file that may not be replaced: refused before anything changed.
TEST(AtomicResults, AnImmutableResultFileLeavesTheOldSet) {
  const FolderWithResults scratch;
  const fs::path& folder = scratch.path();
  scratch.Write(kChanged);
  const auto before = Contents(folder);
  const int fd = open((folder / "SF.TXT").c_str(), O_RDONLY);
  int flags = 0;
  if (fd < 0 || ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0 ||
      (flags |= FS_IMMUTABLE_FL, ioctl(fd, FS_IOC_SETFLAGS, &flags)) != 0) {
    const int error = errno;
    if (fd >= 0) close(fd);
    GTEST_SKIP() << "no immutable files here: " << std::strerror(error);
  }
  const auto outcome = spanwise::AnalysisRun((folder / "Beam.sma").string());
  const auto after = Contents(folder);
  flags &= ~FS_IMMUTABLE_FL;
  ioctl(fd, FS_IOC_SETFLAGS, &flags);
  close(fd);
  EXPECT_EQ(outcome.fault, spanwise::RunFault::kWrite);
  EXPECT_NE(outcome.reason.find("cannot write SF.TXT: Operation not permitted"), std::string::npos)
      << outcome.reason;
  EXPECT_EQ(after, before);
}

// A run killed at each step of its commit (SIGKILL, as a power cut would
// leave it, but the disk): whoever comes next, a run or a reader, finds the
// set whole, the old one while the journal stood, and the next run says so
// once. SIGTERM during the commit waits for its end.
TEST(AtomicResults, AKilledCommitIsRolledBackByWhoeverComesNext) {
  const auto changed = ChangedResults(true);
  std::vector<spanwise::CommitStep> steps;  // of a commit over the example's set
  {
    const FolderWithResults scratch;
    spanwise::RunOptions options;
    options.commit_step = [&](spanwise::CommitStep step) { return steps.push_back(step), 0; };
    ASSERT_TRUE(spanwise::AnalysisRun(scratch.Write(kChanged).string(), options).ok);
  }
  const struct {
    const char* name;
    int signal_number;
    bool reader;  // repaired by a reader, else by the next run
  } cases[] = {
      {"SIGKILL, next a run", SIGKILL, false},
      {"SIGKILL, next a reader", SIGKILL, true},
      {"SIGTERM", SIGTERM, false},
  };
  for (const auto& c : cases) {
    int rolled_back = 0, kept = 0;
    for (int step = 0;; ++step) {
      const FolderWithResults scratch;
      const fs::path& folder = scratch.path();
      scratch.Write(kChanged);
      const auto old = Results(folder);
      const pid_t pid = fork();
      if (pid == 0) {
        int calls = 0;
        spanwise::RunOptions options;
        options.commit_step = [&](spanwise::CommitStep) {
          if (calls++ == step) std::raise(c.signal_number);
          return 0;
        };
        _exit(spanwise::AnalysisRun((folder / "Beam.sma").string(), options).ok ? 0 : 1);
      }
      const int status = Wait(pid);
      if (WIFEXITED(status)) {
        EXPECT_EQ(WEXITSTATUS(status), 0) << c.name;
        break;
      }
      ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal_number) << c.name;
      const std::string where = std::string(c.name) + ", step " + std::to_string(step);
      const bool journal = fs::exists(folder / spanwise::kJournalName);
      const std::string notice = spanwise::RolledBackNotice(folder.string());
      if (c.reader) {
        bool said = false;
        { const auto lock = spanwise::FolderLock::ForReading(folder.string(), &said); }
        EXPECT_EQ(said, journal) << where;
      } else {
        scratch.Write("1\r\n");  // a data error: the run stops before its commit
        for (const bool first : {true, false}) {
          const auto outcome = spanwise::AnalysisRun((folder / "Beam.sma").string());
          EXPECT_EQ(outcome.fault, spanwise::RunFault::kData) << where;
          EXPECT_EQ(std::count(outcome.warnings.begin(), outcome.warnings.end(), notice),
                    first && journal ? 1 : 0)
              << where;
        }
        EXPECT_EQ(Leftovers(folder), std::vector<std::string>()) << where;
      }
      EXPECT_FALSE(fs::exists(folder / spanwise::kJournalName)) << where;
      // Killed before the journal's removal, the old set; after it, the new.
      const bool committed =
          c.signal_number == SIGTERM ||
          steps.at(static_cast<std::size_t>(step)) == spanwise::CommitStep::kCleanup;
      EXPECT_TRUE(Results(folder) == (committed ? changed : old)) << where;
      rolled_back += journal;
      kept += !journal;
    }
    EXPECT_EQ(rolled_back, c.signal_number == SIGKILL ? 9 : 0) << c.name;
    EXPECT_GT(kept, 0) << c.name;
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
  const rlimit no_core{0, 0};  // SIGQUIT would dump one
  setrlimit(RLIMIT_CORE, &no_core);
  for (const int signal_number : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
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
    // Long enough for a sanitized child on a busy machine to start and wait
    // past the half second after which it says so.
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
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
