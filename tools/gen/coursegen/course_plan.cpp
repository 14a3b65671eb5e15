// The course plan: a figure-eight of two squarish loops, the first pass
// through the crossing carried on a bridge over the second.
#include "course_plan.h"

#include <cstdlib>
#include <utility>

namespace {

constexpr int16_t kSpeed = 200;
constexpr int16_t kShortSpeed = 104;  // the finish gate plate
constexpr int16_t kLastSpeed = 187;

constexpr int32_t kSlopeHold = 31;  // plates held at the full slope
// Ease into and out of the full slope of 338 units (about 30 degrees); the
// way down mirrors the way up, so the height comes back exactly.
const std::vector<int16_t> kTipUp = {-11, -45, -113, -113, -45, -11};
const std::vector<int16_t> kTipDown = {11, 45, 113, 113, 45, 11};
// The dip: down to a slope of 66 units (about 6 degrees) and across a level bottom.
const std::vector<int16_t> kEaseDown = {11, 22, 22, 11};
const std::vector<int16_t> kEaseUp = {-11, -22, -22, -11};
constexpr int32_t kDipHold = 25;

// The sweep turns out by this much, back twice as far, and out again.
constexpr int32_t kSweep = 450;

// The climb ends where the level bridge begins.
const int32_t kClimbFirst =
    kBridgeFirst - static_cast<int32_t>(kTipDown.size()) - kSlopeHold - static_cast<int32_t>(kTipUp.size());

Segment Straight(int32_t plates, Road road) { return {SegmentKind::Straight, plates, {}, 0, road}; }
Segment StraightTo(int32_t end, Road road) { return {SegmentKind::StraightTo, end, {}, 0, road}; }
Segment Turn(std::vector<int16_t> steps, Road road) { return {SegmentKind::Turn, 0, std::move(steps), 0, road}; }
Segment Pitch(std::vector<int16_t> steps, Road road) { return {SegmentKind::Pitch, 0, std::move(steps), 0, road}; }
Segment OnePlate(int16_t speed, Road road) { return {SegmentKind::Plate, 1, {}, speed, road}; }

// Heading deltas that hold each (heading, plates) in turn, starting from `from`
// and ending on `rest` for the remaining plates of a run of `plates`.
std::vector<int16_t> HoldHeadings(int32_t from, const Closure& c, int32_t rest, int32_t plates) {
    std::vector<int16_t> steps(plates, 0);
    steps[0] = static_cast<int16_t>((c.hold_a > 0 ? c.heading_a : c.hold_b > 0 ? c.heading_b : rest) - from);
    if (c.hold_a > 0 && c.hold_b > 0) {
        steps[c.hold_a] = static_cast<int16_t>(c.heading_b - c.heading_a);
    }
    const int32_t after = c.hold_a + c.hold_b;
    if (after > 0) {
        steps[after] = static_cast<int16_t>(rest - (c.hold_b > 0 ? c.heading_b : c.heading_a));
    }
    return steps;
}

}  // namespace

Segment EasedBend(int32_t total, int32_t peak, Road road) {
    static const int16_t kLadder[] = {11, 22, 45, 68, 91, 113};
    std::vector<int16_t> up;
    int32_t eased = 0;
    for (int16_t step : kLadder) {
        if (step >= peak) {
            break;
        }
        up.push_back(step);
        eased += 2 * step;
    }
    const int32_t held = std::abs(total) - eased;
    const int32_t full = held / peak;
    const int32_t remainder = held % peak;
    std::vector<int16_t> steps(up);
    for (int32_t i = 0; i < full; ++i) {
        steps.push_back(static_cast<int16_t>(peak));
        if (i == full / 2 - 1 && remainder > 0) {
            steps.push_back(static_cast<int16_t>(remainder));
        }
    }
    if (full < 2 && remainder > 0) {
        steps.push_back(static_cast<int16_t>(remainder));
    }
    steps.insert(steps.end(), up.rbegin(), up.rend());
    if (total < 0) {
        for (auto& s : steps) {
            s = static_cast<int16_t>(-s);
        }
    }
    return Turn(std::move(steps), road);
}

