#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "common/DataError.h"
#include "stiffness/NumberList.h"
#include "stiffness/Stiffness.h"
#include "stiffness/UnionFind.h"

namespace spanwise {
namespace {

// A rigid part: its motion is v(x) = a + b x. One point held (pinned) leaves
// it turning about that point, a held rotation leaves it moving up and down;
// both, or two points at different X, hold it still.
struct Part {
  std::vector<long> joints;   // every joint a member of the part ends at
  std::vector<long> members;  // in member order
  bool pinned = false, rotation = false, held = false;
  long pivot = 0;  // the joint it is pinned at
  double x = 0;
};

}  // namespace

void CheckMechanism(const Structure& structure) {
  // Plain references: lambdas below capture them (not structured bindings).
  const long NJ = structure.NJ, NM = structure.NM;
  const Array1 &YM = structure.YM, &MI = structure.MI, &XCoord = structure.XCoord;
  const Array2 &JN = structure.JN, &Property = structure.Property;
  const auto stiff = [&](long m) { return YM(Property(m, 1)) * MI(Property(m, 2)) != 0; };
  const auto end = [&](long m, int e) { return static_cast<long>(JN(m, e)); };
  // Joints are 1..NJ, member m is NJ + m; an end that keeps its moment
  // joins its member and joint into one part.
  std::vector<long> parent(static_cast<std::size_t>(NJ + NM) + 1);
  std::iota(parent.begin(), parent.end(), 0L);
  for (long m = 1; m <= NM; ++m) {
    if (!stiff(m)) continue;
    for (int e = 1; e <= 2; ++e) {
      if ((structure.ReleasesOf(m) & (e == 1 ? kReleaseI : kReleaseJ)) != 0) continue;
      const long a = Root(parent, NJ + m), b = Root(parent, end(m, e));
      if (a != b) parent[std::max(a, b)] = std::min(a, b);
    }
  }
  std::vector<long> part_of(parent.size(), -1);
  std::vector<Part> parts;
  std::vector<std::vector<long>> parts_at(static_cast<std::size_t>(NJ) + 1);
  for (long m = 1; m <= NM; ++m) {
    if (!stiff(m)) continue;
    long& p = part_of[Root(parent, NJ + m)];
    if (p < 0) {
      p = static_cast<long>(parts.size());
      parts.emplace_back();
    }
    parts[p].members.push_back(m);
    for (int e = 1; e <= 2; ++e) {
      std::vector<long>& at = parts_at[end(m, e)];
      if (at.empty() || at.back() != p) at.push_back(p);
      parts[p].joints.push_back(end(m, e));
    }
  }
  std::vector<bool> still(static_cast<std::size_t>(NJ) + 1, false);  // v known zero
  std::vector<long> work;
  for (long j = 1; j <= NJ; ++j) {
    const Support& support = structure.SupportOf(j);
    const long p = part_of[Root(parent, j)];
    if (support.HoldsRotation() && p >= 0) parts[p].rotation = true;
    if (support.HoldsVertical()) {
      still[j] = true;
      work.push_back(j);
    }
  }
  // Every joint held still pins the parts that meet there; a part held
  // still holds every joint it meets.
  while (!work.empty()) {
    const long j = work.back();
    work.pop_back();
    for (const long p : parts_at[j]) {
      Part& part = parts[p];
      if (part.held) continue;
      if (!part.pinned) {
        part.pinned = true;
        part.pivot = j;
        part.x = XCoord(j);
        part.held = part.rotation;
      } else {
        part.held = XCoord(j) != part.x;
      }
      if (!part.held) continue;
      for (const long k : part.joints) {
        if (still[k]) continue;
        still[k] = true;
        work.push_back(k);
      }
    }
  }
  for (const Part& first : parts) {
    if (first.held) continue;
    // The parts that move with it: joined through joints that move.
    std::vector<bool> in(parts.size(), false);
    std::vector<long> members, pivots, moving;
    std::vector<const Part*> todo{&first};
    in[static_cast<std::size_t>(&first - parts.data())] = true;
    bool rotation = false;
    while (!todo.empty()) {
      const Part& part = *todo.back();
      todo.pop_back();
      members.insert(members.end(), part.members.begin(), part.members.end());
      if (part.pinned) pivots.push_back(part.pivot);
      rotation = rotation || part.rotation;
      for (const long k : part.joints) {
        if (still[k]) continue;
        moving.push_back(k);
        for (const long q : parts_at[k]) {
          if (in[q]) continue;
          in[q] = true;
          todo.push_back(&parts[q]);
        }
      }
    }
    std::sort(members.begin(), members.end());
    std::sort(pivots.begin(), pivots.end());
    long free_joint = *std::min_element(moving.begin(), moving.end());
    for (const long k : moving)  // a hinge between two moving parts says it best
      if (parts_at[k].size() > 1 && parts_at[free_joint].size() < 2) free_joint = k;
    const auto hinge = [&](long j) {
      for (long m = 1; m <= NM; ++m)
        for (int e = 1; e <= 2; ++e)
          if (end(m, e) == j && (structure.ReleasesOf(m) & (e == 1 ? kReleaseI : kReleaseJ)) != 0)
            return "the hinge at joint " + std::to_string(j);
      return "joint " + std::to_string(j);
    };
    std::string how;
    if (pivots.empty()) {
      how = rotation ? " can move up and down: nothing holds " : " can move freely: nothing holds ";
    } else {
      how = " can turn about ";
      for (std::size_t k = 0; k < pivots.size() && k < 4; ++k)
        how += (k == 0 ? "" : k + 1 == pivots.size() ? " and " : ", ") + hinge(pivots[k]);
      how += ": nothing holds ";
    }
    throw DataError("the beam is a mechanism: " + NumberList("member ", "members ", members) + how +
                        hinge(free_joint) + " vertically",
                    RecordRef{kMembersSection, members.front()});
  }
}

}  // namespace spanwise
