// Reads an input file as a stream of fields: separated by commas or line ends
// (CR LF, LF or lone CR), blanks and tabs before a field skipped, blank lines
// skipped, text fields optionally quoted. The same reader serves the input
// file and the diagram files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "input/InputBytes.h"

namespace spanwise {

// Names a field for the reason of an error, e.g. {"members", 2, "material number", 3}.
// Only pointers to literals: nothing is formatted unless an error is raised.
struct FieldName {
  const char* section;  // "joints", "supports", ...; nullptr for a count or a free number
  long record;          // 1-based record number within the section, 0 for a count
  const char* field;    // "X coordinate", "material number", "joint count", ...
  int number = 0;       // 1-based place of the field within its record, 0 for a count
};

// What a reason or a written label shows of a text read from the input: at
// most 40 characters (more are cut and marked "..."), control characters and
// bytes that are no UTF-8 replaced by '?', so that garbage stays readable and
// the text stays valid UTF-8.
std::string ShownText(std::string_view text);

class FieldReader {
 public:
  // Takes the file's bytes. A UTF-8 byte-order mark at the start is skipped.
  explicit FieldReader(std::string bytes);
  explicit FieldReader(InputBytes bytes);

  // Reads bytes that the caller keeps alive and unchanged while the reader
  // lives: every pass of a run reads the one copy of its input.
  static FieldReader Over(std::string_view bytes);

  // Reads the whole file at path; DataError when it cannot be read.
  static FieldReader Open(const std::string& path);

  // Reads one numeric field. An empty field is 0. DataError (naming the line,
  // the field and what was found) at the end of the file or for anything but
  // one decimal number, and for a number too large for a double.
  double ReadNumber(const FieldName& name);

  // Reads one text field (a label) and throws it away, as ReadText reads it.
  // DataError at the end of the file.
  void ReadLabel(const FieldName& name) { ReadText(name); }

  // Reads one text field (a label or a keyword) and returns its text: blanks
  // after it cut off, a quoted text without its quotes. Valid until Close.
  // DataError at the end of the file.
  std::string_view ReadText(const FieldName& name);

  // The text of the next field, as ReadText would return it, without reading
  // it; empty at the end of the file.
  std::string_view PeekText();

  // The rest of the line on which the next field starts, from that field on
  // (line ends excluded), and that line's number; empty at the end of the file.
  std::string_view PeekLine(int& line);

  // Releases the file's bytes; the reader then stands at the end.
  void Close();

  // True when nothing but blanks, tabs and line ends remains.
  bool AtEnd() const;

  // 1-based line of the last field read (of the next one before any read).
  int line() const { return field_line_ > 0 ? field_line_ : line_; }

  // Where the last field read stands, for the reason of an error:
  // "line 14, members record 2" and, with_field, ", field 3" (the field's
  // place within its record; a count has none).
  std::string Place(const FieldName& name, bool with_field) const;

  // The bytes read so far: every field read, each with its separator.
  std::string_view ReadSoFar() const { return std::string_view(bytes_).substr(0, pos_); }

  // Size of the file in bytes (bounds every count).
  std::size_t size() const { return bytes_.size(); }

 private:
  enum class Separator { kStart, kComma, kLineEnd };

  // Positions at the start of the next field; false at the end of the file
  // when no (empty) field stands there.
  bool NextField();
  std::string_view TakeUntilSeparator();
  void ConsumeSeparator();
  [[noreturn]] void Fail(const FieldName& name, const std::string& found);

  void SkipByteOrderMark();
  [[noreturn]] void Throw(const std::string& reason, const FieldName& name);

  InputBytes owned_;  // the bytes when the reader holds them itself
  std::string_view bytes_;
  std::size_t pos_ = 0;
  int line_ = 1;        // line at pos_
  int field_line_ = 0;  // line where the current field starts
  Separator last_ = Separator::kStart;
};

}  // namespace spanwise
