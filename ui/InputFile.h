// Beam.sma as the input window sees it: the text box holds the text with
// plain line feeds; the file holds it with CR LF line ends and one CR LF more
// at its end, as every edit saves it.
#pragma once

#include <QByteArray>
#include <QString>

namespace spanwise::ui {

struct InputLoad {
  enum class State { kLoaded, kMissing, kUnreadable };
  State state = State::kMissing;
  QString text;   // for the box; empty unless loaded
  QString error;  // why it could not be read; empty unless unreadable
};

// Reads the file for the box. Never writes anything.
InputLoad LoadInputFile(const QString& path);

// The bytes one save writes for the box text: every line end as CR LF, then
// one CR LF more.
QByteArray ToFileBytes(const QString& box_text);

// The box text for the bytes of a file: CR LF and lone CR become line feeds,
// which is how the input reader counts lines too.
QString ToBoxText(const QByteArray& file_bytes);

// Writes bytes to a temporary file in the same folder and then renames it
// over path, so a crash mid-save never leaves a truncated file. Returns the
// reason of a failure, or an empty string.
QString SaveAtomically(const QString& path, const QByteArray& bytes);

}  // namespace spanwise::ui
