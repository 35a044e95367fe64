// The moment or shear diagram of the whole beam as BM.TXT and SF.TXT lay it
// out, from the exact functions of the design stage: the members end to end
// in member order, member m's x from end i starting where member m - 1 ends
// (the sum of the lengths before it, added as the files add it).
#pragma once

#include <memory>
#include <vector>

#include "common/DiagramReadout.h"
#include "design/DesignValues.h"

namespace spanwise {

enum class BeamDiagramOf { kMoment, kShear };

struct BeamDiagram {
  std::shared_ptr<const DesignValues> values;
  BeamDiagramOf of = BeamDiagramOf::kMoment;
  std::vector<double> starts;  // starts[k]: where member k + 1's end i lies; last: the beam's end
  // Points to draw through, in order: every piece's ends (a jump is two
  // points at one x), the member's extremes, and per_piece - 1 evenly spaced
  // points inside every piece that is not straight.
  std::vector<DiagramPoint> curve;
  DiagramPoint max, min;  // exact, x along the beam; of equal ones the first
};

// Makes diagram from values (the members' functions kept by the run).
//   values in; of in; per_piece in (>= 1); diagram out.
// Returns false when a member's function or its extremes are absent (the
// run kept no functions, or an overflow left them out): the files' stations
// are then all there is to show.
bool MakeBeamDiagram(std::shared_ptr<const DesignValues> values, BeamDiagramOf of, int per_piece,
                     BeamDiagram& diagram);

// What the diagram reads at position x (in) with the pointer's reach (in,
// >= 0, a few pixels): at the nearest breakpoint within reach (a member's
// end, a load's point, start or end) or extreme, its position and the values
// just before and just after it, one value where they agree (to 1e-9 of the
// largest magnitude); otherwise x and the value there of the first member
// that holds x. Nothing away from the beam.
struct DiagramReading {
  double x = 0;
  std::vector<double> values;
};
DiagramReading BeamDiagramAt(const BeamDiagram& diagram, double x, double reach);

}  // namespace spanwise
