// What the Beam window draws, laid out along the beam's X (the joints'
// coordinates) once when the window is made or shows another load choice:
// the beam's marks (members, supports, loads, reactions) with their labels,
// the members' diagrams as they map onto X (or a combination's envelope as a
// band between its largest and smallest values), and the labelled extremes.
// The painter then draws only what is in view.
#pragma once

#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "design/DesignValues.h"
#include "design/LoadChoice.h"
#include "design/MovingChoice.h"

namespace spanwise::ui {

struct BeamMark {
  enum class Kind {
    kMember,
    kFixedSupport,      // vertical and rotation restrained
    kPinnedSupport,     // vertical only: pinned or roller
    kRotationSupport,   // rotation only
    kPointLoad,         // member load, positive downward
    kDistributedLoad,   // member load from x0 (value v0) to x1 (v1), positive downward
    kJointForce,        // joint load, positive upward
    kJointMoment,       // anticlockwise positive
    kReactionForce,     // up positive
    kReactionMoment,    // anticlockwise positive
    kVerticalSpring,    // a zigzag under the joint
    kRotationalSpring,  // a coil round the joint
    kHinge,             // a released member end: v0 -1 on the joint's left, +1 on its right
    kSettlement         // a prescribed displacement: v0 dy (up positive), v1 rz
  };
  Kind kind;
  double x0 = 0, x1 = 0;  // along X; x1 == x0 but for members and distributed loads
  double v0 = 0, v1 = 0;  // the values drawn (v1 only for distributed loads)
  QString label;
};

enum Diagram { kMomentDiagram = 0, kShearDiagram = 1, kDeflectionDiagram = 2 };
// The unit each diagram's values are in.
inline constexpr Dimension kDiagramDimensions[3] = {Dimension::kMoment, Dimension::kForce,
                                                    Dimension::kLength};

// One member's diagrams on X: X = x_i + x, or x_i - x for a member entered
// right to left (mirrored; its shear is drawn negated, as the member's
// shear entered left to right, so that the diagrams run on continuously).
struct DiagramMember {
  const MemberDesign* design = nullptr;
  double x_i = 0;
  double x_lo = 0, x_hi = 0;
  bool mirrored = false;
  double ToX(double x) const { return mirrored ? x_i - x : x_i + x; }
  double ToMember(double X) const { return mirrored ? x_i - X : X - x_i; }
  const Piecewise& Function(Diagram d) const;
  double Drawn(Diagram d, double value) const {
    return d == kShearDiagram && mirrored ? -value : value;
  }
  // On a combination's band: the member's envelope extremes (x from end i,
  // values as computed); null when design's functions are drawn.
  const CombinationEnvelope::Member* envelope = nullptr;
  // On a moving case's band: the member's extremes over the vehicle's positions.
  const MovingEnvelope::Member* moving = nullptr;
};

// A combination's envelope along a member per diagram (M, V, deflection),
// x from end i and values as computed: map them as DiagramMember's functions.
using BandCurves = std::array<EnvelopeCurve, 3>;

struct ExtremeMark {
  Diagram diagram;
  double x = 0;      // along X
  double value = 0;  // as drawn
  QString label;
};

// The values under the pointer.
struct ValuesAt {
  bool on_member = false;
  double moment = 0, shear = 0;
  bool has_deflection = false;
  double deflection = 0;
  // On a combination's band instead: per diagram the largest and smallest
  // value as drawn and the groups adverse for each.
  bool band = false;
  std::array<EnvelopeReading, 3> envelope;
  // On a moving case's band: per diagram the vehicle where the largest
  // value (as computed) is reached.
  std::array<PlacedVehicle, 3> vehicle;
};

class BeamPicture {
 public:
  // values in: the model, and results when values->members is not empty.
  explicit BeamPicture(std::shared_ptr<const DesignValues> values);
  // The envelope of combination (0-based) of run, with the loads it takes;
  // run in: design values that hold the envelopes' source.
  BeamPicture(std::shared_ptr<const DesignValues> run, long combination);
  // The band of moving case load_case of run (design/MovingChoice.h).
  struct MovingCase {
    long load_case = 0;
  };
  BeamPicture(std::shared_ptr<const DesignValues> run, MovingCase moving);

  bool hasResults() const { return !members_.empty(); }
  // The input's units, for the labels and the read-out.
  const Units& units() const { return units_; }
  bool isBand() const { return combination_ >= 0 || moving_case_ > 0; }
  // The moving case shown (0 for none), and the run it is of.
  long movingCase() const { return moving_case_; }
  const std::shared_ptr<const DesignValues>& run() const { return run_; }
  double xMin() const { return x_min_; }
  double xMax() const { return x_max_; }
  const std::vector<BeamMark>& marks() const { return marks_; }           // in order of x0
  const std::vector<ExtremeMark>& extremes() const { return extremes_; }  // in order of x
  const std::vector<DiagramMember>& members() const { return members_; }  // in order of x_lo
  // Largest magnitude of a diagram over the beam (0 when all is zero), and of
  // the distributed loads.
  double peak(Diagram d) const { return peak_[static_cast<std::size_t>(d)]; }
  double peakDistributed() const { return peak_distributed_; }

  // Indices [first, last) of the marks or members that may reach into [a, b].
  std::pair<std::size_t, std::size_t> MarksIn(double a, double b) const;
  std::pair<std::size_t, std::size_t> MembersIn(double a, double b) const;

  // The band along members()[k] with per_piece - 1 points inside each piece
  // of the envelope at least (1 <= per_piece <= 24): computed when first
  // asked for and kept, as a long beam's envelope takes long to compute
  // and only the members in view are drawn as curves. Null when k is out of
  // range or the picture is no band.
  std::shared_ptr<const BandCurves> Band(std::size_t k, int per_piece) const;

  // M, V (as drawn) and the deflection at X, from the first member there;
  // on a band their largest and smallest values.
  ValuesAt At(double X) const;

 private:
  void Frame();
  void AddBeamMarks(const DesignValues& values);
  // The members of values (whose results they hold, or whose geometry a
  // band takes) and their extremes: design's or combination_'s of run_.
  void AddMembers(const DesignValues& values);
  // A moving case's largest and smallest value at x of member, with where
  // the vehicle stands for each; vehicle out: where it stands for the largest.
  EnvelopeReading MovingReading(long member, double x, Quantity quantity,
                                PlacedVehicle& vehicle) const;
  template <typename E>
  void AddExtremes(const DiagramMember& m, const std::array<std::pair<const E*, const E*>, 3>& e);

  std::shared_ptr<const DesignValues> values_;
  Units units_;
  std::shared_ptr<const DesignValues> run_;  // of the band, with its source
  long combination_ = -1;
  long moving_case_ = 0;
  // Band's curves by member, and how many points a piece they hold; all let
  // go once many are kept.
  mutable std::vector<std::shared_ptr<const BandCurves>> bands_;
  mutable std::vector<int> band_points_;
  mutable std::size_t bands_kept_ = 0;
  double x_min_ = 0, x_max_ = 1;
  std::vector<BeamMark> marks_;
  std::vector<double> marks_reach_;  // largest x1 of marks 0..k
  std::vector<DiagramMember> members_;
  std::vector<double> members_reach_;
  std::vector<ExtremeMark> extremes_;
  std::array<double, 3> peak_{};
  double peak_distributed_ = 0;
};

}  // namespace spanwise::ui
