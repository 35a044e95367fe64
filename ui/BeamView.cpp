#include "ui/BeamView.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

#include "ui/BeamPicture.h"
#include "ui/NumberLabel.h"

namespace spanwise::ui {

BeamView::BeamView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BeamView::setPicture(std::shared_ptr<const BeamPicture> picture) {
  const bool same_beam = picture_ && picture && picture_->xMin() == picture->xMin() &&
                         picture_->xMax() == picture->xMax();
  picture_ = std::move(picture);
  frame_.hover = false;
  frame_.hover_text.clear();
  frame_.vehicle.clear();
  if (!same_beam) resetView();  // an edit that keeps the beam's extent keeps the zoom
  update();
}

void BeamView::resetView() {
  if (!picture_) return;
  const double span = picture_->xMax() - picture_->xMin();
  frame_.x0 = picture_->xMin() - span * 0.02;
  frame_.x1 = picture_->xMax() + span * 0.02;
  update();
}

double BeamView::XAt(double px) const {
  const QRectF plot = PlotArea(QRectF(rect()));
  return frame_.x0 + (px - plot.left()) / plot.width() * (frame_.x1 - frame_.x0);
}

void BeamView::zoomAt(double px, double factor) {
  const double X = XAt(px);
  const double width = (frame_.x1 - frame_.x0) / factor;
  // Not beyond a millionth of the beam: the pixels would run out of digits.
  const double span = picture_ ? picture_->xMax() - picture_->xMin() : 1;
  if (width < span * 1e-6 || width > span * 20) return;
  const double share = (X - frame_.x0) / (frame_.x1 - frame_.x0);
  frame_.x0 = X - share * width;
  frame_.x1 = frame_.x0 + width;
  update();
}

void BeamView::hoverAt(double px, double py) {
  if (!picture_ || !picture_->hasResults()) return;
  const double X = XAt(px);
  const ValuesAt at = picture_->At(X);
  frame_.hover = at.on_member;
  frame_.hover_x = X;
  frame_.hover_text.clear();
  const int band = BandAt(QRectF(rect()), py, true);
  frame_.vehicle = at.vehicle.at(band >= 0 ? static_cast<std::size_t>(band) : 0).axles;
  const Units& units = picture_->units();
  const auto label = [&units](double v, Dimension dimension) {
    return WithUnit(NumberLabel(v), units, dimension);
  };
  if (at.on_member && at.band) {
    // Each largest and smallest value with the groups adverse for it.
    const auto reading = [&](const QString& name, const EnvelopeReading& r, Dimension d) {
      if (!r.present) return name + QStringLiteral(" = none");
      return QStringLiteral("%1 max = %2 (%3), min = %4 (%5)")
          .arg(name, label(r.max, d), QString::fromStdString(r.max_adverse), label(r.min, d),
               QString::fromStdString(r.min_adverse));
    };
    const QStringList lines = {
        QStringLiteral("X = ") + label(X, Dimension::kLength),
        reading(QStringLiteral("M"), at.envelope[0], Dimension::kMoment),
        reading(QStringLiteral("V"), at.envelope[1], Dimension::kForce),
        reading(QStringLiteral("deflection"), at.envelope[2], Dimension::kLength)};
    frame_.hover_text = lines.join(QStringLiteral("   "));
    // Six values and their arrangements outgrow a narrow status line: the
    // tip beside the pointer holds them one quantity a line.
    QToolTip::showText(QCursor::pos(), lines.join(QLatin1Char('\n')), this);
  } else if (at.on_member) {
    frame_.hover_text = QStringLiteral("X = %1   M = %2   V = %3   deflection = %4")
                            .arg(label(X, Dimension::kLength), label(at.moment, Dimension::kMoment),
                                 label(at.shear, Dimension::kForce),
                                 at.has_deflection ? label(at.deflection, Dimension::kLength)
                                                   : QStringLiteral("none"));
  }
  if (!at.on_member || !at.band) QToolTip::hideText();
  emit hoverChanged(frame_.hover_text);
  update();
}

void BeamView::render(QPainter& painter, const QRectF& area) const {
  if (picture_) {
    PaintBeam(painter, area, *picture_, frame_);
  } else {
    painter.fillRect(area, Qt::white);
  }
}

void BeamView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  render(painter, QRectF(rect()));
}

void BeamView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches != 0) zoomAt(event->position().x(), std::pow(1.25, notches));
  event->accept();
}

void BeamView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  drag_px_ = event->position().x();
  pressed_at_ = event->position();
  setCursor(Qt::ClosedHandCursor);
}

void BeamView::mouseMoveEvent(QMouseEvent* event) {
  const double px = event->position().x();
  if (dragging_) {
    const double shift = XAt(drag_px_) - XAt(px);
    frame_.x0 += shift;
    frame_.x1 += shift;
    drag_px_ = px;
  }
  hoverAt(px, event->position().y());
  update();
}

void BeamView::mouseReleaseEvent(QMouseEvent* event) {
  const bool was_dragging = dragging_;
  dragging_ = false;
  unsetCursor();
  const QPointF moved = event->position() - pressed_at_;
  if (!was_dragging || event->button() != Qt::LeftButton || std::abs(moved.x()) > 4 ||
      std::abs(moved.y()) > 4 || !picture_)
    return;
  const QRectF plot = PlotArea(QRectF(rect()));
  emit picked(XAt(pressed_at_.x()), BandAt(QRectF(rect()), pressed_at_.y(), picture_->hasResults()),
              (frame_.x1 - frame_.x0) / plot.width());
}

void BeamView::mouseDoubleClickEvent(QMouseEvent* /*event*/) { resetView(); }

void BeamView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Home) {
    resetView();
  } else if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Minus) {
    zoomAt(width() / 2.0, event->key() == Qt::Key_Plus ? 1.25 : 0.8);
  } else {
    QWidget::keyPressEvent(event);
  }
}

void BeamView::leaveEvent(QEvent* /*event*/) {
  frame_.hover = false;
  frame_.vehicle.clear();
  frame_.hover_text.clear();
  QToolTip::hideText();
  emit hoverChanged({});
  update();
}

}  // namespace spanwise::ui
