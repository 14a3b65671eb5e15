// The car's shape against the fixed camera: nose toward -z, wheels on y = 0,
// and, as drawn at 0.3 and turned half a turn, wholly inside the view.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "assets.h"
#include "scene_transforms.h"

namespace {

TEST(CarModel, NoseForwardWheelsOnTheGroundSymmetric)
{
    const Mesh car = FinishedCarMesh();
    Vec3 low{1e9, 1e9, 1e9};
    Vec3 high{-1e9, -1e9, -1e9};
    for (const Vertex& v : car.vertices) {
        low = {std::min(low.x, v.pos.x), std::min(low.y, v.pos.y), std::min(low.z, v.pos.z)};
        high = {std::max(high.x, v.pos.x), std::max(high.y, v.pos.y), std::max(high.z, v.pos.z)};
    }
    EXPECT_DOUBLE_EQ(low.y, 0.0) << "wheels must rest on the road, not sink or float";
    EXPECT_NEAR(low.x, -high.x, 1e-9);
    EXPECT_LT(low.z, -2.0) << "the nose points to -z";
    EXPECT_GT(-low.z, high.z) << "the long end is the nose";
    EXPECT_GT(high.z - low.z, 2.0 * (high.x - low.x)) << "longer than wide";
}

TEST(CarModel, WhollyInsideTheViewAndBeyondTheNearPlane)
{
    DriveState = kDriveStart;
    ResetDrive();
    const Matrix4 clip = Multiply(Multiply(CarWorld(DriveState), CameraView()), CameraProjection());
    const Mesh car = FinishedCarMesh();
    float widest = 0;
    float lowest = 1;
    for (const Vertex& v : car.vertices) {
        float w = 0;
        const Float3 p = TransformPoint(clip, {static_cast<float>(v.pos.x), static_cast<float>(v.pos.y),
                                               static_cast<float>(v.pos.z)}, &w);
        ASSERT_GT(w, 1.05f) << "vertex in front of the near plane";
        EXPECT_GT(p.z / w, 0.0f);
        widest = std::max(widest, std::fabs(p.x / w));
        lowest = std::min(lowest, p.y / w);
        EXPECT_LT(std::fabs(p.y / w), 0.95f);
    }
    EXPECT_LT(widest, 0.9f) << "the car is cut at the sides";
    EXPECT_GT(widest, 0.2f) << "the car is too small to read";
    EXPECT_GT(lowest, -0.95f) << "the car is cut at the bottom";
}

}  // namespace
