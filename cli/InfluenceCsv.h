// The influence line of spanwise-analyse --influence: its quantity as
// typed, and the line as CSV.
#pragma once

#include <string>

#include "run/AnalysisRun.h"  // InfluenceLine, InfluenceQuantity

namespace spanwise {

// Reads M:m:x, V:m:x, v:m:x (member m >= 1, x a number) or R:j:fy, R:j:mz
// (joint j >= 1) into quantity: "" when it reads, else why not. Whether the
// beam has that member, section or reaction the run checks.
std::string ParseQuantity(const std::string& text, InfluenceQuantity& quantity);

// "position,value" then a row per point, CR LF after each: every
// breakpoint (twice where the line jumps: the value before, then after;
// a jump is a difference beyond 1e-9 of the line's largest |value|) and ten
// evenly spaced points inside each piece; numbers in the shortest form
// that reads back exactly (std::to_chars).
std::string InfluenceCsv(const InfluenceLine& line);

}  // namespace spanwise
