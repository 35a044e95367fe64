#include "input/StructureInput.h"

namespace spanwise {

void InputData(std::string_view Input, Array1& XC, Array1& FFy, Array1& FMz, Array1& YM1,
               Array1& MI1, Array2& JN1, Array2& Property1, RecordLines& Lines,
               FieldReader& Channel1) {
  Channel1 = FieldReader::Over(Input);
  InputJoints(XC, Lines.joints, Channel1);
  InputSupports(FFy, FMz, Channel1);
  InputMaterials(YM1, Channel1);
  InputCrossSections(MI1, Channel1);
  InputMembers(JN1, Property1, XC.upper(), YM1.upper(), MI1.upper(), Lines.members, Channel1);
}

}  // namespace spanwise
