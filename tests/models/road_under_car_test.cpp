// The proof that the car drives on the road: at every plate of the lap, the
// course as drawn puts the road's surface under the whole car, level, centred
// on the car and running straight ahead, with nothing of the course in the car's way.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "assets.h"
#include "course.h"
#include "course_layout.h"
#include "scene_transforms.h"

namespace {

constexpr float kPi = 3.14159265f;

struct ViewTriangle {
    Float3 p[3];
    bool road;
};

Float3 ToFloat3(Vec3 v) { return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)}; }

// Height where the vertical line through (x, z) meets the triangle, if it does.
bool HeightAt(const ViewTriangle& t, float x, float z, float& y)
{
    const Float3 a = t.p[0], b = t.p[1], c = t.p[2];
    const float det = (b.z - c.z) * (a.x - c.x) + (c.x - b.x) * (a.z - c.z);
    if (std::fabs(det) < 1e-12f) {
        return false;
    }
    const float l0 = ((b.z - c.z) * (x - c.x) + (c.x - b.x) * (z - c.z)) / det;
    const float l1 = ((c.z - a.z) * (x - c.x) + (a.x - c.x) * (z - c.z)) / det;
    const float l2 = 1.0f - l0 - l1;
    const float eps = -1e-5f;
    if (l0 < eps || l1 < eps || l2 < eps) {
        return false;
    }
    y = l0 * a.y + l1 * b.y + l2 * c.y;
    return true;
}

struct Probe {
    bool road_hit = false;
    float road_y = 1e9f;        // road surface height closest to the car's y = 0
    float lowest_above = 1e9f;  // lowest course surface above the road there
};

Probe ProbeAt(const std::vector<ViewTriangle>& triangles, float x, float z)
{
    Probe probe;
    for (const ViewTriangle& t : triangles) {
        float y = 0;
        if (t.road && HeightAt(t, x, z, y) && std::fabs(y) < std::fabs(probe.road_y)) {
            probe.road_hit = true;
            probe.road_y = y;
        }
    }
    for (const ViewTriangle& t : triangles) {
        float y = 0;
        if (HeightAt(t, x, z, y) && y > probe.road_y + 1e-3f) {
            probe.lowest_above = std::min(probe.lowest_above, y);
        }
    }
    return probe;
}

class RoadUnderCar : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        mesh_ = new Mesh(FinishedCourseMesh());
    }
    static void TearDownTestSuite()
    {
        delete mesh_;
        mesh_ = nullptr;
    }

    // The course's faces near the car, in view-aligned world space of this frame.
    static std::vector<ViewTriangle> NearbyTriangles(const DriveStateData& s, float reach)
    {
        const std::set<std::string> road_textures = {"road.bmp", "kerb.bmp", "start.bmp"};
        const Vec3 car{s.wx / 1000.0, -s.wz / 1000.0, s.wy / 1000.0};
        const Matrix4 world = CourseWorld(s);
        std::vector<ViewTriangle> out;
        for (const Face& f : mesh_->faces) {
            const Vec3 corners[3] = {mesh_->vertices[f.a].pos, mesh_->vertices[f.b].pos, mesh_->vertices[f.c].pos};
            bool near = false;
            for (Vec3 c : corners) {
                near = near || Length(Vec3{c.x - car.x, 0, c.z - car.z}) < reach;
            }
            if (!near) {
                continue;
            }
            ViewTriangle t{};
            for (int k = 0; k < 3; ++k) {
                t.p[k] = TransformPoint(world, ToFloat3(corners[k]));
            }
            t.road = road_textures.count(mesh_->materials[f.material].texture) > 0;
            out.push_back(t);
        }
        return out;
    }

    static Mesh* mesh_;
};

Mesh* RoadUnderCar::mesh_ = nullptr;

