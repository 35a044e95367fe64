// The model of one load case or combination in the file's own format, for
// a run that writes the three files and Design.txt of that case alone.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "input/MemberLoad.h"
#include "run/FactoredPlaces.h"

namespace spanwise {

// Reads Input, the bytes of an input file (sections 1-7 and the block of
// load cases), and writes bytes: its sections 1-5 as they stand, then one
// member-load and one joint-load section holding the loads of the cases chosen, each value
// multiplied by its factor once: the member loads of case 1, 2, ... in that order, then their joint
// loads in the same order, then the springs and releases as read and the settlements of the cases
// chosen, each times its factor, as case 1. load_case (>= 1) chooses that case alone at factor 1;
// else label names a combination, every case at its adverse factor (loads with factor 0 stay in).
//   Input in; load_case in (0 when label is given); label in; bytes out;
//   places out: where each load record of bytes stands in Input.
// A moving case chosen takes the member loads placed (its vehicle standing
// still: design/VehicleLoads.h); without them the result is kMoving.
// Returns kNoSuch when Input has no such case or combination, kHoldsMoving
// when the combination takes a moving case with a factor other than 0 (it
// has no single arrangement): both usage errors.
// Faults: DataError for every fault of reading Input (the springs and
// settlements checked against the supports too), for a load of any case
// that does not lie on its member, and for a load value or settlement that
// its factor makes overflow, each naming its line in Input.
enum class FactoredResult { kDone, kNoSuch, kMoving, kHoldsMoving };
FactoredResult FactoredModel(std::string_view Input, long load_case, const std::string& label,
                             const std::vector<MemberLoad>* placed, std::string& bytes,
                             FactoredPlaces& places);

}  // namespace spanwise
