// The structure stiffness matrix GlStK in band storage. Rows and columns are
// numbered 1..n. Row i keeps the columns i - lower .. i + upper (clipped to
// 1..n): the members' half-bandwidth w below the diagonal, and 2w above it,
// room for the fill that row exchanges bring. Every entry outside these
// columns is zero and stays zero through the solver. When the band would
// be as wide as the matrix every row keeps just its n columns.
#pragma once

#include <cstddef>

#include "common/Array.h"
#include "common/ZeroBlock.h"

namespace spanwise {

class BandMatrix {
 public:
  // n >= 0 rows; w >= 0 the half-bandwidth of the assembled matrix. Zero-filled.
  BandMatrix(const char* name, long n, long w);

  // Bytes the entries of an n x n matrix of half-bandwidth w take.
  static double Bytes(long n, long w);

  // Half-bandwidth of the members' matrix: the largest 2 |JN(m, 1) - JN(m, 2)| + 1.
  static long HalfBandwidth(long NoOfMembers, const Array2& JN);

  long n() const { return n_; }
  long lower() const { return lower_; }  // non-zero columns left of the diagonal
  long upper() const { return upper_; }  // columns kept right of the diagonal

  // Entry (i, j), checked: 1 <= i, j <= n and j kept in row i, else an
  // InternalError naming the array and the index.
  double& operator()(long i, long j) { return data()[Offset(i, j)]; }
  double operator()(long i, long j) const { return data()[Offset(i, j)]; }

  // Entries (i, first..last) of row i, checked once: element j - first of
  // the result is entry (i, j). first <= last + 1.
  double* Row(long i, long first, long last) {
    const std::size_t at = Offset(i, first);
    if (last >= first) Offset(i, last);
    return data() + at;
  }

 private:
  // First column kept in row i (the stride is the same for every row).
  long First(long i) const {
    long first = i - lower_;
    if (first > n_ - stride_ + 1) first = n_ - stride_ + 1;
    return first < 1 ? 1 : first;
  }
  std::size_t Offset(long i, long j) const {
    if (i < 1 || i > n_) ThrowIndexError(name_, 1, static_cast<double>(i), n_);
    const long first = First(i);
    if (j < first || j >= first + stride_) OutsideBand(i, j);
    return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(stride_) +
           static_cast<std::size_t>(j - first);
  }
  [[noreturn]] void OutsideBand(long i, long j) const;
  double* data() { return static_cast<double*>(storage_.data()); }
  const double* data() const { return static_cast<const double*>(storage_.data()); }

  const char* name_;
  long n_;
  long lower_;
  long upper_;
  long stride_;        // columns kept per row
  ZeroBlock storage_;  // n rows of stride entries, zero-filled
};

}  // namespace spanwise
