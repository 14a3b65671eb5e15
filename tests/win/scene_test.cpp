// Scene drawing on the real device: transforms, light, material and texture read back after each call.
#include <gtest/gtest.h>

#include "device.h"
#include "device_fixture.h"
#include "drive.h"
#include "mesh_model.h"
#include "message_capture.h"
#include "scene.h"
#include "test_files.h"

namespace {

using SceneTest = DeviceTest;

constexpr float kTolerance = 1e-4f;

D3DMATRIX Transform(D3DTRANSFORMSTATETYPE which) {
    D3DMATRIX m;
    pd3dDevice->GetTransform(which, &m);
    return m;
}

void ExpectMatrix(const D3DMATRIX& actual, const float (&expected)[4][4]) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(actual.m[r][c], expected[r][c], kTolerance) << "row " << r << " column " << c;
    }
}

// Look-at from eye (0, 1, -1.8) to (0, 0, 1.2) with up (0, 1, 0), worked by hand:
// z = (0, -1, 3) / sqrt(10), x = (1, 0, 0), y = z cross x.
const float kLookAt[4][4] = {
    {1.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 0.9486833f, -0.3162278f, 0.0f},
    {0.0f, 0.3162278f, 0.9486833f, 0.0f},
    {0.0f, -0.3794733f, 2.0238577f, 1.0f},
};

// Field of view pi/4, aspect 1, near 1, far 100: cot(pi/8) on the diagonal.
const float kProjection[4][4] = {
    {2.4142137f, 0.0f, 0.0f, 0.0f},
    {0.0f, 2.4142137f, 0.0f, 0.0f},
    {0.0f, 0.0f, 100.0f / 99.0f, 1.0f},
    {0.0f, 0.0f, -100.0f / 99.0f, 0.0f},
};

void ExpectLight(float ambient) {
    D3DLIGHT9 light;
    ASSERT_EQ(pd3dDevice->GetLight(0, &light), D3D_OK);
    EXPECT_EQ(light.Type, D3DLIGHT_DIRECTIONAL);
    EXPECT_FLOAT_EQ(light.Direction.x, -0.2f);
    EXPECT_FLOAT_EQ(light.Direction.y, -0.8f);
    EXPECT_FLOAT_EQ(light.Direction.z, 0.0f);
    const D3DCOLORVALUE diffuse = light.Diffuse, specular = light.Specular, amb = light.Ambient;
    EXPECT_EQ(diffuse.r + diffuse.g + diffuse.b + diffuse.a, 4.0f);
    EXPECT_EQ(specular.r + specular.g + specular.b + specular.a, 0.0f);
    EXPECT_FLOAT_EQ(amb.r, ambient);
    EXPECT_FLOAT_EQ(amb.g, ambient);
    EXPECT_FLOAT_EQ(amb.b, ambient);
    EXPECT_FLOAT_EQ(amb.a, ambient);
    EXPECT_FLOAT_EQ(light.Range, 200.0f);
    EXPECT_EQ(light.Position.x + light.Position.y + light.Position.z, 0.0f);
    EXPECT_EQ(light.Falloff + light.Attenuation0 + light.Attenuation1 + light.Attenuation2, 0.0f);
    EXPECT_EQ(light.Theta + light.Phi, 0.0f);
    BOOL enabled = FALSE;
    pd3dDevice->GetLightEnable(0, &enabled);
    EXPECT_TRUE(enabled);
}

}  // namespace

TEST_F(SceneTest, CourseRightAfterTheResetIsTurnedAQuarterAndScaledWithItsTranslation) {
    pd3dDevice->BeginScene();
    DrawCourse(&models[0]);
    pd3dDevice->EndScene();
    const float world[4][4] = {
        {0.0f, 0.0f, -4.6f, 0.0f},
        {0.0f, 4.6f, 0.0f, 0.0f},
        {4.6f, 0.0f, 0.0f, 0.0f},
        {-59.8f, 0.0f, -18.4f, 1.0f},
    };
    ExpectMatrix(Transform(D3DTS_WORLD), world);
    ExpectMatrix(Transform(D3DTS_VIEW), kLookAt);
    ExpectMatrix(Transform(D3DTS_PROJECTION), kProjection);
    ExpectLight(0.3f);
}

TEST_F(SceneTest, CourseTranslationComesBeforeTheTurnsAndIsScaledToo) {
    DriveState.fPosX = 1.0f;
    DriveState.fPosY = 2.0f;
    DriveState.fPosZ = -3.0f;
    DriveState.fCrsRotX = DriveState.fCrsRotY = DriveState.fCrsRotZ = 0.0f;
    pd3dDevice->BeginScene();
    DrawCourse(&models[0]);
    const float unturned[4][4] = {
        {4.6f, 0.0f, 0.0f, 0.0f}, {0.0f, 4.6f, 0.0f, 0.0f}, {0.0f, 0.0f, 4.6f, 0.0f}, {4.6f, 9.2f, -13.8f, 1.0f}};
    ExpectMatrix(Transform(D3DTS_WORLD), unturned);
    // Half a turn about y through the car: the translation turns with the course.
    DriveState.fCrsRotY = 3.1415927f;
    DrawCourse(&models[0]);
    pd3dDevice->EndScene();
    const float turned[4][4] = {
        {-4.6f, 0.0f, 0.0f, 0.0f}, {0.0f, 4.6f, 0.0f, 0.0f}, {0.0f, 0.0f, -4.6f, 0.0f}, {-4.6f, 9.2f, 13.8f, 1.0f}};
    ExpectMatrix(Transform(D3DTS_WORLD), turned);
}

