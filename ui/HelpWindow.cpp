#include "ui/HelpWindow.h"

#include <QFile>

namespace spanwise::ui {
namespace {

QString Resource(const char* name) {
  QFile file(QString::fromLatin1(name));
  file.open(QIODevice::ReadOnly);
  return QString::fromUtf8(file.readAll());
}

}  // namespace

QString HelpMarkdown() {
  QString help = Resource(":/help.md");
  help.replace(QStringLiteral("<!-- input-format.md -->"), Resource(":/input-format.md"));
  return help;
}

HelpWindow::HelpWindow(QWidget* owner) : QTextBrowser(owner) {
  setWindowFlag(Qt::Window);
  setObjectName(QStringLiteral("Help"));
  setWindowTitle(QStringLiteral("Spanwise help"));
  setOpenLinks(true);
  setOpenExternalLinks(false);
  setMarkdown(HelpMarkdown());
  resize(640, 560);
}

}  // namespace spanwise::ui
