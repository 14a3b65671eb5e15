// The generated models under Wine's D3DX: each loads on a real device with every
// vertex, face and material as written, one subset per material, and every texture loads.
#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>

#include "device.h"
#include "mesh_model.h"
#include "message_capture.h"
#include "test_window.h"
#include "xfile_text.h"

namespace {

struct DeviceData {
    HWND window = nullptr;
    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
};

template <typename T>
void ReleaseOnce(T*& p)
{
    if (p != nullptr) {
        p->Release();
        p = nullptr;
    }
}

class ModelLoad : public ::testing::Test {
protected:
    DeviceData d;

    void SetUp() override
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ModelLoadTest";
        RegisterClassA(&wc);
        d.window = CreateWindowA("ModelLoadTest", "models", WS_OVERLAPPEDWINDOW, 0, 0, 256, 256, nullptr, nullptr,
                                 wc.hInstance, nullptr);
        ASSERT_NE(d.window, nullptr);
        d.d3d = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(d.d3d, nullptr);
        D3DPRESENT_PARAMETERS pp{};
        pp.BackBufferCount = 1;
        pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
        pp.Windowed = TRUE;
        pp.EnableAutoDepthStencil = TRUE;
        pp.AutoDepthStencilFormat = D3DFMT_D16;
        HRESULT hr = d.d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, d.window,
                                         D3DCREATE_MIXED_VERTEXPROCESSING, &pp, &d.device);
        ASSERT_EQ(hr, D3D_OK);
    }

    void TearDown() override
    {
        ReleaseOnce(d.device);
        ReleaseOnce(d.d3d);
        if (d.window != nullptr) {
            DestroyWindow(d.window);
        }
    }

    // Loads `file` as the program does and checks it against the file's own text.
    void ExpectLoadsAsWritten(const char* file, DWORD face_budget)
    {
        XFileText text;
        std::string error;
        ASSERT_TRUE(ReadXFileText(file, text, error)) << error;

        ID3DXBuffer* materials = nullptr;
        DWORD material_count = 0;
        ID3DXMesh* mesh = nullptr;
        ASSERT_EQ(D3DXLoadMeshFromXA(file, D3DXMESH_SYSTEMMEM, d.device, nullptr, &materials, nullptr,
                                     &material_count, &mesh),
                  D3D_OK)
            << file;
        EXPECT_EQ(material_count, static_cast<DWORD>(text.material_count)) << file;
        EXPECT_EQ(mesh->GetNumFaces(), text.face_material.size()) << file;
        EXPECT_LE(mesh->GetNumFaces(), face_budget) << file;
        ExpectPositions(mesh, text, file);
        ExpectOneSubsetPerMaterial(mesh, text, file);
        ExpectTextures(materials, material_count, text, file);
        ReleaseOnce(materials);
        ReleaseOnce(mesh);
    }

    static void ExpectPositions(ID3DXMesh* mesh, const XFileText& text, const char* file)
    {
        ASSERT_EQ(mesh->GetNumVertices() * 3, text.positions.size()) << file;
        const DWORD stride = mesh->GetNumBytesPerVertex();
        const BYTE* vertices = nullptr;
        ASSERT_EQ(mesh->LockVertexBuffer(D3DLOCK_READONLY, reinterpret_cast<void**>(const_cast<BYTE**>(&vertices))),
                  D3D_OK);
        int mismatches = 0;
        for (DWORD v = 0; v < mesh->GetNumVertices(); ++v) {
            const float* p = reinterpret_cast<const float*>(vertices + v * stride);
            for (int k = 0; k < 3; ++k) {
                mismatches += std::fabs(p[k] - text.positions[v * 3 + k]) > 1e-5f;
            }
        }
        mesh->UnlockVertexBuffer();
        EXPECT_EQ(mismatches, 0) << file;
    }

    static void ExpectOneSubsetPerMaterial(ID3DXMesh* mesh, const XFileText& text, const char* file)
    {
        DWORD* attributes = nullptr;
        ASSERT_EQ(mesh->LockAttributeBuffer(D3DLOCK_READONLY, &attributes), D3D_OK);
        int moved = 0;
        std::set<DWORD> used;
        for (DWORD f = 0; f < mesh->GetNumFaces(); ++f) {
            moved += attributes[f] != static_cast<DWORD>(text.face_material[f]);
            used.insert(attributes[f]);
        }
        mesh->UnlockAttributeBuffer();
        EXPECT_EQ(moved, 0) << file << ": faces drawn with another material than written";
        EXPECT_EQ(used.size(), static_cast<size_t>(text.material_count)) << file << ": a material with no faces";
    }

    void ExpectTextures(ID3DXBuffer* buffer, DWORD count, const XFileText& text, const char* file)
    {
        const D3DXMATERIAL* materials = static_cast<const D3DXMATERIAL*>(buffer->GetBufferPointer());
        int textured = 0;
        for (DWORD i = 0; i < count; ++i) {
            const char* name = materials[i].pTextureFilename;
            const std::string expected = text.textures[i];
            EXPECT_EQ(name == nullptr ? std::string() : std::string(name), expected) << file << " material " << i;
            if (expected.empty()) {
                continue;
            }
            ++textured;
            IDirect3DTexture9* texture = nullptr;
            ASSERT_EQ(D3DXCreateTextureFromFileA(d.device, expected.c_str(), &texture), D3D_OK) << expected;
            D3DSURFACE_DESC desc{};
            texture->GetLevelDesc(0, &desc);
            EXPECT_EQ(desc.Width & (desc.Width - 1), 0u) << expected << " width " << desc.Width;
            EXPECT_EQ(desc.Height & (desc.Height - 1), 0u) << expected << " height " << desc.Height;
            ReleaseOnce(texture);
        }
        EXPECT_GT(textured, 0) << file << ": no textured material";
    }
};

TEST_F(ModelLoad, CourseLoadsAsWrittenWithinBudget) { ExpectLoadsAsWritten("crs.x", 20000); }

TEST_F(ModelLoad, CarLoadsAsWrittenWithinBudget) { ExpectLoadsAsWritten("F1.x", 3000); }

// The program's own start-up in the folder it runs from: both models and every
// texture they name load, and the user sees no message box.
TEST(ProgramModels, StartUpLoadsBothModelsWithoutAMessageBox)
{
    TakeCapturedBoxes();
    const HWND window = CreateTestWindow();
    ASSERT_EQ(InitD3D(window), S_OK);
    const std::vector<CapturedBox> boxes = TakeCapturedBoxes();
    EXPECT_TRUE(boxes.empty()) << "first box: " << (boxes.empty() ? 0 : boxes[0].text.size()) << " characters";
    const char* files[2] = {"crs.x", "F1.x"};
    for (int m = 0; m < 2; ++m) {
        XFileText text;
        std::string error;
        ASSERT_TRUE(ReadXFileText(files[m], text, error)) << error;
        const MeshModel& model = models[m];
        ASSERT_NE(model.pMesh, nullptr) << files[m];
        ASSERT_EQ(model.dwNumMaterials, static_cast<DWORD>(text.material_count)) << files[m];
        for (DWORD i = 0; i < model.dwNumMaterials; ++i) {
            EXPECT_EQ(model.pMeshTextures[i] != nullptr, !text.textures[i].empty()) << files[m] << " material " << i;
        }
    }
    Cleanup();
    DestroyWindow(window);
}

}  // namespace
