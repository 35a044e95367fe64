// The faces the windows ask for. "MS Sans Serif" and "Times New Roman" are
// rare on Linux. Each request names the Liberation face that stands in for
// it (Liberation Serif has Times New Roman's metrics) before the style hint,
// which alone lets the font matcher pick a face of another width.
#pragma once

#include <QFont>

namespace spanwise::ui {

inline void SubstituteLiberationFaces() {
  static const bool substituted = [] {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    return true;
  }();
  (void)substituted;
}

inline QFont SansFont(double points) {
  SubstituteLiberationFaces();
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  return font;
}

inline QFont SerifFont(double points, QFont::Weight weight) {
  SubstituteLiberationFaces();
  QFont font(QStringLiteral("Times New Roman"));
  font.setStyleHint(QFont::Serif);
  font.setPointSizeF(points);
  font.setWeight(weight);
  return font;
}

}  // namespace spanwise::ui
