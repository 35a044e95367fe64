// The lines above a result window's content: the one that says its results
// no longer match the input, hidden until ResultWindows marks the window out
// of date; and the one that says which loads it shows.
#pragma once

#include <QLabel>
#include <string>

namespace spanwise::ui {

inline constexpr const char* kInputChangedBanner =
    "Out of date: the input has changed since this analysis";
inline constexpr const char* kAnalysisFailedBanner = "Out of date: the last analysis failed";

// A hidden banner, found again by its object name "Stale".
inline QLabel* MakeStaleBanner(QWidget* window) {
  auto* banner = new QLabel(window);
  banner->setObjectName(QStringLiteral("Stale"));
  // A colour of its own, so that a screenshot shows it (scripts/gui-smoke).
  banner->setStyleSheet(QStringLiteral("background: #ffd54a; color: black; padding: 3px;"));
  banner->hide();
  return banner;
}

// The line "ShownLoads" that says which loads the window shows, with
// text; hidden while text is empty (an input without load cases).
inline QLabel* MakeShownLoadsLine(QWidget* window, const std::string& text) {
  auto* line = new QLabel(QString::fromStdString(text), window);
  line->setObjectName(QStringLiteral("ShownLoads"));
  line->setWordWrap(true);
  line->setStyleSheet(QStringLiteral("background: #e3eefa; padding: 3px;"));
  line->setVisible(!text.empty());
  return line;
}

}  // namespace spanwise::ui
