// The committed models under Wine's D3DX, loaded by the program's own start-up:
// no message box, and each mesh holds every vertex, face, material and texture as written.
#include <windows.h>
#include <d3dx9.h>
#include <gtest/gtest.h>

#include <cmath>

#include "device.h"
#include "mesh_model.h"
#include "message_capture.h"
#include "test_window.h"
#include "xfile_text.h"

namespace {

void ExpectAsWritten(const MeshModel& model, const char* file)
{
    XFileText text;
    ASSERT_TRUE(ReadXFileText(file, text)) << file;
    ID3DXMesh* mesh = model.pMesh;
    ASSERT_NE(mesh, nullptr) << file;
    ASSERT_EQ(mesh->GetNumVertices(), text.positions.size()) << file;
    ASSERT_EQ(mesh->GetNumFaces(), text.faces.size()) << file;
    ASSERT_EQ(model.dwNumMaterials, text.textures.size()) << file;
    void* vertices = nullptr;
    DWORD* attributes = nullptr;
    ASSERT_EQ(mesh->LockVertexBuffer(D3DLOCK_READONLY, &vertices), D3D_OK);
    ASSERT_EQ(mesh->LockAttributeBuffer(D3DLOCK_READONLY, &attributes), D3D_OK);
    int moved = 0, repainted = 0;
    for (DWORD v = 0; v < mesh->GetNumVertices(); ++v) {
        const auto* p = reinterpret_cast<const float*>(static_cast<BYTE*>(vertices) + v * mesh->GetNumBytesPerVertex());
        const Point& q = text.positions[v];
        moved += std::fabs(p[0] - q.x) + std::fabs(p[1] - q.y) + std::fabs(p[2] - q.z) > 1e-5f;
    }
    for (DWORD f = 0; f < mesh->GetNumFaces(); ++f) repainted += attributes[f] != text.face_material[f];
    mesh->UnlockAttributeBuffer();
    mesh->UnlockVertexBuffer();
    EXPECT_EQ(moved, 0) << file << ": vertices not where the file puts them";
    EXPECT_EQ(repainted, 0) << file << ": faces drawn with another material than written";
    for (DWORD i = 0; i < model.dwNumMaterials; ++i) {
        EXPECT_EQ(model.pMeshTextures[i] != nullptr, !text.textures[i].empty()) << file << " material " << i;
    }
}

// Run in the folder the build copies the program's models and textures into.
TEST(ModelLoad, StartUpLoadsBothModelsAsWrittenWithoutAMessageBox)
{
    TakeCapturedBoxes();
    const HWND window = CreateTestWindow();
    ASSERT_EQ(InitD3D(window), S_OK);
    const std::vector<CapturedBox> boxes = TakeCapturedBoxes();
    EXPECT_TRUE(boxes.empty()) << (boxes.empty() ? std::wstring() : boxes[0].text);
    ExpectAsWritten(models[kCourseModel], "crs.x");
    ExpectAsWritten(models[kCarModel], "F1.x");
    Cleanup();
    DestroyWindow(window);
}

}  // namespace
