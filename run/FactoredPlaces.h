// Where the load records of a factored model (one load case or combination
// written in the file's own format) stand in the input file, so that the
// run's reasons and warnings name the engineer's lines, not the model's.
#pragma once

#include <string>
#include <vector>

namespace spanwise {

struct FactoredPlaces {
  struct Place {
    int line = 0;      // the record's line in the input file
    std::string name;  // e.g. "case 2 member loads record 1"
  };
  bool factored = false;            // the run analyses a factored model
  std::vector<Place> member_loads;  // [r - 1]: member-load record r of the model
  std::vector<Place> joint_loads;   // [r - 1]: joint-load record r of the model
};

// text: a reason or warning of the run of the factored model; line in/out:
// the line it names. A text that opens with "line N, member loads record R"
// or "line N, joint loads record R" gets the record's place in the input
// file instead, and line that place's line; any other text is returned as
// it is. Faults: none.
std::string InInputFile(const std::string& text, const FactoredPlaces& places, int& line);

}  // namespace spanwise
