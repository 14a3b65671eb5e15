// The committed models under Wine's D3DX, loaded by the program's own start-up:
// no message box, and each mesh holds every vertex, face, material and texture
// as its text copy says, and the very bytes that copy loads into.
#include <windows.h>
#include <d3dx9.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "device.h"
#include "mesh_model.h"
#include "message_capture.h"
#include "test_window.h"
#include "xfile_text.h"

namespace {

// The binary model and its text copy (kept outside the run folder) load into
// the same vertex and index buffers.
void ExpectSameBuffersAsTextCopy(ID3DXMesh* mesh, const std::string& copy_path)
{
    ID3DXMesh* copy = nullptr;
    ASSERT_EQ(D3DXLoadMeshFromXA(copy_path.c_str(), D3DXMESH_SYSTEMMEM, pd3dDevice, nullptr, nullptr, nullptr,
                                 nullptr, &copy),
              D3D_OK);
    ASSERT_TRUE(copy->GetFVF() == mesh->GetFVF() && copy->GetNumVertices() == mesh->GetNumVertices() &&
                copy->GetNumFaces() == mesh->GetNumFaces() && copy->GetOptions() == mesh->GetOptions());
    const size_t bytes[2] = {size_t{mesh->GetNumVertices()} * mesh->GetNumBytesPerVertex(),
                             size_t{mesh->GetNumFaces()} * 3 * ((mesh->GetOptions() & D3DXMESH_32BIT) ? 4 : 2)};
    void *ours[2] = {}, *theirs[2] = {};
    mesh->LockVertexBuffer(D3DLOCK_READONLY, &ours[0]);
    copy->LockVertexBuffer(D3DLOCK_READONLY, &theirs[0]);
    mesh->LockIndexBuffer(D3DLOCK_READONLY, &ours[1]);
    copy->LockIndexBuffer(D3DLOCK_READONLY, &theirs[1]);
    EXPECT_EQ(std::memcmp(ours[0], theirs[0], bytes[0]), 0) << copy_path << ": vertices differ";
    EXPECT_EQ(std::memcmp(ours[1], theirs[1], bytes[1]), 0) << copy_path << ": faces differ";
    mesh->UnlockIndexBuffer();
    copy->UnlockIndexBuffer();
    mesh->UnlockVertexBuffer();
    copy->UnlockVertexBuffer();
    copy->Release();
}

void ExpectAsWritten(const MeshModel& model, const char* file)
{
    XFileText text;
    const std::string copy_path = std::string(TEXT_MODELS_DIR) + "/" + file;
    ASSERT_TRUE(ReadXFileText(copy_path, text)) << copy_path;
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
    ExpectSameBuffersAsTextCopy(mesh, copy_path);
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
