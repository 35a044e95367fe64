#include "ui/NumberLabel.h"

#include "common/DecimalDigits.h"

namespace spanwise::ui {

// -0 draws as 0: a value that vanished has no sign worth showing.
QString NumberLabel(double v) { return QString::fromStdString(SixDigits(v == 0 ? 0.0 : v)); }

QString WithUnit(const QString& label, const Units& units, Dimension dimension) {
  if (!units.Given()) return label;
  return label + QLatin1Char(' ') + QString::fromStdString(UnitOf(units, dimension));
}

}  // namespace spanwise::ui
