// One load case alone, or one combination's envelope, as the Beam window
// shows it: computed from the load groups' effects that the run kept
// (DesignValues::source), without a new analysis.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "design/DesignValues.h"

namespace spanwise {

// What to show: a case (1-based, case 1 the loads of sections 6 and 7) or a
// combination (0-based index into DesignValues::combinations).
struct LoadChoice {
  enum class Kind { kCase, kCombination };
  Kind kind = Kind::kCase;
  long index = 1;
  bool operator==(const LoadChoice&) const = default;
};

struct LoadChoiceName {
  LoadChoice choice;
  std::string text;  // "Case 2: live (variable)", "Case 3: lorry (moving)", "Combination ULS"
};

// Every case, then every combination; empty when the input holds no load
// cases or the run kept no groups' effects.
std::vector<LoadChoiceName> LoadChoices(const DesignValues& design);

// What a window says it shows, when the input holds load cases (empty
// otherwise, and for a choice that design does not hold):
// - ResultFilesLine: what the run's report, BM.TXT and SF.TXT hold, case 1
//   alone ("Case 1: loads (fixed) alone: the envelopes of the combinations
//   are in the Beam window");
// - ChoiceLine: what the Beam window draws for choice ("Case 2: live
//   (variable) alone", "Combination ULS: the envelope ...").
std::string ResultFilesLine(const DesignValues& design);
std::string ChoiceLine(const DesignValues& design, LoadChoice choice);

// The design values of case load_case alone, as a plain analysis of its
// loads would give them (to rounding): its loads in model (every other part
// of model as design's), reactions, and every member's functions and
// extremes. No envelopes. Null when design holds no such case.
std::shared_ptr<const DesignValues> CaseDesign(const DesignValues& design, long load_case);

// The loads of every case the combination takes with a non-zero factor, as
// typed (unfactored), in design's model; no results, no envelopes. Null when
// there is no such combination.
std::shared_ptr<const DesignValues> CombinationLoads(const DesignValues& design, long combination);

enum class Quantity { kMoment, kShear, kDeflection };

// The envelope of combination along member m (1-based), to draw as a band:
// the points every piece of the envelope starts and ends at (both sides of
// a jump, so it is drawn vertical) and per_piece - 1 points inside each,
// with the largest and the smallest value there. x is measured from end i.
// Returns false (curve empty) when absent: no such member or combination,
// or a deflection of a member with E*I = 0.
struct EnvelopeCurve {
  std::vector<double> x, max, min;
};
bool EnvelopeCurveOf(const DesignValues& design, long combination, long m, Quantity quantity,
                     int per_piece, EnvelopeCurve& curve);

// The envelope at x (0 <= x <= L from end i, the side of a jump asked for),
// and the groups adverse there for the largest and the smallest value,
// named as Design.txt names them ("case 1; case 2 members 1-3", "none").
struct EnvelopeReading {
  bool present = false;
  double max = 0, min = 0;
  std::string max_adverse, min_adverse;
};
EnvelopeReading EnvelopeAt(const DesignValues& design, long combination, long m, double x,
                           Quantity quantity, Side side = Side::kRight);

}  // namespace spanwise
