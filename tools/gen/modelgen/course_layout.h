// Where the course model's pieces go, worked out from the road's centre-line.
#pragma once

#include <vector>

#include "course_path.h"

constexpr double kRoadHalfWidth = 0.18;    // model units; the car is about 0.12 wide
constexpr double kDeckDepth = 0.05;        // thickness of a raised road
constexpr double kGroundBelowRoad = 0.12;  // ground under the lowest road
constexpr double kEmbankmentMax = 1.0;     // lower than this above ground: a grass bank, else a deck on pillars
constexpr double kClearanceNeeded = 0.08;  // under a bridge: more than the car is tall

struct CourseLayout {
    CoursePath path;
    int sections;                 // road cross-sections: one per centre point
    int segments;                 // road pieces between consecutive sections
    std::vector<Vec3> forward;    // per section, horizontal unit direction of travel
    std::vector<Vec3> right;      // per section, horizontal unit vector to the right
    std::vector<bool> raised;     // per section: a deck on pillars rather than solid sides
    std::vector<bool> over_road;  // per section: another road passes underneath
    std::vector<bool> bridge;     // per segment: part of a bridge span (always a deck, pillars in pairs)
    double ground_y;
    Vec3 low, high;               // bounding box of the centre-line
};

CourseLayout MakeCourseLayout(const CoursePath& path);

// Horizontal (xz) distance from p to the road segment from section j to j + 1.
double DistanceToSegment(const CourseLayout& layout, Vec3 p, int j);

// Nearest horizontal distance from p to the centre-line of any segment whose
// lower end lies below `below_y`, leaving out segments within `skip` plates of
// section `near` (pass near = -1 to leave out none).
double DistanceToRoadBelow(const CourseLayout& layout, Vec3 p, double below_y, int near, int skip);

// Least height between the underside of a deck and the road surface beneath
// it, over every place where one road passes over another; a large number
// when none does.
double BridgeClearance(const CourseLayout& layout);
