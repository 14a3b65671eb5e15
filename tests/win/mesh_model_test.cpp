// Loading .x models on the real d3dx9: materials, textures, their messages, and failed loads.
#include <gtest/gtest.h>

#include "device.h"
#include "device_fixture.h"
#include "failing_allocation.h"
#include "message_capture.h"
#include "mesh_model.h"
#include "test_files.h"

namespace {

using MeshModelTest = DeviceTest;

void ExpectEmpty(const MeshModel& model) {
    EXPECT_EQ(model.pMesh, nullptr);
    EXPECT_EQ(model.pMeshMaterials, nullptr);
    EXPECT_EQ(model.pMeshTextures, nullptr);
    EXPECT_EQ(model.dwNumMaterials, 0u);
}

XMaterial Textured(const char* name) {
    XMaterial m = PlainMaterial(0.5f, 0.5f, 0.5f);
    m.texture = name;
    return m;
}

}  // namespace

TEST_F(MeshModelTest, AmbientTakesTheDiffuseColourAndTheRestOfTheMaterialIsKept) {
    XMaterial m = {0.25f, 0.5f, 0.75f, 0.5f, 12.0f, {0.1f, 0.2f, 0.3f}, {0.4f, 0.6f, 0.8f}, nullptr};
    WriteXFile("one.x", {m, PlainMaterial(1.0f, 0.0f, 0.0f)});
    MeshModel model = {};
    ASSERT_EQ(LoadXFile(&model, "one.x", D3DXVECTOR3(1.0f, 2.0f, 3.0f)), S_OK);
    EXPECT_TRUE(TakeCapturedBoxes().empty());
    ASSERT_EQ(model.dwNumMaterials, 2u);
    ASSERT_NE(model.pMesh, nullptr);
    const D3DMATERIAL9& loaded = model.pMeshMaterials[0];
    EXPECT_FLOAT_EQ(loaded.Diffuse.r, 0.25f);
    EXPECT_FLOAT_EQ(loaded.Diffuse.a, 0.5f);
    EXPECT_FLOAT_EQ(loaded.Ambient.r, 0.25f);
    EXPECT_FLOAT_EQ(loaded.Ambient.g, 0.5f);
    EXPECT_FLOAT_EQ(loaded.Ambient.b, 0.75f);
    EXPECT_FLOAT_EQ(loaded.Ambient.a, 0.5f);
    EXPECT_FLOAT_EQ(loaded.Power, 12.0f);
    EXPECT_FLOAT_EQ(loaded.Specular.r, 0.1f);
    EXPECT_FLOAT_EQ(loaded.Specular.b, 0.3f);
    EXPECT_FLOAT_EQ(loaded.Emissive.g, 0.6f);
    EXPECT_FLOAT_EQ(loaded.Emissive.b, 0.8f);
    EXPECT_FLOAT_EQ(model.pMeshMaterials[1].Ambient.r, 1.0f);
    EXPECT_FLOAT_EQ(model.pMeshMaterials[1].Ambient.g, 0.0f);
    EXPECT_EQ(model.pMeshTextures[0], nullptr);
    EXPECT_EQ(model.pMeshTextures[1], nullptr);
    EXPECT_EQ(model.vecPosition, D3DXVECTOR3(1.0f, 2.0f, 3.0f));
    ReleaseModel(&model);
    ExpectEmpty(model);
    ReleaseModel(&model);  // a second release finds nothing
    ExpectEmpty(model);
}

TEST_F(MeshModelTest, AMissingMeshIsOneBoxCaptionedWithTheFileNameAndLeavesTheModelEmpty) {
    MeshModel model = {};
    EXPECT_EQ(LoadXFile(&model, "nothere.x", D3DXVECTOR3(4.0f, 5.0f, 6.0f)), E_FAIL);
    const auto boxes = TakeCapturedBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"nothere.x");
    EXPECT_EQ(boxes[0].text, L"Xファイルの読み込みに失敗しました");
    ExpectEmpty(model);
    EXPECT_EQ(model.vecPosition, D3DXVECTOR3(4.0f, 5.0f, 6.0f));
}

TEST_F(MeshModelTest, EachMaterialWithAMissingTextureGetsItsOwnBoxAndANullEntry) {
    WriteBmp("present.bmp", 4, 4, 0x00FF00);
    WriteXFile("three.x", {Textured("gone.bmp"), Textured("present.bmp"), Textured("gone.bmp"), Textured("gone.bmp")});
    MeshModel model = {};
    ASSERT_EQ(LoadXFile(&model, "three.x", D3DXVECTOR3(0.0f, 0.0f, 0.0f)), S_OK);
    const auto boxes = TakeCapturedBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    const std::wstring defaultCaption = DefaultBoxCaption();
    for (const CapturedBox& box : boxes) {
        EXPECT_EQ(box.caption, defaultCaption);
        EXPECT_EQ(box.text, L"テクスチャの読み込みに失敗しました");
    }
    ASSERT_EQ(model.dwNumMaterials, 4u);
    EXPECT_EQ(model.pMeshTextures[0], nullptr);
    EXPECT_NE(model.pMeshTextures[1], nullptr);
    EXPECT_EQ(model.pMeshTextures[2], nullptr);
    EXPECT_EQ(model.pMeshTextures[3], nullptr);
    ReleaseModel(&model);
}

