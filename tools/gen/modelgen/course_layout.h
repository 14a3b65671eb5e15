// The course's road in model units: the centre-line through the car's point
// after every plate, the road's frame there, and which parts are raised or bridging.
#pragma once

#include <vector>

#include "course.h"
#include "road_kind.h"
#include "vec3.h"

constexpr double kRoadHalfWidth = 0.18;    // model units; the car is about 0.12 wide
constexpr double kDeckDepth = 0.05;        // thickness of a raised road
constexpr double kGroundBelowRoad = 0.12;  // ground under the lowest road
constexpr double kEmbankmentMax = 1.0;     // lower than this above ground: a grass bank, else a deck on pillars

// A drive position in the course model: (wx, -wz, wy) / 1000. The course is
// drawn moved by (-wx, wz, -wy) / 1000, which brings this point to the car at the origin.
Vec3 ModelPoint(int32_t wx, int32_t wy, int32_t wz);

// Section n is the car's point after n plates; segment j runs from section j
// to j + 1 along plate j.
struct CourseLayout {
    std::vector<Vec3> centre;  // kPlateCount + 1 sections; the last equals the first when the lap closes
    std::vector<int> turn;     // per plate: its dvect_y
    std::vector<Road> road;    // per plate: its kind of road
    bool closed;
    int sections;
    int segments;
    std::vector<Vec3> forward;    // per section, horizontal unit direction of travel
    std::vector<Vec3> right;      // per section, horizontal unit vector to the right
    std::vector<bool> raised;     // per section: a deck on pillars rather than a grass bank
    std::vector<bool> over_road;  // per section: the overpass, with the underpass beneath it
    std::vector<bool> bridge;     // per segment: part of the bridge span (a deck, pillars in pairs)
    double ground_y;
    Vec3 low, high;  // bounding box of the centre-line
};

// Drives one lap of `course` (StepDrive on a state of its own) and lays it out.
CourseLayout MakeCourseLayout(const CourseTableData& course);

// Nearest horizontal distance from p to the centre-line of any segment whose
// lower end lies below `below_y`, leaving out segments within `skip` plates of
// section `near` (pass near = -1 to leave out none).
double DistanceToRoadBelow(const CourseLayout& layout, Vec3 p, double below_y, int near, int skip);
