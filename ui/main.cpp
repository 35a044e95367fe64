// spanwise: the desktop program. The input window opens at start-up and
// keeps Beam.sma in the application folder; closing it ends the program.
// --help and --version print and exit, without a display.
#include <QApplication>
#include <QCommandLineParser>
#include <string_view>

#include "ui/AppFolder.h"
#include "ui/InputWindow.h"

namespace {

bool AsksForText(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v" ||
        arg == "--version")
      return true;
  }
  return false;
}

// Prints the help or the version and exits.
void PrintAndExit(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Analyses plane continuous beams. The input window keeps Beam.sma in the application "
      "folder (SPANWISE_HOME, or spanwise in the per-user data folder); Analyse (Alt+A) writes "
      "the report Beam.txt, BM.TXT, SF.TXT and Design.txt beside it and shows them. F1 opens "
      "the help on the input format. spanwise-analyse runs the analysis without windows."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.process(app);
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("spanwise"));
  QCoreApplication::setApplicationVersion(QStringLiteral(SPANWISE_VERSION));
  if (AsksForText(argc, argv)) PrintAndExit(argc, argv);
  QApplication app(argc, argv);
  spanwise::ui::InputWindow window(spanwise::ui::AppFolder());
  window.show();
  return QApplication::exec();
}
