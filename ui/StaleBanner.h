// The line above a result window's content that says its results no longer
// match the input. Hidden until ResultWindows marks the window out of date.
#pragma once

#include <QLabel>

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

}  // namespace spanwise::ui
