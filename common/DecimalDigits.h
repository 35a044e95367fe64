// The significant digits std::to_chars writes with a precision, rounded the
// same way (ties to even, on the exact binary value) but fast for the
// magnitudes a beam's results take: in floating point where that is sure, in
// integer arithmetic where not. The number formats put them together; other
// magnitudes go to std::to_chars itself.
#pragma once

#include <cstdint>
#include <string>

namespace spanwise {

// v > 0 and finite, rounded to P significant digits (1 <= P <= 17) exactly
// as std::to_chars rounds: digits in [10^(P-1), 10^P) and the decimal
// exponent of the first digit. False for the magnitudes not handled here.
bool RoundDigits(double v, int P, std::uint64_t& digits, int& exponent);

// The P decimal digits of digits < 10^P, leading zeros included.
void WriteDigits(std::uint64_t digits, int P, char* out);

// As std::to_chars(first, last, v, std::chars_format::general, precision),
// byte for byte (Design.txt's numbers). last - first must be at least 64.
char* ToCharsGeneral(char* first, char* last, double v, int precision);

// v with 6 significant digits in the shortest form, as std::to_chars writes
// it in general form (no locale): "17.25", "-1.5e-05", "0", "-0". The text of
// Design.txt's numbers, of the warnings and of the windows' labels.
// last - first must be at least 64; returns the end of the text.
char* SixDigits(char* first, char* last, double v);
std::string SixDigits(double v);

}  // namespace spanwise
