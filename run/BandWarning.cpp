#include "run/BandWarning.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "common/PlainNumber.h"
#include "run/RunMemory.h"

namespace spanwise {

std::string BandWarning(long NJ, long NM, Array2& JN, Array1& XCoord, long HalfBand) {
  // Joints in order give at least 3: a band this narrow cannot be too wide.
  if (HalfBand <= 6 || NJ < 2) return {};
  for (long j = 1; j <= NJ; ++j)
    if (std::isnan(XCoord(j))) return {};  // no order to sort by
  std::vector<long> order(static_cast<std::size_t>(NJ));
  std::iota(order.begin(), order.end(), 1L);
  std::stable_sort(order.begin(), order.end(),
                   [&](long a, long b) { return XCoord(a) < XCoord(b); });
  std::vector<long> rank(static_cast<std::size_t>(NJ) + 1);
  for (std::size_t i = 0; i < order.size(); ++i)
    rank[static_cast<std::size_t>(order[i])] = static_cast<long>(i) + 1;
  long ordered = 0;
  for (long m = 1; m <= NM; ++m) {
    const long apart = std::labs(rank.at(static_cast<std::size_t>(WholeIndex(JN(m, 1)))) -
                                 rank.at(static_cast<std::size_t>(WholeIndex(JN(m, 2)))));
    ordered = std::max(ordered, 2 * apart + 1);
  }
  if (HalfBand <= 2 * ordered) return {};
  const long m = WidestMember(NM, JN);
  return "member " + std::to_string(m) + " joins joints " + PlainNumber(JN(m, 1)) + " and " +
         PlainNumber(JN(m, 2)) +
         "; numbering joints in order along the beam makes the analysis far faster";
}

}  // namespace spanwise
