// Test support: a test window, and a fixture that starts the real device on one in a folder of demo models.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <tuple>

#include "device.h"
#include "drive.h"
#include "message_capture.h"
#include "test_files.h"

// Every field of the present parameters, for comparing them without the padding a memcmp would read.
inline auto PresentFields(const D3DPRESENT_PARAMETERS& p) {
    return std::make_tuple(p.BackBufferWidth, p.BackBufferHeight, p.BackBufferFormat, p.BackBufferCount,
                           p.MultiSampleType, p.MultiSampleQuality, p.SwapEffect, p.hDeviceWindow, p.Windowed,
                           p.EnableAutoDepthStencil, p.AutoDepthStencilFormat, p.Flags, p.FullScreen_RefreshRateInHz,
                           p.PresentationInterval);
}

// The device's swap chain holds the present parameters it was made with: its window's client size, the display's
// format, one back buffer, no multisampling, discard, windowed, a 16-bit depth buffer of its own, the default interval.
inline void ExpectMadeWithTheProgramsPresentParameters() {
    IDirect3DSwapChain9* chain = nullptr;
    ASSERT_EQ(pd3dDevice->GetSwapChain(0, &chain), D3D_OK);
    D3DPRESENT_PARAMETERS held = {};
    chain->GetPresentParameters(&held);
    chain->Release();
    D3DDEVICE_CREATION_PARAMETERS creation;
    pd3dDevice->GetCreationParameters(&creation);
    RECT client;
    GetClientRect(creation.hFocusWindow, &client);
    D3DDISPLAYMODE mode;
    pD3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode);
    const D3DPRESENT_PARAMETERS want = {UINT(client.right),
                                        UINT(client.bottom),
                                        mode.Format,
                                        1,
                                        D3DMULTISAMPLE_NONE,
                                        0,
                                        D3DSWAPEFFECT_DISCARD,
                                        creation.hFocusWindow,
                                        TRUE,
                                        TRUE,
                                        D3DFMT_D16,
                                        0,
                                        0,
                                        D3DPRESENT_INTERVAL_DEFAULT};
    EXPECT_EQ(PresentFields(held), PresentFields(want));
}

// A shown 800 x 600 window at (100, 100) with the default window procedure; the caller destroys it.
inline HWND CreateTestWindow() {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VatrelTestWindow";
    RegisterClassExA(&wc);  // fails harmlessly once registered
    return CreateWindowExA(0, wc.lpszClassName, "test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 800, 600, nullptr,
                           nullptr, wc.hInstance, nullptr);
}

// SetUp: a fresh folder with the demo models, a test window, InitD3D without a
// box and the drive state reset. TearDown: Cleanup, the window destroyed.
struct DeviceTest : ::testing::Test {
    HWND window = nullptr;
    void SetUp() override {
        EnterFreshFolder();
        WriteDemoModels();
        window = CreateTestWindow();
        ASSERT_EQ(InitD3D(window), S_OK);
        ASSERT_TRUE(TakeCapturedBoxes().empty());
        DriveState = kDriveStart;
        ResetDrive();
    }
    void TearDown() override {
        Cleanup();
        DestroyWindow(window);
        TakeCapturedBoxes();
    }
};
