// Numbers on drawings: six significant digits, the shortest form, written
// without the locale (a German desktop still reads 221.1, never 221,1).
#pragma once

#include <QString>

#include "common/Units.h"

namespace spanwise::ui {

// v in; returns e.g. "221.1", "-0.00123457", "1.5e+07".
QString NumberLabel(double v);

// label and the unit of dimension, "221.1 kN·m"; label alone without units.
QString WithUnit(const QString& label, const Units& units, Dimension dimension);

}  // namespace spanwise::ui
