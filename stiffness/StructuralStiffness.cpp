#include "stiffness/Stiffness.h"

namespace spanwise {
namespace {

// Adds block B of member m at rows p0, p0 + 1 and columns q0, q0 + 1.
void AddBlock(BandMatrix& GlStK, const Array3& B, long m, long p0, long q0) {
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 2; ++c)
      GlStK(p0 + r - 1, q0 + c - 1) = GlStK(p0 + r - 1, q0 + c - 1) + B(m, r, c);
}

long FirstDof(const Array2& JN, long m, int e) { return 2 * static_cast<long>(JN(m, e)) - 1; }

}  // namespace

// Each member adds its blocks at its own joints' positions. Every entry of a
// joint's block still receives its contributions in member, then end order,
// and all diagonal blocks come before the coupling blocks, so the sums round
// exactly as a scan over joints, members and ends would make them.
void StructuralStiffness(const Structure& structure, const MemberStiffness& k, BandMatrix& GlStK) {
  const long NoOfMembers = structure.NM;
  const Array2& JN = structure.JN;
  const Array3 &GloMemK11 = k.GloMemK11, &GloMemK12 = k.GloMemK12;
  const Array3 &GloMemK21 = k.GloMemK21, &GloMemK22 = k.GloMemK22;
  for (long m = 1; m <= NoOfMembers; ++m) {
    AddBlock(GlStK, GloMemK11, m, FirstDof(JN, m, 1), FirstDof(JN, m, 1));
    AddBlock(GlStK, GloMemK22, m, FirstDof(JN, m, 2), FirstDof(JN, m, 2));
  }
  for (long m = 1; m <= NoOfMembers; ++m) {
    AddBlock(GlStK, GloMemK12, m, FirstDof(JN, m, 1), FirstDof(JN, m, 2));
    AddBlock(GlStK, GloMemK21, m, FirstDof(JN, m, 2), FirstDof(JN, m, 1));
  }
}

}  // namespace spanwise
