// The ground floor's memory: blocks of every size come zeroed, hold what is
// written into them and never overlap, also when more blocks than fit in one
// huge page are alive at once; the memory a run may still take is the least
// of every figure the system gives.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/DataError.h"
#include "common/MemoryBudget.h"
#include "common/ZeroBlock.h"

using spanwise::ZeroBlock;

TEST(ZeroBlock, BlocksAreZeroSeparateAndKeepTheirBytes) {
  std::vector<ZeroBlock> blocks;
  for (std::size_t i = 0; i < 48; ++i) {
    // Huge, then the largest medium, then smaller and smaller.
    const std::size_t bytes = i < 6 ? (3u << 20) + i : i < 16 ? 1u << 20 : (48 - i) * 20'000 + i;
    ZeroBlock& block = blocks.emplace_back(bytes);
    ASSERT_EQ(block.size(), bytes);
    const unsigned char* data = static_cast<const unsigned char*>(block.data());
    EXPECT_TRUE(data[0] == 0 && data[bytes - 1] == 0 &&
                std::memcmp(data, data + 1, bytes - 1) == 0);
    std::memset(block.data(), static_cast<int>(i + 1), bytes);
  }
  ZeroBlock copy(blocks[3]);
  blocks.erase(blocks.begin(), blocks.begin() + 8);  // moved and given back on the way
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const unsigned char* data = static_cast<const unsigned char*>(blocks[i].data());
    EXPECT_TRUE(data[0] == i + 9 && std::memcmp(data, data + 1, blocks[i].size() - 1) == 0) << i;
  }
  EXPECT_EQ(static_cast<const unsigned char*>(copy.data())[copy.size() - 1], 4);
}

TEST(MemoryBudget, TheLeastFigureCountsAndARefusalTellsBothApart) {
  using Level = spanwise::MemoryReadings::CgroupLevel;
  const std::string meminfo =
      "MemTotal:       16000000 kB\nMemFree:         1000000 kB\n"
      "MemAvailable:    2000000 kB\n";
  const Level v2{false, "4000000000\n", "3000000000\n", "anon 1\ninactive_file 500000000\n"};
  const Level v1{true, "3000000000\n", "2900000000\n",
                 "inactive_file 7\ntotal_inactive_file 20000000\n"};
  const Level unlimited_v2{false, "max\n", "900000000000\n", "inactive_file 0\n"};
  const Level unlimited_v1{true, "9223372036854771712\n", "1\n", ""};
  const struct {
    const char* name;
    spanwise::MemoryReadings readings;
    double bytes;
    const char* source;
  } cases[] = {
      {"nothing known", {}, 1e300, "in total"},
      {"MemAvailable", {meminfo, {}, -1, 0}, 2048e6, "available on this machine"},
      {"cgroup v2: limit - usage + inactive files",
       {meminfo, {v2}, -1, 0},
       1500e6,
       "free under the memory limit of its cgroup"},
      {"cgroup v1: the tightest level",
       {meminfo, {unlimited_v1, v1, v2}, -1, 0},
       120e6,
       "free under the memory limit of its cgroup"},
      {"no limits along the path",
       {meminfo, {unlimited_v2, unlimited_v1}, -1, 0},
       2048e6,
       "available on this machine"},
      {"ulimit -v less what is in use",
       {meminfo, {v2}, 900e6, 100e6},
       800e6,
       "of address space left under ulimit -v"},
      {"ulimit -v already passed",
       {meminfo, {}, 100e6, 200e6},
       0,
       "of address space left under ulimit -v"},
  };
  for (const auto& c : cases) {
    const spanwise::FreeMemory free = spanwise::FreeMemoryOf(c.readings);
    EXPECT_EQ(free.bytes, c.bytes) << c.name;
    EXPECT_STREQ(free.source, c.source) << c.name;
  }
  const spanwise::MemoryReadings tight{"MemAvailable: 2120000 kB\n", {}, -1, 0};  // 2.17088 GB
  const struct {
    double bytes;
    const char* says;  // "" when it fits
  } asks[] = {
      {2170880000, ""},
      {2170880001, "x would need 2.170880001 GB more memory, more than the 2.17088 GB available"},
      {2174e6,
       "x would need 2.174 GB more memory, more than the 2.171 GB available on this machine"},
      {9e9, "the model is too large: x would need 9 GB more memory, more than the 2.17 GB"},
  };
  for (const auto& a : asks) {
    std::string said;
    try {
      spanwise::CheckMemoryBudget(a.bytes, "x", tight);
    } catch (const spanwise::DataError& refused) {
      said = refused.what();
    }
    EXPECT_NE(said.find(a.says), std::string::npos) << said;
    EXPECT_EQ(said.empty(), *a.says == 0) << said;
  }
}
