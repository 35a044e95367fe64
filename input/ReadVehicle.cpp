#include <cmath>
#include <string>

#include "common/DataError.h"
#include "common/PlainNumber.h"
#include "input/LoadCases.h"
#include "input/ReadCount.h"

namespace spanwise {

void ReadVehicle(FieldReader& Channel1, long number, Vehicle& vehicle) {
  const std::string section = CaseSection(number, "vehicle");
  const std::string axles_section = CaseSection(number, "axles");
  const auto fault = [&](const FieldName& name, const std::string& what) {
    throw DataError(Channel1.Place(name, true) + ": " + what, Channel1.line(), name.number);
  };
  const long count = ReadBlockCount(Channel1, {section.c_str(), 1, "axle count", 1}, true);
  vehicle.line = Channel1.line();
  const FieldName lane{section.c_str(), 1, "lane load", 2};
  vehicle.lane = Channel1.ReadNumber(lane);
  if (!(vehicle.lane >= 0))
    fault(lane, "the lane load " + PlainNumber(vehicle.lane) +
                    " is negative (positive downward; 0 for none)");
  if (count == 0 && vehicle.lane == 0) fault(lane, "the vehicle has no axles and no lane load");
  Channel1.ReadLabel({section.c_str(), 1, "label", 3});
  for (long record = 1; record <= count; ++record) {
    Axle axle;
    const FieldName load{axles_section.c_str(), record, "axle load", 1};
    axle.load = Channel1.ReadNumber(load);
    axle.line = Channel1.line();
    if (!(axle.load > 0))
      fault(load, "the axle load " + PlainNumber(axle.load) + " is not positive (downward)");
    const FieldName spacing{axles_section.c_str(), record, "spacing", 2};
    axle.spacing = Channel1.ReadNumber(spacing);
    if (record == 1 && axle.spacing != 0)
      fault(spacing, "the first axle's spacing is " + PlainNumber(axle.spacing) +
                         ", not 0 (a spacing is the distance to the axle before)");
    if (!(axle.spacing >= 0))
      fault(spacing, "the spacing " + PlainNumber(axle.spacing) + " is negative");
    axle.label = Channel1.ReadText({axles_section.c_str(), record, "label", 3});
    vehicle.axles.push_back(std::move(axle));
  }
}

}  // namespace spanwise
