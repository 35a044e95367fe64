// A model whose arrays would not fit in memory is a fault of the data,
// reported with the size it would need, never an allocation the system kills.
#pragma once

#include <string>

namespace spanwise {

// Fault: bytes exceed three quarters of the machine's physical memory.
void CheckMemoryBudget(double bytes, const std::string& what);

}  // namespace spanwise
