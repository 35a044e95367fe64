#include "results/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <system_error>

#include "common/DecimalDigits.h"
#include "common/InternalError.h"

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
    throw InternalError("malformed number format");
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
  const double magnitude = std::fabs(v);
  const int P = s.decimals + 1;
  std::uint64_t digits = 0;
  int exponent = 0;
  // The number is put together here from its rounded digits and appended
  // at once; std::to_chars writes the rest.
  char line[256];
  if (P <= 17 && s.prefix.size() + s.suffix.size() < 128 &&
      (magnitude == 0 || RoundDigits(magnitude, P, digits, exponent))) {
    char* p = line;
    std::memcpy(p, s.prefix.data(), s.prefix.size());
    p += s.prefix.size();
    char d[17];
    WriteDigits(digits, P, d);
    *p++ = d[0];
    if (P > 1) {
      *p++ = '.';
      std::memcpy(p, d + 1, static_cast<std::size_t>(P - 1));
      p += P - 1;
    }
    *p++ = 'E';
    *p++ = exponent < 0 ? '-' : '+';
    const int a = exponent < 0 ? -exponent : exponent;
    const int natural = a >= 100 ? 3 : 2;  // std::to_chars writes two digits at least
    for (int pad = s.exponent_digits - natural; pad > 0; --pad) *p++ = '0';
    if (a >= 100) *p++ = static_cast<char>('0' + a / 100);
    *p++ = static_cast<char>('0' + a / 10 % 10);
    *p++ = static_cast<char>('0' + a % 10);
    std::memcpy(p, s.suffix.data(), s.suffix.size());
    p += s.suffix.size();
    out.append(line, static_cast<std::size_t>(p - line));
    return;
  }
  char buf[64];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, s.decimals);
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
  const std::string_view exponent_text = text.substr(e + 2);
  for (int pad = s.exponent_digits - static_cast<int>(exponent_text.size()); pad > 0; --pad)
    out += '0';
  out += exponent_text;
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
  char line[72];
  char* p = line;
  *p++ = v > 0 ? ' ' : '-';
  std::uint64_t digits;
  int e;
  if (RoundDigits(std::fabs(v), 15, digits, e)) {
    // General notation of 15 digits, as std::to_chars writes it, without
    // the zero before the point and with a capital E.
    char d[15];
    WriteDigits(digits, 15, d);
    int n = 15;  // the digits left when the trailing zeros go
    while (n > 1 && d[n - 1] == '0') --n;
    if (e < -4 || e >= 15) {
      *p++ = d[0];
      if (n > 1) {
        *p++ = '.';
        std::memcpy(p, d + 1, static_cast<std::size_t>(n - 1));
        p += n - 1;
      }
      *p++ = 'E';
      *p++ = e < 0 ? '-' : '+';
      const int a = e < 0 ? -e : e;
      if (a >= 100) *p++ = static_cast<char>('0' + a / 100);
      *p++ = static_cast<char>('0' + a / 10 % 10);
      *p++ = static_cast<char>('0' + a % 10);
    } else if (e >= 0) {
      std::memcpy(p, d, static_cast<std::size_t>(e + 1));
      p += e + 1;
      if (n > e + 1) {
        *p++ = '.';
        std::memcpy(p, d + e + 1, static_cast<std::size_t>(n - e - 1));
        p += n - e - 1;
      }
    } else {
      *p++ = '.';
      for (int z = -1; z > e; --z) *p++ = '0';
      std::memcpy(p, d, static_cast<std::size_t>(n));
      p += n;
    }
  } else {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    std::string_view text(buf, static_cast<std::size_t>(r.ptr - buf));
    if (text.front() == '-') text.remove_prefix(1);
    if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.remove_prefix(1);
    for (char c : text) *p++ = c == 'e' ? 'E' : c;
  }
  *p++ = ' ';
  out.append(line, static_cast<std::size_t>(p - line));
}

std::string PrintForm(double v) {
  std::string out;
  AppendPrintForm(out, v);
  return out;
}

}  // namespace spanwise
