// The drawing of a beam on screen: BeamPainter's picture with zoom and pan
// along X (wheel zooms round the pointer, dragging pans, a double click or
// Home resets) and, when there are results, M, V and the deflection at the
// pointer's X (on a combination's band, the largest and smallest of each and
// the groups adverse for them; on a moving case's, where the vehicle stands
// for each, and the vehicle drawn where the hovered diagram's value is
// largest). A click without a drag (within 4 pixels) picks what lies there.
#pragma once

#include <QWidget>
#include <memory>

#include "ui/BeamPainter.h"

namespace spanwise::ui {

class BeamPicture;

class BeamView : public QWidget {
  Q_OBJECT

 public:
  explicit BeamView(QWidget* parent = nullptr);

  void setPicture(std::shared_ptr<const BeamPicture> picture);
  const BeamPicture* picture() const { return picture_.get(); }
  const BeamFrame& frame() const { return frame_; }

  // The whole beam in view, with a little room at both ends.
  void resetView();
  // Zooms by factor (> 1 in) about the X under widget pixel px.
  void zoomAt(double px, double factor);
  // Shows the values at the X under widget pixel (px, py), as hovering
  // does; py picks the diagram whose vehicle is drawn (the moment's when
  // outside them).
  void hoverAt(double px, double py = -1);
  QString hoverText() const { return frame_.hover_text; }

  // Paints the picture as on screen into any device of the given size.
  void render(QPainter& painter, const QRectF& area) const;

  QSize sizeHint() const override { return {900, 560}; }
  QSize minimumSizeHint() const override { return {240, 120}; }

 signals:
  // The values under the pointer in words; empty when it leaves the beam.
  void hoverChanged(const QString& text);
  // A click without a drag at X in band (BandAt: -1 the beam, 0..2 a
  // diagram); per_pixel: the X one pixel spans.
  void picked(double X, int band, double per_pixel);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  double XAt(double px) const;

  std::shared_ptr<const BeamPicture> picture_;
  BeamFrame frame_;
  bool dragging_ = false;
  double drag_px_ = 0;
  QPointF pressed_at_;
};

}  // namespace spanwise::ui
