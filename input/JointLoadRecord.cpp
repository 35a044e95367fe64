#include "input/JointLoadRecord.h"

#include "input/ReadCount.h"

namespace spanwise {

JointLoadRecord ReadJointLoad(FieldReader& Channel1, long record, long NoOfJoints,
                              const SectionLayout& layout) {
  JointLoadRecord load;
  load.joint = ReadIndex(Channel1, layout.Field(record, 1), NoOfJoints, "joint");
  load.line = Channel1.line();
  load.fy = Channel1.ReadNumber(layout.Field(record, 2));
  load.mz = Channel1.ReadNumber(layout.Field(record, 3));
  Channel1.ReadLabel(layout.Label(record));
  return load;
}

}  // namespace spanwise
