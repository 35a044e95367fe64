// The counting pass and the data pass over the structure sections of the
// input file. Every reader takes the open input file (channel 1) last.
#pragma once

#include <string>

#include "common/Array.h"
#include "common/DataError.h"
#include "input/FieldReader.h"

namespace spanwise {

// Counting pass: reads the whole file once, every field of every record, and
// returns the seven section counts.
//   F        in   full path of the input file
//   NJ..NLJ  out  counts of joints, supports, materials, cross sections,
//                 members, member loads and joint loads (negative support and
//                 load counts read as 0)
// Faults: unreadable file; end of file before a count or a field; a field
// that is no number; a joint, material, section or member count that is
// negative, too large for the file, or a joint count of 0.
void Numberof(const std::string& F, long& NJ, long& NS, long& NMT, long& NXS, long& NM, long& NLB,
              long& NLJ);

// Data pass: opens F again on Channel1 and reads the five structure sections
// into the created arrays; leaves Channel1 open at the member-load count.
//   XC (0..NJ) out, FFy, FMz (0..NJ) out, YM1 (0..NMT) out, MI1 (0..NXS) out,
//   JN1, Property1 (0..NM, 0..2) out, Channel1 out.
void InputData(const std::string& F, Array1& XC, Array1& FFy, Array1& FMz, Array1& YM1, Array1& MI1,
               Array2& JN1, Array2& Property1, FieldReader& Channel1);

// Where record `about` stands: "line 15, members record 2" (its first field),
// or "" when F no longer holds it. Never throws.
std::string PlaceOfRecord(const std::string& F, RecordRef about);

// XC2 out: X coordinate of every joint, in file order.
void InputJoints(Array1& XC2, FieldReader& Channel1);

// FFy2, FMz2 in/out: fixities of the joints the support records name (a
// later record for a joint wins). Fault: a joint number outside 1..NJ.
void InputSupports(Array1& FFy2, Array1& FMz2, FieldReader& Channel1);

// YM2 out: modulus of elasticity of every material.
void InputMaterials(Array1& YM2, FieldReader& Channel1);

// MI2 out: second moment of area of every cross section.
void InputCrossSections(Array1& MI2, FieldReader& Channel1);

// JN2, PROPERTY2 out: end joints, material and cross-section number of every
// member. Faults: a joint number outside 1..NoOfJoints, a material number
// outside 1..NoOfMaterials, a cross-section number outside 1..NoOfSections.
void InputMembers(Array2& JN2, Array2& PROPERTY2, long NoOfJoints, long NoOfMaterials,
                  long NoOfSections, FieldReader& Channel1);

}  // namespace spanwise
