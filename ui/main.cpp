// spanwise: the desktop program. The input window opens at start-up and
// keeps Beam.sma in the application folder; closing it ends the program.
#include <QApplication>

#include "ui/AppFolder.h"
#include "ui/InputWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("spanwise"));
  spanwise::ui::InputWindow window(spanwise::ui::AppFolder());
  window.show();
  return QApplication::exec();
}
