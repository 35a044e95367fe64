// std::to_chars with a precision, in the scientific and the general format,
// byte for byte, but fast for the magnitudes a beam's results take: the
// digits are rounded exactly (ties to even, on the exact binary value) in
// integer arithmetic. Other magnitudes go to std::to_chars itself.
#pragma once

#include <cstdint>

namespace spanwise {

// v > 0 and finite, rounded to P significant digits (1 <= P <= 17) exactly
// as std::to_chars rounds: digits in [10^(P-1), 10^P) and the decimal
// exponent of the first digit. False for the magnitudes not handled here.
bool RoundDigits(double v, int P, std::uint64_t& digits, int& exponent);

// The P decimal digits of digits < 10^P, leading zeros included.
void WriteDigits(std::uint64_t digits, int P, char* out);

// As std::to_chars(first, last, v, std::chars_format::scientific, precision).
// last - first must be at least 64.
char* ToCharsScientific(char* first, char* last, double v, int precision);

// As std::to_chars(first, last, v, std::chars_format::general, precision).
// last - first must be at least 64.
char* ToCharsGeneral(char* first, char* last, double v, int precision);

}  // namespace spanwise
