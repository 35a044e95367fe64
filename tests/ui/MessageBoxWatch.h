// Watches for the next modal message box, keeps what it shows and answers it
// with the button captioned `answer` (OK by default), so that a test can run
// code that opens one.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

class MessageBoxWatch : public QObject {
 public:
  explicit MessageBoxWatch(QString answer = {}) {
    connect(&poll_, &QTimer::timeout, this, [this, answer] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      poll_.stop();
      title = box->windowTitle(), text = box->text(), informative = box->informativeText();
      for (QAbstractButton* button : box->buttons())
        if (answer.isEmpty() ? box->standardButton(button) == QMessageBox::Ok
                             : button->text() == answer)
          return button->click();
      box->reject();
    });
    poll_.start(10);
  }

  QString title, text, informative;

 private:
  QTimer poll_;
};
