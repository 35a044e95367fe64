// Counts, index fields and stiffness values of the input file: checked where
// they are read, so that the reason of an error names the record. Counts and
// indices are used as whole numbers, rounded half to even.
#pragma once

#include "input/FieldReader.h"

namespace spanwise {

// Reads a section count. A count larger than the file could hold is a data
// error (never an allocation attempt). A negative count is a data error when
// negative_is_error (its arrays could not be created), else it means no
// records and reads as 0.
long ReadCount(FieldReader& Channel1, const FieldName& name, bool negative_is_error);

// Reads a count of the block after the joint loads, as ReadCount; there a
// count that is not whole is a data error (a new format: no stored file
// relies on rounding).
long ReadBlockCount(FieldReader& Channel1, const FieldName& name, bool negative_is_error);

// Reads a stiffness value (E or I): zero means no stiffness, a negative
// value is a data error naming the line, record and field.
double ReadNonNegative(FieldReader& Channel1, const FieldName& name);

// Reads a joint, member, material or section number and checks that it lies
// in 1..count; thing names what it numbers ("joint", "material", ...).
long ReadIndex(FieldReader& Channel1, const FieldName& name, long count, const char* thing);

}  // namespace spanwise
