// A record left out or added without changing its section's count makes a
// later field fail, and the reason then names that later line. On a failed
// read this tries, on the bytes it holds, each section count read before the
// fault one lower and one higher; a change that lets the whole file read
// through is the likely slip.
#pragma once

#include <string>
#include <string_view>

namespace spanwise {

// Input in: the bytes of an input file whose run failed. Returns the
// sentence to add to the reason, e.g. "The joints' count on line 1 says 4,
// but 3 joint records follow it: is one missing?", or "" when no single
// count one lower or higher lets the file read through, and when the file
// reads through as it is (its fault is not the reading's). Never throws a
// DataError.
std::string CountSlip(std::string_view Input);

}  // namespace spanwise
