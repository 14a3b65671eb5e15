// Loading .x models on the real d3dx9: textures and their boxes, files that do not load, release.

#include <fstream>
#include <sstream>
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

// A missing, a truncated and a garbage file: one box each, captioned with the file's name, and nothing held.
TEST_F(MeshModelTest, EachFileThatDoesNotLoadIsABoxAndAnEmptyModel) {
    const ULONG references = DeviceReferences();
    std::ostringstream course;
    course << std::ifstream("crs.x").rdbuf();
    std::ofstream("cut.x") << course.str().substr(0, course.str().size() / 2);
    std::ofstream("junk.x") << "xof 0303txt 0032\nMesh {\n 3;\n 1.0; 2.0 ;;; }}} \x01\x02\xff\n";
    for (const std::string name : {"nothere.x", "cut.x", "junk.x"}) {
        MeshModel model = {};
        EXPECT_EQ(LoadXFile(&model, name.c_str(), D3DXVECTOR3(0.0f, 0.0f, 0.0f)), E_FAIL) << name;
        const auto boxes = TakeCapturedBoxes();
        ASSERT_EQ(boxes.size(), 1u) << name;
        EXPECT_EQ(boxes[0].caption, std::wstring(name.begin(), name.end()));
        EXPECT_EQ(boxes[0].text, L"Xファイルの読み込みに失敗しました");
        ExpectEmpty(model, name);
    }
    EXPECT_EQ(DeviceReferences(), references) << "a mesh that did not load was not released";
}
