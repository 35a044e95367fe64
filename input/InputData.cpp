#include "input/StructureInput.h"

namespace spanwise {

void InputData(std::string_view Input, Structure& structure, RecordLines& Lines,
               FieldReader& Channel1) {
  Channel1 = FieldReader::Over(Input);
  InputJoints(structure.XCoord, Lines.joints, Channel1);
  InputSupports(structure.supports, Lines.supports, Channel1);
  InputMaterials(structure.YM, Channel1);
  InputCrossSections(structure.MI, Channel1);
  InputMembers(structure.JN, structure.Property, structure.NJ, structure.NMT, structure.NXS,
               Lines.members, Channel1);
}

Structure ReadStructure(std::string_view Input, RecordLines& Lines, FieldReader& Channel1) {
  Structure structure(Numberof(Input));
  InputData(Input, structure, Lines, Channel1);
  return structure;
}

}  // namespace spanwise
