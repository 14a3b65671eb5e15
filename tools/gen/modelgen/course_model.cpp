// The road surface, its sides, decks, pillars, railings and the ground.
#include "course_model.h"

#include <cstdlib>

#include "shapes.h"

namespace {

constexpr double kRailingHeight = 0.05;
constexpr double kPillarHalf = 0.035;
constexpr int kPillarSpacing = 4;  // sections between pillars under a raised road
constexpr int kKerbReach = 3;      // plates around a bend that get kerbs
constexpr double kGroundMargin = 12.0;

CourseMaterials AddCourseMaterials(Mesh& mesh) {
    CourseMaterials m{};
    const Colour lit{0.72, 0.72, 0.72};
    const Colour none{0, 0, 0};
    m.road = AddMaterial(mesh, {lit, none, "road.bmp"});
    m.kerb = AddMaterial(mesh, {lit, none, "kerb.bmp"});
    m.start = AddMaterial(mesh, {lit, none, "start.bmp"});
    m.bank = AddMaterial(mesh, {{0.80, 0.80, 0.80}, none, "grass.bmp"});
    m.side = AddMaterial(mesh, {{0.62, 0.60, 0.56}, none, ""});
    m.underside = AddMaterial(mesh, {{0.40, 0.39, 0.37}, none, ""});
    m.pillar = AddMaterial(mesh, {{0.66, 0.64, 0.60}, none, ""});
    m.railing = AddMaterial(mesh, {{0.85, 0.85, 0.88}, {0.15, 0.15, 0.15}, ""});
    m.ground = AddMaterial(mesh, {{0.80, 0.80, 0.80}, none, "grass.bmp"});
    m.leaves = AddMaterial(mesh, {{0.12, 0.40, 0.14}, none, ""});
    m.trunk = AddMaterial(mesh, {{0.36, 0.24, 0.14}, none, ""});
    m.seats = AddMaterial(mesh, {{0.16, 0.30, 0.70}, none, ""});
    m.stand = AddMaterial(mesh, {{0.70, 0.70, 0.72}, none, ""});
    m.roof = AddMaterial(mesh, {{0.90, 0.90, 0.92}, none, ""});
    m.board[0] = AddMaterial(mesh, {lit, none, "board1.bmp"});
    m.board[1] = AddMaterial(mesh, {lit, none, "board2.bmp"});
    m.board[2] = AddMaterial(mesh, {lit, none, "board3.bmp"});
    m.post = AddMaterial(mesh, {{0.55, 0.55, 0.58}, none, ""});
    m.banner = AddMaterial(mesh, {lit, none, "banner.bmp"});
    return m;
}

bool NearBend(const CourseLayout& layout, int segment) {
    const int count = static_cast<int>(layout.turn.size());
    for (int k = segment - kKerbReach; k <= segment + kKerbReach; ++k) {
        if (layout.turn[((k % count) + count) % count] != 0) {
            return true;
        }
    }
    return false;
}

uint32_t SurfaceMaterial(const CourseModel& model, int segment) {
    const CourseLayout& l = model.layout;
    // The chequered ends of the start texture meet at section 0.
    if (segment == 0 || (l.closed && segment == l.segments - 1)) {
        return model.materials.start;
    }
    return NearBend(l, segment) ? model.materials.kerb : model.materials.road;
}

Vec3 Edge(const CourseLayout& l, int section, double side) {
    return l.centre[section] + l.right[section] * (side * kRoadHalfWidth);
}

Vec3 Lowered(Vec3 p, double y) { return {p.x, y, p.z}; }

// Two triangles, since the two ends of a piece need not lie in one plane.
void AddSurfacePiece(Mesh& mesh, const UvPoint q[4], Vec3 outward, uint32_t material) {
    AddPolygon(mesh, {q[0], q[1], q[2]}, outward, material);
    AddPolygon(mesh, {q[0], q[2], q[3]}, outward, material);
}

void AddRoadSurface(CourseModel& model, int i) {
    const CourseLayout& l = model.layout;
    const double v0 = i * 0.5;
    const double v1 = (i + 1) * 0.5;
    const UvPoint q[4] = {
        {Edge(l, i, -1), 0, v0}, {Edge(l, i, 1), 1, v0}, {Edge(l, i + 1, 1), 1, v1}, {Edge(l, i + 1, -1), 0, v1}};
    AddSurfacePiece(model.mesh, q, {0, 1, 0}, SurfaceMaterial(model, i));
}

// Foot of the road's side at a section: under a deck, straight down to its
// underside; otherwise a grass bank sloping at 45 degrees down to the ground.
Vec3 SideFoot(const CourseLayout& l, int section, double side) {
    const Vec3 edge = Edge(l, section, side);
    if (l.raised[section]) {
        return Lowered(edge, l.centre[section].y - kDeckDepth);
    }
    const double height = l.centre[section].y - l.ground_y;
    return Lowered(edge + l.right[section] * (side * height), l.ground_y);
}

// The bank's grass lines up with the ground's: the same tiling over x and z.
UvPoint GroundUv(Vec3 p) { return {p, p.x / 2, p.z / 2}; }

void AddRoadSides(CourseModel& model, int i) {
    const CourseLayout& l = model.layout;
    const bool banked = !l.raised[i] && !l.raised[i + 1];
    for (double side : {-1.0, 1.0}) {
        const UvPoint q[4] = {GroundUv(Edge(l, i, side)), GroundUv(Edge(l, i + 1, side)),
                              GroundUv(SideFoot(l, i + 1, side)), GroundUv(SideFoot(l, i, side))};
        const Vec3 out = (l.right[i] + l.right[i + 1]) * side + Vec3{0, 0.5, 0};
        AddSurfacePiece(model.mesh, q, out, banked ? model.materials.bank : model.materials.side);
    }
    if (l.raised[i] && l.raised[i + 1]) {
        const double b0 = l.centre[i].y - kDeckDepth;
        const double b1 = l.centre[i + 1].y - kDeckDepth;
        const UvPoint q[4] = {{Lowered(Edge(l, i, -1), b0), 0, 0},
                              {Lowered(Edge(l, i, 1), b0), 0, 0},
                              {Lowered(Edge(l, i + 1, 1), b1), 0, 0},
                              {Lowered(Edge(l, i + 1, -1), b1), 0, 0}};
        AddSurfacePiece(model.mesh, q, {0, -1, 0}, model.materials.underside);
    }
}

// A railing is a thin upright strip on each edge, seen from both sides.
void AddRailings(CourseModel& model, int i) {
    const CourseLayout& l = model.layout;
    for (double side : {-1.0, 1.0}) {
        const Vec3 t0 = Edge(l, i, side);
        const Vec3 t1 = Edge(l, i + 1, side);
        const Vec3 up{0, kRailingHeight, 0};
        const std::vector<Vec3> strip = {t0, t1, t1 + up, t0 + up};
        const Vec3 out = (l.right[i] + l.right[i + 1]) * side;
        AddPolygon(model.mesh, strip, out, model.materials.railing);
        AddPolygon(model.mesh, strip, out * -1.0, model.materials.railing);
    }
}

// One pillar under the deck at `offset` across the road from the centre,
// unless it would stand on a road that runs lower down.
void AddPillar(CourseModel& model, int i, double offset) {
    const CourseLayout& l = model.layout;
    const Vec3 c = l.centre[i] + l.right[i] * offset;
    const double top = l.centre[i].y - kDeckDepth;
    if (top - l.ground_y < 0.05) {
        return;
    }
    if (DistanceToRoadBelow(l, c, l.centre[i].y - 0.02, i, 3) < kRoadHalfWidth + kPillarHalf + 0.03) {
        return;
    }
    const Frame frame{{c.x, (top + l.ground_y) * 0.5, c.z}, l.right[i], {0, 1, 0}, l.forward[i]};
    AddBox(model.mesh, frame, {kPillarHalf, (top - l.ground_y) * 0.5, kPillarHalf}, model.materials.pillar);
}

void AddPillars(CourseModel& model) {
    const CourseLayout& l = model.layout;
    for (int i = 0; i < l.segments; ++i) {
        if (!l.raised[i]) {
            continue;
        }
        if (l.bridge[i] && i % 2 == 0) {
            AddPillar(model, i, -0.11);
            AddPillar(model, i, 0.11);
        } else if (!l.bridge[i] && i % kPillarSpacing == 0) {
            AddPillar(model, i, 0.0);
        }
    }
}

void AddGround(CourseModel& model) {
    const CourseLayout& l = model.layout;
    const double y = l.ground_y;
    const double x0 = l.low.x - kGroundMargin;
    const double x1 = l.high.x + kGroundMargin;
    const double z0 = l.low.z - kGroundMargin;
    const double z1 = l.high.z + kGroundMargin;
    // One grass tile per two model units.
    AddPolygon(model.mesh,
               {{{x0, y, z0}, x0 / 2, z0 / 2},
                {{x1, y, z0}, x1 / 2, z0 / 2},
                {{x1, y, z1}, x1 / 2, z1 / 2},
                {{x0, y, z1}, x0 / 2, z1 / 2}},
               {0, 1, 0}, model.materials.ground);
}

}  // namespace

CourseModel BuildCourseModel(const CourseTableData& course) {
    CourseModel model;
    model.layout = MakeCourseLayout(course);
    model.materials = AddCourseMaterials(model.mesh);
    for (int i = 0; i < model.layout.segments; ++i) {
        AddRoadSurface(model, i);
    }
    for (int i = 0; i < model.layout.segments; ++i) {
        AddRoadSides(model, i);
        if (model.layout.raised[i] && model.layout.raised[i + 1]) {
            AddRailings(model, i);
        }
    }
    AddPillars(model);
    AddGround(model);
    AddScenery(model);
    return model;
}
