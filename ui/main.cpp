// spanwise: the desktop program. spanwise [FILE.sma]: the input window opens
// FILE, else (unless SPANWISE_HOME is set) the file open last, else Beam.sma
// in the application folder; closing it ends the program.
// --help and --version print and exit, without a display.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
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
      "Analyses plane continuous beams. The input window opens FILE, else the file open last, "
      "else Beam.sma in the application folder (SPANWISE_HOME, or spanwise in the per-user "
      "data folder); File opens others. Analyse (Alt+A) writes the report (FILE's name with "
      ".txt), BM.TXT, SF.TXT and Design.txt beside it and shows them. F1 opens the help on "
      "the input format. spanwise-analyse runs the analysis without windows."));
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The .sma file to open."),
                               QStringLiteral("[FILE.sma]"));
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
  QString file = QApplication::arguments().value(1);
  if (!file.isEmpty() && !QFileInfo(file).isFile()) {
    std::fprintf(stderr, "spanwise: cannot open %s: no such file\n", argv[1]);
    return 2;
  }
  // SPANWISE_HOME names the folder to start in, whatever was open last.
  const QString last = spanwise::ui::InputWindow::recentFiles().value(0);
  if (file.isEmpty() && qEnvironmentVariableIsEmpty("SPANWISE_HOME") && QFileInfo(last).isFile())
    file = last;
  spanwise::ui::InputWindow window(spanwise::ui::AppFolder(), file);
  window.show();
  return QApplication::exec();
}
