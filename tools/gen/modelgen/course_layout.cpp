// Road frame, raised parts and bridge spans from the centre-line.
#include "course_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kOverRoadReach = 2.0 * kRoadHalfWidth + 0.1;  // decks closer than this overlap
constexpr double kLevelStep = 0.05;    // height difference that makes two roads separate levels
constexpr int kSameStretch = 15;       // plates within which the road is the same stretch
constexpr int kRailingRunOn = 8;       // sections of railing beyond the crossing itself

int PlateGap(int a, int b, int count)
{
    const int d = std::abs(a - b) % count;
    return std::min(d, count - d);
}

Vec3 Horizontal(Vec3 v) { return Normalized({v.x, 0.0, v.z}); }

void ComputeFrames(CourseLayout& l)
{
    const std::vector<Vec3>& c = l.path.centre;
    for (int i = 0; i < l.sections; ++i) {
        int before = i - 1;
        int after = i + 1;
        if (l.path.closed) {
            before = (i + l.segments - 1) % l.segments;
            after = (i + 1) % l.segments;
            if (i == l.segments) {
                before = l.segments - 1;
                after = 1;
            }
        }
        before = std::max(before, 0);
        after = std::min(after, l.sections - 1);
        const Vec3 f = Horizontal(c[after] - c[before]);
        l.forward.push_back(f);
        l.right.push_back(Cross({0, 1, 0}, f));
    }
}

void ComputeBounds(CourseLayout& l)
{
    l.low = l.high = l.path.centre[0];
    for (Vec3 p : l.path.centre) {
        l.low = {std::min(l.low.x, p.x), std::min(l.low.y, p.y), std::min(l.low.z, p.z)};
        l.high = {std::max(l.high.x, p.x), std::max(l.high.y, p.y), std::max(l.high.z, p.z)};
    }
    l.ground_y = l.low.y - kGroundBelowRoad;
}

void FindCrossings(CourseLayout& l)
{
    l.over_road.assign(l.sections, false);
    for (int i = 0; i < l.sections; ++i) {
        const Vec3 p = l.path.centre[i];
        l.over_road[i] = DistanceToRoadBelow(l, p, p.y - kLevelStep, i, kSameStretch) < kOverRoadReach;
    }
    l.bridge.assign(l.segments, false);
    for (int i = 0; i < l.sections; ++i) {
        if (!l.over_road[i]) {
            continue;
        }
        for (int k = i - kRailingRunOn; k < i + kRailingRunOn; ++k) {
            const int segment = l.path.closed ? (k + l.segments) % l.segments : k;
            if (segment >= 0 && segment < l.segments) {
                l.bridge[segment] = true;
            }
        }
    }
}

}  // namespace

double DistanceToSegment(const CourseLayout& l, Vec3 p, int j)
{
    const Vec3 a = l.path.centre[j];
    const Vec3 b = l.path.centre[j + 1];
    const double dx = b.x - a.x;
    const double dz = b.z - a.z;
    const double length2 = dx * dx + dz * dz;
    double t = length2 > 0.0 ? ((p.x - a.x) * dx + (p.z - a.z) * dz) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = a.x + dx * t - p.x;
    const double ez = a.z + dz * t - p.z;
    return std::sqrt(ex * ex + ez * ez);
}

double DistanceToRoadBelow(const CourseLayout& l, Vec3 p, double below_y, int near, int skip)
{
    double best = std::numeric_limits<double>::max();
    for (int j = 0; j < l.segments; ++j) {
        if (near >= 0 && PlateGap(j, near, l.segments) <= skip) {
            continue;
        }
        if (std::min(l.path.centre[j].y, l.path.centre[j + 1].y) >= below_y) {
            continue;
        }
        best = std::min(best, DistanceToSegment(l, p, j));
    }
    return best;
}

double BridgeClearance(const CourseLayout& l)
{
    double least = std::numeric_limits<double>::max();
    for (int i = 0; i < l.sections; ++i) {
        if (!l.over_road[i]) {
            continue;
        }
        const Vec3 p = l.path.centre[i];
        for (int j = 0; j < l.segments; ++j) {
            if (PlateGap(i, j, l.segments) > kSameStretch && DistanceToSegment(l, p, j) < kOverRoadReach) {
                const double road_top = std::max(l.path.centre[j].y, l.path.centre[j + 1].y);
                if (road_top < p.y - kLevelStep) {
                    least = std::min(least, p.y - kDeckDepth - road_top);
                }
            }
        }
    }
    return least;
}

CourseLayout MakeCourseLayout(const CoursePath& path)
{
    CourseLayout l;
    l.path = path;
    l.sections = static_cast<int>(path.centre.size());
    l.segments = l.sections - 1;
    ComputeFrames(l);
    ComputeBounds(l);
    FindCrossings(l);
    l.raised.resize(l.sections);
    for (int i = 0; i < l.sections; ++i) {
        // A bridge span stays open underneath, whatever its height.
        const double height = path.centre[i].y - l.ground_y;
        const bool on_bridge = (i < l.segments && l.bridge[i]) || (i > 0 && l.bridge[i - 1]);
        l.raised[i] = height >= kEmbankmentMax || on_bridge;
    }
    return l;
}
