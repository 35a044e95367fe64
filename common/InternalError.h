// A fault of the program itself: a broken invariant, a band sized wrongly,
// an index the program computed wrongly. Never shown as an error in the data.
#pragma once

#include <stdexcept>
#include <string>

namespace spanwise {

class InternalError : public std::logic_error {
 public:
  // what: the broken rule in plain words, e.g. "entry (3, 9) of GlStK lies outside its band".
  explicit InternalError(const std::string& what) : std::logic_error(what) {}
};

}  // namespace spanwise
