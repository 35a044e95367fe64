#include "common/ZeroBlock.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <new>
#include <utility>

namespace spanwise {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kSmall = std::size_t{16} << 10;  // from the heap below this

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

// Medium blocks are cut one after the other from shared huge pages, never
// reused: fresh memory is zero. A huge page is given back when its last
// block goes.
struct Arena {
  std::mutex lock;
  char* current = nullptr;  // the huge page being cut
  std::size_t used = 0;
  std::map<char*, std::pair<void*, long>> pages;  // page -> (its mapping, blocks alive)
  std::map<char*, std::size_t> mapped;

  void* Take(std::size_t bytes) {
    std::lock_guard<std::mutex> hold(lock);
    bytes = (bytes + 63) & ~std::size_t{63};
    if (current == nullptr || used + bytes > kHugePage) {
      if (current != nullptr) Drop(current);  // the cutting's own reference
      void* mapping;
      std::size_t size;
      current = static_cast<char*>(MapHuge(kHugePage, mapping, size));
      pages[current] = {mapping, 1};
      mapped[current] = size;
      used = 0;
    }
    void* block = current + used;
    used += bytes;
    ++pages[current].second;
    return block;
  }

  void Give(void* block) {
    std::lock_guard<std::mutex> hold(lock);
    const auto at = reinterpret_cast<std::uintptr_t>(block) & ~(kHugePage - 1);
    Drop(reinterpret_cast<char*>(at));
  }

  void Drop(char* page) {
    auto it = pages.find(page);
    if (--it->second.second > 0) return;
    munmap(it->second.first, mapped[page]);
    mapped.erase(page);
    pages.erase(it);
  }
};

Arena& TheArena() {
  static Arena* arena = new Arena;  // lives as long as the program
  return *arena;
}

}  // namespace

ZeroBlock::ZeroBlock(std::size_t bytes) : size_(bytes) {
  if (bytes == 0) return;
  if (bytes > ~std::size_t{0} / 2) throw std::bad_alloc();
  if (bytes < kSmall) {
    data_ = std::calloc(bytes, 1);
    if (data_ == nullptr) throw std::bad_alloc();
  } else if (bytes <= kHugePage / 2) {
    data_ = TheArena().Take(bytes);
    arena_ = true;
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
      mapped_(std::exchange(other.mapped_, 0)),
      arena_(std::exchange(other.arena_, false)) {}

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
    arena_ = std::exchange(other.arena_, false);
  }
  return *this;
}

ZeroBlock::~ZeroBlock() { Release(); }

void ZeroBlock::Release() noexcept {
  if (mapping_ != nullptr) {
    munmap(mapping_, mapped_);
  } else if (arena_) {
    TheArena().Give(data_);
  } else {
    std::free(data_);
  }
  data_ = mapping_ = nullptr;
  size_ = mapped_ = 0;
  arena_ = false;
}

}  // namespace spanwise
