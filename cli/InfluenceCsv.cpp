#include "cli/InfluenceCsv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace spanwise {
namespace {

constexpr const char* kQuantities = "M:m:x, V:m:x, v:m:x, R:j:fy or R:j:mz";

template <typename Number>
bool Whole(const std::string& text, Number& value) {
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && r.ec == std::errc() && r.ptr == text.data() + text.size();
}

void Row(double x, double y, std::string& out) {
  char buf[64];
  char* end = std::to_chars(buf, buf + sizeof buf, x).ptr;
  *end++ = ',';
  end = std::to_chars(end, buf + sizeof buf, y).ptr;
  out.append(buf, end);
  out += "\r\n";
}

}  // namespace

std::string ParseQuantity(const std::string& text, InfluenceQuantity& quantity) {
  const std::string bad = "--influence needs " + std::string(kQuantities) + ", not '" + text + "'";
  const std::size_t first = text.find(':');
  const std::size_t second = first == std::string::npos ? first : text.find(':', first + 1);
  if (second == std::string::npos) return bad;
  const std::string kind = text.substr(0, first);
  const std::string number = text.substr(first + 1, second - first - 1);
  const std::string last = text.substr(second + 1);
  long n = 0;
  if (!Whole(number, n) || n < 1) return bad;
  if (kind == "R") {
    if (last != "fy" && last != "mz") return bad;
    quantity.kind = last == "fy" ? InfluenceKind::kReactionFy : InfluenceKind::kReactionMz;
    quantity.joint = n;
    return "";
  }
  if (kind != "M" && kind != "V" && kind != "v") return bad;
  double x = 0;
  if (!Whole(last, x) || !std::isfinite(x)) return bad;
  quantity.kind = kind == "M"   ? InfluenceKind::kMoment
                  : kind == "V" ? InfluenceKind::kShear
                                : InfluenceKind::kDeflection;
  quantity.member = n;
  quantity.x = x;
  return "";
}

std::string InfluenceCsv(const InfluenceLine& line) {
  std::string out = "position,value\r\n";
  double largest = 0;
  for (const Piece& p : line)
    for (int k = 0; k <= 10; ++k)
      largest = std::max(largest, std::fabs(PieceValue(p, p.x0 + ((p.x1 - p.x0) * k) / 10)));
  for (std::size_t k = 0; k < line.size(); ++k) {
    const Piece& p = line[k];
    const double start = PieceValue(p, p.x0);
    if (k == 0) {
      Row(p.x0, start, out);
    } else {
      const double before = PieceValue(line[k - 1], p.x0);
      if (std::fabs(start - before) > 1e-9 * largest) Row(p.x0, before, out);
      Row(p.x0, start, out);
    }
    for (int j = 1; j <= 10; ++j) {
      const double x = p.x0 + ((p.x1 - p.x0) * j) / 11;
      Row(x, PieceValue(p, x), out);
    }
    if (k + 1 == line.size()) Row(p.x1, PieceValue(p, p.x1), out);
  }
  return out;
}

}  // namespace spanwise
