#include "ui/ChartGraph.h"

#include <QGraphicsSimpleTextItem>
#include <QKeyEvent>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "common/DecimalDigits.h"

namespace spanwise::ui {
namespace {

QScatterSeries* ExtremeMarker(QColor colour, double size = 7) {
  auto* marker = new QScatterSeries;
  marker->setMarkerSize(size);
  marker->setColor(colour);
  marker->setBorderColor(colour);
  return marker;
}

void Attach(QChart* chart, QAbstractSeries* series, QValueAxis* x_axis, QValueAxis* y_axis) {
  chart->addSeries(series);
  series->attachAxis(x_axis);
  series->attachAxis(y_axis);
}

QString Number(double value) { return QString::fromStdString(SixDigits(value)); }

// How near, in pixels, a file point must lie to the pointer to count as at it.
constexpr double kReachPixels = 3;
// Zoom of one wheel step.
constexpr double kWheelZoom = 1.25;
// Pan of one arrow key press, in pixels.
constexpr int kKeyPan = 40;

// Above this many points the diagram line is drawn one pixel wide: the line
// is dense anyway, and a wider antialiased line of a long beam's hundred
// thousand points takes several times as long to paint, at every repaint.
constexpr qsizetype kDensePoints = 2000;

// The stations' dots are drawn while no more than this many are in view:
// beyond, they would hide the curve, and each is a marker to paint.
constexpr std::ptrdiff_t kDotsInView = 2000;

QPen DiagramPen(qsizetype points) {
  return QPen(QColor(0, 90, 170), points > kDensePoints ? 1 : 2);
}

// An axis needs a range of some width even for one point or a flat line.
void SetRange(QValueAxis* axis, double low, double high) {
  if (low == high) {
    low -= 1;
    high += 1;
  }
  axis->setRange(low, high);
}

}  // namespace

ChartGraph::ChartGraph(const QString& value_title, QWidget* parent)
    : QChartView(parent),
      line_(new QLineSeries),
      zero_(new QLineSeries),
      largest_(ExtremeMarker(Qt::darkRed)),
      smallest_(ExtremeMarker(Qt::darkBlue)),
      stations_(ExtremeMarker(QColor(230, 120, 0), 5)),
      x_axis_(new QValueAxis),
      y_axis_(new QValueAxis) {
  QChart* chart = this->chart();
  chart->legend()->hide();
  chart->setMargins(QMargins(4, 0, 4, 16));
  QFont title_font = chart->titleFont();
  title_font.setPointSizeF(8);
  chart->setTitleFont(title_font);
  x_axis_->setTitleText(QStringLiteral("Position along the beam"));
  y_axis_->setTitleText(value_title);  // rich text: may break into lines
  QFont value_title_font = y_axis_->titleFont();
  value_title_font.setPointSizeF(7);
  value_title_font.setBold(false);
  y_axis_->setTitleFont(value_title_font);
  y_axis_->setReverse(true);
  chart->addAxis(x_axis_, Qt::AlignBottom);
  chart->addAxis(y_axis_, Qt::AlignLeft);
  zero_->setPen(QPen(Qt::black, 1));
  line_->setPen(DiagramPen(0));
  for (QAbstractSeries* series :
       std::initializer_list<QAbstractSeries*>{zero_, line_, largest_, smallest_, stations_}) {
    Attach(chart, series, x_axis_, y_axis_);
  }
  connect(x_axis_, &QValueAxis::rangeChanged, this, &ChartGraph::ShowStationsInView);
  // Extremes at the chart's ends would lose labels beside their markers, so
  // the title carries them; the pointer read-out sits in the bottom corner.
  readout_ = new QGraphicsSimpleTextItem(chart);
  connect(chart, &QChart::geometryChanged, this,
          [this] { readout_->setPos(14, this->chart()->size().height() - 26); });
  setRenderHint(QPainter::Antialiasing);
  setMouseTracking(true);
  setRubberBand(QChartView::RectangleRubberBand);
  setFocusPolicy(Qt::StrongFocus);
}

void ChartGraph::SetPointCount(int count) {
  given_.assign(static_cast<std::size_t>(std::max(count, 0)), QPointF());
  current_ = 1;
}

void ChartGraph::SetCurrentPoint(int index) { current_ = index; }

void ChartGraph::SetAutoIncrement(int on) { auto_increment_ = on != 0; }

bool ChartGraph::HasCurrentPoint() const {
  return current_ >= 1 && current_ <= static_cast<int>(given_.size());
}

void ChartGraph::SetAbscissa(double x) {
  if (HasCurrentPoint()) given_[current_ - 1].setX(x);
}

void ChartGraph::SetValue(double value) {
  if (HasCurrentPoint()) given_[current_ - 1].setY(value);
  if (auto_increment_) ++current_;
}

void ChartGraph::SetDrawMode(int mode) {
  if (mode == kDrawNow) Draw();
}

void ChartGraph::Draw() {
  // Drawn with the file's sign on the downward axis: the same picture as the
  // given values on an upward one.
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(given_.size()));
  drawn_.clear();
  drawn_.reserve(given_.size());
  for (const QPointF& p : given_) {
    points.append({p.x(), -p.y()});
    drawn_.push_back({p.x(), -p.y()});
  }
  exact_.reset();
  stations_->clear();
  line_->setPen(DiagramPen(points.size()));
  line_->replace(points);
  SetRanges(points);
  largest_->clear();
  smallest_->clear();
  chart()->setTitle({});
  if (points.isEmpty()) return;
  const auto by_value = [](QPointF a, QPointF b) { return a.y() < b.y(); };
  LabelExtremes(*std::max_element(points.begin(), points.end(), by_value),
                *std::min_element(points.begin(), points.end(), by_value),
                QStringLiteral("largest of the stations: "));
}

