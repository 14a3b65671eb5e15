// Lays out a candidate course with the drive's integer motion and finds where
// the road comes near itself.
#include "course_path.h"

#include <cstdlib>

#include "angle.h"
#include "drive.h"

Step MoveStep(int32_t speed, int32_t heading, int32_t pitch)
{
    const int32_t h = WrapAngle(heading);
    const int32_t p = WrapAngle(pitch);
    int32_t t = speed * -CosOf(h);
    t /= kFixedOne;
    t *= CosOf(p);
    t /= kFixedOne;
    return {t, speed * SinOf(h) / kFixedOne, speed * SinOf(p) / kFixedOne};
}

std::vector<PathPoint> LayPath(const std::vector<CoursePlate>& plates)
{
    std::vector<PathPoint> path;
    path.reserve(plates.size());
    PathPoint at{kDriveStart.wx, kDriveStart.wy, kDriveStart.wz, 0, 0};
    for (const CoursePlate& plate : plates) {
        at.heading += plate.dvect_y;
        at.pitch += plate.dvect_x;
        const Step s = MoveStep(plate.speed, at.heading, at.pitch);
        at.wx += s.dx;
        at.wy += s.dy;
        at.wz += s.dz;
        path.push_back(at);
    }
    return path;
}

int32_t PlateGap(int32_t i, int32_t j)
{
    const int32_t d = std::abs(i - j) % kPlateCount;
    return d < kPlateCount - d ? d : kPlateCount - d;
}

namespace {

int64_t HorizontalSq(const PathPoint& a, const PathPoint& b)
{
    const int64_t dx = a.wx - b.wx;
    const int64_t dy = a.wy - b.wy;
    return dx * dx + dy * dy;
}

int32_t FoldedAngle(int32_t a, int32_t b)
{
    int32_t d = WrapAngle(a - b);
    if (d > 2048) d = 4096 - d;
    return d > 1024 ? 2048 - d : d;
}

}  // namespace

Crossing FindCrossing(const std::vector<PathPoint>& path)
{
    Crossing c{-1, -1, kClearance * kClearance, 0, 0, 0};
    const int32_t n = static_cast<int32_t>(path.size());
    for (int32_t i = 0; i < n; ++i) {
        for (int32_t j = i + kNeighbourPlates + 1; j < n; ++j) {
            if (PlateGap(i, j) <= kNeighbourPlates) continue;
            const int64_t d = HorizontalSq(path[i], path[j]);
            if (d >= kClearance * kClearance) continue;
            const int32_t rise = path[i].wz - path[j].wz;
            if (std::abs(rise) < kHeadroom) ++c.violations;
            if (d < c.distance_sq || c.upper < 0) {
                const bool i_up = rise >= 0;
                c.upper = i_up ? i : j;
                c.lower = i_up ? j : i;
                c.distance_sq = d;
                c.rise = std::abs(rise);
                c.angle = FoldedAngle(path[i].heading, path[j].heading);
            }
        }
    }
    return c;
}