// The car as drawn covers x -0.27..0.27 and z -0.47..0.78 and is 0.26 tall.
constexpr float kCarHalfWidth = 0.27f;
constexpr float kCarRear = -0.47f;
constexpr float kCarFront = 0.78f;
constexpr float kCarHeight = 0.26f;

TEST_F(RoadUnderCar, EveryPlateOfTheLap)
{
    DriveState = kDriveStart;
    ResetDrive();
    float worst_heading = 0;
    int checked = 0;
    for (int plate = 0; plate <= kPlateCount; ++plate) {
        const DriveStateData s = DriveState;
        const std::vector<ViewTriangle> triangles = NearbyTriangles(s, 1.5f);
        const Probe centre = ProbeAt(triangles, 0.0f, 0.0f);
        ASSERT_TRUE(centre.road_hit) << "no road under the car after " << plate << " plates";
        EXPECT_NEAR(centre.road_y, 0.0f, 2e-3f) << "road centre not at the car after " << plate << " plates";
        const Probe left = ProbeAt(triangles, -kCarHalfWidth, 0.0f);
        const Probe right = ProbeAt(triangles, kCarHalfWidth, 0.0f);
        EXPECT_TRUE(left.road_hit && right.road_hit) << "car wider than the road after " << plate;
        EXPECT_NEAR(left.road_y, right.road_y, 2e-3f) << "road not level across after " << plate;
        for (float x : {-kCarHalfWidth, kCarHalfWidth}) {
            for (float z : {kCarRear, kCarFront}) {
                const Probe corner = ProbeAt(triangles, x, z);
                EXPECT_TRUE(corner.road_hit) << "corner (" << x << ", " << z << ") off the road after " << plate;
                EXPECT_GT(corner.lowest_above - corner.road_y, kCarHeight) << "no headroom after " << plate;
            }
        }
        EXPECT_GT(centre.lowest_above - centre.road_y, kCarHeight) << "no headroom after " << plate;

        // The road runs on ahead: the next centre point lies straight in front.
        UpdateDrive(kButtonA);
        const Vec3 next{DriveState.wx / 1000.0, -DriveState.wz / 1000.0, DriveState.wy / 1000.0};
        const Float3 ahead = TransformPoint(CourseWorld(s), ToFloat3(next));
        const float heading = std::atan2(ahead.x, ahead.z) * 180.0f / kPi;
        const float climb = std::atan2(ahead.y, ahead.z) * 180.0f / kPi;
        EXPECT_LT(std::fabs(heading), 6.0f) << "road turns away after " << plate << " plates";
        EXPECT_LT(std::fabs(climb), 6.0f) << "road climbs away after " << plate << " plates";
        worst_heading = std::max(worst_heading, std::fabs(heading));
        ++checked;
    }
    EXPECT_EQ(checked, kPlateCount + 1);
    RecordProperty("worst_heading_degrees", std::to_string(worst_heading));
}

// Where one road passes over another, the lower road keeps headroom for the car.
TEST_F(RoadUnderCar, BridgeClearsTheLowerRoad)
{
    const CourseLayout layout = MakeCourseLayout(TraceCoursePath());
    EXPECT_GE(BridgeClearance(layout), kClearanceNeeded);
    for (int i = 0; i < layout.sections; ++i) {
        EXPECT_GT(layout.path.centre[i].y - layout.ground_y, kGroundBelowRoad - 1e-9) << "road below ground at " << i;
    }
}

// The drawing transforms as checked above agree with the known course matrix at the start.
TEST(SceneTransforms, CourseMatrixAtTheStart)
{
    DriveState = kDriveStart;
    ResetDrive();
    const Matrix4 w = CourseWorld(DriveState);
    const float expected[4][4] = {{0, 0, -4.6f, 0}, {0, 4.6f, 0, 0}, {4.6f, 0, 0, 0}, {-59.8f, 0, -18.4f, 1}};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            EXPECT_NEAR(w.m[i][j], expected[i][j], 1e-4f) << i << "," << j;
        }
    }
}

}  // namespace
