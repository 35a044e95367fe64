// The memory one run takes, estimated before any large array is created, so
// that a model too large for this machine, its cgroup or its ulimit is a
// fault of the data that names its cause, not a process the system kills.
#pragma once

#include "common/Array.h"
#include "common/Structure.h"

namespace spanwise {

// Bytes of every array of the run for these counts and the stiffness
// matrix's half-bandwidth HalfBand (>= 0), the input held in memory
// (input_bytes) and extra_per_member bytes per member that stages after the
// report keep (the design's values).
double RunMemoryBytes(const StructureCounts& counts, long HalfBand, double input_bytes,
                      double extra_per_member);

// Fault (DataError): the estimate, less the input the run already holds,
// exceeds the memory free now (common/MemoryBudget.h). The reason names
// what drives it: the member that spans most joint numbers when the band's
// matrix takes most of it (JN in, rows 1..NM; null before the members are
// read), else the count of members or of joints.
void CheckRunMemory(const StructureCounts& counts, long HalfBand, double input_bytes,
                    double extra_per_member, Array2* JN);

// The member that spans most joint numbers (the first such), 0 when NM is 0.
long WidestMember(long NM, Array2& JN);

}  // namespace spanwise
