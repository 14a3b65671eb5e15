// Scene drawing on the real device: the transforms read back after each draw, under settings the program never
// uses. What its own settings draw, with the light, materials and textures, the picture test compares whole.

#include <algorithm>
#include <cmath>
#include <string>

#include "device_fixture.h"
#include "scene.h"

namespace {

using SceneTest = DeviceTest;

// The factors as D3DX makes them; D3DXMATRIX's product takes row vectors, so the left factor acts first.
template <typename Make, typename... Args>
D3DXMATRIX M(Make make, Args... args) {
    D3DXMATRIX m;
    return *make(&m, args...);
}
D3DXMATRIX Turn(float y, float x, float z) {
    return M(D3DXMatrixRotationY, y) * M(D3DXMatrixRotationX, x) * M(D3DXMatrixRotationZ, z);
}

void ExpectTransform(D3DTRANSFORMSTATETYPE which, const D3DXMATRIX& expected, const std::string& what) {
    D3DXMATRIX actual;
    pd3dDevice->GetTransform(which, &actual);
    float worst = 0.0f;
    for (int i = 0; i < 16; ++i) worst = std::max(worst, std::fabs(actual.m[i / 4][i % 4] - expected.m[i / 4][i % 4]));
    EXPECT_LT(worst, 1e-4f) << what << ": the device's matrix " << which << " is off the one composed here";
}

}  // namespace

// Settings the program never uses, every one of them away from its own, and the course and the car turned
// apart about all three axes. Each world is turned about y, then x, then z, then scaled, the course's moved to
// the car first; the view turns the world the same way before the look-at; the course's camera takes the up
// vector given, the car's stays upright.
TEST_F(SceneTest, TransformsOfTheRecordGiven) {
    const ViewSettingsData v = {0.5f, 2.0f, -3.0f, 0.4f,  -0.3f, 0.25f, 2.5f,
                                3.0f, 0.5f, -1.5f, 0.25f, 0.2f,  1.0f,  0.1f};
    const D3DXMATRIX turn = Turn(0.4f, -0.3f, 0.25f);
    const D3DXVECTOR3 eye = {0.5f, 2.0f, -3.0f}, target = {0.5f, 1.0f, 0.0f}, up = {0, 1, 0}, crsUp = {0.2f, 1, 0.1f};
    const D3DXMATRIX projection = M(D3DXMatrixPerspectiveFovLH, 3.14159265f / 3, 1.0f, 1.0f, 100.0f);
    DriveState = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.3f, 1.1f, -0.7f, 0, 0, 0, -0.2f, 0.5f, 0.4f, 1.0f, 2.0f, -3.0f};
    pd3dDevice->BeginScene();
    DrawCourseWith(&models[kCourseModel], v);
    const D3DXMATRIX course = M(D3DXMatrixTranslation, 1.0f, 2.0f, -3.0f) * Turn(1.1f, 0.3f, -0.7f);
    ExpectTransform(D3DTS_WORLD, course * M(D3DXMatrixScaling, 2.5f, 2.5f, 2.5f), "course");
    ExpectTransform(D3DTS_VIEW, turn * M(D3DXMatrixLookAtLH, &eye, &target, &crsUp), "course");
    ExpectTransform(D3DTS_PROJECTION, projection, "course");
    DrawCarWith(&models[kCarModel], v);
    ExpectTransform(D3DTS_WORLD, Turn(0.5f, -0.2f, 0.4f) * M(D3DXMatrixScaling, 0.3f, 0.3f, 0.3f), "car");
    ExpectTransform(D3DTS_VIEW, turn * M(D3DXMatrixLookAtLH, &eye, &target, &up), "car");
    ExpectTransform(D3DTS_PROJECTION, projection, "car");
    pd3dDevice->EndScene();
}
