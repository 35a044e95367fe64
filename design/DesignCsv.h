// Design.csv: the members' extremes as a table for spreadsheets, one row per
// member and quantity (RFC 4180: comma-separated, CR LF line ends, a field
// holding a comma, quote or line end quoted, its quotes doubled). Numbers in
// the shortest form that reads back to the same double; an absent value is
// an empty field.
#pragma once

#include <string>

#include "common/OutputFile.h"
#include "design/DesignValues.h"

namespace spanwise {

// The columns: combination (empty for the loads the run analysed, else the
// label of an envelope's combination), member, quantity (moment, shear or
// deflection), unit (empty without the input's UNITS), max, x of max, min,
// x of min (the x headings name the length unit when there is one).
//   design in; file in/out: open.
void WriteDesignCsv(const DesignValues& design, OutputFile& file);

// The same bytes as one text, for a copy saved elsewhere.
std::string DesignCsv(const DesignValues& design);

}  // namespace spanwise
