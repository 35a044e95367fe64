#include "common/ZeroBlock.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace spanwise {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// bytes of fresh zero memory from the system, starting on a huge page
// boundary and in huge pages where the system offers them. mapping and
// mapped receive what to unmap.
void* MapHuge(std::size_t bytes, void*& mapping, std::size_t& mapped) {
  mapped = bytes + kHugePage;  // room to align
  mapping = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapping == MAP_FAILED) {
    mapping = nullptr;
    throw std::bad_alloc();
  }
  const auto at = reinterpret_cast<std::uintptr_t>(mapping);
  void* const data = reinterpret_cast<void*>((at + kHugePage - 1) & ~(kHugePage - 1));
  madvise(data, bytes, MADV_HUGEPAGE);  // a hint: without it the block still works
  return data;
}

}  // namespace

ZeroBlock::ZeroBlock(std::size_t bytes) : size_(bytes) {
  if (bytes == 0) return;
  if (bytes > ~std::size_t{0} / 2) throw std::bad_alloc();
  if (bytes <= kHugePage / 2) {
    data_ = std::calloc(bytes, 1);
    if (data_ == nullptr) throw std::bad_alloc();
  } else {
    data_ = MapHuge(bytes, mapping_, mapped_);
  }
}

ZeroBlock::ZeroBlock(const ZeroBlock& other) : ZeroBlock(other.size_) {
  if (size_ != 0) std::memcpy(data_, other.data_, size_);
}

ZeroBlock::ZeroBlock(ZeroBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      mapping_(std::exchange(other.mapping_, nullptr)),
      mapped_(std::exchange(other.mapped_, 0)) {}

ZeroBlock& ZeroBlock::operator=(const ZeroBlock& other) {
  if (this != &other) *this = ZeroBlock(other);
  return *this;
}

ZeroBlock& ZeroBlock::operator=(ZeroBlock&& other) noexcept {
  if (this != &other) {
    Release();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    mapping_ = std::exchange(other.mapping_, nullptr);
    mapped_ = std::exchange(other.mapped_, 0);
  }
  return *this;
}

ZeroBlock::~ZeroBlock() { Release(); }

void ZeroBlock::Release() noexcept {
  if (mapping_ != nullptr) {
    munmap(mapping_, mapped_);
  } else {
    std::free(data_);
  }
  data_ = mapping_ = nullptr;
  size_ = mapped_ = 0;
}

}  // namespace spanwise
