// A model whose arrays would not fit in memory is a fault of the data,
// reported with the size it would need, never an allocation the system kills.
// A stage that allocates much asks first, with the bytes it has still to
// allocate (not those the run already holds): they are compared with what
// is free now.
#pragma once

#include <string>
#include <vector>

namespace spanwise {

// The texts and numbers the free memory is worked out from, as read from
// the system (ReadMemoryFigures) or given by a test.
struct MemoryReadings {
  std::string meminfo;  // /proc/meminfo; empty when unreadable
  // Every level of the process's memory cgroups, from its own up to the
  // root: the limit (v2 memory.max, v1 memory.limit_in_bytes), the usage
  // (memory.current, memory.usage_in_bytes) and memory.stat, as texts (empty
  // when unreadable).
  struct CgroupLevel {
    bool v1 = false;
    std::string limit, usage, stat;
  };
  std::vector<CgroupLevel> cgroup;
  double address_limit = -1;  // RLIMIT_AS in bytes; < 0 without one
  double address_used = 0;    // the process's address space now, in bytes
};

MemoryReadings ReadMemoryFigures();

// The bytes a run may still allocate: the least of MemAvailable, of every
// cgroup level's limit less its usage plus its inactive file cache (which
// the kernel drops before it kills), and of the address space left under
// RLIMIT_AS. Without any figure, unbounded (a huge number).
struct FreeMemory {
  double bytes = 0;
  const char* source = "";  // where it is free, in words, e.g. "in this process's cgroup"
};
FreeMemory FreeMemoryOf(const MemoryReadings& readings);

// Fault (DataError): bytes, still to be allocated, exceed what is free.
// what in: what needs them, e.g. "7000000 members"; the reason names it and
// both figures, with as many digits as tell them apart.
void CheckMemoryBudget(double bytes, const std::string& what);
void CheckMemoryBudget(double bytes, const std::string& what, const MemoryReadings& readings);

}  // namespace spanwise
