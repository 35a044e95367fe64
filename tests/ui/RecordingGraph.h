// A Graph that only records the calls it receives, one line per call.
#pragma once

#include <QString>
#include <QStringList>

#include "ui/Graph.h"

class RecordingGraph : public spanwise::ui::Graph {
 public:
  void SetPointCount(int count) override { Record("count", count); }
  void SetCurrentPoint(int index) override { Record("current", index); }
  void SetAutoIncrement(int on) override { Record("auto", on); }
  void SetAbscissa(double x) override { Record("x", x); }
  void SetValue(double value) override { Record("value", value); }
  void SetDrawMode(int mode) override { Record("draw", mode); }

  QStringList calls;

 private:
  void Record(const char* call, double value) {
    calls << QStringLiteral("%1 %2").arg(QLatin1String(call), QString::number(value, 'g', 17));
  }
};
