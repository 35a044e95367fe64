// A run depends on nothing but its own input: it reads the input once (a
// file replaced meanwhile or a FIFO gives one model's results), shares no
// state with a run on another thread, and tells a fault of the program from
// an error in the data.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>

#include "common/DataError.h"
#include "common/InternalError.h"
#include "run/AnalysisRun.h"
#include "tests/support/Files.h"

using namespace spanwise::test;

namespace {

const fs::path kGolden = kData / "golden";

std::string Results(const fs::path& folder) {
  return Slurp(folder / "Beam.txt") + Slurp(folder / "BM.TXT") + Slurp(folder / "SF.TXT");
}

}  // namespace

TEST(RunIsolation, TwoRunsAtOnceWriteWhatTwoRunsInTurnWrite) {
  // Inputs of megabytes (a long label), as large models have, with quick analyses.
  const auto large = [](const char* model) {
    std::string text = Slurp(kGolden / model / "Beam.sma");
    return text.insert(text.find(", ") + 2, std::string(2'000'000, 'x'));
  };
  const ScratchFolder scratch_a, scratch_b;
  const fs::path a = scratch_a.Write(large("mended")).parent_path();
  const fs::path b = scratch_b.Write(large("station-reach")).parent_path();
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
}

// The input replaced between the passes, as an editor saves (a new file
// renamed over the old), or a FIFO: the results of the model first read.
TEST(RunIsolation, ReadsTheInputOnce) {
  for (const bool fifo : {false, true}) {
    const ScratchFolder scratch;
    const fs::path input = scratch.path() / "Beam.sma";
    spanwise::RunOptions options;
    if (!fifo) scratch.Write(Example());
    if (!fifo)
      options.between_passes = [&] {
        fs::rename(scratch.Write(Slurp(kGolden / "mended/Beam.sma"), "new.sma"), input);
      };
    ASSERT_TRUE(!fifo || mkfifo(input.c_str(), 0600) == 0);
    std::thread writer([&] {
      if (fifo) std::ofstream(input, std::ios::binary) << Example();
    });
    const spanwise::RunOutcome outcome = spanwise::AnalysisRun(input.string(), options);
    writer.join();
    ASSERT_TRUE(outcome.ok) << outcome.reason;
    EXPECT_EQ(Results(scratch.path()), Results(kGolden / "example")) << fifo;
  }
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
  const ScratchFolder scratch;
  const fs::path input = scratch.Write(Example());
  for (const auto& c : cases) {
    spanwise::RunOptions options;
    options.between_passes = c.fault;
    const spanwise::RunOutcome outcome = spanwise::AnalysisRun(input.string(), options);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.fault, c.kind) << outcome.reason;
    EXPECT_EQ(outcome.reason.rfind(c.reason, 0), 0u) << outcome.reason;
    EXPECT_EQ(outcome.reason.find("Beam.sma") != std::string::npos,
              c.kind == spanwise::RunFault::kInternal)
        << outcome.reason;
  }
}
