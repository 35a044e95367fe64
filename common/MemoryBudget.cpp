#include "common/MemoryBudget.h"

#include <sys/resource.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string_view>

#include "common/DataError.h"
#include "common/PlainNumber.h"

namespace spanwise {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The whole number that text starts with (after blanks), or -1 ("max", none).
double LeadingNumber(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return -1;
  double value = -1;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  return error == std::errc() && end != text.data() + start ? value : -1;
}

// The number after key at the start of a line of text ("key 123" or
// "key: 123 kB"), or -1.
double Field(std::string_view text, std::string_view key) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    const std::string_view line = text.substr(at, end - at);
    if (line.substr(0, key.size()) == key && line.size() > key.size() &&
        (line[key.size()] == ' ' || line[key.size()] == ':'))
      return LeadingNumber(line.substr(key.size() + 1));
    at = end + 1;
  }
  return -1;
}

// The folders of a cgroup from path up to the hierarchy's root.
void AddLevels(const std::string& root, std::string path, bool v1,
               std::vector<MemoryReadings::CgroupLevel>& levels) {
  while (true) {
    const std::string folder = root + (path == "/" ? "" : path) + "/";
    levels.push_back({v1, ReadText(folder + (v1 ? "memory.limit_in_bytes" : "memory.max")),
                      ReadText(folder + (v1 ? "memory.usage_in_bytes" : "memory.current")),
                      ReadText(folder + "memory.stat")});
    if (path.empty() || path == "/") break;
    path = path.substr(0, path.find_last_of('/'));
  }
}

// Gigabytes with as many decimals (2 to 9) as make need and free differ.
void TwoFigures(double need, double free, std::string& need_text, std::string& free_text) {
  double scale = 100;
  for (int decimals = 2; decimals <= 9; ++decimals, scale = scale * 10) {
    need_text = PlainNumber(std::round(need / 1e9 * scale) / scale);
    free_text = PlainNumber(std::round(free / 1e9 * scale) / scale);
    if (need_text != free_text) return;
  }
}

}  // namespace

MemoryReadings ReadMemoryFigures() {
  MemoryReadings readings;
  readings.meminfo = ReadText("/proc/meminfo");
  std::ifstream cgroups("/proc/self/cgroup");
  std::string line;
  while (std::getline(cgroups, line)) {
    // "0::/path" (v2) or "4:memory:/path" (v1).
    const std::size_t first = line.find(':');
    const std::size_t second = line.find(':', first + 1);
    if (first == std::string::npos || second == std::string::npos) continue;
    std::string controllers = ",";
    controllers.append(line, first + 1, second - first - 1).append(",");
    const std::string path = line.substr(second + 1);
    if (controllers == ",,")
      AddLevels("/sys/fs/cgroup", path, false, readings.cgroup);
    else if (controllers.find(",memory,") != std::string::npos)
      AddLevels("/sys/fs/cgroup/memory", path, true, readings.cgroup);
  }
  rlimit address_space{};
  if (getrlimit(RLIMIT_AS, &address_space) == 0 && address_space.rlim_cur != RLIM_INFINITY) {
    readings.address_limit = static_cast<double>(address_space.rlim_cur);
    // /proc/self/statm starts with the address space's size in pages.
    readings.address_used = std::max(0.0, LeadingNumber(ReadText("/proc/self/statm"))) *
                            static_cast<double>(sysconf(_SC_PAGE_SIZE));
  }
  return readings;
}

FreeMemory FreeMemoryOf(const MemoryReadings& readings) {
  FreeMemory free{1e300, "in total"};
  const auto tighter = [&free](double bytes, const char* source) {
    if (bytes < free.bytes) free = {bytes < 0 ? 0 : bytes, source};
  };
  const double available = Field(readings.meminfo, "MemAvailable");
  if (available >= 0) tighter(available * 1024, "available on this machine");
  for (const MemoryReadings::CgroupLevel& level : readings.cgroup) {
    const double limit = LeadingNumber(level.limit), usage = LeadingNumber(level.usage);
    // v1 writes "no limit" as a number near 2^63, v2 as "max".
    if (limit < 0 || limit >= 1e18 || usage < 0) continue;
    const double inactive = Field(level.stat, level.v1 ? "total_inactive_file" : "inactive_file");
    tighter(limit - usage + std::max(inactive, 0.0), "free under the memory limit of its cgroup");
  }
  if (readings.address_limit >= 0)
    tighter(readings.address_limit - readings.address_used,
            "of address space left under ulimit -v");
  return free;
}

void CheckMemoryBudget(double bytes, const std::string& what, const MemoryReadings& readings) {
  const FreeMemory free = FreeMemoryOf(readings);
  if (bytes <= free.bytes) return;
  std::string need_text, free_text;
  TwoFigures(bytes, free.bytes, need_text, free_text);
  throw DataError("the model is too large: " + what + " would need " + need_text +
                  " GB more memory, more than the " + free_text + " GB " + free.source);
}

void CheckMemoryBudget(double bytes, const std::string& what) {
  CheckMemoryBudget(bytes, what, ReadMemoryFigures());
}

}  // namespace spanwise
