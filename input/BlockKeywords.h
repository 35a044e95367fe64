// The optional blocks after the joint loads: each starts with its keyword
// and a count (UNITS with its two units). This table is the one place that
// names them.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace spanwise {

enum class Block { kSprings, kReleases, kSettlements, kCases, kCombinations, kUnits };

struct BlockKeyword {
  Block block;
  const char* word;  // exactly as typed: upper case
  // Blocks of a nonzero rank stand in rising rank (COMBINATIONS factor the
  // cases before them); rank 0 blocks stand anywhere among them.
  int rank;
  const char* record;  // its records in words, for "after the last combination"
};

inline constexpr std::array<BlockKeyword, 6> kBlockKeywords{{
    {Block::kSprings, "SPRINGS", 0, "spring"},
    {Block::kReleases, "RELEASES", 0, "release"},
    {Block::kSettlements, "SETTLEMENTS", 0, "settlement"},
    {Block::kCases, "CASES", 1, "case"},
    {Block::kCombinations, "COMBINATIONS", 2, "combination"},
    {Block::kUnits, "UNITS", 0, "UNITS record"},
}};

// The row of word, or nullptr when word is no block keyword.
const BlockKeyword* FindBlockKeyword(std::string_view word);

// The keywords in words for a reason: "CASES or COMBINATIONS".
std::string BlockKeywordList();

}  // namespace spanwise
