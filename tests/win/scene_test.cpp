// Scene drawing on the real device: world transforms and materials read back after each draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

void ExpectTransform(D3DTRANSFORMSTATETYPE which, const Matrix& expected, const std::string& what) {
    Matrix actual;
    pd3dDevice->GetTransform(which, reinterpret_cast<D3DMATRIX*>(&actual));
    float worst = 0.0f;
    for (int i = 0; i < 16; ++i) worst = std::max(worst, std::fabs(actual.m[i / 4][i % 4] - expected.m[i / 4][i % 4]));
    EXPECT_LT(worst, 1e-4f) << what << ": the device's world matrix is off the one worked out by hand";
}

}  // namespace

// The course is moved to the car, turned about y, then x, then z, then scaled;
// the car is turned in the same order and scaled.
TEST_F(SceneTest, TwoOrThreeTurnsAtOnceComposeAboutYThenXThenZ) {
    const float turns[][3] = {{0.3f, 1.1f, 0.0f}, {0.0f, 1.1f, -0.7f}, {0.3f, 0.0f, -0.7f}, {0.3f, 1.1f, -0.7f}};
    for (const auto& t : turns) {
        DriveStateData& s = DriveState;
        s.fPosX = 1.0f, s.fPosY = 2.0f, s.fPosZ = -3.0f;
        s.fCrsRotX = s.fCarRotX = t[0], s.fCrsRotY = s.fCarRotY = t[1], s.fCrsRotZ = s.fCarRotZ = t[2];
        const Matrix turn = TurnY(t[1]) * TurnX(t[0]) * TurnZ(t[2]);
        const std::string what = " turned " + std::to_string(t[0]) + ", " + std::to_string(t[1]) + ", " + std::to_string(t[2]);
        pd3dDevice->BeginScene();
        DrawCourse(&models[kCourseModel]);
        ExpectTransform(D3DTS_WORLD, Move(1, 2, -3) * turn * Scale(4.6f), "course" + what);
        DrawCar(&models[kCarModel]);
        ExpectTransform(D3DTS_WORLD, turn * Scale(0.3f), "car" + what);
        pd3dDevice->EndScene();
    }
}

TEST_F(SceneTest, EachSubsetIsDrawnWithItsOwnMaterialAndTexture) {
    pd3dDevice->BeginScene();
    DrawCourse(&models[kCourseModel]);
    pd3dDevice->EndScene();
    // The last subset drawn is the course's second: plain green, and no texture left on stage 0.
    D3DMATERIAL9 material;
    pd3dDevice->GetMaterial(&material);
    EXPECT_TRUE(std::fabs(material.Diffuse.g - 0.7f) < 1e-6f && material.Ambient.g == material.Diffuse.g);
    IDirect3DBaseTexture9* texture = nullptr;
    pd3dDevice->GetTexture(0, &texture);
    EXPECT_EQ(texture, nullptr);
}