void ChartGraph::SetUnits(const Units& units, Dimension value) {
  if (!units.Given()) return;
  const auto unit = [&units](Dimension d) { return QString::fromStdString(UnitOf(units, d)); };
  value_unit_ = QLatin1Char(' ') + unit(value);
  x_unit_ = QLatin1Char(' ') + unit(Dimension::kLength);
  x_axis_->setTitleText(x_axis_->titleText() +
                        QStringLiteral(" (%1)").arg(unit(Dimension::kLength)));
  // The first line of the rich-text title names the quantity.
  QString title = y_axis_->titleText();
  const qsizetype end = title.indexOf(QStringLiteral("<br>"));
  y_axis_->setTitleText(
      title.insert(end < 0 ? title.size() : end, QStringLiteral(" (%1)").arg(unit(value))));
}

void ChartGraph::ShowExact(std::shared_ptr<const BeamDiagram> diagram) {
  exact_ = std::move(diagram);
  QList<QPointF> curve;
  curve.reserve(static_cast<qsizetype>(exact_->curve.size()));
  for (const DiagramPoint& p : exact_->curve) curve.append({p.x, p.value});
  line_->setPen(DiagramPen(curve.size()));
  line_->replace(curve);
  SetRanges(curve);
  largest_->clear();
  smallest_->clear();
  LabelExtremes({exact_->max.x, exact_->max.value}, {exact_->min.x, exact_->min.value}, {});
  ShowStationsInView();
}

// The file's points run along the beam, so those in view are one stretch.
void ChartGraph::ShowStationsInView() {
  if (!exact_) return;
  const auto first = std::lower_bound(drawn_.begin(), drawn_.end(), x_axis_->min(),
                                      [](const DiagramPoint& p, double x) { return p.x < x; });
  const auto last = std::upper_bound(first, drawn_.end(), x_axis_->max(),
                                     [](double x, const DiagramPoint& p) { return x < p.x; });
  QList<QPointF> dots;
  if (last - first <= kDotsInView)
    for (auto p = first; p != last; ++p) dots.append({p->x, p->value});
  stations_->replace(dots);
}

