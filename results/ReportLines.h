// Pieces of report lines shared by the section writers.
#pragma once

#include <string>

#include "common/OutputFile.h"
#include "results/NumberFormat.h"

namespace spanwise {

// "Member " + m in the numeric print form + label, as one line.
inline void MemberLine(OutputFile& report, long m, const char* label) {
  std::string& line = report.text();
  line += "Member ";
  AppendPrintForm(line, static_cast<double>(m));
  line += label;
  report.EndLine();
}

// F(a) + "  " + F(b), followed by "  " when trailing, as one line.
inline void ValueLine(OutputFile& report, const DecimFormat& decim, double a, double b,
                      bool trailing) {
  std::string& line = report.text();
  decim.Append(line, a);
  line += "  ";
  decim.Append(line, b);
  if (trailing) line += "  ";
  report.EndLine();
}

}  // namespace spanwise
