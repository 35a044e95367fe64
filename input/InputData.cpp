#include "input/StructureInput.h"

namespace spanwise {

void InputData(const std::string& F, Array1& XC, Array1& FFy, Array1& FMz, Array1& YM1, Array1& MI1,
               Array2& JN1, Array2& Property1, FieldReader& Channel1) {
  Channel1 = FieldReader::Open(F);
  InputJoints(XC, Channel1);
  InputSupports(FFy, FMz, Channel1);
  InputMaterials(YM1, Channel1);
  InputCrossSections(MI1, Channel1);
  InputMembers(JN1, Property1, XC.upper(), YM1.upper(), MI1.upper(), Channel1);
}

}  // namespace spanwise
