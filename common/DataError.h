// The error type of faults in the input data or in the arithmetic it leads
// to. It carries a reason in plain words and, where they apply, the input
// line and the field within its record that the reason names.
#pragma once

#include <stdexcept>
#include <string>

namespace spanwise {

// A record of the input file: section is its place among the seven sections
// (1 joints .. 7 joint loads), record its 1-based number; section 0 names none.
inline constexpr int kJointsSection = 1;
inline constexpr int kMembersSection = 5;
inline constexpr int kMemberLoadsSection = 6;
inline constexpr int kJointLoadsSection = 7;

struct RecordRef {
  int section = 0;
  long record = 0;
};

class DataError : public std::runtime_error {
 public:
  // reason: what is wrong and where, e.g. "line 14, members record 2, field 3: ...".
  // line:   the 1-based input line the reason names, 0 when none applies.
  // field:  the 1-based field within its record, 0 when none applies.
  explicit DataError(const std::string& reason, int line = 0, int field = 0)
      : std::runtime_error(reason), line_(line), field_(field) {}

  // For a fault found after the input was read, e.g. a member of zero length:
  // the run's handler prefixes the line of the record the reason is about.
  DataError(const std::string& reason, RecordRef about)
      : std::runtime_error(reason), line_(0), field_(0), about_(about) {}

  int line() const { return line_; }
  int field() const { return field_; }
  RecordRef about() const { return about_; }

 private:
  int line_;
  int field_;
  RecordRef about_;
};

}  // namespace spanwise
