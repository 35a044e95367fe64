#include "common/DecimalDigits.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace spanwise {
namespace {

using u64 = std::uint64_t;
__extension__ typedef unsigned __int128 u128;

constexpr int kMaxDigits = 17;  // significant digits handled here
constexpr int kMaxPow5 = 54;    // 5^54 < 2^126

constexpr std::array<u128, kMaxPow5 + 1> kPow5 = [] {
  std::array<u128, kMaxPow5 + 1> p{};
  p[0] = 1;
  for (int k = 1; k <= kMaxPow5; ++k) p[k] = p[k - 1] * 5;
  return p;
}();

constexpr std::array<double, 23> kPow10Double = [] {
  std::array<double, 23> p{};
  p[0] = 1;
  for (int k = 1; k < 23; ++k) p[k] = p[k - 1] * 10;  // exact up to 10^22
  return p;
}();

constexpr std::array<u64, 20> kPow10 = [] {
  std::array<u64, 20> p{};
  p[0] = 1;
  for (int k = 1; k < 20; ++k) p[k] = p[k - 1] * 10;
  return p;
}();

// The integer part q of a non-negative value and where the rest lies
// against one half: -1 below, 0 exactly, 1 above.
struct Scaled {
  u64 q;
  int half;
};

// floor and rest of the 192-bit number (l2, l1, l0) / 2^shift, 1 <= shift
// < 192; false when the quotient does not fit in 64 bits.
bool ShiftRight(u64 l2, u64 l1, u64 l0, int shift, Scaled& out) {
  const u64 limb[3] = {l0, l1, l2};
  // Bits from shift + 64 up must be zero.
  const int top = shift + 64;
  if (top < 192) {
    if ((limb[top / 64] >> (top % 64)) != 0) return false;
    for (int w = top / 64 + 1; w < 3; ++w)
      if (limb[w] != 0) return false;
  }
  const int word = shift / 64, offset = shift % 64;
  u64 q = limb[word] >> offset;
  if (offset != 0 && word + 1 < 3) q |= limb[word + 1] << (64 - offset);
  // The half bit and the bits below it.
  const int h = shift - 1;
  const bool half_bit = (limb[h / 64] >> (h % 64)) & 1u;
  bool sticky = h % 64 != 0 && (limb[h / 64] & ((u64{1} << (h % 64)) - 1)) != 0;
  for (int w = 0; w < h / 64; ++w) sticky = sticky || limb[w] != 0;
  out.q = q;
  out.half = half_bit ? (sticky ? 1 : 0) : -1;
  return true;
}

// v * 10^k for v = M * 2^E, exactly split into integer part and rest;
// false when the numbers leave the ranges handled here.
bool Scale(u64 M, int E, int k, Scaled& out) {
  if (k >= 0) {
    if (k > kMaxPow5) return false;
    const int s = E + k;  // v * 10^k = M * 5^k * 2^s
    if (s >= 0) return false;
    const u128 p5 = kPow5[k];
    const u128 lo = static_cast<u128>(M) * static_cast<u64>(p5);
    const u128 hi = static_cast<u128>(M) * static_cast<u64>(p5 >> 64);
    // (hi << 64) + lo as three limbs.
    const u64 l0 = static_cast<u64>(lo);
    const u128 mid = (lo >> 64) + static_cast<u64>(hi);
    const u64 l1 = static_cast<u64>(mid);
    const u64 l2 = static_cast<u64>(hi >> 64) + static_cast<u64>(mid >> 64);
    if (-s >= 192) return false;
    return ShiftRight(l2, l1, l0, -s, out);
  }
  const int j = -k;  // v / 10^j = M * 2^(E - j) / 5^j
  if (j > 27) return false;
  const u64 p5 = static_cast<u64>(kPow5[j]);
  const int s = E - j;
  if (s >= 0) {
    if (s > 74) return false;
    const u128 num = static_cast<u128>(M) << s;
    const u128 q = num / p5;
    const u64 rest = static_cast<u64>(num % p5);
    if (q >> 64) return false;
    out.q = static_cast<u64>(q);
    out.half = rest > p5 - rest ? 1 : (rest == p5 - rest ? 0 : -1);
    return true;
  }
  if (-s >= 64) return false;
  const u128 den = static_cast<u128>(p5) << -s;
  if (den >> 64) return false;
  const u64 d = static_cast<u64>(den);
  const u64 rest = M % d;
  out.q = M / d;
  out.half = rest > d - rest ? 1 : (rest == d - rest ? 0 : -1);
  return true;
}

// Takes the rounded digits q of P digits and exponent e; a carry into a
// further digit (9.99 to 10.0) moves to the next power of ten.
bool Accept(u64 q, int P, int e, u64& digits, int& exponent) {
  if (q == kPow10[P]) {
    q = kPow10[P - 1];
    ++e;
  }
  digits = q;
  exponent = e;
  return true;
}

// v > 0 finite rounded to P significant digits in integer arithmetic.
bool ExactRound(double v, int P, u64& digits, int& exponent) {
  u64 bits;
  std::memcpy(&bits, &v, sizeof bits);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  u64 M = bits & ((u64{1} << 52) - 1);
  int E;
  if (biased == 0) {
    E = -1074;
  } else {
    M |= u64{1} << 52;
    E = biased - 1075;
  }
  if (M == 0) return false;
  const int e2 = E + 63 - __builtin_clzll(M);  // 2^e2 <= v < 2^(e2 + 1)
  int e = (e2 * 78913) >> 18;                  // floor(e2 log10 2): e or e - 1 of v
  Scaled s;
  if (!Scale(M, E, P - 1 - e, s)) return false;
  if (s.q >= kPow10[P]) {
    ++e;
    if (!Scale(M, E, P - 1 - e, s)) return false;
  }
  if (s.q < kPow10[P - 1] || s.q >= kPow10[P]) return false;  // never: a safeguard
  const bool up = s.half > 0 || (s.half == 0 && (s.q & 1));
  return Accept(s.q + (up ? 1 : 0), P, e, digits, exponent);
}

constexpr std::array<char, 200> kPairs = [] {
  std::array<char, 200> p{};
  for (int i = 0; i < 100; ++i) {
    p[2 * i] = static_cast<char>('0' + i / 10);
    p[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return p;
}();

// The n digits of q < 10^n, most significant first, two at a time.
void SmallDigits(std::uint32_t q, int n, char* out) {
  while (n >= 2) {
    n -= 2;
    std::memcpy(out + n, &kPairs[2 * (q % 100)], 2);
    q /= 100;
  }
  if (n == 1) out[0] = static_cast<char>('0' + q);
}

// The P digits of q, most significant first.
void Digits(u64 q, int P, char* out) {
  if (P <= 8) return SmallDigits(static_cast<std::uint32_t>(q), P, out);
  if (P <= 16) {
    SmallDigits(static_cast<std::uint32_t>(q / 100000000), P - 8, out);
    SmallDigits(static_cast<std::uint32_t>(q % 100000000), 8, out + P - 8);
    return;
  }
  Digits(q / 10, P - 1, out);
  out[P - 1] = static_cast<char>('0' + q % 10);
}

char* Exponent(char* p, int e) {
  *p++ = 'e';
  *p++ = e < 0 ? '-' : '+';
  const unsigned a = static_cast<unsigned>(e < 0 ? -e : e);
  if (a >= 100) *p++ = static_cast<char>('0' + a / 100);
  *p++ = static_cast<char>('0' + a / 10 % 10);
  *p++ = static_cast<char>('0' + a % 10);
  return p;
}

// 2^p for a normal result.
double Power2(int p) {
  const u64 bits = static_cast<u64>(p + 1023) << 52;
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

// floor(log2 v) of a normal v > 0.
int BinaryExponent(double v) {
  u64 bits;
  std::memcpy(&bits, &v, sizeof bits);
  return static_cast<int>((bits >> 52) & 0x7FF) - 1023;
}

}  // namespace

// One multiplication or division by an exact power of ten gives v * 10^k
// within half a unit of its last place; unless that leaves the rounding in
// doubt (the rest too near one half), its rounding is the exact one. Else
// the exact integer arithmetic decides.
bool RoundDigits(double v, int P, std::uint64_t& digits, int& exponent) {
  // No comparison of a NaN: it would raise the invalid-operation flag.
  if (P < 1 || P > kMaxDigits || !std::isfinite(v) || std::signbit(v) || v == 0) return false;
  if (P <= 15 && v >= 1e-280) {
    const int e2 = BinaryExponent(v);  // 2^e2 <= v < 2^(e2 + 1)
    int e = (e2 * 78913) >> 18;        // the decimal exponent of v, or one less
    for (int attempt = 0; attempt < 2; ++attempt) {
      const int k = P - 1 - e;
      if (k > 22 || k < -22) break;
      const double t = k >= 0 ? v * kPow10Double[k] : v / kPow10Double[-k];
      const double top = kPow10Double[P];
      if (t >= top) {  // the exponent was one too small
        ++e;
        continue;
      }
      if (t < kPow10Double[P - 1]) break;
      const u64 whole = static_cast<u64>(t);               // t < 2^50: exact floor
      const double rest = t - static_cast<double>(whole);  // exact
      const double ulp = Power2(BinaryExponent(t) - 52);
      if (std::fabs(rest - 0.5) <= 2 * ulp || top - t <= 2 * ulp) break;
      return Accept(whole + (rest > 0.5 ? 1 : 0), P, e, digits, exponent);
    }
  }
  return ExactRound(v, P, digits, exponent);
}

void WriteDigits(std::uint64_t digits, int P, char* out) { Digits(digits, P, out); }

char* ToCharsGeneral(char* first, char* last, double v, int precision) {
  const int P = precision == 0 ? 1 : precision;
  u64 q;
  int e;
  if (precision < 0 || P > kMaxDigits || !std::isfinite(v) || v == 0 ||
      !RoundDigits(std::fabs(v), P, q, e))
    return std::to_chars(first, last, v, std::chars_format::general, precision).ptr;
  char d[kMaxDigits];
  Digits(q, P, d);
  int n = P;  // significant digits left after the trailing zeros go
  while (n > 1 && d[n - 1] == '0') --n;
  char* p = first;
  if (std::signbit(v)) *p++ = '-';
  if (e < -4 || e >= P) {  // scientific
    *p++ = d[0];
    if (n > 1) {
      *p++ = '.';
      std::memcpy(p, d + 1, static_cast<std::size_t>(n - 1));
      p += n - 1;
    }
    return Exponent(p, e);
  }
  if (e >= 0) {  // e + 1 digits before the point
    std::memcpy(p, d, static_cast<std::size_t>(e + 1));
    p += e + 1;
    if (n > e + 1) {
      *p++ = '.';
      std::memcpy(p, d + e + 1, static_cast<std::size_t>(n - e - 1));
      p += n - e - 1;
    }
    return p;
  }
  *p++ = '0';
  *p++ = '.';
  for (int z = -1; z > e; --z) *p++ = '0';
  std::memcpy(p, d, static_cast<std::size_t>(n));
  return p + n;
}

char* SixDigits(char* first, char* last, double v) { return ToCharsGeneral(first, last, v, 6); }

std::string SixDigits(double v) {
  char text[64];
  return std::string(text, SixDigits(text, text + sizeof text, v));
}

}  // namespace spanwise
