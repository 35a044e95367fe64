// The one message a failed analysis shows.
#pragma once

#include <QString>

class QWidget;

namespace spanwise::ui {

// Modal critical box titled "Error In Your Data" with one OK button; the
// precise reason sits under "Show Details...". Returns when dismissed.
void ShowDataError(QWidget* parent, const QString& reason);

}  // namespace spanwise::ui
