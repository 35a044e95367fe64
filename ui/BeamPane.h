// The input window's pane: the beam as the text states it, redrawn shortly
// after each edit while the text reads as a model; otherwise the first
// reason it does not, so that a mistyped load type or a load off its member
// shows before any analysis. Holds the "&Beam" button.
#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace spanwise::ui {

class BeamView;

class BeamPane : public QWidget {
  Q_OBJECT

 public:
  explicit BeamPane(QWidget* parent = nullptr);

  // Reads bytes (the input file as it would be saved) now and redraws.
  void showText(const QByteArray& bytes);
  // The same a moment later; a newer text replaces a waiting one.
  void scheduleText(const QByteArray& bytes);

  BeamView* view() const { return view_; }
  // The first reason the text does not read, or its warnings; empty when none.
  QString reason() const;

  // Beneath the input window's text box, as wide as it and not taller.
  QSize sizeHint() const override { return {446, 170}; }

 signals:
  // "&Beam" was pressed.
  void beamRequested();

 private:
  BeamView* view_;
  QLabel* reason_;
  QPushButton* beam_;
  QTimer delay_;
  QByteArray waiting_;
};

}  // namespace spanwise::ui
