// A zero-filled block of memory for the model's large arrays and the input
// file's bytes. Large blocks are taken straight from the system, already
// zero and in huge pages where it offers them: touching fresh memory page
// by page costs more than all the arithmetic of a run. Smaller blocks come
// from the heap. No state is shared between blocks, so runs on several
// threads never meet here.
#pragma once

#include <cstddef>

namespace spanwise {

class ZeroBlock {
 public:
  ZeroBlock() = default;
  // bytes zero-filled bytes; std::bad_alloc when the system has none.
  explicit ZeroBlock(std::size_t bytes);
  ZeroBlock(const ZeroBlock& other);
  ZeroBlock(ZeroBlock&& other) noexcept;
  ZeroBlock& operator=(const ZeroBlock& other);
  ZeroBlock& operator=(ZeroBlock&& other) noexcept;
  ~ZeroBlock();

  void* data() { return data_; }
  const void* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  void Release() noexcept;

  void* data_ = nullptr;
  std::size_t size_ = 0;
  void* mapping_ = nullptr;  // the system's mapping when the block is one
  std::size_t mapped_ = 0;
};

}  // namespace spanwise
