// The models' faces placed as the scene places them: at every plate of the lap
// the road lies under the whole car, level, with room above it and running on
// straight ahead. (The car as the camera shows it: the picture test.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "car_model.h"
#include "course.h"
#include "course_model.h"
#include "drive.h"
#include "view.h"

namespace {

// In floats, as the device places the models.
struct Point {
    float x, y, z;
};

Point ToPoint(Vec3 v) { return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)}; }

// Direct3D's turns of a row vector about one axis, left-handed.
Point TurnedX(float a, Point p) {
    return {p.x, p.y * std::cos(a) - p.z * std::sin(a), p.y * std::sin(a) + p.z * std::cos(a)};
}
Point TurnedY(float a, Point p) {
    return {p.x * std::cos(a) + p.z * std::sin(a), p.y, p.z * std::cos(a) - p.x * std::sin(a)};
}
Point TurnedZ(float a, Point p) {
    return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a), p.z};
}

// Turned about y, then x, then z, then scaled, as the world transforms turn and scale.
Point TurnedAndScaled(float rot_x, float rot_y, float rot_z, float scale, Point p) {
    p = TurnedZ(rot_z, TurnedX(rot_x, TurnedY(rot_y, p)));
    return {p.x * scale, p.y * scale, p.z * scale};
}

// A course point moved by the course translation first, so that it turns about the car.
Point PlacedCourse(const DriveStateData& s, Point p) {
    return TurnedAndScaled(s.fCrsRotX, s.fCrsRotY, s.fCrsRotZ, ViewSettings.fCrsScale,
                           {p.x + s.fPosX, p.y + s.fPosY, p.z + s.fPosZ});
}

Point PlacedCar(const DriveStateData& s, Point p) {
    return TurnedAndScaled(s.fCarRotX, s.fCarRotY, s.fCarRotZ, kCarScale, p);
}

struct Triangle {
    Point p[3];
    bool road;
};

// Height where the vertical through (x, z) meets t, if it does.
bool HeightAt(const Triangle& t, float x, float z, float& y) {
    const Point a = t.p[0], b = t.p[1], c = t.p[2];
    const float det = (b.z - c.z) * (a.x - c.x) + (c.x - b.x) * (a.z - c.z);
    if (std::fabs(det) < 1e-12f) return false;
    const float l0 = ((b.z - c.z) * (x - c.x) + (c.x - b.x) * (z - c.z)) / det;
    const float l1 = ((c.z - a.z) * (x - c.x) + (a.x - c.x) * (z - c.z)) / det;
    y = l0 * a.y + l1 * b.y + (1.0f - l0 - l1) * c.y;
    return std::min({l0, l1, 1.0f - l0 - l1}) > -1e-5f;
}

// At (x, z): the road surface nearest the car's y = 0 (1e9 where none) and the
// lowest surface of the course above it.
std::pair<float, float> RoadAndRoofAt(const std::vector<Triangle>& triangles, float x, float z) {
    float road = 1e9f, roof = 1e9f, y = 0;
    for (const Triangle& t : triangles) {
        if (t.road && HeightAt(t, x, z, y) && std::fabs(y) < std::fabs(road)) road = y;
    }
    for (const Triangle& t : triangles) {
        if (HeightAt(t, x, z, y) && y > road + 1e-3f) roof = std::min(roof, y);
    }
    return {road, roof};
}

// The course's faces within `reach` (model units) of the car, placed for state s;
// road where built of the road's own materials, not of a deck's side or a bank.
std::vector<Triangle> NearbyTriangles(const CourseModel& course, const DriveStateData& s, float reach) {
    const CourseMaterials& m = course.materials;
    std::vector<Triangle> out;
    for (const Face& f : course.mesh.faces) {
        Triangle t{{}, f.material == m.road || f.material == m.kerb || f.material == m.start};
        bool near = false;
        const uint32_t corners[3] = {f.a, f.b, f.c};
        for (int k = 0; k < 3; ++k) {
            const Point p = ToPoint(course.mesh.vertices[corners[k]].pos);
            // The course translation takes the car's point in the model to the origin.
            near = near || std::hypot(p.x + s.fPosX, p.z + s.fPosZ) < reach;
            t.p[k] = PlacedCourse(s, p);
        }
        if (near) out.push_back(t);
    }
    return out;
}

TEST(SceneFit, CarOnTheRoadAtEveryPlate) {
    const CourseModel course = BuildCourseModel(CourseTable);
    const Mesh car = BuildCarModel().mesh;
    DriveStateData s = kDriveStart;
    NormaliseDrive(s);
    Point low{1e9f, 1e9f, 1e9f}, high{-1e9f, -1e9f, -1e9f};  // the car's box as drawn
    for (const Vertex& v : car.vertices) {
        const Point p = PlacedCar(s, ToPoint(v.pos));
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    EXPECT_NEAR(low.y, 0.0f, 1e-6f) << "the car's wheels must rest on y = 0, where the road is";

    for (int plate = 0; plate <= kPlateCount; ++plate) {
        const std::vector<Triangle> triangles = NearbyTriangles(course, s, 1.0f);
        ASSERT_NEAR(RoadAndRoofAt(triangles, 0, 0).first, 0.0f, 2e-3f) << "no road at the car after " << plate;
        for (float x : {low.x, high.x}) {
            for (float z : {low.z, high.z}) {
                const auto [road, roof] = RoadAndRoofAt(triangles, x, z);
                ASSERT_LT(road, 1e9f) << "corner (" << x << ", " << z << ") off the road after " << plate;
                ASSERT_GT(roof - road, high.y) << "no room for the car after " << plate << " plates";
            }
        }
        const DriveStateData here = s;
        StepDrive(s, CourseTable, kButtonA);
        const Point ahead = PlacedCourse(here, {-s.fPosX, -s.fPosY, -s.fPosZ});  // the car's next point
        ASSERT_LT(std::fabs(std::atan2(ahead.x, ahead.z)), 0.1f) << "road turns away after " << plate << " plates";
        ASSERT_LT(std::fabs(std::atan2(ahead.y, ahead.z)), 0.1f) << "road climbs away after " << plate << " plates";
    }
}

}  // namespace
