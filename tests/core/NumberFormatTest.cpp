// The number formats the files are written in, against std::to_chars
// itself on every kind of double: random bit patterns, short decimals, exact
// ties, carries into the next power of ten, subnormals, huge and tiny values.
#include <gtest/gtest.h>

#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "common/DecimalDigits.h"
#include "results/NumberFormat.h"

using namespace spanwise;

namespace {

std::string ToChars(double v, std::chars_format format, int precision) {
  char buf[400];
  return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, format, precision).ptr);
}

// DecimFormat(JoinDecim(decimals)) spelled with std::to_chars.
std::string Decim(double v, int decimals) {
  const std::string t = ToChars(std::fabs(v), std::chars_format::scientific, decimals);
  const std::size_t e = t.find('e');
  std::string out(v < 0 ? "-" : "+");
  out.append(t, 0, e).append("E").append(t, e + 1).append(v < 0 ? "  " : "");
  return out;
}

// PrintForm spelled with std::to_chars.
std::string Print(double v) {
  if (v == 0) return " 0 ";
  std::string t = ToChars(std::fabs(v), std::chars_format::general, 15);
  if (t.compare(0, 2, "0.") == 0) t.erase(0, 1);
  for (char& c : t)
    if (c == 'e') c = 'E';
  std::string out(v < 0 ? "-" : " ");
  return out.append(t).append(" ");
}

std::vector<double> Samples() {
  std::vector<double> v;
  std::mt19937_64 random(20240601);
  for (int i = 0; i < 40000; ++i) {  // random bit patterns, every exponent
    const std::uint64_t bits = random();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    v.push_back(d);
  }
  std::uniform_real_distribution<double> unit(-1, 1);
  std::uniform_int_distribution<int> power(-35, 25);
  for (int i = 0; i < 40000; ++i) v.push_back(unit(random) * std::pow(10.0, power(random)));
  for (int i = 0; i < 20000; ++i) {  // short decimals as a reader makes them
    const std::string text = std::to_string(random() % 100000) + "." +
                             std::to_string(random() % 1000) + "e" +
                             std::to_string(static_cast<int>(random() % 60) - 35);
    std::from_chars(text.data(), text.data() + text.size(), v.emplace_back());
  }
  for (int j = 0; j <= 60; ++j)  // exact ties: odd multiples of 2^-j
    for (std::uint64_t m : {1ull, 3ull, 5ull, 25ull, 125ull, 12345ull, 99995ull, 1ull << 40})
      v.push_back(std::ldexp(static_cast<double>(m), -j));
  for (int p = -330; p <= 308; ++p) {  // powers of ten and their neighbours
    const double t = std::pow(10.0, p);
    v.insert(v.end(), {t, std::nextafter(t, 0.0), std::nextafter(t, 1e308), 9.995 * t, 9.9995 * t,
                       0.5 * t, 2.5 * t});
  }
  v.insert(v.end(), {0.0, 5e-324, 2.2250738585072014e-308, std::numeric_limits<double>::max(),
                     0.1 + 0.2, 213.33333333333334, 1e23, 9007199254740993.0, 4503599627370497.5});
  const std::size_t n = v.size();
  for (std::size_t i = 0; i < n; ++i) v.push_back(-v[i]);
  std::erase_if(v, [](double d) { return !std::isfinite(d); });  // a checked run has none
  std::feclearexcept(FE_ALL_EXCEPT);                             // the samples overflow
  return v;
}

}  // namespace

TEST(NumberFormat, WritesWhatToCharsWrites) {
  std::vector<DecimFormat> formats;
  for (int decimals = 0; decimals <= 16; ++decimals) formats.emplace_back(JoinDecim(decimals));
  int failures = 0;
  for (double v : Samples()) {
    for (int decimals = 0; decimals <= 16; ++decimals) {
      const std::string got = formats[decimals](v), want = Decim(v, decimals);
      if (got != want && ++failures <= 5)
        ADD_FAILURE() << decimals << " decimals: " << got << " instead of " << want;
    }
    if (PrintForm(v) != Print(v) && ++failures <= 5)
      ADD_FAILURE() << "print form: " << PrintForm(v) << " instead of " << Print(v);
    char buf[64];
    const std::string general(buf, ToCharsGeneral(buf, buf + sizeof buf, v, 6));
    if (general != ToChars(v, std::chars_format::general, 6) && ++failures <= 5)
      ADD_FAILURE() << "Design.txt's form: " << general;
  }
  EXPECT_EQ(failures, 0);
}
