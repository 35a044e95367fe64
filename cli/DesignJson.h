// The design values of a run as one JSON document (spanwise-analyse --json).
#pragma once

#include <string>
#include <vector>

#include "run/AnalysisRun.h"

namespace spanwise {

// The document: "joints", "members", "equilibrium" and "warnings" (see the
// README), and "combinations" and "units" when the input has them; numbers in the shortest form
// that reads back to the same double, null where a value is absent.
std::string DesignJson(const DesignValues& design, const std::vector<std::string>& warnings);

}  // namespace spanwise
