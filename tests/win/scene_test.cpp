// Scene drawing on the real device: transforms, light and materials read back after each draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "device.h"
#include "device_fixture.h"
#include "drive.h"
#include "mesh_model.h"
#include "scene.h"

namespace {

using SceneTest = DeviceTest;

struct Matrix {
    float m[4][4];
};

// Row vectors, as Direct3D transforms them (v' = v M): the left factor acts first.
Matrix operator*(const Matrix& a, const Matrix& b) {
    Matrix p = {};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            for (int k = 0; k < 4; ++k) p.m[r][c] += a.m[r][k] * b.m[k][c];
        }
    }
    return p;
}

Matrix TurnX(float a) { return {{{1, 0, 0, 0}, {0, cosf(a), sinf(a), 0}, {0, -sinf(a), cosf(a), 0}, {0, 0, 0, 1}}}; }
Matrix TurnY(float a) { return {{{cosf(a), 0, -sinf(a), 0}, {0, 1, 0, 0}, {sinf(a), 0, cosf(a), 0}, {0, 0, 0, 1}}}; }
Matrix TurnZ(float a) { return {{{cosf(a), sinf(a), 0, 0}, {-sinf(a), cosf(a), 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}}; }
Matrix Scale(float s) { return {{{s, 0, 0, 0}, {0, s, 0, 0}, {0, 0, s, 0}, {0, 0, 0, 1}}}; }
Matrix Move(float x, float y, float z) { return {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {x, y, z, 1}}}; }

struct Vec {
    float x, y, z;
};
Vec Minus(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
float Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec Unit(Vec a) {
    const float l = std::sqrt(Dot(a, a));
    return {a.x / l, a.y / l, a.z / l};
}

// A left-handed camera at eye looking at target: the world's axes taken into the camera's.
Matrix LookAt(Vec eye, Vec target, Vec up) {
    const Vec z = Unit(Minus(target, eye)), x = Unit(Cross(up, z)), y = Cross(z, x);
    return {{{x.x, y.x, z.x, 0}, {x.y, y.y, z.y, 0}, {x.z, y.z, z.z, 0}, {-Dot(x, eye), -Dot(y, eye), -Dot(z, eye), 1}}};
}

// A left-handed perspective whose depth runs 0 at near to 1 at far.
Matrix Perspective(float fovY, float aspect, float nearZ, float farZ) {
    const float ys = 1.0f / std::tan(fovY / 2), q = farZ / (farZ - nearZ);
    return {{{ys / aspect, 0, 0, 0}, {0, ys, 0, 0}, {0, 0, q, 1}, {0, 0, -nearZ * q, 0}}};
}

void ExpectTransform(D3DTRANSFORMSTATETYPE which, const Matrix& expected, const std::string& what) {
    Matrix actual;
    pd3dDevice->GetTransform(which, reinterpret_cast<D3DMATRIX*>(&actual));
    float worst = 0.0f;
    for (int i = 0; i < 16; ++i) worst = std::max(worst, std::fabs(actual.m[i / 4][i % 4] - expected.m[i / 4][i % 4]));
    EXPECT_LT(worst, 1e-4f) << what << ": the device's matrix " << which << " is off the one worked out by hand";
}

// Light 0 as the device holds it: directional, unit white diffuse, no specular, range 200, enabled.
void ExpectLight(Vec direction, float ambient, const std::string& what) {
    D3DLIGHT9 light;
    pd3dDevice->GetLight(0, &light);
    BOOL enabled = FALSE;
    pd3dDevice->GetLightEnable(0, &enabled);
    EXPECT_TRUE(enabled) << what;
    EXPECT_EQ(light.Type, D3DLIGHT_DIRECTIONAL) << what;
    EXPECT_TRUE(light.Direction.x == direction.x && light.Direction.y == direction.y && light.Direction.z == direction.z)
        << what << ": direction " << light.Direction.x << ", " << light.Direction.y << ", " << light.Direction.z;
    const D3DCOLORVALUE colours[] = {light.Diffuse, light.Specular, light.Ambient};
    const float levels[] = {1.0f, 0.0f, ambient};
    for (int i = 0; i < 3; ++i) {
        const D3DCOLORVALUE c = colours[i];
        EXPECT_TRUE(c.r == levels[i] && c.g == levels[i] && c.b == levels[i] && c.a == levels[i])
            << what << ": colour " << i << " (diffuse, specular, ambient) is " << c.r << ", " << c.g << ", " << c.b << ", " << c.a;
    }
    EXPECT_EQ(light.Range, 200.0f) << what;
    const float unused[] = {light.Position.x, light.Position.y, light.Position.z, light.Falloff, light.Attenuation0,
                            light.Attenuation1, light.Attenuation2, light.Theta, light.Phi};
    EXPECT_EQ(*std::max_element(unused, unused + 9), 0.0f) << what;
    EXPECT_EQ(*std::min_element(unused, unused + 9), 0.0f) << what;
}

}  // namespace

