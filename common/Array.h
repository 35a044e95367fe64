// The model's arrays: created with lower bound 0 and a given upper bound in
// every dimension, zero-filled, and checked on every access. Index 0 exists
// and is never used by the model. An index is rounded to the nearest whole
// number (halves to even); one outside the bounds is an InternalError that
// names the array, the index and the bounds: the readers check every index
// that the data gives, so a fault here is the program's own.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <new>
#include <string>
#include <utility>

#include "common/DataError.h"
#include "common/ZeroBlock.h"

namespace spanwise {

[[noreturn]] void ThrowIndexError(const char* array, int dimension, double index, long upper);

// Converts an index value to a whole number, halves to the even neighbour.
inline long WholeIndex(long index) { return index; }
inline long WholeIndex(int index) { return index; }
inline long WholeIndex(double index) {
  // Outside this range the value cannot be a valid index; clamp it so that
  // the bounds check reports it instead of an undefined conversion.
  if (!(index > -1e15 && index < 1e15)) return index > 0 ? 1'000'000'000'000'000L : -1;
  return static_cast<long>(std::nearbyint(index));
}

template <int Rank>
class Array {
 public:
  // name: the array's name in error reasons; upper: upper bound of each
  // dimension (lower bounds are 0). Negative bounds are an InternalError.
  Array(const char* name, std::array<long, Rank> upper) : name_(name), upper_(upper) {
    std::size_t count = 1;
    for (int d = 0; d < Rank; ++d) {
      if (upper[d] < 0) ThrowIndexError(name, d + 1, static_cast<double>(upper[d]), upper[d]);
      count *= static_cast<std::size_t>(upper[d]) + 1;
    }
    if (count > ~std::size_t{0} / (2 * sizeof(double))) throw std::bad_alloc();
    storage_ = ZeroBlock(count * sizeof(double));
    data_ = static_cast<double*>(storage_.data());
  }
  Array(const Array& other) : name_(other.name_), upper_(other.upper_), storage_(other.storage_) {
    data_ = static_cast<double*>(storage_.data());
  }
  Array(Array&&) noexcept = default;
  Array& operator=(Array&&) noexcept = default;
  Array& operator=(const Array& other) {
    name_ = other.name_;
    upper_ = other.upper_;
    storage_ = other.storage_;
    data_ = static_cast<double*>(storage_.data());
    return *this;
  }

  template <typename... Index>
  double& operator()(Index... index) {
    static_assert(sizeof...(Index) == Rank, "wrong number of indices");
    return data_[Offset({WholeIndexOf(index)...})];
  }
  template <typename... Index>
  double operator()(Index... index) const {
    static_assert(sizeof...(Index) == Rank, "wrong number of indices");
    return data_[Offset({WholeIndexOf(index)...})];
  }

  long upper(int dimension = 1) const { return upper_[dimension - 1]; }
  const char* name() const { return name_; }

 private:
  template <typename T>
  static std::pair<long, double> WholeIndexOf(T index) {
    return {WholeIndex(index), static_cast<double>(index)};
  }

  std::size_t Offset(std::array<std::pair<long, double>, Rank> index) const {
    std::size_t offset = 0;
    for (int d = 0; d < Rank; ++d) {
      const long i = index[d].first;
      if (i < 0 || i > upper_[d]) ThrowIndexError(name_, d + 1, index[d].second, upper_[d]);
      offset = offset * (static_cast<std::size_t>(upper_[d]) + 1) + static_cast<std::size_t>(i);
    }
    return offset;
  }

  const char* name_;
  std::array<long, Rank> upper_;
  ZeroBlock storage_;  // zero-filled on creation
  double* data_;
};

using Array1 = Array<1>;
using Array2 = Array<2>;
using Array3 = Array<3>;

}  // namespace spanwise
