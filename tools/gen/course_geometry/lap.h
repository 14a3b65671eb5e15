// One lap of a course driven with the program's own step, and where its road passes over itself.
#pragma once

#include <cstdint>
#include <vector>

#include "course.h"

// Heights are wz, which grows downward on screen (the drawing lifts the course
// by +wz): of two passes, the one with the lower wz is drawn on top.

// The car after a plate: position, heading and pitch (0..4095).
struct PathPoint {
    int32_t wx, wy, wz;
    int32_t heading, pitch;
};

// Entry i is the car after plate i, driven by StepDrive from the start state
// (kDriveStart). The plates form a course of plates.size() plates (at most kPlateCount).
std::vector<PathPoint> DriveLap(const CourseTableData& course);
std::vector<PathPoint> DriveLap(const std::vector<CoursePlate>& plates);

// How far one plate of `speed` driven at `heading` and `pitch` (any sign) moves the car.
struct PlateMove {
    int32_t dx, dy, dz;
};
PlateMove MoveOf(int16_t speed, int32_t heading, int32_t pitch);

// Cyclic distance in plates between two indexes of the lap.
int32_t PlateGap(int32_t i, int32_t j);

// Two points of the path more than kNeighbourPlates apart and closer than
// kClearance horizontally are two passes of the road, one above the other;
// they need kHeadroom between them.
constexpr int32_t kNeighbourPlates = 24;
constexpr int64_t kClearance = 2500;
constexpr int32_t kHeadroom = 1500;

struct Crossing {
    int32_t over, under;  // path indexes of the two passes at their closest; `over` is drawn on top; -1 if none
    int64_t distance_sq;  // their horizontal distance, squared
    int32_t headroom;     // wz of `under` minus wz of `over`
    int32_t angle;        // heading difference folded into 0..1024 (1024: square)
    int32_t violations;   // pairs of passes with less than kHeadroom between them
};

Crossing FindCrossing(const std::vector<PathPoint>& path);
