// The counting pass and the data pass over the structure sections of the
// input file. Every reader takes the open input file (channel 1) last.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Array.h"
#include "common/DataError.h"
#include "common/Structure.h"
#include "input/FieldReader.h"

namespace spanwise {

// The input line of every joint and member record (of its first field), as
// the data pass reads them: a fault found after reading names its record's
// line without reading the input again.
struct RecordLines {
  std::vector<int> joints;    // joints[i]: line of joint record i; index 0 unused
  std::vector<int> members;   // members[m]: line of member record m
  std::vector<int> supports;  // supports[j]: line of the support record of joint j, 0 for none
  // The line of record about, 0 when it is none of these.
  int Line(RecordRef about) const;
  // "line 15, members record 2", or "" when it is none of these.
  std::string Place(RecordRef about) const;
};

// Counting pass: reads the whole input once, every field of every record,
// and returns the counts of joints, materials, cross sections and members
// (the supports and loads are counted again where they are read).
//   Input in: the bytes of the input file.
// Faults: end of the input before a count or a field; a field
// that is no number; a joint, material, section or member count that is
// negative, too large for the file, or a joint count of 0.
StructureCounts Numberof(std::string_view Input);
// The same over a reader standing at the start of the file's bytes (left at
// their end).
StructureCounts Numberof(FieldReader& Channel1);

// Data pass: reads the five structure sections of Input (in; kept alive by
// the caller while Channel1 lives) into structure (in/out: created from the
// counts of Input); leaves Channel1 open at the member-load count.
//   Lines out, Channel1 out.
void InputData(std::string_view Input, Structure& structure, RecordLines& Lines,
               FieldReader& Channel1);

// Both passes: the structure of Input, read as the run reads it.
Structure ReadStructure(std::string_view Input, RecordLines& Lines, FieldReader& Channel1);

// XC2 out: X coordinate of every joint, in file order; Lines2 out: the line
// of each.
void InputJoints(Array1& XC2, std::vector<int>& Lines2, FieldReader& Channel1);

// supports (0..NJ) in/out: the supports of the joints the records name (a
// later record for a joint wins); Lines2 out (0..NJ): the line of the record
// that named each joint last, 0 for none. Fault: a joint number outside 1..NJ.
void InputSupports(std::vector<Support>& supports, std::vector<int>& Lines2, FieldReader& Channel1);

// YM2 out: modulus of elasticity of every material. Fault: a negative one.
void InputMaterials(Array1& YM2, FieldReader& Channel1);

// MI2 out: second moment of area of every cross section. Fault: a negative one.
void InputCrossSections(Array1& MI2, FieldReader& Channel1);

// JN2, PROPERTY2 out: end joints, material and cross-section number of every
// member; Lines2 out: the line of each. Faults: a joint number outside
// 1..NoOfJoints, a material number outside 1..NoOfMaterials, a cross-section
// number outside 1..NoOfSections.
void InputMembers(Array2& JN2, Array2& PROPERTY2, long NoOfJoints, long NoOfMaterials,
                  long NoOfSections, std::vector<int>& Lines2, FieldReader& Channel1);

}  // namespace spanwise
