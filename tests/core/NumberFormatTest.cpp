// The report number format and the numeric print form, byte for byte.
#include <gtest/gtest.h>

#include <clocale>

#include "results/NumberFormat.h"

using spanwise::DecimFormat;
using spanwise::JoinDecim;
using spanwise::PrintForm;

TEST(Decim, JoinsTheTwoSectionFormat) { EXPECT_EQ(JoinDecim(2), "+0.00E+00;-0.00E+00  "); }

TEST(Decim, FormatsBothSections) {
  const DecimFormat decim(JoinDecim(2));
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {250, "+2.50E+02"},
      {-250, "-2.50E+02  "},
      {0, "+0.00E+00"},
      {-0.0, "+0.00E+00"},  // negative zero counts as zero
      {0.5, "+5.00E-01"},
      {1234.5, "+1.23E+03"},
      {-0.000456, "-4.56E-04  "},
      {9.996, "+1.00E+01"},
      {1e-30, "+1.00E-30"},
      {-1e-29, "-1.00E-29  "},
      {-213.33333333333334, "-2.13E+02  "},
      {1e300, "+1.00E+300"},
      {2.5e-320, "+2.50E-320"},  // subnormal
      {0.125, "+1.25E-01"},      // exact binary tie in the third digit stays
      {1.005, "+1.00E+00"},      // 1.005 is slightly below the tie in binary
      {2.675, "+2.67E+00"},
      {9.995, "+9.99E+00"},
  };
  for (const auto& c : cases) EXPECT_EQ(decim(c.value), c.text) << c.value;
}

TEST(PrintForm, WritesGeneralNotationWithBlanks) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {2.5, " 2.5 "},
      {-3.75, "-3.75 "},
      {1e-20, " 1E-20 "},
      {0.0001, " .0001 "},
      {0.00001, " 1E-05 "},
      {0, " 0 "},
      {-0.0, " 0 "},
      {0.5, " .5 "},
      {-0.25, "-.25 "},
      {12, " 12 "},
      {1e15, " 1E+15 "},
      {123456789012345.0, " 123456789012345 "},
      {1234567890123456.0, " 1.23456789012346E+15 "},
      {1.0 / 3, " .333333333333333 "},
      {-0.834414567022541, "-.834414567022541 "},
      {5.7, " 5.7 "},
  };
  for (const auto& c : cases) EXPECT_EQ(PrintForm(c.value), c.text) << c.value;
}

TEST(NumberFormats, IgnoreTheProcessLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old ? old : "C";
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  EXPECT_EQ(DecimFormat(JoinDecim(2))(-1234.5), "-1.23E+03  ");
  EXPECT_EQ(PrintForm(2.5), " 2.5 ");
  std::setlocale(LC_ALL, saved.c_str());
}
