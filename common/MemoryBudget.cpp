#include "common/MemoryBudget.h"

#include <sys/resource.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <fstream>

#include "common/DataError.h"
#include "common/PlainNumber.h"

namespace spanwise {
namespace {

// The first whole number in file, or -1 ("max", missing, unreadable).
double ReadNumber(const std::string& path) {
  std::ifstream file(path);
  std::string word;
  if (!(file >> word)) return -1;
  double value = -1;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  return error == std::errc() && end == word.data() + word.size() ? value : -1;
}

// The tightest limit from the cgroup's folder up to the hierarchy's root.
double CgroupLimit(const std::string& root, std::string path, const char* file) {
  double limit = -1;
  while (true) {
    const double value = ReadNumber(root + path + "/" + file);
    // v1 writes "no limit" as a number near 2^63.
    if (value > 0 && value < 1e18 && (limit < 0 || value < limit)) limit = value;
    if (path.empty() || path == "/") break;
    path = path.substr(0, path.find_last_of('/'));
  }
  return limit;
}

double CgroupMemoryLimit() {
  std::ifstream cgroups("/proc/self/cgroup");
  std::string line;
  double limit = -1;
  while (std::getline(cgroups, line)) {
    // "0::/path" (v2) or "4:memory:/path" (v1).
    const std::size_t first = line.find(':');
    const std::size_t second = line.find(':', first + 1);
    if (first == std::string::npos || second == std::string::npos) continue;
    const std::string controllers = line.substr(first + 1, second - first - 1);
    const std::string path = line.substr(second + 1);
    double value = -1;
    if (controllers.empty())
      value = CgroupLimit("/sys/fs/cgroup", path, "memory.max");
    else if (controllers == "memory" || controllers.find(",memory") != std::string::npos ||
             controllers.rfind("memory,", 0) == 0)
      value = CgroupLimit("/sys/fs/cgroup/memory", path, "memory.limit_in_bytes");
    if (value > 0 && (limit < 0 || value < limit)) limit = value;
  }
  return limit;
}

// Address space in use now, from /proc/self/statm (in pages).
double VirtualSize() {
  std::ifstream statm("/proc/self/statm");
  double pages = 0;
  std::string word;
  if (statm >> word) std::from_chars(word.data(), word.data() + word.size(), pages);
  return pages * static_cast<double>(sysconf(_SC_PAGE_SIZE));
}

// Gigabytes with two decimals: 3.41.
std::string Gigabytes(double bytes) { return PlainNumber(std::round(bytes / 1e7) / 100); }

}  // namespace

MemoryLimit AvailableMemory() {
  MemoryLimit limit{0.75 * static_cast<double>(sysconf(_SC_PHYS_PAGES)) *
                        static_cast<double>(sysconf(_SC_PAGE_SIZE)),
                    "three quarters of this machine's memory"};
  const double cgroup = CgroupMemoryLimit();
  if (cgroup > 0 && cgroup < limit.bytes)
    limit = {cgroup, "the memory limit of this process group"};
  rlimit address_space{};
  if (getrlimit(RLIMIT_AS, &address_space) == 0 && address_space.rlim_cur != RLIM_INFINITY) {
    const double left = static_cast<double>(address_space.rlim_cur) - VirtualSize();
    if (left < limit.bytes) limit = {left < 0 ? 0 : left, "the address space left under ulimit -v"};
  }
  return limit;
}

void CheckMemoryBudget(double bytes, const std::string& what) {
  const MemoryLimit limit = AvailableMemory();
  if (bytes <= limit.bytes) return;
  throw DataError("the model is too large: " + what + " would need " + Gigabytes(bytes) +
                  " GB of memory, more than the " + Gigabytes(limit.bytes) + " GB of " +
                  limit.source);
}

}  // namespace spanwise
