// The field syntax of the input file: separators, blank lines, labels and
// number spellings. Faults of whole files are rows of the bad-input table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/FieldReader.h"
#include "tests/support/Expect.h"

using spanwise::FieldName;
using spanwise::FieldReader;

namespace {

const FieldName kNumber{"joints", 1, "X coordinate", 1};

// Reads the pattern: 'n' a number, 'l' a label, 'e' whether at the end (1 or 0).
std::vector<double> Read(const std::string& bytes, const std::string& pattern) {
  FieldReader reader(bytes);
  std::vector<double> got;
  for (char kind : pattern) {
    if (kind == 'n') got.push_back(reader.ReadNumber(kNumber));
    if (kind == 'l') reader.ReadLabel({"joints", 1, "label"});
    if (kind == 'e') got.push_back(reader.AtEnd() ? 1 : 0);
  }
  return got;
}

}  // namespace

TEST(FieldReader, ReadsFieldsAcrossSeparatorsAndLineEnds) {
  const struct {
    const char* bytes;
    const char* pattern;
    std::vector<double> got;
  } cases[] = {
      {"3\r\n0, joint 1\r\n", "nnle", {3, 0, 1}},
      {"3\n0, joint 1\n", "nnl", {3, 0}},
      {"3\r0, joint 1\r", "nnl", {3, 0}},
      {"3\r\n\r\n  \t\r\n0, a\r\n", "nnl", {3, 0}},  // blank lines hold no field
      {"\r\n\r\n7,x", "nl", {7}},                    // nor do leading ones
      {"1,,2,x", "nnnl", {1, 0, 2}},                 // an empty field is 0
      {"1, \t,2,x", "nnnl", {1, 0, 2}},
      {"1,2,\r\n5,x", "nnln", {1, 2, 5}},           // trailing comma: empty label
      {"1,2,", "nnle", {1, 2, 1}},                  // ...also at the very end
      {"1,\"a, b\",2,x", "nlnl", {1, 2}},           // a quoted label holds commas
      {"1,\"a\" junk,2,x", "nlnl", {1, 2}},         // the text after the quote is ignored
      {"1,\"unterminated\r\n2,x", "nlnl", {1, 2}},  // an open quote ends with its line
      {"\357\273\2775,x", "nl", {5}},               // a byte-order mark (EF BB BF) is skipped
      {"  -5. , .5 ,+2E8,1.5e-3, 1E-400 ,x", "nnnnnl", {-5, 0.5, 2e8, 1.5e-3, 0}},
      {" 0 , 1 \r\n .5 ,-2 \r\n\r\n  ", "ennnne", {0, 0, 1, 0.5, -2, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.bytes, c.pattern), c.got) << c.bytes;
}

TEST(FieldReader, RejectsWhatIsNoNumberNamingLineAndField) {
  const struct {
    const char* bytes;
    int line;
    const char* reason;
  } cases[] = {
      {"1\r\n\r\n2, steel", 3,
       "line 3, joints record 1, field 1: expected the X coordinate, found 'steel'"},
      {"+-5", 1, "found '+-5'"},
      {"1e", 1, "found '1e'"},
      {"-", 1, "found '-'"},
      {".", 1, "found '.'"},
      {"", 1, "line 1, joints record 1: the file ends where the X coordinate should stand"},
      {"1\r\n2\r\n", 2, "the file ends where"},  // the line of the last field
  };
  for (const auto& c : cases) EXPECT_DATA_ERROR(Read(c.bytes, "nnn"), c.reason, c.line);
}
