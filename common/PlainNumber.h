// Numbers in the reasons of errors and warnings, written as an engineer types
// them, independent of the locale.
#pragma once

#include <string>

namespace spanwise {

// The shortest text that reads back exactly: 0.0004 and 200000000 while they
// stay short, else 1E300 and 4.5E-12, never C's 1e+300.
std::string PlainNumber(double v);

}  // namespace spanwise
