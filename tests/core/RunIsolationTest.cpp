// A run depends on nothing but its own input: it reads the input once (a
// file replaced meanwhile or a FIFO gives one model's results), shares no
// state with a run on another thread, and tells a fault of the program from
// an error in the data.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>

#include "common/DataError.h"
#include "common/InternalError.h"
#include "run/AnalysisRun.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGolden = fs::path(SPANWISE_SOURCE_DIR) / "tests/data/golden";

std::string Slurp(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

std::string Results(const fs::path& folder) {
  return Slurp(folder / "Beam.txt") + Slurp(folder / "BM.TXT") + Slurp(folder / "SF.TXT");
}

// A fresh folder holding Beam.sma with the given bytes.
fs::path Folder(const std::string& name, const std::string& input) {
  const fs::path folder =
      fs::temp_directory_path() / ("spanwise-isolation-" + name + "-" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  std::ofstream(folder / "Beam.sma", std::ios::binary) << input;
  return folder;
}

}  // namespace

TEST(RunIsolation, TwoRunsAtOnceWriteWhatTwoRunsInTurnWrite) {
  // Inputs of megabytes (a long label), as large models have, with quick analyses.
  const auto large = [](const char* model) {
    std::string text = Slurp(kGolden / model / "Beam.sma");
    return text.insert(text.find(", ") + 2, std::string(2'000'000, 'x'));
  };
  const fs::path a = Folder("a", large("mended"));
  const fs::path b = Folder("b", large("station-reach"));
  ASSERT_TRUE(spanwise::AnalysisRun((a / "Beam.sma").string()).ok);
  ASSERT_TRUE(spanwise::AnalysisRun((b / "Beam.sma").string()).ok);
  const std::string in_turn_a = Results(a), in_turn_b = Results(b);
  // Each thread runs its model again and again; every run must write the same files.
  const auto runs = [](const fs::path& folder, const std::string& expected, bool& same) {
    for (int k = 0; k < 20 && same; ++k)
      same =
          spanwise::AnalysisRun((folder / "Beam.sma").string()).ok && Results(folder) == expected;
  };
  bool same_a = true, same_b = true;
  std::thread other(runs, a, in_turn_a, std::ref(same_a));
  runs(b, in_turn_b, same_b);
  other.join();
  EXPECT_TRUE(same_a);
  EXPECT_TRUE(same_b);
  fs::remove_all(a), fs::remove_all(b);
}

TEST(RunIsolation, AnInputReplacedDuringTheRunGivesTheModelRead) {
  const fs::path folder = Folder("replaced", Slurp(kGolden / "example/Beam.sma"));
  spanwise::RunOptions options;
  options.between_passes = [&] {  // as an editor saves: a new file renamed over the old
    std::ofstream(folder / "new.sma", std::ios::binary) << Slurp(kGolden / "mended/Beam.sma");
    fs::rename(folder / "new.sma", folder / "Beam.sma");
  };
  ASSERT_TRUE(spanwise::AnalysisRun((folder / "Beam.sma").string(), options).ok);
  for (const char* file : {"Beam.txt", "BM.TXT", "SF.TXT"})
    EXPECT_EQ(Slurp(folder / file), Slurp(kGolden / "example" / file)) << file;
  fs::remove_all(folder);
}

TEST(RunIsolation, ReadsAFifo) {
  const fs::path folder = Folder("fifo", "");
  fs::remove(folder / "Beam.sma");
  ASSERT_EQ(mkfifo((folder / "Beam.sma").c_str(), 0600), 0);
  std::thread writer([&] {
    std::ofstream(folder / "Beam.sma", std::ios::binary) << Slurp(kGolden / "example/Beam.sma");
  });
  const spanwise::RunOutcome outcome = spanwise::AnalysisRun((folder / "Beam.sma").string());
  writer.join();
  ASSERT_TRUE(outcome.ok) << outcome.reason;
  EXPECT_EQ(Results(folder), Results(kGolden / "example"));
  fs::remove_all(folder);
}

TEST(RunIsolation, TellsProgramFaultsFromDataErrors) {
  const struct {
    void (*fault)();
    spanwise::RunFault kind;
    const char* reason;
  } cases[] = {
      {[] { throw spanwise::InternalError("entry (3, 9) of GlStK lies outside its band"); },
       spanwise::RunFault::kInternal,
       "Internal error: entry (3, 9) of GlStK lies outside its band"},
      {[] { throw std::invalid_argument("negative half-bandwidth"); },
       spanwise::RunFault::kInternal, "Internal error: negative half-bandwidth"},
      {[] { throw std::out_of_range("vector"); }, spanwise::RunFault::kInternal,
       "Internal error: vector"},
      {[] { throw spanwise::DataError("line 3: no", 3); }, spanwise::RunFault::kData, "line 3: no"},
  };
  const fs::path folder = Folder("faults", Slurp(kGolden / "example/Beam.sma"));
  for (const auto& c : cases) {
    spanwise::RunOptions options;
    options.between_passes = c.fault;
    const spanwise::RunOutcome outcome =
        spanwise::AnalysisRun((folder / "Beam.sma").string(), options);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.fault, c.kind) << outcome.reason;
    EXPECT_EQ(outcome.reason.rfind(c.reason, 0), 0u) << outcome.reason;
    EXPECT_EQ(outcome.reason.find("Beam.sma") != std::string::npos,
              c.kind == spanwise::RunFault::kInternal)
        << outcome.reason;
  }
  fs::remove_all(folder);
}
