// Device set-up and release on the real d3d9: parameters, render states, models, references.
#include <gtest/gtest.h>

#include "device.h"
#include "message_capture.h"
#include "mesh_model.h"
#include "test_files.h"
#include "test_window.h"

namespace {

DWORD RenderState(D3DRENDERSTATETYPE state) {
    DWORD value = 0xDEADBEEF;
    pd3dDevice->GetRenderState(state, &value);
    return value;
}

}  // namespace

TEST(InitD3D, MakesAWindowedHardwareDeviceWithBothModelsAndTheFourStates) {
    EnterFreshFolder();
    WriteDemoModels();
    HWND window = CreateTestWindow();
    ASSERT_EQ(InitD3D(window), S_OK);
    EXPECT_TRUE(TakeCapturedBoxes().empty());
    ASSERT_NE(pD3D, nullptr);
    ASSERT_NE(pd3dDevice, nullptr);

    D3DDEVICE_CREATION_PARAMETERS creation;
    pd3dDevice->GetCreationParameters(&creation);
    EXPECT_EQ(creation.DeviceType, D3DDEVTYPE_HAL);
    EXPECT_EQ(creation.AdapterOrdinal, 0u);
    EXPECT_EQ(creation.hFocusWindow, window);
    EXPECT_EQ(creation.BehaviorFlags, static_cast<DWORD>(D3DCREATE_MIXED_VERTEXPROCESSING));

    IDirect3DSwapChain9* swapChain = nullptr;
    ASSERT_EQ(pd3dDevice->GetSwapChain(0, &swapChain), D3D_OK);
    D3DPRESENT_PARAMETERS pp;
    swapChain->GetPresentParameters(&pp);
    swapChain->Release();
    RECT client;
    GetClientRect(window, &client);
    EXPECT_TRUE(pp.Windowed);
    EXPECT_EQ(pp.BackBufferWidth, static_cast<UINT>(client.right));
    EXPECT_EQ(pp.BackBufferHeight, static_cast<UINT>(client.bottom));
    EXPECT_EQ(pp.BackBufferCount, 1u);
    EXPECT_EQ(pp.SwapEffect, D3DSWAPEFFECT_DISCARD);
    EXPECT_TRUE(pp.EnableAutoDepthStencil);
    EXPECT_EQ(pp.AutoDepthStencilFormat, D3DFMT_D16);
    EXPECT_EQ(pp.MultiSampleType, D3DMULTISAMPLE_NONE);

    EXPECT_EQ(RenderState(D3DRS_ZENABLE), static_cast<DWORD>(D3DZB_TRUE));
    EXPECT_EQ(RenderState(D3DRS_LIGHTING), static_cast<DWORD>(TRUE));
    EXPECT_EQ(RenderState(D3DRS_AMBIENT), 0x00111111u);
    EXPECT_EQ(RenderState(D3DRS_SPECULARENABLE), static_cast<DWORD>(TRUE));

    ASSERT_NE(models[0].pMesh, nullptr);
    EXPECT_EQ(models[0].dwNumMaterials, 2u);
    EXPECT_NE(models[0].pMeshTextures[0], nullptr);
    EXPECT_EQ(models[0].pMeshTextures[1], nullptr);
    ASSERT_NE(models[1].pMesh, nullptr);
    EXPECT_EQ(models[1].dwNumMaterials, 1u);

    // Cleanup releases everything it holds exactly once: our own extra
    // references are then the last ones.
    IDirect3DDevice9* device = pd3dDevice;
    IDirect3D9* d3d = pD3D;
    device->AddRef();
    d3d->AddRef();
    Cleanup();
    EXPECT_EQ(pd3dDevice, nullptr);
    EXPECT_EQ(pD3D, nullptr);
    for (const MeshModel& model : models) {
        EXPECT_EQ(model.pMesh, nullptr);
        EXPECT_EQ(model.pMeshMaterials, nullptr);
        EXPECT_EQ(model.pMeshTextures, nullptr);
        EXPECT_EQ(model.dwNumMaterials, 0u);
    }
    EXPECT_EQ(device->Release(), 0u);
    EXPECT_EQ(d3d->Release(), 0u);
    Cleanup();  // a second call finds nothing to release
    EXPECT_EQ(pd3dDevice, nullptr);
    DestroyWindow(window);
}

TEST(InitD3D, AMissingCourseIsReportedAndStartUpGoesOn) {
    EnterFreshFolder();
    WriteDemoModels();
    DeleteFileA("crs.x");
    HWND window = CreateTestWindow();
    ASSERT_EQ(InitD3D(window), S_OK);
    const auto boxes = TakeCapturedBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"crs.x");
    EXPECT_EQ(boxes[0].text, L"Xファイルの読み込みに失敗しました");
    EXPECT_EQ(models[0].pMesh, nullptr);
    EXPECT_EQ(models[0].dwNumMaterials, 0u);
    EXPECT_NE(models[1].pMesh, nullptr);
    EXPECT_EQ(RenderState(D3DRS_AMBIENT), 0x00111111u);
    IDirect3DDevice9* device = pd3dDevice;
    device->AddRef();
    Cleanup();
    EXPECT_EQ(device->Release(), 0u);
    DestroyWindow(window);
}

TEST(Cleanup, WithNothingCreatedDoesNothing) {
    Cleanup();
    Cleanup();
    EXPECT_EQ(pD3D, nullptr);
    EXPECT_EQ(pd3dDevice, nullptr);
    EXPECT_EQ(models[0].pMesh, nullptr);
}
