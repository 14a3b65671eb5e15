// A lost device around the real Wine device: its method table is swapped for a copy whose Present,
// TestCooperativeLevel and Reset follow a script (BeginScene and the overlay surfaces made are counted);
// after a refused reset, for one whose every other method is counted as forbidden.

#include <algorithm>

#include "device_fixture.h"
#include "frame.h"
#include "frame_loop.h"
#include "method_table.h"

namespace {

MethodTable methods;

// Lost: presents and TestCooperativeLevel report the loss `lostLevels` times, then not reset until Reset.
enum class Phase { kFine, kLost, kNotReset };
struct LossScript {
    Phase phase;
    int lostLevels, presents, scenes, resets, surfacesMade, refusedResets, forbiddenCalls;
    bool refuseSurfaces;
    IDirect3DSurface9* surfaceAtReset;
    D3DPRESENT_PARAMETERS resetWith;
} script;

// Removed rather than lost: any failed present leads to TestCooperativeLevel.
HRESULT WINAPI Present(IDirect3DDevice9* self, const RECT* a, const RECT* b, HWND w, const RGNDATA* r) {
    ++script.presents;
    if (script.phase != Phase::kFine) return D3DERR_DEVICEREMOVED;
    return methods.Real<decltype(&Present)>(kPresent)(self, a, b, w, r);
}
HRESULT WINAPI BeginScene(IDirect3DDevice9* self) {
    ++script.scenes;
    return methods.Real<decltype(&BeginScene)>(kBeginScene)(self);
}
// What a device whose reset failed may be asked: IUnknown's methods, TestCooperativeLevel and Reset.
void* afterRefusedReset[MethodTable::kMethods];
HRESULT WINAPI Forbidden(IDirect3DDevice9*) {
    ++script.forbiddenCalls;
    return D3DERR_INVALIDCALL;
}

HRESULT WINAPI TestCooperativeLevel(IDirect3DDevice9* self) {
    *reinterpret_cast<void***>(self) = methods.scripted;
    if (script.phase == Phase::kLost) {
        if (script.lostLevels == 0) script.phase = Phase::kNotReset;
        --script.lostLevels;
    }
    if (script.phase != Phase::kFine) return script.phase == Phase::kLost ? D3DERR_DEVICELOST : D3DERR_DEVICENOTRESET;
    return methods.Real<decltype(&TestCooperativeLevel)>(kTestCooperativeLevel)(self);
}
HRESULT WINAPI Reset(IDirect3DDevice9* self, D3DPRESENT_PARAMETERS* pp) {
    ++script.resets;
    script.resetWith = *pp;
    script.surfaceAtReset = pOverlaySurface;
    if (script.phase != Phase::kNotReset) return D3DERR_DEVICELOST;
    if (script.refusedResets > 0) {
        --script.refusedResets;
        *reinterpret_cast<void***>(self) = afterRefusedReset;
        return D3DERR_DEVICELOST;
    }
    const HRESULT hr = methods.Real<decltype(&Reset)>(kReset)(self, pp);
    if (SUCCEEDED(hr)) script.phase = Phase::kFine;
    return hr;
}
HRESULT WINAPI CreateOffscreenPlainSurface(IDirect3DDevice9* self, UINT width, UINT height, D3DFORMAT format,
                                           D3DPOOL pool, IDirect3DSurface9** surface, HANDLE* shared) {
    script.surfacesMade += pool == D3DPOOL_DEFAULT;
    if (pool == D3DPOOL_DEFAULT && script.refuseSurfaces) return D3DERR_OUTOFVIDEOMEMORY;
    return methods.Real<decltype(&CreateOffscreenPlainSurface)>(kCreateOffscreenPlainSurface)(
        self, width, height, format, pool, surface, shared);
}

struct DeviceLossTest : DeviceTest {
    void SetUp() override {
        DeviceTest::SetUp();
        script = LossScript();
        methods.Install(pd3dDevice);
        methods.Replace(kPresent, &Present);
        methods.Replace(kBeginScene, &BeginScene);
        methods.Replace(kTestCooperativeLevel, &TestCooperativeLevel);
        methods.Replace(kReset, &Reset);
        methods.Replace(kCreateOffscreenPlainSurface, &CreateOffscreenPlainSurface);
        std::fill(afterRefusedReset, afterRefusedReset + MethodTable::kMethods, reinterpret_cast<void*>(&Forbidden));
        for (int allowed : {0, 1, 2, kTestCooperativeLevel, kReset})
            afterRefusedReset[allowed] = methods.scripted[allowed];
    }
};

}  // namespace

