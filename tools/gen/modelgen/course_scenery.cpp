// Trackside objects that make the speed read: gantry, grandstand, distance boards, trees.
#include <cmath>
#include <limits>

#include "course_model.h"
#include "shapes.h"

namespace {

constexpr double kAnywhere = std::numeric_limits<double>::max();
constexpr int kStandSection = 14;  // middle of the grandstand along the start straight
constexpr int kBendRunUp = 12;     // straight plates before a bend that earn boards
constexpr int kBoardSpacing = 3;   // plates between distance boards
constexpr int kTreeCount = 150;
constexpr int kTreeTries = 6000;

struct Keepout {
    Vec3 centre;
    double radius;
};

// Small deterministic generator, so that every run places the same trees.
struct Random {
    uint32_t state;
};

double Uniform(Random& r, double low, double high) {
    r.state = r.state * 1664525u + 1013904223u;
    return low + (high - low) * ((r.state >> 8) / 16777216.0);
}

bool ClearOfRoads(const CourseLayout& l, Vec3 p, double margin, int near, int skip) {
    return DistanceToRoadBelow(l, p, kAnywhere, near, skip) > kRoadHalfWidth + margin;
}

void AddStartGantry(CourseModel& model) {
    const CourseLayout& l = model.layout;
    const Vec3 c = l.centre[0];
    const double span = kRoadHalfWidth + 0.05;
    for (double side : {-1.0, 1.0}) {
        const Vec3 foot = c + l.right[0] * (side * span);
        const double top = c.y + 0.36;
        const Frame post{{foot.x, (top + l.ground_y) * 0.5, foot.z}, l.right[0], {0, 1, 0}, l.forward[0]};
        AddBox(model.mesh, post, {0.015, (top - l.ground_y) * 0.5, 0.015}, model.materials.post);
    }
    const Frame bar{c + Vec3{0, 0.33, 0}, l.right[0], {0, 1, 0}, l.forward[0]};
    AddBox(model.mesh, bar, {span + 0.015, 0.03, 0.01}, model.materials.banner);
}

// True when a stand on side `r` of section `s`, its front `front` from the
// centre-line, keeps clear of every other stretch of road.
bool RoomForStand(const CourseLayout& l, int s, Vec3 r, double front) {
    const Vec3 c = l.centre[s];
    for (double along : {-0.9, 0.0, 0.9}) {
        for (double across : {front, front + 0.3, front + 0.6}) {
            if (!ClearOfRoads(l, c + r * across + l.forward[s] * along, 0.1, s, 30)) {
                return false;
            }
        }
    }
    return true;
}

// Built into the bank: four tiers stepping up from road level, a back wall and
// a roof on two posts, everything standing on the ground.
void AddStand(CourseModel& model, int s, Vec3 r, double front) {
    const CourseLayout& l = model.layout;
    const Vec3 c = l.centre[s];
    const Vec3 f = l.forward[s];
    const Vec3 up{0, 1, 0};
    const double g = l.ground_y;
    for (int tier = 0; tier < 4; ++tier) {
        const double top = c.y + 0.02 + tier * 0.09;
        const Vec3 at = c + r * (front + 0.06 + tier * 0.12);
        AddBox(model.mesh, {{at.x, (g + top) * 0.5, at.z}, r, up, f}, {0.06, (top - g) * 0.5, 0.8},
               model.materials.seats);
    }
    const double roof_y = c.y + 0.5;
    const Vec3 back = c + r * (front + 0.5);
    AddBox(model.mesh, {{back.x, (g + roof_y) * 0.5, back.z}, r, up, f}, {0.02, (roof_y - g) * 0.5, 0.8},
           model.materials.stand);
    const Vec3 roof = c + r * (front + 0.26);
    AddBox(model.mesh, {{roof.x, roof_y, roof.z}, r, up, f}, {0.27, 0.02, 0.82}, model.materials.roof);
    for (double along : {-0.78, 0.78}) {
        const Vec3 foot = c + r * (front + 0.01) + f * along;
        AddBox(model.mesh, {{foot.x, (g + roof_y) * 0.5, foot.z}, r, up, f}, {0.01, (roof_y - g) * 0.5, 0.01},
               model.materials.stand);
    }
}

// Stepped seating beside the start straight, on the side with room for it.
void AddGrandstand(CourseModel& model, std::vector<Keepout>& keepouts) {
    const CourseLayout& l = model.layout;
    const int s = kStandSection;
    if (s >= l.segments) {
        return;
    }
    const double front = kRoadHalfWidth + 0.12;
    for (double side : {1.0, -1.0}) {
        const Vec3 r = l.right[s] * side;
        if (RoomForStand(l, s, r, front)) {
            AddStand(model, s, r, front);
            keepouts.push_back({l.centre[s] + r * (front + 0.3), 1.1});
            return;
        }
    }
}

void AddBoard(CourseModel& model, int section, double side, int bars) {
    const CourseLayout& l = model.layout;
    const Vec3 at = l.centre[section] + l.right[section] * (side * (kRoadHalfWidth + 0.1));
    if (!ClearOfRoads(l, at, 0.06, section, 20)) {
        return;
    }
    const double panel_y = std::max(l.centre[section].y, l.ground_y) + 0.1;
    const Vec3 f = l.forward[section];
    const Vec3 r = l.right[section];
    AddBox(model.mesh, {{at.x, panel_y, at.z}, r, {0, 1, 0}, f}, {0.07, 0.05, 0.008}, model.materials.board[bars - 1]);
    const double post_top = panel_y - 0.05;
    AddBox(model.mesh, {{at.x, (post_top + l.ground_y) * 0.5, at.z}, r, {0, 1, 0}, f},
           {0.008, (post_top - l.ground_y) * 0.5, 0.008}, model.materials.post);
}

bool StraightBefore(const CourseLayout& layout, int plate) {
    const int count = static_cast<int>(layout.turn.size());
    for (int k = 1; k <= kBendRunUp; ++k) {
        if (layout.turn[((plate - k) % count + count) % count] != 0) {
            return false;
        }
    }
    return true;
}

// Boards with three, two and one bars on the outside of every bend that
// follows a straight.
void AddDistanceBoards(CourseModel& model) {
    const CourseLayout& l = model.layout;
    const int count = static_cast<int>(l.turn.size());
    for (int b = 0; b < count; ++b) {
        if (l.turn[b] == 0 || !StraightBefore(l, b) || b + 10 >= l.sections) {
            continue;
        }
        const double turn = Cross(l.forward[b], l.forward[b + 10]).y;
        const double outside = turn > 0.0 ? -1.0 : 1.0;  // turning right: boards on the left
        for (int bars = 1; bars <= 3; ++bars) {
            const int section = b - bars * kBoardSpacing;
            if (section >= 0) {
                AddBoard(model, section, outside, bars);
            }
        }
    }
}

void AddTree(CourseModel& model, Vec3 foot, double height, double radius) {
    const double g = model.layout.ground_y;
    AddAlignedBox(model.mesh, {foot.x - 0.03, g, foot.z - 0.03}, {foot.x + 0.03, g + 0.15, foot.z + 0.03},
                  model.materials.trunk);
    AddCone(model.mesh, {foot.x, g + 0.1, foot.z}, radius, height * 0.6, 8, model.materials.leaves);
    AddCone(model.mesh, {foot.x, g + 0.1 + height * 0.35, foot.z}, radius * 0.72, height * 0.55, 8,
            model.materials.leaves);
}

// Trees mostly within a few units of the road, where they pass close by.
void AddTrees(CourseModel& model, const std::vector<Keepout>& keepouts) {
    const CourseLayout& l = model.layout;
    Random random{12345};
    int placed = 0;
    for (int attempt = 0; attempt < kTreeTries && placed < kTreeCount; ++attempt) {
        const Vec3 p{Uniform(random, l.low.x - 3, l.high.x + 3), l.ground_y,
                     Uniform(random, l.low.z - 3, l.high.z + 3)};
        const double height = Uniform(random, 0.8, 1.3);
        const double radius = Uniform(random, 0.15, 0.24);
        const double far_chance = Uniform(random, 0, 1);
        const double d = DistanceToRoadBelow(l, p, kAnywhere, -1, 0);
        // Clear of the widest grass bank, and mostly near enough to pass by.
        if (d < kRoadHalfWidth + kEmbankmentMax + radius || (d > 3.0 && far_chance > 0.15)) {
            continue;
        }
        bool free = true;
        for (const Keepout& k : keepouts) {
            free = free && Length(Vec3{p.x - k.centre.x, 0, p.z - k.centre.z}) > k.radius;
        }
        if (free) {
            AddTree(model, p, height, radius);
            ++placed;
        }
    }
}

}  // namespace

void AddScenery(CourseModel& model) {
    std::vector<Keepout> keepouts;
    AddStartGantry(model);
    keepouts.push_back({model.layout.centre[0], 0.5});
    AddGrandstand(model, keepouts);
    AddDistanceBoards(model);
    AddTrees(model, keepouts);
}
