// Scene drawing on the real device: the transforms read back after each draw, under settings the program never
// uses. What its own settings draw, with the light, materials and textures, the picture test compares whole.
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

// The factors as D3DX makes them; D3DXMATRIX's product takes row vectors, so the left factor acts first.
D3DXMATRIX TurnX(float a) {
    D3DXMATRIX m;
    return *D3DXMatrixRotationX(&m, a);
}
D3DXMATRIX TurnY(float a) {
    D3DXMATRIX m;
    return *D3DXMatrixRotationY(&m, a);
}
D3DXMATRIX TurnZ(float a) {
    D3DXMATRIX m;
    return *D3DXMatrixRotationZ(&m, a);
}
D3DXMATRIX Scale(float s) {
    D3DXMATRIX m;
    return *D3DXMatrixScaling(&m, s, s, s);
}
D3DXMATRIX Move(float x, float y, float z) {
    D3DXMATRIX m;
    return *D3DXMatrixTranslation(&m, x, y, z);
}
D3DXMATRIX LookAt(D3DXVECTOR3 eye, D3DXVECTOR3 target, D3DXVECTOR3 up) {
    D3DXMATRIX m;
    return *D3DXMatrixLookAtLH(&m, &eye, &target, &up);
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
TEST_F(SceneTest, TheDrawsFollowTheDriveStateAndEverySettingOfTheRecordGiven) {
    ViewSettingsData v = ViewSettings;
    v.fCamX = 0.5f, v.fCamY = 2.0f, v.fCamZ = -3.0f;
    v.fCamHeading = 0.4f, v.fCamPitch = -0.3f, v.fCamBank = 0.25f;
    v.fCrsScale = 2.5f, v.fFovDiv = 3.0f;
    v.fLightDirX = 0.5f, v.fLightDirY = -1.5f, v.fLightDirZ = 0.25f;
    v.fCrsUpX = 0.2f, v.fCrsUpY = 1.0f, v.fCrsUpZ = 0.1f;
    const D3DXMATRIX turn = TurnY(0.4f) * TurnX(-0.3f) * TurnZ(0.25f);
    const D3DXVECTOR3 eye = {0.5f, 2.0f, -3.0f}, target = {0.5f, 1.0f, 0.0f};
    D3DXMATRIX projection;  // a square view from 1 to 100
    D3DXMatrixPerspectiveFovLH(&projection, 3.14159265f / 3, 1.0f, 1.0f, 100.0f);
    DriveStateData& s = DriveState;
    s.fPosX = 1.0f, s.fPosY = 2.0f, s.fPosZ = -3.0f;
    s.fCrsRotX = 0.3f, s.fCrsRotY = 1.1f, s.fCrsRotZ = -0.7f;
    s.fCarRotX = -0.2f, s.fCarRotY = 0.5f, s.fCarRotZ = 0.4f;
    pd3dDevice->BeginScene();
    DrawCourseWith(&models[kCourseModel], v);
    ExpectTransform(D3DTS_WORLD, Move(1, 2, -3) * TurnY(1.1f) * TurnX(0.3f) * TurnZ(-0.7f) * Scale(2.5f), "course");
    ExpectTransform(D3DTS_VIEW, turn * LookAt(eye, target, {0.2f, 1.0f, 0.1f}), "course");
    ExpectTransform(D3DTS_PROJECTION, projection, "course");
    DrawCarWith(&models[kCarModel], v);
    ExpectTransform(D3DTS_WORLD, TurnY(0.5f) * TurnX(-0.2f) * TurnZ(0.4f) * Scale(0.3f), "car");
    ExpectTransform(D3DTS_VIEW, turn * LookAt(eye, target, {0, 1, 0}), "car");
    ExpectTransform(D3DTS_PROJECTION, projection, "car");
    pd3dDevice->EndScene();
}
