#include "ui/BeamPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "ui/BeamPaintParts.h"
#include "ui/BeamPicture.h"

namespace spanwise::ui {
namespace {

constexpr double kRightMargin = 36;  // room for the label of a reaction at the last joint

}  // namespace

QRectF PlotArea(const QRectF& area) { return area.adjusted(kTitleWidth, 0, -kRightMargin, 0); }

namespace {

double BeamBandHeight(const QRectF& area, bool has_results) {
  return has_results ? area.height() * 0.34 : std::min(area.height(), 240.0);
}

}  // namespace

int BandAt(const QRectF& area, double y, bool has_results) {
  const double beam = BeamBandHeight(area, has_results);
  if (!has_results || y < area.top() || y > area.bottom()) return -2;
  if (y < area.top() + beam) return -1;
  return std::min(2, static_cast<int>((y - area.top() - beam) / ((area.height() - beam) / 3)));
}

void PaintBeam(QPainter& painter, const QRectF& area, const BeamPicture& picture,
               const BeamFrame& frame) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(area, Qt::white);
  const QRectF plot = PlotArea(area);
  // Alone, the beam keeps a band of its own height in the middle: stretched
  // to a tall window its arrows would only grow long.
  const double beam_height = BeamBandHeight(area, picture.hasResults());
  const double beam_top =
      picture.hasResults() ? area.top() : area.top() + (area.height() - beam_height) / 2;
  const QRectF beam_band(area.left(), beam_top, area.width(), beam_height);
  painter.setClipRect(area);
  painter.setPen(Qt::black);
  painter.drawText(QRectF(area.left() + 4, beam_band.top(), kTitleWidth - 8, beam_band.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Beam"));
  painter.setClipRect(plot.adjusted(-30, 0, 30, 0));  // labels of the end joints
  PaintBeamBand(painter, beam_band, plot, picture, frame);
  if (picture.hasResults()) {
    const double h = (area.height() - beam_band.height()) / 3;
    for (int d = 0; d < 3; ++d) {
      const QRectF band(area.left(), beam_band.bottom() + d * h, area.width(), h);
      painter.setClipRect(area);
      painter.setPen(QColor(210, 210, 210));
      painter.drawLine(band.topLeft(), band.topRight());
      painter.setClipRect(band.intersected(area));
      PaintDiagramBand(painter, band, plot, picture, frame, static_cast<Diagram>(d));
    }
  }
  painter.setClipRect(area);
  if (frame.hover) {
    const double x = XMap(plot, frame)(frame.hover_x);
    painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
  }
  painter.restore();
}

}  // namespace spanwise::ui
