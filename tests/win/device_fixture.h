// Test support: a test window, and a fixture that starts the real device on one in a folder of demo models.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <tuple>

#include "device.h"
#include "drive.h"
#include "mesh_model.h"
#include "message_capture.h"
#include "test_files.h"

// Every field of the present parameters, for comparing them without the padding a memcmp would read.
inline auto PresentFields(const D3DPRESENT_PARAMETERS& p) {
    return std::make_tuple(p.BackBufferWidth, p.BackBufferHeight, p.BackBufferFormat, p.BackBufferCount,
                           p.MultiSampleType, p.MultiSampleQuality, p.SwapEffect, p.hDeviceWindow, p.Windowed,
                           p.EnableAutoDepthStencil, p.AutoDepthStencilFormat, p.Flags, p.FullScreen_RefreshRateInHz,
                           p.PresentationInterval);
}

inline D3DPRESENT_PARAMETERS HeldPresentParameters() {
    IDirect3DSwapChain9* chain = nullptr;
    D3DPRESENT_PARAMETERS held = {};
    const HRESULT got = pd3dDevice->GetSwapChain(0, &chain);
    if (got == D3D_OK) {
        chain->GetPresentParameters(&held);
        chain->Release();
    }
    return held;
}

inline HWND CreateTestWindow() {
    WNDCLASSA wc = {0,       DefWindowProcA, 0,       0,       GetModuleHandleA(nullptr),
                    nullptr, nullptr,        nullptr, nullptr, "VatrelTestWindow"};
    RegisterClassA(&wc);  // fails harmlessly once registered
    return CreateWindowExA(0, wc.lpszClassName, "test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 800, 600, nullptr,
                           nullptr, wc.hInstance, nullptr);
}

inline void ExpectNothingHeld() {
    EXPECT_EQ(pD3D, nullptr);
    EXPECT_EQ(pd3dDevice, nullptr);
    EXPECT_EQ(models[kCourseModel].pMesh, nullptr);
    EXPECT_EQ(models[kCarModel].pMesh, nullptr);
}

// Cleanup, run twice, gives back every reference the program holds: the test's own, taken here, are then the last.
inline void ExpectCleanupToReleaseEverything() {
    IDirect3DDevice9* device = pd3dDevice;
    IDirect3D9* direct3D = pD3D;
    device->AddRef();
    direct3D->AddRef();
    Cleanup();
    Cleanup();
    ExpectNothingHeld();
    const ULONG deviceLeft = device->Release();
    EXPECT_EQ(deviceLeft, 0u) << "the models, the overlay surface or Cleanup left references on the device";
    const ULONG direct3DLeft = direct3D->Release();
    EXPECT_EQ(direct3DLeft, 0u);
}

// The real device on a test window, started without a box in a fresh folder of demo models.
struct DeviceTest : ::testing::Test {
    HWND window = nullptr;
    HDC dc = nullptr;
    void SetUp() override {
        EnterFolderOfDemoModels();
        window = CreateTestWindow();
        dc = GetDC(window);
        ASSERT_EQ(InitD3D(window), S_OK);
        ASSERT_TRUE(TakeCapturedBoxes().empty());
        DriveState = kDriveStart;
        ResetDrive();
    }
    void TearDown() override {
        Cleanup();
        ReleaseDC(window, dc);
        DestroyWindow(window);
        TakeCapturedBoxes();
    }
};
