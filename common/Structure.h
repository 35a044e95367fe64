// The structure as the input file states it: joints, supports, materials,
// cross sections and members. One reader fills it (input/StructureInput.h);
// every later stage takes it by const reference. The short names are the
// classic procedures' (see the glossary in ARCHITECTURE.md); every array is
// 1-based, index 0 unused.
#pragma once

#include <vector>

#include "common/Array.h"
#include "common/Support.h"

namespace spanwise {

// The counts of the sections that size the structure's arrays: joints,
// materials, cross sections and members.
struct StructureCounts {
  long NJ = 0, NMT = 0, NXS = 0, NM = 0;
};

inline constexpr int kReleaseI = 1, kReleaseJ = 2;  // the bit of a released end

struct Structure {
  Structure() : Structure(StructureCounts{}) {}
  explicit Structure(const StructureCounts& counts)
      : NJ(counts.NJ),
        NMT(counts.NMT),
        NXS(counts.NXS),
        NM(counts.NM),
        XCoord("XCoord", {NJ}),
        supports(static_cast<std::size_t>(NJ) + 1),
        YM("YM", {NMT}),
        MI("MI", {NXS}),
        JN("JN", {NM, 2}),
        Property("Property", {NM, 2}) {}

  long NJ, NMT, NXS, NM;          // joints, materials, cross sections, members
  Array1 XCoord;                  // X coordinate of every joint
  std::vector<Support> supports;  // of every joint (free where no record names it)
  Array1 YM, MI;                  // E of every material, I of every cross section
  Array2 JN;                      // JN(m, 1), JN(m, 2): joints at end i and end j of member m
  Array2 Property;                // Property(m, 1), (m, 2): material and cross section of member m
  // The member ends that carry no moment (hinges): empty, or per member
  // 0..NM the bits kReleaseI and kReleaseJ.
  std::vector<unsigned char> released;

  // The support of joint j (1..NJ). Fault: InternalError outside.
  const Support& SupportOf(long j) const;
  // Per joint 0..NJ: true where every member end of stiffness (E*I != 0)
  // is released, at least one member ends, and no support or spring holds
  // the rotation. Such a rotation is no unknown of the beam: the solution
  // gives it 0 and the results none.
  std::vector<bool> LooseRotations() const;
  // The released ends of member m (1..NM): 0, kReleaseI, kReleaseJ or both.
  int ReleasesOf(long m) const {
    return released.empty() ? 0 : released.at(static_cast<std::size_t>(m));
  }
};

}  // namespace spanwise
