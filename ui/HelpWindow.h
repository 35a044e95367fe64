// The help: one window of text, no web browser needed. The input-format part
// is docs/input-format.md, the same text as the README's "Input format".
#pragma once

#include <QTextBrowser>

namespace spanwise::ui {

class HelpWindow : public QTextBrowser {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* owner);
};

// The help as Markdown: docs/help.md with docs/input-format.md in its place.
QString HelpMarkdown();

}  // namespace spanwise::ui
