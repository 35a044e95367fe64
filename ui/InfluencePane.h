// Beneath the Beam window's picture: the influence line of what a click
// picked (a moment, shear or deflection at a section, or a support's
// vertical reaction) over the beam, with the vehicle of the moving case
// shown at its worst position for it (axles as arrows, the lane load on the
// lengths where it makes the value worse). Draws what the core computed.
#pragma once

#include <QWidget>
#include <vector>

#include "design/MovingChoice.h"

namespace spanwise::ui {

class InfluencePane : public QWidget {
  Q_OBJECT

 public:
  explicit InfluencePane(QWidget* parent = nullptr);

  // Shows line titled title, the vehicle as placed, X from xmin to xmax
  // across the plot (as BeamView's frame, so that it lies under the beam).
  void setLine(const QString& title, const InfluenceLine& line, const PlacedVehicle& vehicle,
               double xmin, double xmax);
  QString title() const { return title_; }
  // The points the line is drawn through (X, value); empty when none is shown.
  const std::vector<double>& xs() const { return xs_; }
  const PlacedVehicle& vehicle() const { return vehicle_; }

  QSize sizeHint() const override { return {900, 170}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
  std::vector<double> xs_, ys_;
  PlacedVehicle vehicle_;
  double xmin_ = 0, xmax_ = 1, peak_ = 1;
};

}  // namespace spanwise::ui
