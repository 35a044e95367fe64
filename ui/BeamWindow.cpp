#include "ui/BeamWindow.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QSvgGenerator>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <exception>

#include "design/DesignCsv.h"
#include "input/BeamModel.h"
#include "ui/BeamPicture.h"
#include "ui/BeamView.h"
#include "ui/InfluencePane.h"
#include "ui/InputFile.h"
#include "ui/NumberLabel.h"
#include "ui/StaleBanner.h"

namespace spanwise::ui {

BeamWindow::BeamWindow(std::shared_ptr<const DesignValues> values, const QString& report_path,
                       const QString& design_path, QWidget* owner)
    : QMainWindow(owner, Qt::Window),
      run_(values),
      view_(new BeamView),
      influence_(new InfluencePane),
      choice_box_(new QComboBox),
      banner_(new QLabel),
      shown_loads_(MakeShownLoadsLine(this, {})),
      report_path_(report_path),
      design_path_(design_path) {
  setObjectName(QStringLiteral("BeamWindow"));
  setWindowTitle(QStringLiteral("Beam"));
  setAttribute(Qt::WA_DeleteOnClose);
  view_->setObjectName(QStringLiteral("BeamView"));

  QToolBar* tools = addToolBar(QStringLiteral("Beam"));
  tools->setMovable(false);
  tools->addAction(QStringLiteral("&Reset view"), view_, &BeamView::resetView);
  tools->addAction(QStringLiteral("E&xport picture..."), this, &BeamWindow::AskExportPicture);
  tools->addAction(QStringLiteral("Print re&port..."), this, &BeamWindow::AskPrintReport);
  tools->addAction(QStringLiteral("Report as P&DF..."), this, [this] { AskTextPdf(report_path_); });
  tools->addAction(QStringLiteral("Design.txt as PD&F..."), this,
                   [this] { AskTextPdf(design_path_); });
  tools->addAction(QStringLiteral("Design values as &CSV..."), this, &BeamWindow::AskExportCsv);

  banner_->setObjectName(QStringLiteral("OutOfDate"));
  banner_->setWordWrap(true);
  banner_->setMargin(4);
  banner_->setStyleSheet(QStringLiteral("background: #fff3c4; color: #5a4500;"));
  banner_->hide();
  // The selector, on a row of its own so that a narrow window keeps it in view.
  auto* chooser = new QWidget;
  auto* row = new QHBoxLayout(chooser);
  row->setContentsMargins(4, 2, 4, 2);
  auto* label = new QLabel(QStringLiteral("&Show:"));
  label->setBuddy(choice_box_);
  choice_box_->setObjectName(QStringLiteral("LoadChoice"));
  choice_box_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  if (run_) {
    for (const LoadChoiceName& name : LoadChoices(*run_)) {
      choices_.push_back(name.choice);
      choice_box_->addItem(QString::fromStdString(name.text));
    }
  }
  // The first combination when there is one: the values a beam is designed for.
  const auto combination = std::find_if(choices_.begin(), choices_.end(), [](const LoadChoice& c) {
    return c.kind == LoadChoice::Kind::kCombination;
  });
  const int first =
      combination == choices_.end() ? 0 : static_cast<int>(combination - choices_.begin());
  choice_box_->setCurrentIndex(first);
  connect(choice_box_, &QComboBox::currentIndexChanged, this, &BeamWindow::ShowChoice);
  row->addWidget(label);
  row->addWidget(choice_box_);
  row->addStretch(1);
  chooser->setVisible(!choices_.empty());

  auto* centre = new QWidget;
  auto* layout = new QVBoxLayout(centre);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(chooser);
  layout->addWidget(shown_loads_);
  layout->addWidget(banner_);
  layout->addWidget(view_, 1);
  layout->addWidget(influence_);
  influence_->hide();
  connect(view_, &BeamView::picked, this, &BeamWindow::ShowInfluence);
  setCentralWidget(centre);
  statusBar()->showMessage(QStringLiteral("Wheel zooms, dragging pans, a double click shows all"));
  connect(view_, &BeamView::hoverChanged, statusBar(), [this](const QString& text) {
    if (!text.isEmpty()) statusBar()->showMessage(text);
  });
  if (choices_.empty()) {
    view_->setPicture(std::make_shared<const BeamPicture>(run_));
  } else {
    ShowChoice(first);
  }
  resize(960, 640);
}

void BeamWindow::ShowChoice(int k) {
  if (!run_ || k < 0 || static_cast<std::size_t>(k) >= choices_.size()) return;
  const LoadChoice& choice = choices_[static_cast<std::size_t>(k)];
  std::shared_ptr<const BeamPicture> picture;
  influence_->hide();
  if (choice.kind == LoadChoice::Kind::kCase && MovingCaseOf(*run_, choice.index) != nullptr) {
    picture = std::make_shared<const BeamPicture>(run_, BeamPicture::MovingCase{choice.index});
  } else if (choice.kind == LoadChoice::Kind::kCombination) {
    picture = std::make_shared<const BeamPicture>(run_, choice.index);
  } else if (choice.index == 1) {
    picture = std::make_shared<const BeamPicture>(run_);
  } else if (auto values = CaseDesign(*run_, choice.index)) {
    picture = std::make_shared<const BeamPicture>(std::move(values));
  }
  if (!picture) {
    statusBar()->showMessage(QStringLiteral("No values for ") + choice_box_->itemText(k));
    return;
  }
  view_->setPicture(std::move(picture));
  shown_loads_->setText(QString::fromStdString(ChoiceLine(*run_, choice)));
  shown_loads_->setVisible(!shown_loads_->text().isEmpty());
}

void BeamWindow::ShowInfluence(double X, int band, double per_pixel) {
  const BeamPicture* picture = view_->picture();
  if (picture == nullptr || picture->movingCase() == 0 || band < -1) return;
  const DesignValues& run = *picture->run();
  const Units& units = picture->units();
  InfluenceQuantity q;
  QString what;
  if (band == -1) {  // the support nearest the click, within 12 pixels
    double nearest = 12 * per_pixel;
    for (const BeamModel::Joint& joint : run.model.joints) {
      if (!joint.support.HoldsVertical() || !(std::abs(joint.x - X) <= nearest)) continue;
      nearest = std::abs(joint.x - X);
      q.kind = InfluenceKind::kReactionFy;
      q.joint = &joint - run.model.joints.data() + 1;
    }
    if (q.joint == 0) return;
    what = QStringLiteral("the vertical reaction of joint %1").arg(q.joint);
  } else {
    const auto [first, last] = picture->MembersIn(X, X);
    for (std::size_t k = first; k < last && q.member == 0; ++k) {
      const DiagramMember& m = picture->members()[k];
      if (X < m.x_lo || X > m.x_hi) continue;
      q.member = m.design->member;
      q.x = std::clamp(m.ToMember(X), 0.0, m.design->length);
    }
    if (q.member == 0) return;
    constexpr InfluenceKind kKinds[3] = {InfluenceKind::kMoment, InfluenceKind::kShear,
                                         InfluenceKind::kDeflection};
    const char* const kNames[3] = {"M", "V", "the deflection"};
    q.kind = kKinds[band];
    what =
        QStringLiteral("%1 at x = %2 of member %3")
            .arg(QLatin1String(kNames[band]), WithUnit(NumberLabel(q.x), units, Dimension::kLength))
            .arg(q.member);
  }
  InfluenceLine line;
  if (!BeamInfluence(run, q, line)) {
    statusBar()->showMessage(QStringLiteral("No influence line of ") + what);
    return;
  }
  const MovingEnvelope* moving = MovingCaseOf(run, picture->movingCase());
  const Vehicle& vehicle = run.vehicles.at(static_cast<std::size_t>(moving - run.moving.data()));
  const PlacedVehicle largest = WorstVehicle(line, vehicle, true);
  const PlacedVehicle smallest = WorstVehicle(line, vehicle, false);
  influence_->setLine(
      QStringLiteral("Influence line of %1; the vehicle where it is largest: %2 (smallest %3)")
          .arg(what, NumberLabel(largest.value), NumberLabel(smallest.value)),
      line, largest, view_->frame().x0, view_->frame().x1);  // under the picture as now in view
  influence_->show();
}

QString BeamWindow::shownLoads() const { return shown_loads_->text(); }

QString BeamWindow::outOfDate() const { return banner_->text(); }

void BeamWindow::setOutOfDate(const QString& reason) {
  banner_->setText(reason);
  banner_->setVisible(!reason.isEmpty());
}

QString BeamWindow::exportPicture(const QString& path) const {
  const QString suffix = QFileInfo(path).suffix().toLower();
  const QSize size = view_->size();
  const QRectF area(QPointF(0, 0), QSizeF(size));
  if (suffix == QLatin1String("png")) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    view_->render(painter, area);
    painter.end();
    return image.save(path, "PNG") ? QString() : QStringLiteral("could not write ") + path;
  }
  if (suffix == QLatin1String("svg")) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(area);
    svg.setTitle(QStringLiteral("Beam"));
    QPainter painter;
    if (!painter.begin(&svg)) return QStringLiteral("could not write ") + path;
    view_->render(painter, area);
    return {};
  }
  if (suffix == QLatin1String("pdf")) {
    QPdfWriter pdf(path);
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setResolution(96);  // the screen's pixels, so that symbols and labels keep their size
    QPainter painter;
    if (!painter.begin(&pdf)) return QStringLiteral("could not write ") + path;
    view_->render(painter, QRectF(0, 0, pdf.width(), pdf.height()));
    return {};
  }
  return QStringLiteral("choose a name ending in .png, .svg or .pdf");
}

