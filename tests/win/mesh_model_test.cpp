// Loading .x models on the real d3dx9: textures and their boxes, files that do not load, release.

#include <string>

#include "device_fixture.h"

namespace {

using MeshModelTest = DeviceTest;

ULONG DeviceReferences() {
    pd3dDevice->AddRef();
    return pd3dDevice->Release();
}

void ExpectEmpty(const MeshModel& m, const std::string& what) {
    EXPECT_EQ(m.pMesh, nullptr) << what;
    EXPECT_EQ(m.pMeshMaterials, nullptr) << what;
    EXPECT_EQ(m.pMeshTextures, nullptr) << what;
    EXPECT_EQ(m.dwNumMaterials, 0u) << what;
}

}  // namespace

TEST_F(MeshModelTest, EachMissingTextureIsABoxAndANullEntry) {
    const ULONG references = DeviceReferences();
    // Texture names resolve against the current directory, not the model's folder.
    CreateDirectoryA("sub", nullptr);
    WriteBmp("here.bmp", 4, std::vector<uint32_t>(4 * 4, 0xFFFFFF));
    WriteBmp("sub\\beside.bmp", 4, std::vector<uint32_t>(4 * 4, 0xFFFFFF));
    WriteXFile("sub\\model.x", {{0.1f, 0.2f, 0.3f, "gone.bmp"},
                                {0.25f, 0.5f, 0.75f, "here.bmp"},
                                {0.1f, 0.2f, 0.3f, "beside.bmp"},
                                {0.1f, 0.2f, 0.3f, ""},
                                {0, 0, 0, nullptr}});
    MeshModel model = {};
    ASSERT_EQ(LoadXFile(&model, "sub\\model.x", D3DXVECTOR3(0.0f, 0.0f, 0.0f)), S_OK);
    const auto boxes = TakeCapturedBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    for (const CapturedBox& box : boxes) {
        EXPECT_EQ(box.caption, DefaultBoxCaption());
        EXPECT_EQ(box.text, L"テクスチャの読み込みに失敗しました");
    }
    ASSERT_EQ(model.dwNumMaterials, 5u);
    for (DWORD i = 0; i < 5; ++i) EXPECT_EQ(model.pMeshTextures[i] != nullptr, i == 1) << "material " << i;
    ReleaseModel(&model);
    ReleaseModel(&model);
    ExpectEmpty(model, "released twice");
    EXPECT_EQ(DeviceReferences(), references) << "a texture or the mesh was not released";
}

// A missing file (a file D3DX cannot read fails through the same path): one box captioned with its name, nothing held.
TEST_F(MeshModelTest, EachFileThatDoesNotLoadIsABoxAndAnEmptyModel) {
    const ULONG references = DeviceReferences();
    MeshModel model = {};
    EXPECT_EQ(LoadXFile(&model, "nothere.x", D3DXVECTOR3(0.0f, 0.0f, 0.0f)), E_FAIL);
    const auto boxes = TakeCapturedBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"nothere.x");
    EXPECT_EQ(boxes[0].text, L"Xファイルの読み込みに失敗しました");
    ExpectEmpty(model, "not loaded");
    EXPECT_EQ(DeviceReferences(), references) << "a mesh that did not load was not released";
}
