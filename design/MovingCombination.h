// The moving cases in the combinations' envelopes: each moving case one
// group whose largest and smallest value over every position enter the sum
// at the factor that makes the envelope worse.
#pragma once

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "common/Vehicle.h"
#include "design/DesignValues.h"
#include "design/MemberInfluence.h"
#include "design/MovingMember.h"

namespace spanwise {

struct MovingSource {
  const std::vector<MemberInfluence>* members = nullptr;   // member m at [m - 1]
  double xmin = 0, xmax = 0;                               // the beam's ends
  const std::vector<MovingEnvelope>* envelopes = nullptr;  // one per moving case
  const std::vector<Vehicle>* vehicles = nullptr;          // as envelopes
  // Per combination, per moving case: its adverse and favourable factor.
  std::vector<std::vector<double>> adverse, favourable;
  long first_group = 0;  // the group index of the first moving case in the names
};

// What a combination adds for its moving cases at one section: the largest
// and smallest value of each case there, remembered per member and section.
struct MovingSections {
  std::map<std::pair<int, double>, std::vector<std::pair<double, double>>> at;
  MovingScratch scratch;
};

// The extremes of combination c of member mi for quantity kind made those
// of the static groups (functions f with factors a, b) plus the moving
// cases: the largest and smallest of their sum over x, searched from the
// static extremes' x, the moving cases' own and SearchLargest's sections.
//   moving in; mi in: 0-based; kind in; f, a, b in: as Envelopes has them,
//   groups in: the group of each of f; c in; sections in/out: cleared by the
//   caller for each member; max, min in/out: the static extremes, then the
//   combination's (adverse: group indices into design.groups).
void AddMovingToMember(const MovingSource& moving, std::size_t mi, InfluenceKind kind,
                       const std::vector<const Piecewise*>& f, const std::vector<double>& a,
                       const std::vector<double>& b, const std::vector<long>& groups, std::size_t c,
                       MovingSections& sections, EnvelopeExtreme& max, EnvelopeExtreme& min);

// A moving case's part at its factors a and b in the largest (larger) or
// smallest sum, from its largest hi and smallest lo value there.
inline double MovingPart(double a, double b, double hi, double lo, bool larger) {
  return larger ? std::max({a * hi, b * hi, a * lo, b * lo})
                : std::min({a * hi, b * hi, a * lo, b * lo});
}

}  // namespace spanwise
