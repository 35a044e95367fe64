// Beam.sma as the input window sees it: the text box holds the text with
// plain line feeds; the file holds it with CR LF line ends and one CR LF more
// at its end, as every edit saves it, in the encoding the file came in.
#pragma once

#include <QByteArray>
#include <QString>

namespace spanwise::ui {

// How the text of a file is stored. A file that is not valid UTF-8 is taken
// as Latin-1, where every byte is a character of its own: labels typed on
// older systems then come back byte for byte, instead of being replaced by
// substitute characters.
enum class Encoding {
  kUtf8,
  kUtf8WithMark,  // UTF-8 after a byte-order mark, which saving keeps
  kLatin1,
};

struct InputLoad {
  enum class State { kLoaded, kMissing, kUnreadable };
  State state = State::kMissing;
  QString text;                         // for the box; empty unless loaded
  QString error;                        // why it could not be read; empty unless unreadable
  Encoding encoding = Encoding::kUtf8;  // how to save the text again
};

// Reads the file for the box. Never writes anything.
InputLoad LoadInputFile(const QString& path);

// The encoding of a file's bytes: UTF-8 (after a byte-order mark or not)
// when they are valid UTF-8, Latin-1 otherwise.
Encoding EncodingOf(const QByteArray& file_bytes);

// The bytes one save writes for the box text: every line end as CR LF, then
// one CR LF more, encoded as given. Latin-1 has no place for characters
// beyond it; each is saved as one '?' (see LostInLatin1).
QByteArray ToFileBytes(const QString& box_text, Encoding encoding = Encoding::kUtf8);

// The first character of the box text that Latin-1 cannot hold, or an empty
// string when there is none.
QString LostInLatin1(const QString& box_text);

// The box text for the bytes of a file in the given encoding (the mark
// removed): CR LF and lone CR become line feeds, which is how the input
// reader counts lines too.
QString ToBoxText(const QByteArray& file_bytes, Encoding encoding = Encoding::kUtf8);

// Writes bytes to a temporary file in the same folder and then renames it
// over path, so a crash mid-save never leaves a truncated file. Returns the
// reason of a failure, or an empty string.
QString SaveAtomically(const QString& path, const QByteArray& bytes);

}  // namespace spanwise::ui
