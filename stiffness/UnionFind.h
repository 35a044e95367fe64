// Joints and members grouped into parts that move together: the root of k's
// part in parent (parent[k] == k at a root), halving the path as it goes.
#pragma once

#include <vector>

namespace spanwise {

inline long Root(std::vector<long>& parent, long k) {
  while (parent[k] != k) k = parent[k] = parent[parent[k]];
  return k;
}

}  // namespace spanwise
