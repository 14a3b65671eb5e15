// The closing search over the layout's free positions and the held headings.
//
// Moving a corner by one plate trades one straight plate of one heading for one
// of another, and every plate's move depends only on its own speed, heading and
// pitch; so the lap's residual is linear in the layout. The search predicts it
// from unit differences, and lays out in full only layouts the closing
// headings can finish, which it then checks exactly.
#include "course_search.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "course_rules.h"
#include "drive.h"

namespace {

constexpr int32_t kFreeCount = 6;
using Offsets = std::array<int32_t, kFreeCount>;

// How far the search moves each free value of the layout either way.
constexpr Offsets kLayoutReach = {12, 12, 4, 8, 12, 10};
constexpr int32_t kMaxPlates = kClosureEnd - kClosureFirst - 1;

struct Vec {
    int64_t x, y;
};

Layout Shifted(const Offsets& o) {
    const Layout& n = kNominalLayout;
    return {n.lead_in + o[0],      n.third_corner + o[1], n.fourth_corner + o[2],
            n.fifth_corner + o[3], n.sixth_corner + o[4], n.corner_trim + o[5]};
}

bool OpenResidual(const Layout& layout, Residual& out) {
    const auto plates = ExpandPlan(CoursePlan(layout, Closure{0, 0, 0, 0}));
    if (plates.empty()) return false;
    out = LapResidual(DriveLap(plates));
    return true;
}

Vec Gain(int32_t heading) {
    const PlateMove held = MoveOf(200, heading, 0);
    const PlateMove rest = MoveOf(200, kClosureRestHeading, 0);
    return {held.dx - rest.dx, held.dy - rest.dy};
}

// Solves a * ga + b * gb = need in whole plates; false if no such a, b >= 0.
bool SolvePair(Vec ga, Vec gb, Vec need, int32_t& a, int32_t& b) {
    const int64_t det = ga.x * gb.y - gb.x * ga.y;
    if (det == 0) return false;
    const int64_t na = need.x * gb.y - gb.x * need.y;
    const int64_t nb = ga.x * need.y - need.x * ga.y;
    if (na % det != 0 || nb % det != 0) return false;
    a = static_cast<int32_t>(na / det);
    b = static_cast<int32_t>(nb / det);
    return a >= 0 && b >= 0;
}

bool TryLayout(const Layout& layout, CourseDesign& out) {
    Residual open;
    Closure closure;
    if (!OpenResidual(layout, open) || !SolveClosure(open, closure)) return false;
    auto plates = ExpandPlan(CoursePlan(layout, closure));
    auto path = DriveLap(plates);
    if (!CourseFault(plates, path).empty()) return false;
    const Crossing crossing = FindCrossing(path);
    out = {layout, closure, std::move(plates), std::move(path), crossing};
    return true;
}

// The residual's change per unit of each free value, by trial at the nominal
// layout. The corner trim turns whole sides, so it is measured per value instead.
struct LinearModel {
    Residual base;
    std::array<Residual, kFreeCount - 1> unit;
};

bool Measure(int32_t trim, LinearModel& m) {
    Offsets o{};
    o[kFreeCount - 1] = trim;
    if (!OpenResidual(Shifted(o), m.base)) return false;
    for (int32_t k = 0; k < kFreeCount - 1; ++k) {
        Offsets step = o;
        step[k] += 1;
        Residual r;
        if (!OpenResidual(Shifted(step), r)) return false;
        m.unit[k] = {r.dx - m.base.dx, r.dy - m.base.dy, r.dz - m.base.dz};
    }
    return true;
}

Residual Predict(const LinearModel& m, const Offsets& o) {
    Residual r = m.base;
    for (int32_t k = 0; k < kFreeCount - 1; ++k) {
        r.dx += o[k] * m.unit[k].dx;
        r.dy += o[k] * m.unit[k].dy;
        r.dz += o[k] * m.unit[k].dz;
    }
    return r;
}

struct Search {
    std::array<LinearModel, 2 * kLayoutReach[kFreeCount - 1] + 1> models;
    std::array<bool, 2 * kLayoutReach[kFreeCount - 1] + 1> measured;
    CourseDesign* out;
};

bool Evaluate(Search& s, const Offsets& o) {
    const int32_t t = o[kFreeCount - 1] + kLayoutReach[kFreeCount - 1];
    if (!s.measured[t]) return false;
    Closure closure;
    if (!SolveClosure(Predict(s.models[t], o), closure)) return false;
    return TryLayout(Shifted(o), *s.out);
}

// Visits every offset vector whose absolute values sum to `left` over the
// free values from k on, stopping at the first that makes a clean course.
bool Visit(Search& s, Offsets& o, int32_t k, int32_t left) {
    if (k == kFreeCount - 1) {
        if (left > kLayoutReach[k]) return false;
        for (int32_t v : {left, -left}) {
            o[k] = v;
            if (Evaluate(s, o)) return true;
            if (left == 0) break;
        }
        return false;
    }
    for (int32_t mag = 0; mag <= std::min(left, kLayoutReach[k]); ++mag) {
        for (int32_t v : {mag, -mag}) {
            o[k] = v;
            if (Visit(s, o, k + 1, left - mag)) return true;
            if (mag == 0) break;
        }
    }
    return false;
}

}  // namespace

Residual LapResidual(const std::vector<PathPoint>& path) {
    const PathPoint& end = path.back();
    return {end.wx - kDriveStart.wx, end.wy - kDriveStart.wy, end.wz - kDriveStart.wz};
}

bool SolveClosure(const Residual& r, Closure& out) {
    const Vec need{-static_cast<int64_t>(r.dx), -static_cast<int64_t>(r.dy)};
    if (r.dz != 0 || need.x < 0 || need.x > kMaxPlates) return false;
    if (need.x == 0 && need.y == 0) {
        out = {0, 0, 0, 0};
        return true;
    }
    bool found = false;
    int32_t best_reach = 0, best_plates = 0;
    for (int32_t ha = -kClosureReach; ha <= kClosureReach; ++ha) {
        for (int32_t hb = -kClosureReach; hb <= kClosureReach; ++hb) {
            int32_t a, b;
            if (ha == hb || !SolvePair(Gain(ha), Gain(hb), need, a, b) || a + b > kMaxPlates) continue;
            const int32_t reach = std::max(std::abs(ha) * (a > 0), std::abs(hb) * (b > 0));
            if (!found || reach < best_reach || (reach == best_reach && a + b < best_plates)) {
                found = true;
                best_reach = reach;
                best_plates = a + b;
                // A heading held for no plates is dropped.
                out = a == 0 ? Closure{hb, b, 0, 0} : b == 0 ? Closure{ha, a, 0, 0} : Closure{ha, a, hb, b};
            }
        }
    }
    return found;
}

bool DesignCourse(CourseDesign& out) {
    Search s{};
    s.out = &out;
    for (int32_t t = -kLayoutReach[kFreeCount - 1]; t <= kLayoutReach[kFreeCount - 1]; ++t) {
        const int32_t i = t + kLayoutReach[kFreeCount - 1];
        s.measured[i] = Measure(t, s.models[i]);
    }
    int32_t widest = 0;
    for (int32_t r : kLayoutReach) widest += r;
    Offsets o{};
    for (int32_t cost = 0; cost <= widest; ++cost) {
        if (Visit(s, o, 0, cost)) return true;
    }
    return false;
}
