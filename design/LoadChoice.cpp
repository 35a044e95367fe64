#include "design/LoadChoice.h"

namespace spanwise {

std::vector<LoadChoiceName> LoadChoices(const DesignValues&) { return {}; }

std::shared_ptr<const DesignValues> CaseDesign(const DesignValues&, long) { return nullptr; }

std::shared_ptr<const DesignValues> CombinationLoads(const DesignValues&, long) { return nullptr; }

bool EnvelopeCurveOf(const DesignValues&, long, long, Quantity, int, EnvelopeCurve& curve) {
  curve = {};
  return false;
}

EnvelopeReading EnvelopeAt(const DesignValues&, long, long, double, Quantity, Side) { return {}; }

}  // namespace spanwise