TEST_F(SceneTest, EachSubsetIsDrawnWithItsOwnMaterialAndTexture) {
    const MeshModel& course = models[kCourseModel];
    ASSERT_GT(course.dwNumMaterials, 1u);
    pd3dDevice->BeginScene();
    DrawCourse(&course);
    pd3dDevice->EndScene();
    // What the device is left with is the last subset's own material and texture.
    const DWORD last = course.dwNumMaterials - 1;
    D3DMATERIAL9 material;
    pd3dDevice->GetMaterial(&material);
    EXPECT_EQ(std::memcmp(&material, &course.pMeshMaterials[last], sizeof(material)), 0);
    IDirect3DBaseTexture9* texture = nullptr;
    pd3dDevice->GetTexture(0, &texture);
    EXPECT_EQ(texture, course.pMeshTextures[last]);
    if (texture != nullptr) texture->Release();
}

// One camera for both: eye (0, 1, -1.8) looking at (0, 0, 1.2), upright, a 45 degree square view from 1 to 100;
// the light falls along (-0.2, -0.8, 0) as given, the course lit 0.3 ambient, the car not; the course 4.6 times
// its size, the car 0.3.
TEST_F(SceneTest, BothDrawsSetTheFixedCameraProjectionAndLight) {
    const Matrix view = LookAt({0, 1, -1.8f}, {0, 0, 1.2f}, {0, 1, 0});
    const Matrix projection = Perspective(3.14159265f / 4, 1.0f, 1.0f, 100.0f);
    DriveStateData& s = DriveState;
    s.fCrsRotX = s.fCrsRotY = s.fCrsRotZ = s.fCarRotX = s.fCarRotY = s.fCarRotZ = 0.0f;
    pd3dDevice->BeginScene();
    DrawCourse(&models[kCourseModel]);
    ExpectTransform(D3DTS_WORLD, Move(s.fPosX, s.fPosY, s.fPosZ) * Scale(4.6f), "course");
    ExpectTransform(D3DTS_VIEW, view, "course");
    ExpectTransform(D3DTS_PROJECTION, projection, "course");
    ExpectLight({-0.2f, -0.8f, 0.0f}, 0.3f, "course");
    DrawCar(&models[kCarModel]);
    ExpectTransform(D3DTS_WORLD, Scale(0.3f), "car");
    ExpectTransform(D3DTS_VIEW, view, "car");
    ExpectTransform(D3DTS_PROJECTION, projection, "car");
    ExpectLight({-0.2f, -0.8f, 0.0f}, 0.0f, "car");
    pd3dDevice->EndScene();
}

// Settings the program never uses, every one of them away from its own, and the course and the car turned
// apart about all three axes. Each world is turned about y, then x, then z, then scaled, the course's moved to
// the car first; the view turns the world the same way before the look-at; the course's camera takes the up
// vector given, the car's stays upright.
TEST_F(SceneTest, TheDrawsFollowTheDriveStateAndEverySettingOfTheRecordGiven) {
    ViewSettingsData v = ViewSettings;
    v.fCamX = 0.5f, v.fCamY = 2.0f, v.fCamZ = -3.0f;
    v.fCamHeading = 0.4f, v.fCamPitch = -0.3f, v.fCamBank = 0.25f;
    v.fCrsScale = 2.5f, v.fFovDiv = 3.0f;
    v.fLightDirX = 0.5f, v.fLightDirY = -1.5f, v.fLightDirZ = 0.25f;
    v.fCrsUpX = 0.2f, v.fCrsUpY = 1.0f, v.fCrsUpZ = 0.1f;
    const Matrix turn = TurnY(0.4f) * TurnX(-0.3f) * TurnZ(0.25f);
    const Vec eye = {0.5f, 2.0f, -3.0f}, target = {0.5f, 1.0f, 0.0f};
    const Matrix projection = Perspective(3.14159265f / 3, 1.0f, 1.0f, 100.0f);
    DriveStateData& s = DriveState;
    s.fPosX = 1.0f, s.fPosY = 2.0f, s.fPosZ = -3.0f;
    s.fCrsRotX = 0.3f, s.fCrsRotY = 1.1f, s.fCrsRotZ = -0.7f;
    s.fCarRotX = -0.2f, s.fCarRotY = 0.5f, s.fCarRotZ = 0.4f;
    pd3dDevice->BeginScene();
    DrawCourseWith(&models[kCourseModel], v);
    ExpectTransform(D3DTS_WORLD, Move(1, 2, -3) * TurnY(1.1f) * TurnX(0.3f) * TurnZ(-0.7f) * Scale(2.5f), "course");
    ExpectTransform(D3DTS_VIEW, turn * LookAt(eye, target, {0.2f, 1.0f, 0.1f}), "course");
    ExpectTransform(D3DTS_PROJECTION, projection, "course");
    ExpectLight({0.5f, -1.5f, 0.25f}, 0.3f, "course");
    DrawCarWith(&models[kCarModel], v);
    ExpectTransform(D3DTS_WORLD, TurnY(0.5f) * TurnX(-0.2f) * TurnZ(0.4f) * Scale(0.3f), "car");
    ExpectTransform(D3DTS_VIEW, turn * LookAt(eye, target, {0, 1, 0}), "car");
    ExpectTransform(D3DTS_PROJECTION, projection, "car");
    ExpectLight({0.5f, -1.5f, 0.25f}, 0.0f, "car");
    pd3dDevice->EndScene();
}
