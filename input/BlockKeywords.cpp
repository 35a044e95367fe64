#include "input/BlockKeywords.h"

namespace spanwise {

const BlockKeyword* FindBlockKeyword(std::string_view word) {
  for (const BlockKeyword& keyword : kBlockKeywords)
    if (word == keyword.word) return &keyword;
  return nullptr;
}

std::string BlockKeywordList() {
  std::string list;
  for (std::size_t k = 0; k < kBlockKeywords.size(); ++k) {
    if (k > 0) list += k + 1 == kBlockKeywords.size() ? " or " : ", ";
    list += kBlockKeywords[k].word;
  }
  return list;
}

}  // namespace spanwise
