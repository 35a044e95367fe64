#include <numeric>
#include <string>
#include <vector>

#include "common/DataError.h"
#include "common/PlainNumber.h"
#include "stiffness/NumberList.h"
#include "stiffness/Stiffness.h"
#include "stiffness/UnionFind.h"

namespace spanwise {
namespace {

struct Group {
  std::vector<long> joints;
  long vertical = 0;   // vertically restrained joints
  double first_x = 0;  // X of the first of them
  bool two_positions = false;
  bool rotational = false;  // any rotation restrained

  bool Stable() const { return two_positions || (vertical > 0 && rotational); }
};

[[noreturn]] void Unstable(const Group& g) {
  const bool one = g.joints.size() == 1;
  std::string reason = "the beam is unstable: " + NumberList("joint ", "joints ", g.joints) +
                       (one ? " is" : " are") +
                       (one ? " connected by no stiff member and" : " joined by stiff members but");
  if (g.vertical == 0) {
    reason += " held by no vertical support";
  } else {
    reason +=
        " held vertically only at X = " + PlainNumber(g.first_x) + " and nowhere against rotation";
  }
  throw DataError(reason + ", so " + (one ? "it" : "they") + " can move freely",
                  RecordRef{kJointsSection, g.joints.front()});
}

}  // namespace

void CheckStability(const Structure& structure) {
  const auto& [NJ, NMT, NXS, NM, XCoord, supports, YM, MI, JN, Property, released] = structure;
  std::vector<long> parent(static_cast<std::size_t>(NJ) + 1);
  std::iota(parent.begin(), parent.end(), 0L);
  for (long m = 1; m <= NM; ++m) {
    if (YM(Property(m, 1)) * MI(Property(m, 2)) == 0) continue;  // no stiffness joins its ends
    const long a = Root(parent, static_cast<long>(JN(m, 1)));
    const long b = Root(parent, static_cast<long>(JN(m, 2)));
    if (a != b) parent[std::max(a, b)] = std::min(a, b);
  }

  std::vector<Group> groups(static_cast<std::size_t>(NJ) + 1);
  for (long j = 1; j <= NJ; ++j) {
    Group& g = groups[Root(parent, j)];
    g.joints.push_back(j);
    const Support& support = structure.SupportOf(j);
    if (support.HoldsRotation()) g.rotational = true;
    if (!support.HoldsVertical()) continue;
    if (g.vertical == 0) g.first_x = XCoord(j);
    if (g.vertical > 0 && XCoord(j) != g.first_x) g.two_positions = true;
    ++g.vertical;
  }
  for (long j = 1; j <= NJ; ++j)
    if (!groups[j].joints.empty() && !groups[j].Stable()) Unstable(groups[j]);
  // Each group is held as a whole; released ends may still let parts move.
  if (!structure.released.empty()) CheckMechanism(structure);
}

}  // namespace spanwise
