// Reads a diagram file (BM.TXT or SF.TXT) and hands its points to a Graph.
#pragma once

#include <QString>

namespace spanwise::ui {

class Graph;

// The file is a free sequence of numbers, two per point (position, value),
// read with the input file's field rules; the end is tested only before each
// pair. Every point reaches the graph as (x, -y) in file order. A missing or
// malformed file hands over no points and returns a short notice; otherwise
// the notice is empty.
QString FeedDiagram(const QString& path, Graph& graph);

}  // namespace spanwise::ui
