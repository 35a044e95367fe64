#include "input/Layout.h"
#include "input/StructureInput.h"

namespace spanwise {

int RecordLines::Line(RecordRef about) const {
  const std::vector<int>* lines = about.section == kJointsSection    ? &joints
                                  : about.section == kMembersSection ? &members
                                                                     : nullptr;
  if (lines == nullptr || about.record < 1 ||
      static_cast<std::size_t>(about.record) >= lines->size())
    return 0;
  return (*lines)[static_cast<std::size_t>(about.record)];
}

std::string RecordLines::Place(RecordRef about) const {
  const int line = Line(about);
  if (line == 0) return "";
  return "line " + std::to_string(line) + ", " + kSections[about.section - 1]->section +
         " record " + std::to_string(about.record);
}

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
