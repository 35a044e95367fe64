// A fault while writing the results (a full disk, a folder in the way, a
// read-only folder): never a fault of the data. The reason names the file by
// the name the user knows, e.g. "cannot write BM.TXT: No space left on device".
#pragma once

#include <stdexcept>
#include <string>

namespace spanwise {

class WriteError : public std::runtime_error {
 public:
  explicit WriteError(const std::string& reason) : std::runtime_error(reason) {}
};

// The user stopped the run; nothing was written.
class RunCancelled : public std::runtime_error {
 public:
  RunCancelled() : std::runtime_error("the analysis was cancelled") {}
};

}  // namespace spanwise
