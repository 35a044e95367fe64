#include "stiffness/BandMatrix.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/InternalError.h"

namespace spanwise {
namespace {

long Stride(long n, long w) { return std::min(n, 3 * w + 1); }

}  // namespace

BandMatrix::BandMatrix(const char* name, long n, long w)
    : name_(name),
      n_(n),
      lower_(std::min(w, std::max(n - 1, 0L))),
      upper_(std::min(2 * w, std::max(n - 1, 0L))),
      stride_(Stride(n, w)) {
  if (n < 0) ThrowIndexError(name, 1, static_cast<double>(n), n);
  if (w < 0) throw InternalError("negative half-bandwidth of " + std::string(name));
  storage_ =
      ZeroBlock(static_cast<std::size_t>(n) * static_cast<std::size_t>(stride_) * sizeof(double));
}

double BandMatrix::Bytes(long n, long w) {
  return 8.0 * static_cast<double>(n) * static_cast<double>(Stride(n, w));
}

long BandMatrix::HalfBandwidth(long NoOfMembers, const Array2& JN) {
  long w = 0;
  for (long m = 1; m <= NoOfMembers; ++m) {
    const double apart = std::fabs(JN(m, 1) - JN(m, 2));
    w = std::max(w, 2 * static_cast<long>(apart) + 1);
  }
  return w;
}

void BandMatrix::OutsideBand(long i, long j) const {
  if (j < 1 || j > n_) ThrowIndexError(name_, 2, static_cast<double>(j), n_);
  // Within the matrix but outside the band: the band was sized wrongly.
  throw InternalError(std::string("entry (") + std::to_string(i) + ", " + std::to_string(j) +
                      ") of " + name_ + " lies outside its band");
}

}  // namespace spanwise