std::shared_ptr<const DesignValues> BeamOnly(const QByteArray& input_bytes) {
  auto values = std::make_shared<DesignValues>();
  try {
    values->model = ReadBeamModel(input_bytes.toStdString());
  } catch (const std::exception&) {
    return nullptr;
  }
  return values;
}

namespace {

QFont TextFileFont() {
  QFont font(QStringLiteral("Liberation Mono"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(8);
  return font;
}

// The text of a file with its line ends as the text box takes them; empty
// with error set when it cannot be read.
QString ReadText(const QString& source, QString& error) {
  QFile file(source);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("could not read %1: %2").arg(source, file.errorString());
    return {};
  }
  QString text = QString::fromUtf8(file.readAll());
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

// The margin QTextDocument::print leaves on every side of a page, in millimetres.
constexpr double kPrintMarginMm = 20;

}  // namespace

QString PrintTextFile(const QString& source, QPrinter& printer) {
  QString error;
  const QString text = ReadText(source, error);
  if (!error.isEmpty()) return error;
  QTextDocument document;
  document.setDefaultFont(TextFileFont());
  document.setPlainText(text);
  document.print(&printer);
  return {};
}

QString BeamWindow::exportTextPdf(const QString& source, const QString& pdf) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  // Landscape where the widest line is wider than a portrait page holds,
  // so that a table is not wrapped.
  QString error;
  const QString text = ReadText(source, error);
  const QFontMetricsF metrics(TextFileFont(), &printer);
  double widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  const double widest_mm = widest / printer.resolution() * 25.4;
  const double room_mm =
      printer.pageLayout().paintRect(QPageLayout::Millimeter).width() - 2 * kPrintMarginMm;
  printer.setPageOrientation(widest_mm > room_mm ? QPageLayout::Landscape : QPageLayout::Portrait);
  return PrintTextFile(source, printer);
}

void BeamWindow::AskExportPicture() {
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Export picture"), QFileInfo(report_path_).dir().filePath("Beam.png"),
      QStringLiteral("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
  if (path.isEmpty()) return;
  const QString error = exportPicture(path);
  if (!error.isEmpty()) QMessageBox::warning(this, QStringLiteral("Export picture"), error);
}

QString BeamWindow::exportCsv(const QString& path) const {
  if (!run_ || run_->members.empty()) return QStringLiteral("this analysis kept no design values");
  return SaveAtomically(path, QByteArray::fromStdString(DesignCsv(*run_)));
}

// Named after the input, not Design.csv: that name belongs to the result
// set, and the next analysis without --csv removes it.
void BeamWindow::AskExportCsv() {
  const QFileInfo report(report_path_);
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Design values as CSV"),
      report.dir().filePath(report.completeBaseName() + QStringLiteral(".csv")),
      QStringLiteral("CSV table (*.csv)"));
  if (path.isEmpty()) return;
  const QString error = exportCsv(path);
  if (!error.isEmpty()) QMessageBox::warning(this, QStringLiteral("Design values as CSV"), error);
}

void BeamWindow::AskPrintReport() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const QString error = PrintTextFile(report_path_, printer);
  if (!error.isEmpty()) QMessageBox::warning(this, QStringLiteral("Print report"), error);
}

void BeamWindow::AskTextPdf(const QString& source) {
  const QFileInfo info(source);
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Save %1 as PDF").arg(info.fileName()),
      info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf")),
      QStringLiteral("PDF document (*.pdf)"));
  if (path.isEmpty()) return;
  const QString error = exportTextPdf(source, path);
  if (!error.isEmpty()) QMessageBox::warning(this, QStringLiteral("Save as PDF"), error);
}

}  // namespace spanwise::ui
