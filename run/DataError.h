// The one error type of the analysis: a fault in the input data or in the
// arithmetic it leads to. It carries a reason in plain words and, where one
// applies, the input line the reason names.
#pragma once

#include <stdexcept>
#include <string>

namespace spanwise {

class DataError : public std::runtime_error {
 public:
  // reason: what is wrong and where, e.g. "line 14, members record 2: ...".
  // line:   the 1-based input line the reason names, 0 when none applies.
  explicit DataError(const std::string& reason, int line = 0)
      : std::runtime_error(reason), line_(line) {}

  int line() const { return line_; }

 private:
  int line_;
};

}  // namespace spanwise
