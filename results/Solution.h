// The solved beam: the displacements of the joints and every member's end
// displacements and end forces. Gauss fills TempDisp, the report stages the
// rest; the design stage reads all of it.
#pragma once

#include "common/Array.h"

namespace spanwise {

struct Solution {
  explicit Solution(long NJ = 0, long NM = 0)
      : TempDisp("TempDisp", {2 * NJ}),
        GloDisp("GloDisp", {NM, 4, 1}),
        LoDisp("LoDisp", {NM, 4, 1}),
        LoForce("LoForce", {NM, 4, 1}),
        GloForce("GloForce", {NM, 4, 1}) {}

  Array1 TempDisp;  // (1..2 NJ): displacement 2j - 1 and rotation 2j of joint j
  Array3 GloDisp;   // (m, 1..4, 1): end displacements of member m in structure axes
  Array3 LoDisp;    // (m, 1..4, 1): the same in member axes
  Array3 LoForce;   // (m, 1..4, 1): end forces in member axes
  Array3 GloForce;  // (m, 1..4, 1): end forces in structure axes
};

}  // namespace spanwise
