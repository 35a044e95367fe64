// The ground floor's memory: blocks of every size come zeroed, hold what is
// written into them and never overlap, also when more blocks than fit in one
// huge page are alive at once.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

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
