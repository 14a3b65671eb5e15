// Closes the lap exactly: a search over the free corner positions, then two
// held headings over the closing plates that take up the last few units.
#pragma once

#include <cstdint>
#include <vector>

#include "course.h"
#include "course_plan.h"
#include "lap.h"

// End position minus start position after one lap of the given plates.
struct Residual {
    int32_t dx, dy, dz;
};
Residual LapResidual(const std::vector<PathPoint>& path);

// The held headings (at most kClosureReach units either way) that cancel a
// residual left with the closing plates at kClosureRestHeading, if any; the
// smallest headings win, then the fewest plates.
constexpr int32_t kClosureReach = 12;
bool SolveClosure(const Residual& r, Closure& out);

// The accepted design: the layout, its closure, the plates and the crossing.
struct CourseDesign {
    Layout layout;
    Closure closure;
    std::vector<CoursePlate> plates;
    std::vector<PathPoint> path;
    Crossing crossing;
};

// The layout the search starts from: its own last answer, so that a rerun on
// the unchanged plan ends at once; after a change to the plan it searches on.
constexpr Layout kNominalLayout = {27, 482, 715, 797, 880, 5};

// Searches layouts near the nominal one, nearest first, for the first that
// keeps every rule of a lap (course_rules.h). Returns false if none does.
bool DesignCourse(CourseDesign& out);