void ChartGraph::SetRanges(const QList<QPointF>& points) {
  if (points.isEmpty()) {
    zero_->clear();
    return;
  }
  const auto [left, right] = std::minmax_element(
      points.begin(), points.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
  const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                               [](QPointF a, QPointF b) { return a.y() < b.y(); });
  SetRange(x_axis_, left->x(), right->x());
  SetRange(y_axis_, std::min(0.0, low->y()), std::max(0.0, high->y()));
  y_axis_->applyNiceNumbers();
  zero_->replace({{left->x(), 0.0}, {right->x(), 0.0}});
}

void ChartGraph::LabelExtremes(QPointF high, QPointF low, const QString& what) {
  largest_->append(high);
  smallest_->append(low);
  largest_magnitude_ = std::max(std::abs(high.y()), std::abs(low.y()));
  const auto shown = [this](double value) {
    return Number(ShownValue(value, largest_magnitude_)) + value_unit_;
  };
  const auto at = [this](double x) { return Number(x) + x_unit_; };
  chart()->setTitle(what + QStringLiteral("max %1 at x = %2,  min %3 at x = %4")
                               .arg(shown(high.y()), at(high.x()), shown(low.y()), at(low.x())));
}

QList<QPointF> ChartGraph::drawnPoints() const { return line_->points(); }

QList<QPointF> ChartGraph::stationPoints() const { return stations_->points(); }

QString ChartGraph::readout() const { return readout_->text(); }

void ChartGraph::ShowReadout(QPointF at) {
  if (drawn_.empty() || !chart()->plotArea().contains(at)) {
    readout_->setText({});
    return;
  }
  const double x = chart()->mapToValue(at, line_).x();
  const double reach = std::abs(chart()->mapToValue(at + QPointF(kReachPixels, 0), line_).x() - x);
  const DiagramReading reading = exact_ ? BeamDiagramAt(*exact_, x, reach)
                                        : DiagramReading{x, DiagramValuesAt(drawn_, x, reach)};
  QStringList values;
  for (double value : reading.values)
    values << Number(ShownValue(value, largest_magnitude_)) + value_unit_;
  readout_->setText(values.isEmpty() ? QString()
                                     : QStringLiteral("x = %1, value = %2")
                                           .arg(Number(reading.x) + x_unit_,
                                                values.join(QStringLiteral(" and "))));
}

void ChartGraph::mouseMoveEvent(QMouseEvent* event) {
  if (panning_) {
    const QPoint moved = event->position().toPoint() - pan_from_;
    pan_from_ = event->position().toPoint();
    chart()->scroll(-moved.x(), moved.y());
  }
  QChartView::mouseMoveEvent(event);
  ShowReadout(chart()->mapFromScene(mapToScene(event->position().toPoint())));
}

void ChartGraph::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    panning_ = true;
    pan_from_ = event->position().toPoint();
    return;
  }
  QChartView::mousePressEvent(event);
}

void ChartGraph::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    panning_ = false;
    return;
  }
  QChartView::mouseReleaseEvent(event);
}

void ChartGraph::mouseDoubleClickEvent(QMouseEvent* /*event*/) { chart()->zoomReset(); }

void ChartGraph::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / 120.0;
  if (steps == 0) return;
  // About the pointer: the plot area shrinks or grows around it.
  const QPointF at = chart()->mapFromScene(mapToScene(event->position().toPoint()));
  const QRectF area = chart()->plotArea();
  const double scale = std::pow(kWheelZoom, -steps);
  chart()->zoomIn(QRectF(at.x() - (at.x() - area.left()) * scale,
                         at.y() - (at.y() - area.top()) * scale, area.width() * scale,
                         area.height() * scale));
  event->accept();
}

void ChartGraph::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Home:
      chart()->zoomReset();
      break;
    case Qt::Key_Left:
      chart()->scroll(-kKeyPan, 0);
      break;
    case Qt::Key_Right:
      chart()->scroll(kKeyPan, 0);
      break;
    case Qt::Key_Up:
      chart()->scroll(0, kKeyPan);
      break;
    case Qt::Key_Down:
      chart()->scroll(0, -kKeyPan);
      break;
    default:
      QChartView::keyPressEvent(event);
  }
}

void ChartGraph::leaveEvent(QEvent* event) {
  QChartView::leaveEvent(event);
  readout_->setText({});
}

}  // namespace spanwise::ui
