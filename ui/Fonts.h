// The faces the windows ask for. "MS Sans Serif" and "Times New Roman" are
// rare on Linux, so each request carries a style hint and the font matcher
// picks a close face (Liberation Serif has Times New Roman's metrics).
#pragma once

#include <QFont>

namespace spanwise::ui {

inline QFont SansFont(double points) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  return font;
}

inline QFont SerifFont(double points, QFont::Weight weight) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setStyleHint(QFont::Serif);
  font.setPointSizeF(points);
  font.setWeight(weight);
  return font;
}

}  // namespace spanwise::ui
