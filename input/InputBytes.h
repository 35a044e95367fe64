// The bytes of an input file, held in one block (run/ZeroBlock.h) rather
// than a string that grows: a long model's file is tens of megabytes, read
// once per reading pass, and the passes share one block. Offers the few
// string operations the field reader uses.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "common/ZeroBlock.h"

namespace spanwise {

class InputBytes {
 public:
  InputBytes() = default;
  explicit InputBytes(std::string_view text) : block_(text.size()), size_(text.size()) {
    if (size_ != 0) text.copy(data(), size_);
  }
  // bytes bytes, to be filled through data() and cut back with resize. The
  // block of the file read last is used again when it is large enough: the
  // reading passes read the same file.
  explicit InputBytes(std::size_t bytes) : size_(bytes) {
    if (Spare().size() >= bytes && bytes != 0) {
      block_ = std::move(Spare());
      Spare() = ZeroBlock();
    } else {
      Spare() = ZeroBlock();
      block_ = ZeroBlock(bytes);
    }
  }
  InputBytes(InputBytes&&) noexcept = default;
  InputBytes& operator=(InputBytes&& other) noexcept {
    Keep();
    block_ = std::move(other.block_);
    size_ = other.size_;
    other.size_ = 0;
    return *this;
  }
  InputBytes(const InputBytes&) = delete;
  InputBytes& operator=(const InputBytes&) = delete;
  ~InputBytes() { Keep(); }

  char* data() { return static_cast<char*>(block_.data()); }
  const char* data() const { return static_cast<const char*>(block_.data()); }
  std::size_t size() const { return size_; }
  void resize(std::size_t smaller) { size_ = smaller < size_ ? smaller : size_; }

  char operator[](std::size_t i) const { return data()[i]; }
  operator std::string_view() const { return std::string_view(data(), size_); }
  int compare(std::size_t pos, std::size_t count, const char* text) const {
    return std::string_view(*this).compare(pos, count, text);
  }
  std::string substr(std::size_t pos, std::size_t count) const {
    return std::string(std::string_view(*this).substr(pos, count));
  }
  void clear() {
    Keep();
    size_ = 0;
  }
  void shrink_to_fit() {}

 private:
  // The one block kept between reading passes.
  static ZeroBlock& Spare() {
    static ZeroBlock spare;
    return spare;
  }
  // Keeps a large block for the next pass, else lets it go.
  void Keep() {
    if (block_.size() >= (std::size_t{1} << 20) && block_.size() > Spare().size())
      Spare() = std::move(block_);
    block_ = ZeroBlock();
  }

  ZeroBlock block_;
  std::size_t size_ = 0;
};

}  // namespace spanwise
