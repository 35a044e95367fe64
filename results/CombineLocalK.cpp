#include "results/Results.h"

namespace spanwise {

void CombineLocalK(long NoOfMembersa, const Array3& LoMemK11a, const Array3& LoMemK12a,
                   const Array3& LoMemK21a, const Array3& LoMemK22a, Array3& LoMemKa) {
  for (long m = 1; m <= NoOfMembersa; ++m) {
    for (int r = 1; r <= 2; ++r) {
      for (int c = 1; c <= 2; ++c) {
        LoMemKa(m, r, c) = LoMemK11a(m, r, c);
        LoMemKa(m, r, c + 2) = LoMemK12a(m, r, c);
        LoMemKa(m, r + 2, c) = LoMemK21a(m, r, c);
        LoMemKa(m, r + 2, c + 2) = LoMemK22a(m, r, c);
      }
    }
  }
}

}  // namespace spanwise
