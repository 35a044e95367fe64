// The design values of a run, for the core tests.
#pragma once

#include <gtest/gtest.h>

#include "run/AnalysisRun.h"
#include "tests/support/Files.h"

namespace spanwise::test {

// The design values of a run of input that must succeed, and without a
// warning when quiet (every block read); empty values when it fails.
inline DesignValues DesignOf(const fs::path& input, RunOptions options = {}, bool quiet = false) {
  options.keep_design = true;
  const RunOutcome outcome = AnalysisRun(input, options);
  EXPECT_TRUE(outcome.ok) << outcome.reason;
  EXPECT_TRUE(!quiet || outcome.warnings.empty()) << outcome.warnings.front();
  return outcome.ok ? *outcome.design : DesignValues{};
}

}  // namespace spanwise::test
