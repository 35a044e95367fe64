// The two ways the report and the diagram files write numbers. Neither
// depends on the process locale.
#pragma once

#include <string>
#include <string_view>

namespace spanwise {

// The report number format: a two-section scientific format such as
// "+0.00E+00;-0.00E+00  ". The first section serves values of zero and above
// (negative zero included), the second negative values, written as their
// magnitude. Each section is: literal text, "0." followed by one "0" per
// decimal, "E+" followed by one "0" per minimum exponent digit, literal text.
class DecimFormat {
 public:
  explicit DecimFormat(std::string_view format);
  // Appends v, correctly rounded to the format's decimals.
  void Append(std::string& out, double v) const;
  std::string operator()(double v) const;

 private:
  struct Section {
    std::string prefix;
    int decimals = 0;
    int exponent_digits = 0;
    std::string suffix;
  };
  static Section Parse(std::string_view section);
  Section positive_;
  Section negative_;
};

// Joins the report format of `decimals` decimals: "+0.", the zeros,
// "E+00;-0.", the zeros and "E+00  ".
std::string JoinDecim(int decimals);

// The numeric print form: up to 15 significant digits in general notation,
// no zero before the point of a magnitude below 1, one blank before a
// non-negative number (negative zero is written 0) or the minus sign, one
// blank after. 2.5 -> " 2.5 ", -3.75 -> "-3.75 ", 1E-20 -> " 1E-20 ".
void AppendPrintForm(std::string& out, double v);
std::string PrintForm(double v);

}  // namespace spanwise
