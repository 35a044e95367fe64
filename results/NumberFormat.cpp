#include "results/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string_view>
#include <system_error>

namespace spanwise {
namespace {

std::size_t CountZeros(std::string_view text, std::size_t& pos) {
  std::size_t n = 0;
  while (pos < text.size() && text[pos] == '0') ++pos, ++n;
  return n;
}

}  // namespace

DecimFormat::Section DecimFormat::Parse(std::string_view text) {
  Section s;
  const std::size_t start = text.find("0.");
  const std::size_t e = text.find("E+");
  if (start == std::string_view::npos || e == std::string_view::npos || e < start)
    throw std::invalid_argument("malformed number format");
  s.prefix = text.substr(0, start);
  std::size_t pos = start + 2;
  s.decimals = static_cast<int>(CountZeros(text, pos));
  pos = e + 2;
  s.exponent_digits = static_cast<int>(CountZeros(text, pos));
  s.suffix = text.substr(pos);
  return s;
}

DecimFormat::DecimFormat(std::string_view format) {
  const std::size_t semicolon = format.find(';');
  positive_ = Parse(format.substr(0, semicolon));
  negative_ = semicolon == std::string_view::npos ? positive_ : Parse(format.substr(semicolon + 1));
}

void DecimFormat::Append(std::string& out, double v) const {
  const Section& s = v < 0 ? negative_ : positive_;
  char buf[64];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, s.decimals);
  const std::string_view text(buf, static_cast<std::size_t>(r.ptr - buf));
  const std::size_t e = text.find('e');
  out += s.prefix;
  if (e == std::string_view::npos) {  // not finite: never reached by a checked run
    out += text;
    out += s.suffix;
    return;
  }
  out += text.substr(0, e);
  out += 'E';
  out += text[e + 1];
  const std::string_view digits = text.substr(e + 2);
  for (int pad = s.exponent_digits - static_cast<int>(digits.size()); pad > 0; --pad) out += '0';
  out += digits;
  out += s.suffix;
}

std::string DecimFormat::operator()(double v) const {
  std::string out;
  Append(out, v);
  return out;
}

std::string JoinDecim(int decimals) {
  const std::string zeros(static_cast<std::size_t>(decimals), '0');
  return "+0." + zeros + "E+00;-0." + zeros + "E+00  ";
}

void AppendPrintForm(std::string& out, double v) {
  if (v == 0) {  // negative zero too
    out += " 0 ";
    return;
  }
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  std::string_view text(buf, static_cast<std::size_t>(r.ptr - buf));
  if (v > 0) out += ' ';
  if (text.front() == '-') {
    out += '-';
    text.remove_prefix(1);
  }
  if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.remove_prefix(1);
  for (char c : text) out += c == 'e' ? 'E' : c;
  out += ' ';
}

std::string PrintForm(double v) {
  std::string out;
  AppendPrintForm(out, v);
  return out;
}

std::string PlainNumber(double v) {
  // As an engineer types numbers: 0.0004 and 200000000 while they stay
  // short, else 1E300 and 4.5E-12, never C's 1e+300.
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  if (r.ec == std::errc() && r.ptr - buf <= 12) return std::string(buf, r.ptr);
  r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
  const std::string_view text(buf, static_cast<std::size_t>(r.ptr - buf));
  const std::size_t e = text.find('e');
  std::string plain(text.substr(0, e));
  plain += 'E';
  std::size_t digit = e + 1;
  if (text[digit] == '-') plain += '-';
  if (text[digit] == '-' || text[digit] == '+') ++digit;
  while (digit + 1 < text.size() && text[digit] == '0') ++digit;
  plain += text.substr(digit);
  return plain;
}

}  // namespace spanwise