TEST_F(SceneTest, CarStandsAtTheOriginHalfTurnedAndShrunkWithTheSameCameraAndAnUnlitAmbient) {
    pd3dDevice->BeginScene();
    DrawCourse(&models[0]);
    DrawCar(&models[1]);
    pd3dDevice->EndScene();
    const float world[4][4] = {
        {-0.3f, 0.0f, 0.0f, 0.0f}, {0.0f, 0.3f, 0.0f, 0.0f}, {0.0f, 0.0f, -0.3f, 0.0f}, {0.0f, 0.0f, 0.0f, 1.0f}};
    ExpectMatrix(Transform(D3DTS_WORLD), world);
    ExpectMatrix(Transform(D3DTS_VIEW), kLookAt);
    ExpectMatrix(Transform(D3DTS_PROJECTION), kProjection);
    ExpectLight(0.0f);
    D3DMATERIAL9 material;
    pd3dDevice->GetMaterial(&material);
    EXPECT_FLOAT_EQ(material.Diffuse.r, models[1].pMeshMaterials[0].Diffuse.r);
    EXPECT_FLOAT_EQ(material.Ambient.r, models[1].pMeshMaterials[0].Diffuse.r);

    DriveState.fCarRotX = DriveState.fCarRotY = DriveState.fCarRotZ = 0.0f;
    pd3dDevice->BeginScene();
    DrawCar(&models[1]);
    pd3dDevice->EndScene();
    const float scaleOnly[4][4] = {
        {0.3f, 0.0f, 0.0f, 0.0f}, {0.0f, 0.3f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.3f, 0.0f}, {0.0f, 0.0f, 0.0f, 1.0f}};
    ExpectMatrix(Transform(D3DTS_WORLD), scaleOnly);
}

TEST_F(SceneTest, EachSubsetIsDrawnWithItsOwnMaterialAndTexture) {
    XMaterial textured = PlainMaterial(0.2f, 0.4f, 0.6f);
    textured.texture = "road.bmp";
    WriteXFile("pair.x", {PlainMaterial(0.9f, 0.0f, 0.0f), textured});
    MeshModel model = {};
    ASSERT_EQ(LoadXFile(&model, "pair.x", D3DXVECTOR3(0.0f, 0.0f, 0.0f)), S_OK);
    pd3dDevice->BeginScene();
    DrawCourse(&model);
    IDirect3DBaseTexture9* texture = nullptr;
    pd3dDevice->GetTexture(0, &texture);
    EXPECT_EQ(texture, model.pMeshTextures[1]);
    if (texture != nullptr) texture->Release();
    D3DMATERIAL9 material;
    pd3dDevice->GetMaterial(&material);
    EXPECT_FLOAT_EQ(material.Diffuse.b, 0.6f);
    EXPECT_FLOAT_EQ(material.Ambient.b, 0.6f);
    // The course's last subset has no texture: stage 0 is then left empty.
    DrawCourse(&models[0]);
    pd3dDevice->GetTexture(0, &texture);
    EXPECT_EQ(texture, nullptr);
    if (texture != nullptr) texture->Release();
    pd3dDevice->EndScene();
    ReleaseModel(&model);
}

TEST_F(SceneTest, AModelWithoutMaterialsGetsTransformsAndLightButItsMeshIsNotTouched) {
    MeshModel bare = models[1];
    bare.dwNumMaterials = 0;
    D3DMATRIX sentinel = {};
    pd3dDevice->SetTransform(D3DTS_WORLD, &sentinel);
    pd3dDevice->SetStreamSource(0, nullptr, 0, 0);
    pd3dDevice->SetIndices(nullptr);
    pd3dDevice->BeginScene();
    DrawCar(&bare);
    IDirect3DVertexBuffer9* stream = nullptr;
    UINT offset = 0, stride = 0;
    pd3dDevice->GetStreamSource(0, &stream, &offset, &stride);
    EXPECT_EQ(stream, nullptr) << "a subset of the mesh was drawn";
    if (stream != nullptr) stream->Release();
    EXPECT_FLOAT_EQ(Transform(D3DTS_WORLD).m[1][1], 0.3f);
    ExpectLight(0.0f);
    // The same model with its material draws its mesh: the check above can see a draw.
    DrawCar(&models[1]);
    pd3dDevice->GetStreamSource(0, &stream, &offset, &stride);
    EXPECT_NE(stream, nullptr);
    if (stream != nullptr) stream->Release();
    pd3dDevice->EndScene();
}
