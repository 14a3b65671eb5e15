// Device set-up and release when the hardware device is refused or offered (Direct3DCreate9 replaced at link time).

#include "device_fixture.h"
#include "direct3d_double.h"

// Offered, the hardware device is taken with no box; refused, one box (the notice, whose text the run without
// Direct3D reads) comes first and the reference call gets the very record the refused call filled in, not a fresh one.
// Either under mixed vertex processing alone; Cleanup releases every reference it holds, and only once.
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
            EXPECT_EQ(PresentFields(calls[0].left), PresentFields(calls[1].given));
        }
        D3DDEVICE_CREATION_PARAMETERS creation;
        pd3dDevice->GetCreationParameters(&creation);
        EXPECT_EQ(creation.DeviceType, refused ? D3DDEVTYPE_REF : D3DDEVTYPE_HAL);
        EXPECT_EQ(creation.BehaviorFlags, DWORD(D3DCREATE_MIXED_VERTEXPROCESSING));
        if (refused) Direct3DDouble.made->Release();  // the double's own
        ExpectCleanupToReleaseEverything();
    }
    DestroyWindow(window);
}
