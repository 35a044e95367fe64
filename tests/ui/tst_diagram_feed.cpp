// The diagram windows hand a diagram file to the chart in one fixed order of
// calls; these cases check that order against a recording Graph.
#include <QTemporaryDir>
#include <QTest>

#include "RecordingGraph.h"
#include "TestFiles.h"
#include "ui/DiagramFeed.h"

namespace {

// The calls for the given points (x, y as in the file).
QStringList CallsFor(const QList<QPointF>& points) {
  QStringList calls = {QStringLiteral("count %1").arg(points.size()), "current 1", "auto 0"};
  for (int i = 0; i < points.size(); ++i) {
    calls << QStringLiteral("current %1").arg(i + 1);
    calls << QStringLiteral("x %1").arg(QString::number(points[i].x(), 'g', 17));
    calls << QStringLiteral("value %1").arg(QString::number(-points[i].y(), 'g', 17));
  }
  calls << QStringLiteral("draw 2");
  return calls;
}

}  // namespace

class DiagramFeedTest : public QObject {
  Q_OBJECT

 private slots:
  void handsOverEveryPairInFileOrder_data();
  void handsOverEveryPairInFileOrder();
  void faultyFileGivesEmptyDiagramAndNotice_data();
  void faultyFileGivesEmptyDiagramAndNotice();
  void missingFileGivesEmptyDiagramAndNotice();

 private:
  QString Write(const QByteArray& bytes) {
    const QString path = folder_.filePath(QStringLiteral("BM.TXT"));
    WriteBytes(path, bytes);
    return path;
  }

  QTemporaryDir folder_;
};

void DiagramFeedTest::handsOverEveryPairInFileOrder_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<QList<QPointF>>("points");

  QTest::newRow("empty file") << QByteArray() << QList<QPointF>{};
  QTest::newRow("blank lines only") << QByteArray("\r\n  \r\n") << QList<QPointF>{};
  QTest::newRow("pair split over lines")
      << QByteArray("1,2\r\n3\r\n4\r\n") << QList<QPointF>{{1, 2}, {3, 4}};
  QTest::newRow("as the run writes it")
      << QByteArray(" 0 , 1.57441860465116 \r\n .5 ,-2.5 \r\n 12 , 3E-20 \r\n")
      << QList<QPointF>{{0, 1.57441860465116}, {0.5, -2.5}, {12, 3e-20}};
  QTest::newRow("jump at an inner joint")
      << QByteArray("5, 7\r\n5, -3\r\n") << QList<QPointF>{{5, 7}, {5, -3}};

  // More pairs than the lists' first room of eleven.
  QByteArray many;
  QList<QPointF> many_points;
  for (int i = 1; i <= 23; ++i) {
    many += QByteArray::number(i) + ", " + QByteArray::number(i * 10 + 1) + "\r\n";
    many_points.append({double(i), double(i * 10 + 1)});
  }
  QTest::newRow("23 pairs") << many << many_points;
}

void DiagramFeedTest::handsOverEveryPairInFileOrder() {
  QFETCH(QByteArray, file);
  QFETCH(QList<QPointF>, points);
  RecordingGraph graph;
  QCOMPARE(spanwise::ui::FeedDiagram(Write(file), graph), QString());
  QCOMPARE(graph.calls, CallsFor(points));
}

void DiagramFeedTest::faultyFileGivesEmptyDiagramAndNotice_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::newRow("numbers run out in a pair") << QByteArray("1,2\r\n3\r\n");
  QTest::newRow("text in place of a number") << QByteArray("1,2\r\n3,abc\r\n");
}

void DiagramFeedTest::faultyFileGivesEmptyDiagramAndNotice() {
  QFETCH(QByteArray, file);
  RecordingGraph graph;
  const QString notice = spanwise::ui::FeedDiagram(Write(file), graph);
  QVERIFY(notice.startsWith(QStringLiteral("Could not read BM.TXT: ")));
  QCOMPARE(graph.calls, CallsFor({}));
}

void DiagramFeedTest::missingFileGivesEmptyDiagramAndNotice() {
  RecordingGraph graph;
  const QString notice =
      spanwise::ui::FeedDiagram(folder_.filePath(QStringLiteral("SF.TXT")), graph);
  QVERIFY(notice.startsWith(QStringLiteral("Could not read SF.TXT: ")));
  QCOMPARE(graph.calls, CallsFor({}));
}

QTEST_MAIN(DiagramFeedTest)
#include "tst_diagram_feed.moc"
