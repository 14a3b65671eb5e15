// The fixed view of the scene: where course and car stand, the camera, its projection and the light.
#pragma once

#include "drive.h"

struct ViewVector {
    float x, y, z;
};

// Left-handed look-at camera, the same for course and car.
constexpr ViewVector kCameraEye = {0.0f, 1.0f, -1.8f};
constexpr ViewVector kCameraTarget = {kCameraEye.x, kCameraEye.y - 1.0f, kCameraEye.z + 3.0f};
constexpr ViewVector kCameraUp = {0.0f, 1.0f, 0.0f};

// Left-handed perspective projection; the field of view is vertical, in radians.
constexpr float kFieldOfViewY = 3.1415927f / 4.0f;
constexpr float kAspectRatio = 1.0f;
constexpr float kNearPlane = 1.0f;
constexpr float kFarPlane = 100.0f;

// The device's ambient light (D3DRS_AMBIENT), the same level in red, green and
// blue, out of 255; light 0's ambient level below adds to it.
constexpr int kSceneAmbientLevel = 0x11;
constexpr double kSceneAmbient = kSceneAmbientLevel / 255.0;

// Directional light 0; course and car differ only in its ambient level.
constexpr ViewVector kLightDirection = {-0.2f, -0.8f, 0.0f};
constexpr float kCourseAmbient = 0.3f;
constexpr float kCarAmbient = 0.0f;

constexpr float kCourseScale = 4.6f;
constexpr float kCarScale = 0.3f;

// A model's world transform: its points are moved by `move`, then turned
// about the axes in kTurnOrder by the matching angle of `turn` (radians),
// then scaled by `scale`. Turns are Direct3D's: left-handed, row vectors.
struct Placement {
    ViewVector move;
    ViewVector turn;
    float scale;
};

enum class Axis { X, Y, Z };
constexpr Axis kTurnOrder[3] = {Axis::Y, Axis::X, Axis::Z};

inline float TurnAbout(Axis axis, const ViewVector& turn)
{
    return axis == Axis::X ? turn.x : axis == Axis::Y ? turn.y : turn.z;
}

// The course moves and turns about the car; the car stands turned at the origin.
inline Placement CoursePlacement(const DriveStateData& s)
{
    return {{s.fPosX, s.fPosY, s.fPosZ}, {s.fCrsRotX, s.fCrsRotY, s.fCrsRotZ}, kCourseScale};
}

inline Placement CarPlacement(const DriveStateData& s)
{
    return {{0.0f, 0.0f, 0.0f}, {s.fCarRotX, s.fCarRotY, s.fCarRotZ}, kCarScale};
}
