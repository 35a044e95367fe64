// spanwise-typist FILE PASTED: the input window on the application folder
// (as the program finds it), with the UTF-8 text of FILE (characters of the
// basic plane): its first PASTED characters replace all of the box in one
// edit, as a paste does, and the rest is typed one key press per character,
// each from its own turn of the event loop, so Beam.sma is saved after every
// character. Prints "typing" when it starts and "typed" when
// the text is in; then waits to be killed. Only the saving tests use it: the
// program itself has no such hook.
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>

#include "ui/AppFolder.h"
#include "ui/InputWindow.h"
#include "ui/LineNumberEdit.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("spanwise"));
  QFile file(QFile::decodeName(argc == 3 ? argv[1] : ""));
  if (!file.open(QIODevice::ReadOnly)) {
    std::fputs("usage: spanwise-typist FILE PASTED (FILE readable)\n", stderr);
    return 2;
  }
  const QString text = QString::fromUtf8(file.readAll());
  const qsizetype pasted = qBound(qsizetype(0), QByteArray(argv[2]).toLongLong(), text.size());

  spanwise::ui::InputWindow window(spanwise::ui::AppFolder());
  window.show();
  auto* box = window.findChild<spanwise::ui::LineNumberEdit*>(QStringLiteral("Text1"));
  box->selectAll();

  qsizetype next = pasted;
  QTimer typist;
  typist.setInterval(0);
  QObject::connect(&typist, &QTimer::timeout, [&] {
    if (next == text.size()) {
      typist.stop();
      std::puts("typed");
      std::fflush(stdout);
      return;
    }
    const QString key = text.at(next++);
    const bool line_end = key == QStringLiteral("\n");
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, line_end ? Qt::Key_Return : Qt::Key_unknown, Qt::NoModifier,
                      line_end ? QStringLiteral("\r") : key);
      QApplication::sendEvent(box, &event);
    }
  });
  QTimer::singleShot(0, [&] {
    if (pasted > 0) box->insertPlainText(text.left(pasted));
    std::puts("typing");
    std::fflush(stdout);
    typist.start();
  });
  return QApplication::exec();
}
