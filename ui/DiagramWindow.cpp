#include "ui/DiagramWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "design/LoadChoice.h"
#include "ui/ChartGraph.h"
#include "ui/DiagramFeed.h"
#include "ui/StaleBanner.h"
#include "ui/Twips.h"

namespace spanwise::ui {

// The value axes say what the sign means: a positive moment sags, a positive
// shear is the resultant of the forces from end i to the section pointing
// down. Two lines each, to fit beside the plot.
const DiagramKind kMomentDiagram{"Form3", "bending moment diagram",
                                 "Bending moment<br>(sagging positive)", TwipSize(6180, 3885),
                                 BeamDiagramOf::kMoment};
const DiagramKind kShearDiagram{
    "Form4", "Shear Force Diagram",
    "Shear force: forces from end i<br>to the section, positive downward", TwipSize(6165, 3870),
    BeamDiagramOf::kShear};

namespace {

constexpr QSize kGraph = TwipSize(6135, 3855);

// Points drawn inside a curved piece of the exact diagram, about as dense as
// the files' stations on a member with one load.
constexpr int kPointsPerPiece = 16;
// The stations of a member in the diagram files.
constexpr int kStations = 11;

}  // namespace

DiagramWindow::DiagramWindow(const DiagramKind& kind, const QString& diagram_path, QWidget* owner,
                             std::shared_ptr<const DesignValues> values, const Units& units)
    : QWidget(owner, Qt::Window),
      notice_(new QLabel(this)),
      graph_(new ChartGraph(QString::fromUtf8(kind.value_title), this)) {
  setObjectName(QString::fromUtf8(kind.object_name));
  setWindowTitle(QString::fromUtf8(kind.caption));
  setAttribute(Qt::WA_DeleteOnClose);
  graph_->setObjectName(QStringLiteral("Graph1"));
  graph_->resize(kGraph);
  graph_->SetUnits(values ? values->model.units : units,
                   kind.of == BeamDiagramOf::kMoment ? Dimension::kMoment : Dimension::kForce);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, kind.client.width() - kGraph.width(),
                             kind.client.height() - kGraph.height());
  layout->setSpacing(0);
  layout->addWidget(MakeStaleBanner(this));
  layout->addWidget(MakeShownLoadsLine(this, values ? ResultFilesLine(*values) : std::string()));
  layout->addWidget(notice_);
  layout->addWidget(graph_, 1);

  notice_->setText(FeedDiagram(diagram_path, *graph_));
  // The file must be the one the run wrote with these values: as many points.
  auto exact = std::make_shared<BeamDiagram>();
  if (values && notice_->text().isEmpty() &&
      graph_->drawnPoints().size() == kStations * static_cast<qsizetype>(values->members.size()) &&
      MakeBeamDiagram(values, kind.of, kPointsPerPiece, *exact))
    graph_->ShowExact(std::move(exact));
  notice_->setWordWrap(true);
  notice_->setVisible(!notice_->text().isEmpty());
  resize(kind.client);
}

QString DiagramWindow::notice() const { return notice_->text(); }

}  // namespace spanwise::ui
