// Drives a lap with StepDrive and finds where the road passes over itself.
#include "lap.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "angle.h"
#include "drive.h"

std::vector<PathPoint> DriveLap(const CourseTableData& course) {
    std::vector<PathPoint> path;
    DriveStateData s = kDriveStart;
    NormaliseDrive(s);
    for (int32_t i = 0; i < course.plate_count; ++i) {
        StepDrive(s, course, kButtonA);
        path.push_back({s.wx, s.wy, s.wz, s.vect_y, s.vect_x});
    }
    return path;
}

std::vector<PathPoint> DriveLap(const std::vector<CoursePlate>& plates) {
    const auto course = std::make_unique<CourseTableData>();
    course->plate_count = static_cast<int16_t>(plates.size());
    std::copy(plates.begin(), plates.end(), course->plates);
    return DriveLap(*course);
}

PlateMove MoveOf(int16_t speed, int32_t heading, int32_t pitch) {
    const auto course = std::make_unique<CourseTableData>();
    course->plate_count = 1;
    course->plates[0].speed = speed;
    DriveStateData s = kDriveStart;
    s.wx = s.wy = s.wz = 0;
    s.vect_y = heading;
    s.vect_x = pitch;
    NormaliseDrive(s);
    StepDrive(s, *course, kButtonA);
    return {s.wx, s.wy, s.wz};
}

int32_t PlateGap(int32_t i, int32_t j) {
    const int32_t d = std::abs(i - j) % kPlateCount;
    return d < kPlateCount - d ? d : kPlateCount - d;
}

namespace {

int64_t HorizontalSq(const PathPoint& a, const PathPoint& b) {
    const int64_t dx = a.wx - b.wx;
    const int64_t dy = a.wy - b.wy;
    return dx * dx + dy * dy;
}

int32_t FoldedAngle(int32_t a, int32_t b) {
    int32_t d = WrapAngle(a - b);
    if (d > 2048) d = 4096 - d;
    return d > 1024 ? 2048 - d : d;
}

}  // namespace

Crossing FindCrossing(const std::vector<PathPoint>& path) {
    Crossing c{-1, -1, kClearance * kClearance, 0, 0, 0};
    const int32_t n = static_cast<int32_t>(path.size());
    for (int32_t i = 0; i < n; ++i) {
        for (int32_t j = i + kNeighbourPlates + 1; j < n; ++j) {
            if (PlateGap(i, j) <= kNeighbourPlates) continue;
            const int64_t d = HorizontalSq(path[i], path[j]);
            if (d >= kClearance * kClearance) continue;
            const int32_t gap = path[i].wz - path[j].wz;
            if (std::abs(gap) < kHeadroom) ++c.violations;
            if (d < c.distance_sq || c.over < 0) {
                const bool i_under = gap >= 0;
                c.under = i_under ? i : j;
                c.over = i_under ? j : i;
                c.distance_sq = d;
                c.headroom = std::abs(gap);
                c.angle = FoldedAngle(path[i].heading, path[j].heading);
            }
        }
    }
    return c;
}