// Nothing is drawn while lost, then one reset with the creation parameters, and the frames go on.
TEST_F(DeviceLossTest, LostThenReset) {
    RunFrame(dc);
    ASSERT_EQ(script.presents, 1);
    D3DPRESENT_PARAMETERS made = HeldPresentParameters();
    // The device window: none named, the focus window, which a device may report or write back in its place.
    made.hDeviceWindow = nullptr;
    MeshModel loaded[2];
    std::memcpy(loaded, models, sizeof(loaded));

    script.phase = Phase::kLost;
    script.lostLevels = 3;
    RunFrame(dc);
    EXPECT_TRUE(bDeviceLost);
    const ULONGLONG lostAt = GetTickCount64();
    for (int pass = 0; pass < 3; ++pass) RunFrame(dc);
    EXPECT_GE(GetTickCount64() - lostAt + 16, 3 * kLostDeviceWaitMs) << "the lost passes did not wait";
    EXPECT_EQ(script.resets, 0) << "reset while the device could not be reset";

    RunFrame(dc);
    RunFrame(dc);
    EXPECT_FALSE(bDeviceLost);
    EXPECT_EQ(script.resets, 1);
    script.resetWith.hDeviceWindow = nullptr;
    EXPECT_EQ(PresentFields(script.resetWith), PresentFields(made)) << "Reset with other parameters";
    EXPECT_EQ(script.surfaceAtReset, nullptr) << "the overlay surface lived on into the reset";
    EXPECT_EQ(script.scenes, 4);
    EXPECT_EQ(script.presents, 4);
    ASSERT_EQ(script.surfacesMade, 1);
    ASSERT_NE(pOverlaySurface, nullptr);
    DWORD ambient = 0, specular = FALSE;  // a reset sets both back to 0
    pd3dDevice->GetRenderState(D3DRS_AMBIENT, &ambient);
    pd3dDevice->GetRenderState(D3DRS_SPECULARENABLE, &specular);
    EXPECT_EQ(ambient, 0x00111111u);
    EXPECT_EQ(specular, static_cast<DWORD>(TRUE));
    EXPECT_EQ(std::memcmp(models, loaded, sizeof(loaded)), 0) << "a model was reloaded";

    // Lost again, and the reset device will not make the surface: the frames go on without it.
    script.refuseSurfaces = true;
    script.phase = Phase::kLost;
    script.lostLevels = 1;
    for (int pass = 0; pass < 10 && script.resets == 1; ++pass) RunFrame(dc);
    EXPECT_EQ(pOverlaySurface, nullptr);
    RunFrame(dc);
    EXPECT_FALSE(bDeviceLost);

    ExpectCleanupToReleaseEverything();
}

// After a refused reset the device is only asked to reset again; then the frames go on.
TEST_F(DeviceLossTest, ARefusedReset) {
    RunFrame(dc);
    script.phase = Phase::kNotReset;
    script.refusedResets = 2;
    for (int pass = 0; pass < 10 && script.phase != Phase::kFine; ++pass) RunFrame(dc);
    EXPECT_EQ(script.resets, 3);
    EXPECT_EQ(script.forbiddenCalls, 0) << "a device whose reset failed was asked for more than a reset";
    EXPECT_FALSE(bDeviceLost);
    EXPECT_EQ(script.scenes, 3) << "two frames until the loss showed, none while the resets failed, one after";
}
