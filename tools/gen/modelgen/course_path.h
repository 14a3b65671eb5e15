// The road's centre-line: where the drive puts the car after each plate, in course model coordinates.
#pragma once

#include <vector>

#include "mesh.h"

// A drive state position in the course model: (wx, -wz, wy) / 1000. The
// course is drawn moved by (-wx, wz, -wy) / 1000, which brings this point to
// the car at the origin.
Vec3 ModelPoint(int32_t wx, int32_t wy, int32_t wz);

struct CoursePath {
    // centre[n]: the car's point after n updates with A held from the start
    // (centre[0] is the start); kPlateCount + 1 points, the last one where a
    // lap ends (equal to centre[0] when the lap closes).
    std::vector<Vec3> centre;
    // dvect_y of each plate, for finding the bends.
    std::vector<int> turn;
    bool closed;
};

// Drives one lap of the course table from the drive's start state. Leaves the
// process-wide drive state as the lap ends; call before anything reads it.
CoursePath TraceCoursePath();
