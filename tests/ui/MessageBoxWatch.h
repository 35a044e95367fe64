// Watches for the next modal message box, keeps what it shows and answers it
// with OK, so that a test can run code that opens one.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

class MessageBoxWatch : public QObject {
 public:
  MessageBoxWatch() {
    connect(&poll_, &QTimer::timeout, this, &MessageBoxWatch::Look);
    poll_.start(10);
  }

  bool shown = false;
  QString title;
  QString text;
  QString details;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QList<QMessageBox::StandardButton> buttons;  // those that close it; not "Show Details..."

 private:
  void Look() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    poll_.stop();
    shown = true;
    title = box->windowTitle();
    text = box->text();
    details = box->detailedText();
    icon = box->icon();
    for (QAbstractButton* button : box->buttons()) {
      if (box->buttonRole(button) != QMessageBox::ActionRole)
        buttons << box->standardButton(button);
    }
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      ok->click();
    } else {
      box->reject();
    }
  }

  QTimer poll_;
};
