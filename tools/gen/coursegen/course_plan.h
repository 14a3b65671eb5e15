// The course as a short list of segments (straights, eased bends, slopes) and
// their expansion into the table's plates.
#pragma once

#include <cstdint>
#include <vector>

#include "course.h"
#include "road_kind.h"

enum class SegmentKind {
    Straight,    // count plates with no change
    StraightTo,  // straight plates until plate index count (exclusive)
    Turn,        // one heading delta per plate, from steps
    Pitch,       // one pitch delta per plate, from steps
    Plate,       // one straight plate of its own speed
};

struct Segment {
    SegmentKind kind;
    int32_t count;
    std::vector<int16_t> steps;
    int16_t speed;
    Road road;  // decides the plates' aux fields
};

// The free values of the plan: plate indexes where corners begin, the lead-in
// length and a trim between two corners; the generator searches them so that
// the lap closes and the passes meet at the bridge.
struct Layout {
    int32_t lead_in;        // plates of straight between the chicane and the first corner
    int32_t third_corner;   // the last bend of the first loop
    int32_t fourth_corner;  // the three bends of the second loop
    int32_t fifth_corner;
    int32_t sixth_corner;
    int32_t corner_trim;  // taken off the first corner and added to the third (angle units)
};

// The two held headings that close the lap to the unit, over plates
// kClosureFirst.. (hold_a plates at heading_a, then hold_b at heading_b).
struct Closure {
    int32_t heading_a, hold_a;
    int32_t heading_b, hold_b;
};

// Heights are wz, which the drawing shows upside down (see lap.h): a pitch
// delta below zero tips the road up on screen.

// The overpass runs level across the bridge, then goes down from kBridgeEnd.
constexpr int32_t kBridgeEnd = 654;
constexpr int32_t kBridgePlates = 30;
constexpr int32_t kBridgeFirst = kBridgeEnd - kBridgePlates;

// The underpass runs beneath the bridge up to the gate plate.
constexpr int32_t kUnderpassFirst = 945;
constexpr int32_t kGatePlate = 988;

constexpr int32_t kClosureFirst = 989;
constexpr int32_t kClosureEnd = 1068;  // the three +1 plates begin here
// Heading held across the closure plates when they are not used.
constexpr int32_t kClosureRestHeading = -3;

// A bend of heading change `total`, easing in through the steps 11, 22, 45, 68, 91, 113 up to `peak`,
// holding it and easing out; a remainder is one plate in the middle (1..3 units: refused by ExpandPlan).
Segment EasedBend(int32_t total, int32_t peak, Road road);

// The plan for a layout and closure: every plate of the lap, in order.
std::vector<Segment> CoursePlan(const Layout& layout, const Closure& closure);

// Expands segments into plates with their aux fields. Fails (returns an empty
// vector) unless the plates number exactly kPlateCount, or if a change of 1..3
// units falls before the gate plate (such small steps belong to the closing).
std::vector<CoursePlate> ExpandPlan(const std::vector<Segment>& plan);
