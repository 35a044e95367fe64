#include "ui/DiagramFeed.h"

#include <QFile>
#include <QFileInfo>
#include <utility>
#include <vector>

#include "common/DataError.h"
#include "input/FieldReader.h"
#include "ui/Graph.h"

namespace spanwise::ui {
namespace {

using Points = std::vector<std::pair<double, double>>;

Points ReadPoints(const QString& path) {
  FieldReader reader = FieldReader::Open(QFile::encodeName(path).toStdString());
  Points points;
  while (!reader.AtEnd()) {
    const long pair = static_cast<long>(points.size()) + 1;
    const double x = reader.ReadNumber({nullptr, pair, "position", 1});
    const double y = reader.ReadNumber({nullptr, pair, "value", 2});
    points.emplace_back(x, y);
  }
  return points;
}

void HandOver(const Points& points, Graph& graph) {
  const int count = static_cast<int>(points.size());
  graph.SetPointCount(count);
  graph.SetCurrentPoint(1);
  graph.SetAutoIncrement(0);
  for (int i = 1; i <= count; ++i) {
    graph.SetCurrentPoint(i);
    graph.SetAbscissa(points[i - 1].first);
    // Negated so that a positive moment or shear hangs below the axis.
    graph.SetValue(-points[i - 1].second);
  }
  graph.SetDrawMode(Graph::kDrawNow);
}

}  // namespace

QString FeedDiagram(const QString& path, Graph& graph) {
  Points points;
  QString notice;
  try {
    points = ReadPoints(path);
  } catch (const DataError& error) {
    notice = QStringLiteral("Could not read %1: %2")
                 .arg(QFileInfo(path).fileName(), QString::fromStdString(error.what()));
  }
  HandOver(points, graph);
  return notice;
}

}  // namespace spanwise::ui
