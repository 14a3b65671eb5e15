// The road's frame, raised parts and bridge span, from the lap and its plates' kinds of road.
#include "course_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "drive.h"
#include "lap.h"

namespace {

constexpr double kOverRoadReach = 2.0 * kRoadHalfWidth + 0.1;  // decks closer than this overlap
constexpr int kRailingRunOn = 8;                               // sections of bridge beyond the crossing itself

Vec3 Horizontal(Vec3 v) { return Normalized({v.x, 0.0, v.z}); }

// Horizontal (xz) distance from p to segment j.
double DistanceToSegment(const CourseLayout& l, Vec3 p, int j) {
    const Vec3 a = l.centre[j];
    const Vec3 b = l.centre[j + 1];
    const double dx = b.x - a.x;
    const double dz = b.z - a.z;
    const double length2 = dx * dx + dz * dz;
    double t = length2 > 0.0 ? ((p.x - a.x) * dx + (p.z - a.z) * dz) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = a.x + dx * t - p.x;
    const double ez = a.z + dz * t - p.z;
    return std::sqrt(ex * ex + ez * ez);
}

void ComputeFrames(CourseLayout& l) {
    for (int i = 0; i < l.sections; ++i) {
        int before = i - 1;
        int after = i + 1;
        if (l.closed) {
            before = (i + l.segments - 1) % l.segments;
            after = (i + 1) % l.segments;
            if (i == l.segments) {
                before = l.segments - 1;
                after = 1;
            }
        }
        before = std::max(before, 0);
        after = std::min(after, l.sections - 1);
        const Vec3 f = Horizontal(l.centre[after] - l.centre[before]);
        l.forward.push_back(f);
        l.right.push_back(Cross({0, 1, 0}, f));
    }
}

void ComputeBounds(CourseLayout& l) {
    l.low = l.high = l.centre[0];
    for (Vec3 p : l.centre) {
        l.low = {std::min(l.low.x, p.x), std::min(l.low.y, p.y), std::min(l.low.z, p.z)};
        l.high = {std::max(l.high.x, p.x), std::max(l.high.y, p.y), std::max(l.high.z, p.z)};
    }
    l.ground_y = l.low.y - kGroundBelowRoad;
}

// Where the overpass runs within a deck's width of the underpass: there it is
// a bridge, and the span runs on a few sections either side.
void FindBridge(CourseLayout& l) {
    l.over_road.assign(l.sections, false);
    for (int i = 0; i < l.sections; ++i) {
        if (l.road[(i + l.segments - 1) % l.segments] != Road::Overpass) {
            continue;
        }
        for (int j = 0; j < l.segments && !l.over_road[i]; ++j) {
            l.over_road[i] = l.road[j] == Road::Underpass && DistanceToSegment(l, l.centre[i], j) < kOverRoadReach;
        }
    }
    l.bridge.assign(l.segments, false);
    for (int i = 0; i < l.sections; ++i) {
        if (!l.over_road[i]) {
            continue;
        }
        for (int k = i - kRailingRunOn; k < i + kRailingRunOn; ++k) {
            const int segment = l.closed ? (k + l.segments) % l.segments : k;
            if (segment >= 0 && segment < l.segments) {
                l.bridge[segment] = true;
            }
        }
    }
}

}  // namespace

Vec3 ModelPoint(int32_t wx, int32_t wy, int32_t wz) { return {wx / 1000.0, -wz / 1000.0, wy / 1000.0}; }

double DistanceToRoadBelow(const CourseLayout& l, Vec3 p, double below_y, int near, int skip) {
    double best = std::numeric_limits<double>::max();
    for (int j = 0; j < l.segments; ++j) {
        if (near >= 0 && PlateGap(j, near) <= skip) {
            continue;
        }
        if (std::min(l.centre[j].y, l.centre[j + 1].y) >= below_y) {
            continue;
        }
        best = std::min(best, DistanceToSegment(l, p, j));
    }
    return best;
}

CourseLayout MakeCourseLayout(const CourseTableData& course) {
    CourseLayout l;
    const std::vector<PathPoint> lap = DriveLap(course);
    l.centre.push_back(ModelPoint(kDriveStart.wx, kDriveStart.wy, kDriveStart.wz));
    for (const PathPoint& p : lap) {
        l.centre.push_back(ModelPoint(p.wx, p.wy, p.wz));
    }
    for (int i = 0; i < course.plate_count; ++i) {
        l.turn.push_back(course.plates[i].dvect_y);
        l.road.push_back(RoadOf(course.plates[i]));
    }
    l.closed = lap.back().wx == kDriveStart.wx && lap.back().wy == kDriveStart.wy && lap.back().wz == kDriveStart.wz;
    l.sections = static_cast<int>(l.centre.size());
    l.segments = l.sections - 1;
    ComputeFrames(l);
    ComputeBounds(l);
    FindBridge(l);
    l.raised.resize(l.sections);
    for (int i = 0; i < l.sections; ++i) {
        // A bridge span stays open underneath, whatever its height.
        const double height = l.centre[i].y - l.ground_y;
        const bool on_bridge = (i < l.segments && l.bridge[i]) || (i > 0 && l.bridge[i - 1]);
        l.raised[i] = height >= kEmbankmentMax || on_bridge;
    }
    return l;
}
