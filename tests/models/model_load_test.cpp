// The committed binary models under Wine's D3DX, loaded by the program's own
// start-up: no message box, and each mesh holds the very vertices, faces, face
// materials and textures that D3DX reads from the text form modelgen writes
// (into the build tree, outside the run folder).
#include <d3dx9.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "device.h"
#include "device_fixture.h"
#include "mesh_model.h"
#include "message_capture.h"

namespace {

// Locks one of a mesh's three buffers read-only; nullptr unlocks it again.
void LockBuffer(ID3DXMesh* mesh, int which, void** data) {
    const bool lock = data != nullptr;
    if (which == 0) lock ? mesh->LockVertexBuffer(D3DLOCK_READONLY, data) : mesh->UnlockVertexBuffer();
    if (which == 1) lock ? mesh->LockIndexBuffer(D3DLOCK_READONLY, data) : mesh->UnlockIndexBuffer();
    if (which == 2)
        lock ? mesh->LockAttributeBuffer(D3DLOCK_READONLY, reinterpret_cast<DWORD**>(data))
             : mesh->UnlockAttributeBuffer();
}

void ExpectSameAsTextForm(const MeshModel& model, const char* file) {
    const std::string copy_path = std::string(TEXT_MODELS_DIR) + "/" + file;
    ID3DXMesh* mesh = model.pMesh;
    ID3DXMesh* copy = nullptr;
    ID3DXBuffer* materials = nullptr;
    DWORD material_count = 0;
    ASSERT_NE(mesh, nullptr) << file;
    ASSERT_EQ(D3DXLoadMeshFromXA(copy_path.c_str(), D3DXMESH_SYSTEMMEM, pd3dDevice, nullptr, &materials, nullptr,
                                 &material_count, &copy),
              D3D_OK)
        << copy_path;
    ASSERT_EQ(mesh->GetFVF(), copy->GetFVF()) << file;
    ASSERT_EQ(mesh->GetNumVertices(), copy->GetNumVertices()) << file;
    ASSERT_EQ(mesh->GetNumFaces(), copy->GetNumFaces()) << file;
    ASSERT_EQ(mesh->GetOptions(), copy->GetOptions()) << file;
    const size_t bytes[3] = {size_t{mesh->GetNumVertices()} * mesh->GetNumBytesPerVertex(),
                             size_t{mesh->GetNumFaces()} * 3 * ((mesh->GetOptions() & D3DXMESH_32BIT) ? 4 : 2),
                             size_t{mesh->GetNumFaces()} * sizeof(DWORD)};
    const char* names[3] = {"vertices", "faces", "face materials"};
    for (int which = 0; which < 3; ++which) {
        void *ours = nullptr, *theirs = nullptr;
        LockBuffer(mesh, which, &ours);
        LockBuffer(copy, which, &theirs);
        EXPECT_EQ(std::memcmp(ours, theirs, bytes[which]), 0) << file << ": " << names[which] << " differ";
        LockBuffer(mesh, which, nullptr);
        LockBuffer(copy, which, nullptr);
    }
    ASSERT_EQ(model.dwNumMaterials, material_count) << file;
    const auto* written = static_cast<const D3DXMATERIAL*>(materials->GetBufferPointer());
    for (DWORD i = 0; i < material_count; ++i) {
        const bool textured = written[i].pTextureFilename != nullptr && written[i].pTextureFilename[0] != '\0';
        EXPECT_EQ(model.pMeshTextures[i] != nullptr, textured) << file << " material " << i;
    }
    materials->Release();
    copy->Release();
}

// Run in the folder the build copies the program's models and textures into.
TEST(ModelLoad, StartUpLoadsBothModelsAsWrittenWithoutAMessageBox) {
    TakeCapturedBoxes();
    const HWND window = CreateTestWindow();
    ASSERT_EQ(InitD3D(window), S_OK);
    const std::vector<CapturedBox> boxes = TakeCapturedBoxes();
    EXPECT_TRUE(boxes.empty()) << (boxes.empty() ? std::wstring() : boxes[0].text);
    ExpectSameAsTextForm(models[kCourseModel], "crs.x");
    ExpectSameAsTextForm(models[kCarModel], "F1.x");
    Cleanup();
    DestroyWindow(window);
}

}  // namespace
