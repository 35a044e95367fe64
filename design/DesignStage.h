// The design stage: after a successful run, the values a beam is designed
// from (reactions, and along every member the exact moment, shear, rotation
// and deflection with their extremes), and the file Design.txt that holds
// them.
#pragma once

#include <string>
#include <string_view>

#include "common/Array.h"
#include "common/OutputFile.h"
#include "design/DesignValues.h"
#include "input/StructureInput.h"
#include "loads/Loads.h"
#include "results/Solution.h"

namespace spanwise {

// Computes the design values from the solved model of the run of F.
//   structure in;
//   Lines in: where the records stand, for the lines that warnings name;
//   records in: the load records the load stage read;
//   solution in: TempDisp, and LoDisp, LoForce, GloForce final;
//   keep_functions in: keep the piecewise functions of every member and the
//     beam model for drawing; else only extremes and reactions are kept;
//   design out.
// A floating-point overflow never throws: the values it touches are absent
// and design.warnings says which.
void DesignStage(const Structure& structure, const RecordLines& Lines, const LoadRecords& records,
                 const Solution& solution, bool keep_functions, DesignValues& design);

// Writes Design.txt: a header naming input_name (and, when not empty, the
// loads analysed: "LOAD CASE 2 ALONE") with the sign conventions, the
// reactions of the restrained joints, the extremes of every member and the
// equilibrium check. file in/out: open; lines end with CR LF.
void WriteDesignFile(const DesignValues& design, const std::string& input_name,
                     const std::string& loads, OutputFile& file);

// The input file's name that the first line of a Design.txt names: a
// folder holds the result set of that input. "" when first_line is no such
// header.
std::string DesignFileInput(std::string_view first_line);

}  // namespace spanwise