std::vector<Segment> CoursePlan(const Layout& L, const Closure& closure) {
    const int32_t closure_plates = kClosureEnd - kClosureFirst;
    return {
        // The start straight with a short slope down, then a chicane.
        Straight(25, Road::Open),
        Pitch({22}, Road::Open),
        Straight(8, Road::Open),
        Pitch({-22}, Road::Open),
        Turn({-11, -11, -22, -45, -45, -45, -45, -22, -11, -11}, Road::Open),
        Straight(30, Road::Open),
        EasedBend(474, 91, Road::Open),
        Straight(L.lead_in, Road::Lane),
        // The first loop turns the other way through three corners.
        EasedBend(-1230 + L.corner_trim, 113, Road::Lane),
        Straight(15, Road::Lane),
        // A dip in the long back straight.
        Pitch(kEaseDown, Road::Lane),
        Straight(kDipHold, Road::Lane),
        Pitch(kEaseUp, Road::Lane),
        Straight(10, Road::Lane),
        Pitch(kEaseUp, Road::Lane),
        Straight(kDipHold, Road::Lane),
        Pitch(kEaseDown, Road::Lane),
        StraightTo(260, Road::Lane),
        EasedBend(-1039, 113, Road::Lane),
        Straight(25, Road::Lane),
        // Back up what the start sloped down.
        Pitch({-22}, Road::Lane),
        Straight(8, Road::Lane),
        Pitch({22}, Road::Lane),
        Straight(40, Road::Lane),
        // A sweep out and back onto the same line.
        EasedBend(kSweep, 68, Road::Lane),
        Straight(12, Road::Lane),
        EasedBend(-2 * kSweep, 68, Road::Lane),
        Straight(12, Road::Lane),
        EasedBend(kSweep, 68, Road::Lane),
        StraightTo(L.third_corner, Road::Lane),
        EasedBend(-1009 - L.corner_trim, 91, Road::Lane),
        // Up onto the bridge, across it and down again.
        StraightTo(kClimbFirst, Road::Lane),
        Pitch(kTipUp, Road::Overpass),
        Straight(kSlopeHold, Road::Overpass),
        Pitch(kTipDown, Road::Overpass),
        StraightTo(kBridgeEnd, Road::Overpass),
        Pitch(kTipDown, Road::Overpass),
        Straight(kSlopeHold, Road::Overpass),
        Pitch(kTipUp, Road::Overpass),
        // The second loop: three corners back to the bridge.
        StraightTo(L.fourth_corner, Road::Lane),
        EasedBend(1024, 68, Road::Lane),
        StraightTo(L.fifth_corner, Road::Lane),
        EasedBend(1024, 68, Road::Lane),
        StraightTo(L.sixth_corner, Road::Lane),
        EasedBend(1024, 68, Road::Lane),
        StraightTo(kUnderpassFirst, Road::Lane),
        StraightTo(kGatePlate, Road::Underpass),
        // The finish: the short gate plate, the closing plates, the last plate.
        OnePlate(kShortSpeed, Road::Underpass),
        Turn(HoldHeadings(0, closure, kClosureRestHeading, closure_plates), Road::Open),
        Turn({1, 1, 1}, Road::Open),
        OnePlate(kLastSpeed, Road::Open),
    };
}

namespace {

void Append(std::vector<CoursePlate>& out, Road road, int16_t speed, int16_t dvect_y, int16_t dvect_x) {
    out.push_back(Paved(road, CoursePlate{speed, 0, 0, dvect_y, dvect_x, 0}));
}

}  // namespace

std::vector<CoursePlate> ExpandPlan(const std::vector<Segment>& plan) {
    std::vector<CoursePlate> out;
    for (const Segment& s : plan) {
        switch (s.kind) {
        case SegmentKind::Straight:
            for (int32_t i = 0; i < s.count; ++i) Append(out, s.road, kSpeed, 0, 0);
            break;
        case SegmentKind::StraightTo:
            if (static_cast<int32_t>(out.size()) > s.count) return {};
            while (static_cast<int32_t>(out.size()) < s.count) Append(out, s.road, kSpeed, 0, 0);
            break;
        case SegmentKind::Turn:
            for (int16_t d : s.steps) Append(out, s.road, kSpeed, d, 0);
            break;
        case SegmentKind::Pitch:
            for (int16_t d : s.steps) Append(out, s.road, kSpeed, 0, d);
            break;
        case SegmentKind::Plate: Append(out, s.road, s.speed, 0, 0); break;
        }
    }
    if (static_cast<int32_t>(out.size()) != kPlateCount) return {};
    for (int32_t i = 0; i < kGatePlate; ++i) {
        for (int32_t d : {std::abs(out[i].dvect_y), std::abs(out[i].dvect_x)}) {
            if (d >= 1 && d <= 3) return {};
        }
    }
    return out;
}
