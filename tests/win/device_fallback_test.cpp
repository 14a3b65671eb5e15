// Device set-up and release when the hardware device is refused or offered (Direct3DCreate9 replaced at link time).

#include "device_fixture.h"
#include "direct3d_double.h"

// Offered, the hardware device is taken with no box; refused, one box (the notice, whose text the run without
// Direct3D reads) comes first and the reference call gets the very record the refused call filled in, not a fresh one.
// Either under mixed vertex processing alone, with the program's present parameters; Cleanup releases every reference
// it holds, and only once.
TEST(DeviceFallback, HardwareElseReference) {
    const HWND window = CreateTestWindow();
    for (const Direct3DScript script : {Direct3DScript::kReal, Direct3DScript::kRefuseHal}) {
        const bool refused = script == Direct3DScript::kRefuseHal;
        SCOPED_TRACE(refused ? "hardware refused" : "hardware offered");
        EnterFolderOfDemoModels();
        Direct3DDouble = Direct3DDoubleRecord();
        Direct3DDouble.script = script;
        ASSERT_EQ(InitD3D(window), S_OK);
        const std::vector<CapturedBox> boxes = TakeCapturedBoxes();
        const auto& calls = Direct3DDouble.deviceCalls;
        ASSERT_EQ(boxes.size(), refused ? 1u : 0u);
        if (refused) {
            ASSERT_EQ(calls.size(), 2u);
            EXPECT_EQ(calls[0].type, D3DDEVTYPE_HAL);
            EXPECT_EQ(calls[1].type, D3DDEVTYPE_REF);
            ASSERT_NE(PresentFields(calls[0].given), PresentFields(calls[0].left));
            EXPECT_EQ(PresentFields(calls[0].left), PresentFields(calls[1].given));
        }
        D3DDEVICE_CREATION_PARAMETERS creation;
        pd3dDevice->GetCreationParameters(&creation);
        EXPECT_EQ(creation.DeviceType, refused ? D3DDEVTYPE_REF : D3DDEVTYPE_HAL);
        // Its window's client size, the display's format, one back buffer, no multisampling, discard, windowed, a
        // 16-bit depth buffer of its own and the default interval.
        RECT client;
        GetClientRect(creation.hFocusWindow, &client);
        D3DDISPLAYMODE mode;
        pD3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode);
        EXPECT_EQ(PresentFields(HeldPresentParameters()),
                  std::make_tuple(UINT(client.right), UINT(client.bottom), mode.Format, UINT(1), D3DMULTISAMPLE_NONE,
                                  DWORD(0), D3DSWAPEFFECT_DISCARD, creation.hFocusWindow, BOOL(TRUE), BOOL(TRUE),
                                  D3DFMT_D16, DWORD(0), UINT(0), UINT(D3DPRESENT_INTERVAL_DEFAULT)));
        EXPECT_EQ(creation.BehaviorFlags, DWORD(D3DCREATE_MIXED_VERTEXPROCESSING));
        if (refused) Direct3DDouble.made->Release();  // the double's own
        ExpectCleanupToReleaseEverything();
    }
    DestroyWindow(window);
}
