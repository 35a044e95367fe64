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

}  // namespace spanwise
