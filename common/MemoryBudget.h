// A model whose arrays would not fit in memory is a fault of the data,
// reported with the size it would need, never an allocation the system kills.
#pragma once

#include <string>

namespace spanwise {

// The memory a run may take: the smallest of three quarters of physical
// memory, the cgroup's memory limit (v2 memory.max, v1
// memory.limit_in_bytes, the tightest along the cgroup's path) and the
// address-space limit (RLIMIT_AS) less the address space already in use.
struct MemoryLimit {
  double bytes = 0;
  const char* source = "";  // the limit in words, e.g. "the cgroup's memory limit"
};
MemoryLimit AvailableMemory();

// Fault: bytes exceed AvailableMemory(). what in: what needs them, e.g.
// "7000000 members"; the reason names it, the bytes needed and the limit.
void CheckMemoryBudget(double bytes, const std::string& what);

}  // namespace spanwise
