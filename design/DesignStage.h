// The design stage: after a successful run, the values a beam is designed
// from (reactions, and along every member the exact moment, shear, rotation
// and deflection with their extremes), and the file Design.txt that holds
// them.
#pragma once

#include <string>

#include "common/Array.h"
#include "common/OutputFile.h"
#include "design/DesignValues.h"
#include "input/StructureInput.h"
#include "loads/Loads.h"

namespace spanwise {

// Computes the design values from the solved model of the run of F.
//   Lines in: where the records stand, for the lines that warnings name;
//   records in: the load records the load stage read;
//   NJ, NM in: joint and member counts;
//   XCoord, FixFy, FixMz (0..NJ), YM, MI, JN, Property in: the structure;
//   TempDisp (0..2 NJ) in: the joint displacements;
//   LoDisp, LoForce, GloForce (0..NM, 0..4, 0..1) in: end displacements in
//     member axes, end forces in member and structure axes (final);
//   keep_functions in: keep the piecewise functions of every member and the
//     beam model for drawing; else only extremes and reactions are kept;
//   design out.
// A floating-point overflow never throws: the values it touches are absent
// and design.warnings says which.
void DesignStage(const RecordLines& Lines, const LoadRecords& records, long NJ, long NM,
                 const Array1& XCoord, const Array1& FixFy, const Array1& FixMz, const Array1& YM,
                 const Array1& MI, const Array2& JN, const Array2& Property, const Array1& TempDisp,
                 const Array3& LoDisp, const Array3& LoForce, const Array3& GloForce,
                 bool keep_functions, DesignValues& design);

// Writes Design.txt: a header naming input_name (and, when not empty, the
// loads analysed: "LOAD CASE 2 ALONE") with the sign conventions, the
// reactions of the restrained joints, the extremes of every member and the
// equilibrium check. file in/out: open; lines end with CR LF.
void WriteDesignFile(const DesignValues& design, const std::string& input_name,
                     const std::string& loads, OutputFile& file);

}  // namespace spanwise
