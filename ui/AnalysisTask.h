// The analysis run off the user-interface thread: the windows stay
// responsive, a progress dialog with Cancel appears when the run takes more
// than half a second, and Cancel leaves the old results.
#pragma once

#include <QWidget>
#include <string>

#include "run/AnalysisRun.h"

namespace spanwise::ui {

// Runs AnalysisRun(input, options) on a thread of its own while events are handled
// here; owner (may be null) parents the window-modal progress dialog.
// Returns when the run has ended; a cancelled run ends as RunFault::kCancelled.
RunOutcome AnalyseWithProgress(const std::string& input, RunOptions options, QWidget* owner);

}  // namespace spanwise::ui
