// Bending moment and shear force at eleven stations along every member.
#pragma once

#include <string_view>

#include "common/Array.h"
#include "common/OutputFile.h"
#include "common/Structure.h"
#include "results/NumberFormat.h"

namespace spanwise {

// Station k = 1..11 of a member of length L: (k - 1) * L / 10, and exactly L
// at station 11, so that a load at end j reaches the last station.
inline double Station(int k, double L) { return k < 11 ? ((k - 1) * L) / 10 : L; }

// Reads the member loads from the input once more, samples moment and shear at the
// stations of every member, and writes them: the report section "INTERNAL
// FORCES ALONG MEMBER" to Channel99, position and moment along the whole beam
// to Channel91 (BM.TXT), position and shear to Channel92 (SF.TXT).
//   Input in: the bytes of the input file the run read; structure in;
//   LoForce in (end i forces Fy, Mz used); decim in; the three files in/out.
// Faults: as the load stage's for the same records; overflow.
void InternalForces(std::string_view Input, const Structure& structure, const Array3& LoForce,
                    const DecimFormat& decim, OutputFile& Channel99, OutputFile& Channel91,
                    OutputFile& Channel92);

}  // namespace spanwise
