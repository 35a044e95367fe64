// The field syntax of the input file: separators, blank lines, labels,
// number spellings, and the reasons of the errors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/FieldReader.h"
#include "common/DataError.h"

using spanwise::DataError;
using spanwise::FieldName;
using spanwise::FieldReader;

namespace {

const FieldName kNumber{"joints", 1, "X coordinate", 1};
const FieldName kLabel{"joints", 1, "label"};

// Reads the pattern: 'n' a number, 'l' a label.
std::vector<double> Read(const std::string& bytes, const std::string& pattern) {
  FieldReader reader(bytes);
  std::vector<double> numbers;
  for (char kind : pattern) {
    if (kind == 'n') numbers.push_back(reader.ReadNumber(kNumber));
    if (kind == 'l') reader.ReadLabel(kLabel);
  }
  return numbers;
}

std::string ErrorOf(const std::string& bytes, const std::string& pattern, int* line = nullptr) {
  try {
    Read(bytes, pattern);
  } catch (const DataError& error) {
    if (line) *line = error.line();
    return error.what();
  }
  return "no error";
}

}  // namespace

TEST(FieldReader, ReadsFieldsAcrossSeparatorsAndLineEnds) {
  const struct {
    const char* bytes;
    const char* pattern;
    std::vector<double> numbers;
  } cases[] = {
      {"3\r\n0, joint 1\r\n", "nnl", {3, 0}},
      {"3\n0, joint 1\n", "nnl", {3, 0}},
      {"3\r0, joint 1\r", "nnl", {3, 0}},
      {"3\r\n\r\n  \t\r\n0, a\r\n", "nnl", {3, 0}},  // blank lines hold no field
      {"\r\n\r\n7,x", "nl", {7}},                    // nor do leading ones
      {"1,,2,x", "nnnl", {1, 0, 2}},                 // an empty field is 0
      {"1, \t,2,x", "nnnl", {1, 0, 2}},
      {"1,2,\r\n5,x", "nnln", {1, 2, 5}},           // trailing comma: empty label
      {"1,2,", "nnl", {1, 2}},                      // ...also at the very end
      {"1,\"a, b\",2,x", "nlnl", {1, 2}},           // a quoted label holds commas
      {"1,\"a\" junk,2,x", "nlnl", {1, 2}},         // the text after the quote is ignored
      {"1,\"unterminated\r\n2,x", "nlnl", {1, 2}},  // an open quote ends with its line
      {"\xEF\xBB\xBF"
       "5,x",
       "nl",
       {5}},  // a byte-order mark is skipped
      {"  -5. , .5 ,+2E8,1.5e-3, 1E-400 ,x", "nnnnnl", {-5, 0.5, 2e8, 1.5e-3, 0}},
      {"1,label,2,x", "nlnl", {1, 2}},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.bytes, c.pattern), c.numbers) << c.bytes;
}

TEST(FieldReader, RejectsWhatIsNoNumberNamingLineAndField) {
  const struct {
    const char* bytes;
    int line;
    const char* reason;
  } cases[] = {
      {"1\r\n\r\n2, steel", 3,
       "line 3, joints record 1, field 1: expected the X coordinate, found 'steel'"},
      {"inf", 1, "found 'inf'"},
      {"nan", 1, "found 'nan'"},
      {"0x10", 1, "found '0x10'"},
      {"5 6", 1, "found '5 6'"},
      {"\"5\"", 1, "found '\"5\"'"},
      {"+-5", 1, "found '+-5'"},
      {"1e", 1, "found '1e'"},
      {"-", 1, "found '-'"},
      {".", 1, "found '.'"},
      {"1E400", 1, "the X coordinate 1E400 is too large for a number"},
      {"-1E999", 1, "too large"},
      {"", 1, "line 1, joints record 1: the file ends where the X coordinate should stand"},
      {"1\r\n2\r\n", 2, "the file ends where"},  // the line of the last field
  };
  for (const auto& c : cases) {
    int line = 0;
    const std::string reason =
        ErrorOf(c.bytes, c.bytes[0] == '1' && c.bytes[1] == '\r' ? "nnn" : "n", &line);
    EXPECT_NE(reason.find(c.reason), std::string::npos) << c.bytes << " gave: " << reason;
    EXPECT_EQ(line, c.line) << c.bytes;
  }
}

TEST(FieldReader, AtEndSeesOnlyBlanksAndLineEnds) {
  FieldReader reader(" 0 , 1 \r\n .5 ,-2 \r\n\r\n  ");
  EXPECT_FALSE(reader.AtEnd());
  EXPECT_EQ(reader.ReadNumber(kNumber), 0);
  EXPECT_EQ(reader.ReadNumber(kNumber), 1);
  EXPECT_EQ(reader.ReadNumber(kNumber), 0.5);
  EXPECT_EQ(reader.ReadNumber(kNumber), -2);
  EXPECT_TRUE(reader.AtEnd());
}
