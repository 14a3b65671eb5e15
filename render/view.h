// The fixed view of the scene: the ViewSettings record and the values drawn beside it.
#pragma once

// Camera, projection, light and course scale, in 32-bit floats. Angles are radians.
struct ViewSettingsData {
    float fCamX, fCamY, fCamZ;                 // the camera's eye; the point looked at follows from it (LookatPoint)
    float fCamHeading, fCamPitch, fCamBank;    // the world is turned about y, x, z by these before the look-at
    float fCrsScale;                           // the course's uniform scale
    float fFovDiv;                             // pi divided by it is the vertical field of view
    float fLightDirX, fLightDirY, fLightDirZ;  // light 0's direction, passed on as it is (not normalised)
    float fCrsUpX, fCrsUpY, fCrsUpZ;           // the camera's up vector while the course is drawn
};

// The one record, constant from start-up on; the drawing, the generators and the
// model tests all read it, so that a change here moves them together.
inline constexpr ViewSettingsData ViewSettings = {
    0.0f,  1.0f,  -1.8f,  // fCamX, fCamY, fCamZ
    0.0f,  0.0f,  0.0f,   // fCamHeading, fCamPitch, fCamBank
    4.6f,                 // fCrsScale
    4.0f,                 // fFovDiv
    -0.2f, -0.8f, 0.0f,   // fLightDirX, fLightDirY, fLightDirZ
    0.0f,  1.0f,  0.0f,   // fCrsUpX, fCrsUpY, fCrsUpZ
};

struct ViewPoint {
    float x, y, z;
};

// The point the camera looks at: 1.0 below the eye and 3.0 further along z, in 32-bit floats.
constexpr ViewPoint LookatPoint(const ViewSettingsData& v) { return {v.fCamX, v.fCamY - 1.0f, v.fCamZ + 3.0f}; }

// The vertical field of view in radians: pi as a 32-bit float over fFovDiv.
constexpr float FieldOfViewY(const ViewSettingsData& v) { return 3.1415927f / v.fFovDiv; }

// The projection's other terms: a square aspect whatever the back buffer's
// shape, and the depth range drawn.
constexpr float kAspectRatio = 1.0f;
constexpr float kNearPlane = 1.0f;
constexpr float kFarPlane = 100.0f;

// The car is drawn shrunk, under an upright camera whatever fCrsUp* say.
constexpr float kCarScale = 0.3f;
constexpr ViewPoint kCarUpVec = {0.0f, 1.0f, 0.0f};

// The device's ambient light (D3DRS_AMBIENT), the same level in red, green and
// blue, out of 255; light 0's ambient level below adds to it.
constexpr int kSceneAmbientLevel = 0x11;

// Light 0's ambient level: the course's and the car's lights differ only in it.
constexpr float kCourseAmbient = 0.3f;
constexpr float kCarAmbient = 0.0f;
