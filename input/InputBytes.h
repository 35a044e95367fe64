// The bytes of an input file, held in one block (common/ZeroBlock.h) rather
// than a string that grows: a long model's file is tens of megabytes. The
// run reads its input once into these bytes, and every pass over the input
// reads them, so all passes see the same model.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/ZeroBlock.h"

namespace spanwise {

class InputBytes {
 public:
  InputBytes() = default;
  explicit InputBytes(std::string_view text) : block_(text.size()), size_(text.size()) {
    if (size_ != 0) text.copy(data(), size_);
  }
  // bytes zero bytes, to be filled through data() and cut back with resize.
  explicit InputBytes(std::size_t bytes) : block_(bytes), size_(bytes) {}
  InputBytes(InputBytes&& other) noexcept = default;
  InputBytes& operator=(InputBytes&& other) noexcept = default;
  InputBytes(const InputBytes&) = delete;
  InputBytes& operator=(const InputBytes&) = delete;

  char* data() { return static_cast<char*>(block_.data()); }
  const char* data() const { return static_cast<const char*>(block_.data()); }
  std::size_t size() const { return size_; }
  void resize(std::size_t smaller) { size_ = smaller < size_ ? smaller : size_; }
  std::string_view view() const { return std::string_view(data(), size_); }

 private:
  ZeroBlock block_;
  std::size_t size_ = 0;
};

// Reads the whole file at path: a regular file at once into a block of its
// size, anything else (a FIFO, a terminal) as a stream to its end.
// Fault: DataError when it cannot be opened or read.
InputBytes ReadInputFile(const std::string& path);

}  // namespace spanwise
