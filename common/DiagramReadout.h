// What a diagram shows at a position: the values the drawn line takes there,
// and the number a label shows for a value. The windows draw; these decide.
#pragma once

#include <cstddef>
#include <vector>

namespace spanwise {

struct DiagramPoint {
  double x = 0;
  double value = 0;
};

// The diagram's values at position x (in): points (in) in file order, drawn
// as straight lines from each point to the next; reach (in, >= 0) the
// distance in x that counts as "at" a point (a few pixels of the screen).
// When points within reach of x hold different values (a jump at a joint),
// returns the first and the last of them in file order. Otherwise returns
// the value where the first line through x crosses it (linear between its
// two points), or the value of the one point within reach. Returns nothing
// when no line passes x and no point is within reach.
std::vector<double> DiagramValuesAt(const std::vector<DiagramPoint>& points, double x,
                                    double reach);

// value (in) as a label shows it: 0 when its magnitude is below 1e-9 of
// largest (in, >= 0, the diagram's largest magnitude), so that a rounding
// residue of a zero does not read as a value.
double ShownValue(double value, double largest);

}  // namespace spanwise
