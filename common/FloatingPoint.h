// Division by zero, overflow and invalid operations (NaN) are faults of the
// data wherever they occur. The stages compute with plain IEEE arithmetic and
// test the processor's sticky exception flags after each unit of work, so a
// fault is caught even where a later operation hides it (x / inf == 0).
#pragma once

#include <cfenv>
#include <string>

#include "common/DataError.h"

namespace spanwise {

inline constexpr int kFloatingPointFaults = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;

inline void ClearFloatingPointFaults() { std::feclearexcept(FE_ALL_EXCEPT); }

inline bool FloatingPointFault() { return std::fetestexcept(kFloatingPointFaults) != 0; }

// Throws a DataError "<where>: <division by zero|overflow|...>" and clears the
// flags. where names the stage and the member, record or degree of freedom.
[[noreturn]] void ThrowFloatingPointFault(const std::string& where, int line = 0);
// The same for a fault about a record whose line the run looks up.
[[noreturn]] void ThrowFloatingPointFault(const std::string& where, RecordRef about);

}  // namespace spanwise
