#include "input/FieldReader.h"

#include <algorithm>
#include <charconv>
#include <system_error>
#include <utility>

#include "common/DataError.h"

namespace spanwise {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Length of the UTF-8 sequence that starts text, 0 when it is none (a byte
// of another encoding, or a cut-off sequence).
std::size_t Utf8Length(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
  if (length == 0 || length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k)
    if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) return 0;
  return length;
}

}  // namespace

std::string ShownText(std::string_view text) {
  std::string shown;
  int characters = 0;
  for (; !text.empty() && characters < 40; ++characters) {
    const std::size_t length = Utf8Length(text);
    const bool control =
        length == 1 && (static_cast<unsigned char>(text[0]) < 0x20 || text[0] == 0x7F);
    shown += (length == 0 || control) ? std::string_view("?") : text.substr(0, length);
    text.remove_prefix(length == 0 ? 1 : length);
  }
  if (!text.empty()) shown += "...";
  return shown;
}

namespace {

// Whether an out-of-range decimal number is too small rather than too large:
// the decimal exponent of its first significant digit is negative.
bool IsUnderflow(std::string_view text) {
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  const std::size_t e = std::min(text.find_first_of("eE"), text.size());
  const std::string_view mantissa = text.substr(0, e);
  const long point = static_cast<long>(std::min(mantissa.find('.'), mantissa.size()));
  const long first = static_cast<long>(mantissa.find_first_of("123456789"));
  long exponent = 0;
  if (e < text.size()) {
    std::string_view digits = text.substr(e + 1);
    const bool negative = !digits.empty() && digits[0] == '-';
    if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) digits.remove_prefix(1);
    for (char c : digits) exponent = exponent < 1'000'000 ? exponent * 10 + (c - '0') : exponent;
    if (negative) exponent = -exponent;
  }
  return (first < point ? point - first - 1 : point - first) + exponent < 0;
}

}  // namespace

FieldReader::FieldReader(std::string bytes) : FieldReader(InputBytes(std::string_view(bytes))) {}

FieldReader::FieldReader(InputBytes bytes) : owned_(std::move(bytes)), bytes_(owned_.view()) {
  SkipByteOrderMark();
}

FieldReader FieldReader::Over(std::string_view bytes) {
  FieldReader reader{InputBytes()};
  reader.bytes_ = bytes;
  reader.SkipByteOrderMark();
  return reader;
}

FieldReader FieldReader::Open(const std::string& path) { return FieldReader(ReadInputFile(path)); }

void FieldReader::SkipByteOrderMark() {
  if (bytes_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
}

bool FieldReader::NextField() {
  for (;;) {
    while (pos_ < bytes_.size() && IsBlank(bytes_[pos_])) ++pos_;
    if (pos_ == bytes_.size()) {
      if (last_ != Separator::kComma) return false;
      break;  // a trailing comma ends a record with an empty last field
    }
    if (!IsLineEnd(bytes_[pos_]) || last_ == Separator::kComma) break;
    ConsumeSeparator();  // a blank line holds no field
  }
  field_line_ = line_;
  return true;
}

std::string_view FieldReader::TakeUntilSeparator() {
  const std::size_t start = pos_;
  while (pos_ < bytes_.size()) {
    const char c = bytes_[pos_];
    if (c == ',' || c == '\r' || c == '\n') break;
    ++pos_;
  }
  return bytes_.substr(start, pos_ - start);
}

void FieldReader::ConsumeSeparator() {
  if (pos_ == bytes_.size()) {
    last_ = Separator::kLineEnd;
    return;
  }
  const char c = bytes_[pos_++];
  if (c == ',') {
    last_ = Separator::kComma;
    return;
  }
  if (c == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
  ++line_;
  last_ = Separator::kLineEnd;
}

double FieldReader::ReadNumber(const FieldName& name) {
  if (!NextField()) Fail(name, "");
  // After a trailing comma the empty last field stands at the end of the
  // file, where there is no byte to look at.
  if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
    const std::size_t start = pos_;
    TakeUntilSeparator();
    Fail(name, std::string(bytes_.substr(start, pos_ - start)));
  }
  const std::string_view text = TrimRight(TakeUntilSeparator());
  ConsumeSeparator();
  if (text.empty()) return 0.0;

  std::string_view digits = text;
  if (digits[0] == '+') {
    digits.remove_prefix(1);
    if (!digits.empty() && digits[0] == '-') Fail(name, std::string(text));
  }
  const char first =
      digits.empty() ? ' ' : (digits[0] == '-' && digits.size() > 1 ? digits[1] : digits[0]);
  if (!IsDigit(first) && first != '.') Fail(name, std::string(text));

  double value = 0.0;
  const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                 std::chars_format::general);
  if (r.ptr != digits.data() + digits.size() || r.ec == std::errc::invalid_argument)
    Fail(name, std::string(text));
  if (r.ec == std::errc::result_out_of_range) {
    if (IsUnderflow(digits)) return digits[0] == '-' ? -0.0 : 0.0;
    Throw(Place(name, true) + ": the " + name.field + " " + ShownText(text) +
              " is too large for a number (the largest is about 1.8E308)",
          name);
  }
  return value;
}