TEST_F(MeshModelTest, MaterialsNamingOneFileGetSeparateTextures) {
    WriteBmp("shared.bmp", 4, 4, 0x0000FF);
    WriteXFile("shared.x", {Textured("shared.bmp"), Textured("shared.bmp")});
    MeshModel model = {};
    ASSERT_EQ(LoadXFile(&model, "shared.x", D3DXVECTOR3(0.0f, 0.0f, 0.0f)), S_OK);
    EXPECT_TRUE(TakeCapturedBoxes().empty());
    ASSERT_EQ(model.dwNumMaterials, 2u);
    ASSERT_NE(model.pMeshTextures[0], nullptr);
    ASSERT_NE(model.pMeshTextures[1], nullptr);
    EXPECT_NE(model.pMeshTextures[0], model.pMeshTextures[1]);
    // Each texture is held by the model alone: one reference apiece.
    model.pMeshTextures[0]->AddRef();
    EXPECT_EQ(model.pMeshTextures[0]->Release(), 1u);
    ReleaseModel(&model);
}

TEST_F(MeshModelTest, NoOrAnEmptyTextureNameMeansNoTextureAndNoBox) {
    WriteXFile("untextured.x", {PlainMaterial(0.1f, 0.2f, 0.3f), Textured("")});
    MeshModel model = {};
    ASSERT_EQ(LoadXFile(&model, "untextured.x", D3DXVECTOR3(0.0f, 0.0f, 0.0f)), S_OK);
    EXPECT_TRUE(TakeCapturedBoxes().empty());
    ASSERT_EQ(model.dwNumMaterials, 2u);
    EXPECT_EQ(model.pMeshTextures[0], nullptr);
    EXPECT_EQ(model.pMeshTextures[1], nullptr);
    ReleaseModel(&model);
}

TEST_F(MeshModelTest, TextureNamesResolveAgainstTheCurrentDirectoryNotTheModelsFolder) {
    CreateDirectoryA("sub", nullptr);
    WriteXFile("sub\\model.x", {Textured("here.bmp"), Textured("beside.bmp")});
    WriteBmp("here.bmp", 4, 4, 0xFFFFFF);          // in the current directory
    WriteBmp("sub\\beside.bmp", 4, 4, 0xFFFFFF);   // only beside the model
    MeshModel model = {};
    ASSERT_EQ(LoadXFile(&model, "sub\\model.x", D3DXVECTOR3(0.0f, 0.0f, 0.0f)), S_OK);
    EXPECT_EQ(TakeCapturedBoxes().size(), 1u);
    ASSERT_EQ(model.dwNumMaterials, 2u);
    EXPECT_NE(model.pMeshTextures[0], nullptr);
    EXPECT_EQ(model.pMeshTextures[1], nullptr);
    ReleaseModel(&model);
}

TEST_F(MeshModelTest, AMeshWithoutMaterialListLoadsAndItsReleaseGivesBackEveryDeviceReference) {
    WriteXFile("bare.x", {});
    pd3dDevice->AddRef();
    const ULONG before = pd3dDevice->Release();
    MeshModel model = {};
    ASSERT_EQ(LoadXFile(&model, "bare.x", D3DXVECTOR3(0.0f, 0.0f, 0.0f)), S_OK);
    EXPECT_TRUE(TakeCapturedBoxes().empty());
    EXPECT_NE(model.pMesh, nullptr);
    // Whatever count the loader reports, both arrays have that many entries
    // and no texture was asked for.
    for (DWORD i = 0; i < model.dwNumMaterials; ++i) EXPECT_EQ(model.pMeshTextures[i], nullptr);
    ReleaseModel(&model);
    pd3dDevice->AddRef();
    EXPECT_EQ(pd3dDevice->Release(), before);
}

TEST_F(MeshModelTest, AFailedAllocationOfEitherArrayIsAFailedLoadWithTheMeshGivenBack) {
    WriteXFile("two.x", {PlainMaterial(0.1f, 0.2f, 0.3f), PlainMaterial(0.4f, 0.5f, 0.6f)});
    pd3dDevice->AddRef();
    const ULONG before = pd3dDevice->Release();
    for (int which = 1; which <= 2; ++which) {
        MeshModel model = {};
        FailNothrowArrayAllocationIn = which;
        EXPECT_EQ(LoadXFile(&model, "two.x", D3DXVECTOR3(0.0f, 0.0f, 0.0f)), E_FAIL) << "allocation " << which;
        FailNothrowArrayAllocationIn = 0;
        const auto boxes = TakeCapturedBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, L"two.x");
        EXPECT_EQ(boxes[0].text, L"Xファイルの読み込みに失敗しました");
        ExpectEmpty(model);
        pd3dDevice->AddRef();
        EXPECT_EQ(pd3dDevice->Release(), before) << "the mesh still holds the device";
    }
}
