// The course's rules, checked on a whole lap.
#include "course_rules.h"

#include <algorithm>
#include <cstdlib>

#include "course_plan.h"
#include "drive.h"
#include "road_kind.h"

namespace {

constexpr int32_t kSharpest = 113;         // a plate's turn or tip, angle units
constexpr int32_t kSteepest = 338;         // about 30 degrees
constexpr int32_t kBridgeHeadroom = 3000;  // between the two passes where they cross
constexpr int32_t kMinAngle = 900;         // of 1024, a square crossing

std::string PlateFault(const CoursePlate& p, const PathPoint& after) {
    const CoursePlate repaved = Paved(RoadOf(p), p);
    if (p.speed < 1 || p.speed > 200) return "drives at " + std::to_string(p.speed) + ", not 1 to 200";
    if (std::max(std::abs(p.dvect_y), std::abs(p.dvect_x)) > kSharpest) return "turns or tips by more than 113";
    if (repaved.aux_a != p.aux_a || repaved.aux_b != p.aux_b || repaved.aux_c != p.aux_c) {
        return "carries the aux fields of no kind of road";
    }
    if (std::min(after.pitch, 4096 - after.pitch) > kSteepest) return "leaves the road steeper than 30 degrees";
    return "";
}

// The passes meet level, well inside the bridge and the underpass.
bool BridgeIsClean(const Crossing& c, const std::vector<PathPoint>& path) {
    constexpr int32_t kBridgeMargin = 10, kUnderpassMargin = 12;
    const bool on_bridge = c.over >= kBridgeFirst + kBridgeMargin && c.over < kBridgeEnd - kBridgeMargin;
    const bool on_underpass = c.under >= kUnderpassFirst + kUnderpassMargin && c.under < kGatePlate - kUnderpassMargin;
    return c.over >= 0 && c.violations == 0 && c.headroom >= kBridgeHeadroom && c.angle >= kMinAngle && on_bridge &&
           on_underpass && path[c.over].pitch == 0 && path[c.under].pitch == 0;
}

}  // namespace

std::string CourseFault(const std::vector<CoursePlate>& plates, const std::vector<PathPoint>& path) {
    for (size_t i = 0; i < plates.size(); ++i) {
        const std::string fault = PlateFault(plates[i], path[i]);
        if (!fault.empty()) return "plate " + std::to_string(i) + " " + fault;
    }
    const PathPoint& end = path.back();
    if (end.wx != kDriveStart.wx || end.wy != kDriveStart.wy || end.wz != kDriveStart.wz || end.heading != 0 ||
        end.pitch != 0) {
        return "the lap ends at (" + std::to_string(end.wx) + ", " + std::to_string(end.wy) + ", " +
               std::to_string(end.wz) + ") heading " + std::to_string(end.heading) + " pitch " +
               std::to_string(end.pitch) + ", not where and as it began";
    }
    const Crossing c = FindCrossing(path);
    if (!BridgeIsClean(c, path)) {
        return "the road does not cross itself cleanly: plate " + std::to_string(c.over) + " over " +
               std::to_string(c.under) + ", headroom " + std::to_string(c.headroom) + ", angle " +
               std::to_string(c.angle) + ", " + std::to_string(c.violations) + " pairs of passes without headroom";
    }
    return "";
}