std::string_view FieldReader::ReadText(const FieldName& name) {
  if (!NextField()) Fail(name, "");
  if (pos_ == bytes_.size() || bytes_[pos_] != '"') {
    const std::string_view text = TrimRight(TakeUntilSeparator());
    ConsumeSeparator();
    return text;
  }
  // A quoted text runs to its closing quote on the same line; whatever
  // follows the quote up to the next separator is ignored.
  const std::size_t start = ++pos_;
  while (pos_ < bytes_.size() && bytes_[pos_] != '"' && !IsLineEnd(bytes_[pos_])) ++pos_;
  const std::string_view text = bytes_.substr(start, pos_ - start);
  if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
    ++pos_;
    TakeUntilSeparator();
  }
  ConsumeSeparator();
  return text;
}

std::string_view FieldReader::PeekText() {
  const std::size_t pos = pos_;
  const int line = line_, field_line = field_line_;
  const Separator last = last_;
  const std::string_view text = AtEnd() ? std::string_view() : ReadText({nullptr, 0, "keyword"});
  pos_ = pos;
  line_ = line;
  field_line_ = field_line;
  last_ = last;
  return text;
}

std::string_view FieldReader::PeekLine(int& line) {
  const std::size_t pos = pos_;
  const int line_before = line_, field_line = field_line_;
  const Separator last = last_;
  std::string_view text;
  line = 0;
  if (!AtEnd() && NextField()) {
    line = field_line_;
    std::size_t end = pos_;
    while (end < bytes_.size() && !IsLineEnd(bytes_[end])) ++end;
    text = TrimRight(bytes_.substr(pos_, end - pos_));
  }
  pos_ = pos;
  line_ = line_before;
  field_line_ = field_line;
  last_ = last;
  return text;
}

void FieldReader::Close() {
  owned_ = InputBytes();
  bytes_ = std::string_view();
  pos_ = 0;
}

bool FieldReader::AtEnd() const {
  for (std::size_t i = pos_; i < bytes_.size(); ++i)
    if (!IsBlank(bytes_[i]) && !IsLineEnd(bytes_[i])) return false;
  return true;
}

std::string FieldReader::Place(const FieldName& name, bool with_field) const {
  std::string place = "line " + std::to_string(line());
  if (name.section != nullptr)
    place += ", " + std::string(name.section) + " record " + std::to_string(name.record);
  if (with_field && name.number > 0) place += ", field " + std::to_string(name.number);
  return place;
}

void FieldReader::Fail(const FieldName& name, const std::string& found) {
  if (pos_ >= bytes_.size() && found.empty()) {  // the file ended before the field
    if (field_line_ == 0) field_line_ = line_;   // else the line of the last field read
    throw DataError(
        Place(name, false) + ": the file ends where the " + name.field + " should stand",
        field_line_);
  }
  Throw(Place(name, true) + ": expected the " + name.field + ", found '" + ShownText(found) + "'",
        name);
}

void FieldReader::Throw(const std::string& reason, const FieldName& name) {
  throw DataError(reason, field_line_, name.number);
}

}  // namespace spanwise
