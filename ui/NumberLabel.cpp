#include "ui/NumberLabel.h"

#include <charconv>

namespace spanwise::ui {

QString NumberLabel(double v) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, v, std::chars_format::general, 6).ptr;
  // -0 draws as 0: a value that vanished has no sign worth showing.
  if (end - text == 2 && text[0] == '-' && text[1] == '0') return QStringLiteral("0");
  return QString::fromLatin1(text, static_cast<qsizetype>(end - text));
}

QString WithUnit(const QString& label, const Units& units, Dimension dimension) {
  if (!units.Given()) return label;
  return label + QLatin1Char(' ') + QString::fromStdString(UnitOf(units, dimension));
}

}  // namespace spanwise::ui
