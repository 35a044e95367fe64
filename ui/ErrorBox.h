// The messages an analysis ends with when it did not simply succeed.
#pragma once

#include <QString>

class QWidget;

namespace spanwise {
struct RunOutcome;
}

namespace spanwise::ui {

// The modal box for a run that failed (outcome.ok false), by its fault:
//   data:     "Error In Your Data", the reason the core gives in sight;
//   internal: "Internal error", the reason and a request for Beam.sma;
//   write:    "Could not write the results", the reason;
//   cancelled: no box, the user knows.
// input_path (in) names Beam.sma in the request. Returns when dismissed.
void ShowRunFault(QWidget* parent, const RunOutcome& outcome, const QString& input_path);

// A non-modal notice listing the run's warnings, or nothing when it has
// none. Returns at once; the notice closes itself when dismissed.
void ShowRunWarnings(QWidget* parent, const RunOutcome& outcome);

}  // namespace spanwise::ui
