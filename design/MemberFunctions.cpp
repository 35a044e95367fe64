#include <algorithm>

#include "design/DesignParts.h"
#include "design/Horner.h"

namespace spanwise {
namespace {

double EndOf(const MemberLoad& load, double L) { return L - load.l2; }

// The member's breakpoints in order, each once: its ends, point loads, and
// the starts and ends of distributed loads.
void Breakpoints(double L, const MemberLoad* begin, const MemberLoad* end,
                 std::vector<double>& breaks) {
  breaks.clear();
  breaks.push_back(0);
  breaks.push_back(L);
  for (const MemberLoad* load = begin; load != end; ++load) {
    breaks.push_back(load->l1);
    if (load->Kind() == LoadKind::kDistributed) breaks.push_back(EndOf(*load, L));
  }
  std::sort(breaks.begin(), breaks.end());
  breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
}

// Indices of the loads sorted by key.
template <typename Key>
void SortedBy(const MemberLoad* begin, const MemberLoad* end, bool distributed, Key key,
              std::vector<long>& out) {
  out.clear();
  for (const MemberLoad* load = begin; load != end; ++load)
    if ((load->Kind() == LoadKind::kDistributed) == distributed) out.push_back(load - begin);
  std::sort(out.begin(), out.end(), [&](long a, long b) { return key(begin[a]) < key(begin[b]); });
}

}  // namespace

void MomentAndShear(double L, double F1, double F2, const MemberLoad* begin, const MemberLoad* end,
                    MemberScratch& scratch, MemberDesign& member) {
  member.moment.clear();
  member.shear.clear();
  member.rotation.clear();
  member.deflection.clear();
  Breakpoints(L, begin, end, scratch.breaks);
  const auto start_of = [](const MemberLoad& load) { return load.l1; };
  const auto end_of = [L](const MemberLoad& load) { return EndOf(load, L); };
  SortedBy(begin, end, false, start_of, scratch.points);
  SortedBy(begin, end, true, start_of, scratch.starts);
  SortedBy(begin, end, true, end_of, scratch.ends);
  scratch.active.clear();

  // The loads left of the piece: point loads and whole distributed loads act
  // as sums of forces P and of their moments P * a about end i; distributed
  // loads under the piece are added one by one in powers of t.
  double forces = 0, moments = 0;
  std::size_t next_point = 0, next_start = 0, next_end = 0;
  const std::vector<double>& breaks = scratch.breaks;
  // A point load at end j adds a last piece of no length: the value after it.
  const bool load_at_end = !scratch.points.empty() && begin[scratch.points.back()].l1 == L;
  const std::size_t pieces = breaks.size() - 1 + (load_at_end ? 1 : 0);
  for (std::size_t k = 0; k < pieces; ++k) {
    const double x0 = breaks[k];
    const double x1 = k + 1 < breaks.size() ? breaks[k + 1] : L;
    for (; next_point < scratch.points.size() && begin[scratch.points[next_point]].l1 <= x0;
         ++next_point) {
      const MemberLoad& load = begin[scratch.points[next_point]];
      forces = forces + load.w1;
      moments = moments + load.w1 * load.l1;
    }
    for (; next_start < scratch.starts.size() && begin[scratch.starts[next_start]].l1 <= x0;
         ++next_start)
      scratch.active.push_back(scratch.starts[next_start]);
    for (; next_end < scratch.ends.size() && end_of(begin[scratch.ends[next_end]]) <= x0;
         ++next_end) {
      const long index = scratch.ends[next_end];
      const MemberLoad& load = begin[index];
      const double a = load.l1, b = end_of(load), c = b - a;
      const double W = (0.5 * (load.w1 + load.w2)) * c;
      const double about_b = ((c * c) * (2 * load.w1 + load.w2)) / 6;  // W * (b - centroid)
      forces = forces + W;
      moments = moments + (W * b - about_b);
      auto& active = scratch.active;  // it started no later than it ends
      const auto found = std::find(active.begin(), active.end(), index);
      if (found != active.end()) active.erase(found);
    }

    Piece m{x0, x1, {}}, v{x0, x1, {}};
    m.c[0] = (F1 * x0 - F2) - (forces * x0 - moments);
    m.c[1] = F1 - forces;
    v.c[0] = -F1 + forces;
    for (long index : scratch.active) {
      // w(s) = w1 + k s, s = x - a = s0 + t: V gains the load from a to x,
      // M loses its moment about x.
      const MemberLoad& load = begin[index];
      const double a = load.l1, b = end_of(load);
      const double w1 = load.w1, slope = (load.w2 - load.w1) / (b - a);
      const double s0 = x0 - a;
      v.c[0] = v.c[0] + (w1 * s0 + (slope * (s0 * s0)) / 2);
      v.c[1] = v.c[1] + (w1 + slope * s0);
      v.c[2] = v.c[2] + slope / 2;
      m.c[0] = m.c[0] - ((w1 * (s0 * s0)) / 2 + (slope * ((s0 * s0) * s0)) / 6);
      m.c[1] = m.c[1] - (w1 * s0 + (slope * (s0 * s0)) / 2);
      m.c[2] = m.c[2] - (w1 / 2 + (slope * s0) / 2);
      m.c[3] = m.c[3] - slope / 6;
    }
    member.moment.push_back(m);
    member.shear.push_back(v);
  }
}

void RotationAndDeflection(double EI, double v_i, double theta_i, double rotation_sign,
                           MemberDesign& member) {
  member.rotation.clear();
  member.deflection.clear();
  double theta = theta_i, v = v_i;
  for (const Piece& m : member.moment) {
    Piece r{m.x0, m.x1, {}}, d{m.x0, m.x1, {}};
    r.c[0] = theta;
    for (int k = 0; k < 4; ++k) r.c[k + 1] = (m.c[k] / EI) / (k + 1);
    d.c[0] = v;
    for (int k = 0; k < 5; ++k) d.c[k + 1] = r.c[k] / (k + 1);
    const double h = m.x1 - m.x0;
    theta = Horner(r.c, h);
    v = Horner(d.c, h);
    for (double& c : r.c) c = rotation_sign * c;
    member.rotation.push_back(r);
    member.deflection.push_back(d);
  }
}

}  // namespace spanwise
