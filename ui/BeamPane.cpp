#include "ui/BeamPane.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>
#include <new>

#include "common/DataError.h"
#include "input/BeamModel.h"
#include "ui/BeamPicture.h"
#include "ui/BeamView.h"

namespace spanwise::ui {

BeamPane::BeamPane(QWidget* parent)
    : QWidget(parent),
      view_(new BeamView),
      reason_(new QLabel),
      beam_(new QPushButton(QStringLiteral("&Beam"))) {
  setObjectName(QStringLiteral("BeamPane"));
  view_->setObjectName(QStringLiteral("BeamPaneView"));
  reason_->setObjectName(QStringLiteral("BeamPaneReason"));
  reason_->setWordWrap(true);
  reason_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  reason_->setStyleSheet(QStringLiteral("color: #aa0000;"));
  beam_->setObjectName(QStringLiteral("BeamButton"));
  connect(beam_, &QPushButton::clicked, this, &BeamPane::beamRequested);

  auto* top = new QHBoxLayout;
  top->addWidget(beam_);
  top->addWidget(reason_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addLayout(top);
  layout->addWidget(view_, 1);

  delay_.setSingleShot(true);
  delay_.setInterval(150);  // typing on: read once the keys pause
  connect(&delay_, &QTimer::timeout, this, [this] { showText(QByteArray(waiting_)); });
}

void BeamPane::scheduleText(const QByteArray& bytes) {
  waiting_ = bytes;
  delay_.start();
}

void BeamPane::showText(const QByteArray& bytes) {
  delay_.stop();
  waiting_.clear();
  QString reason;
  try {
    auto values = std::make_shared<DesignValues>();
    values->model = ReadBeamModel(bytes.toStdString());
    for (const std::string& warning : values->model.warnings)
      reason +=
          (reason.isEmpty() ? QString() : QStringLiteral("\n")) + QString::fromStdString(warning);
    view_->setPicture(std::make_shared<const BeamPicture>(std::move(values)));
  } catch (const DataError& error) {
    // The last drawing that read stays while the engineer types on.
    reason = QString::fromStdString(error.what());
  } catch (const std::bad_alloc&) {
    reason = QStringLiteral("the model is too large for the memory of this machine");
  }
  reason_->setText(reason);
  reason_->setToolTip(reason);
}

QString BeamPane::reason() const { return reason_->text(); }

}  // namespace spanwise::ui
