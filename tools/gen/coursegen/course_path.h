// The exact integer path of a candidate course, laid out with the drive's own
// motion, and the rules the path must keep (closure, the one bridge).
#pragma once

#include <cstdint>
#include <vector>

#include "course.h"

struct PathPoint {
    int32_t wx, wy, wz;        // position after the update that consumed the plate
    int32_t heading, pitch;    // summed deltas from plate 0, unwrapped
};

// One lap from the drive's start state: entry i is the state after plate i.
// Uses the same table reads and truncations as UpdateDrive.
std::vector<PathPoint> LayPath(const std::vector<CoursePlate>& plates);

// One plate's move at a heading and pitch (angle units, any sign): the
// truncating fixed-point step of the drive.
struct Step { int32_t dx, dy, dz; };
Step MoveStep(int32_t speed, int32_t heading, int32_t pitch);

// Where the road meets itself: the closest pair of path points more than
// kNeighbourPlates apart (cyclically) in plate index.
constexpr int32_t kNeighbourPlates = 24;
constexpr int64_t kClearance = 2500;  // horizontal, position units
constexpr int32_t kHeadroom = 1500;   // height difference needed within the clearance

struct Crossing {
    int32_t upper, lower;       // plate indexes of the two passes at their closest
    int64_t distance_sq;        // their horizontal distance, squared
    int32_t rise;               // wz of the upper pass minus wz of the lower
    int32_t angle;              // heading difference folded into 0..1024
    int32_t violations;         // close pairs with less than kHeadroom between them
};

Crossing FindCrossing(const std::vector<PathPoint>& path);

// Cyclic distance in plates between two indexes of the lap.
int32_t PlateGap(int32_t i, int32_t j);
