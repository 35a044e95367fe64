#include "common/PlainNumber.h"

#include <charconv>
#include <string_view>

namespace spanwise {

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
