// A lost device and a present query that never signals, around the real Wine device: the device's own
// method table is swapped for a copy whose Present, TestCooperativeLevel and Reset follow a script
// (BeginScene and CreateQuery are counted).
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "debug_overlay.h"
#include "device.h"
#include "device_fixture.h"
#include "frame.h"
#include "frame_loop.h"
#include "mesh_model.h"

namespace {

// Places in IDirect3DDevice9's method table (d3d9.h order); the Ex table has 134.
constexpr int kTestCooperativeLevel = 3, kReset = 16, kPresent = 17, kBeginScene = 41, kCreateQuery = 118;
constexpr int kMethods = 134;
void* realMethods[kMethods];
void* scriptedMethods[kMethods];

template <typename Method>
Method Real(int place) { return reinterpret_cast<Method>(realMethods[place]); }

// Lost: presents and TestCooperativeLevel report the loss `lostLevels` times, then not reset until Reset.
enum class Phase { kFine, kLost, kNotReset };
struct LossScript {
    Phase phase;
    int lostLevels, presents, scenes, resets, queriesMade;
    D3DPRESENT_PARAMETERS resetWith;
} script;

HRESULT WINAPI Present(IDirect3DDevice9* self, const RECT* a, const RECT* b, HWND w, const RGNDATA* r) {
    ++script.presents;
    if (script.phase != Phase::kFine) return D3DERR_DEVICELOST;
    return Real<decltype(&Present)>(kPresent)(self, a, b, w, r);
}
HRESULT WINAPI BeginScene(IDirect3DDevice9* self) {
    ++script.scenes;
    return Real<decltype(&BeginScene)>(kBeginScene)(self);
}
HRESULT WINAPI TestCooperativeLevel(IDirect3DDevice9* self) {
    if (script.phase == Phase::kLost && script.lostLevels-- == 0) script.phase = Phase::kNotReset;
    if (script.phase != Phase::kFine) return script.phase == Phase::kLost ? D3DERR_DEVICELOST : D3DERR_DEVICENOTRESET;
    return Real<decltype(&TestCooperativeLevel)>(kTestCooperativeLevel)(self);
}
HRESULT WINAPI Reset(IDirect3DDevice9* self, D3DPRESENT_PARAMETERS* pp) {
    ++script.resets;
    script.resetWith = *pp;
    if (script.phase != Phase::kNotReset) return D3DERR_DEVICELOST;
    const HRESULT hr = Real<decltype(&Reset)>(kReset)(self, pp);
    if (SUCCEEDED(hr)) script.phase = Phase::kFine;
    return hr;
}
HRESULT WINAPI CreateQuery(IDirect3DDevice9* self, D3DQUERYTYPE type, IDirect3DQuery9** query) {
    ++script.queriesMade;
    return Real<decltype(&CreateQuery)>(kCreateQuery)(self, type, query);
}

// Every field: a memcmp would also compare the padding before hDeviceWindow.
auto Fields(const D3DPRESENT_PARAMETERS& p) {
    return std::make_tuple(p.BackBufferWidth, p.BackBufferHeight, p.BackBufferFormat, p.BackBufferCount,
                           p.MultiSampleType, p.MultiSampleQuality, p.SwapEffect, p.hDeviceWindow, p.Windowed,
                           p.EnableAutoDepthStencil, p.AutoDepthStencilFormat, p.Flags, p.FullScreen_RefreshRateInHz,
                           p.PresentationInterval);
}

struct DeviceLossTest : DeviceTest {
    HDC dc = nullptr;
    void SetUp() override {
        DeviceTest::SetUp();
        script = LossScript();
        void**& table = *reinterpret_cast<void***>(pd3dDevice);
        std::memcpy(realMethods, table, sizeof(realMethods));
        std::memcpy(scriptedMethods, table, sizeof(scriptedMethods));
        scriptedMethods[kPresent] = reinterpret_cast<void*>(&Present);
        scriptedMethods[kBeginScene] = reinterpret_cast<void*>(&BeginScene);
        scriptedMethods[kTestCooperativeLevel] = reinterpret_cast<void*>(&TestCooperativeLevel);
        scriptedMethods[kReset] = reinterpret_cast<void*>(&Reset);
        scriptedMethods[kCreateQuery] = reinterpret_cast<void*>(&CreateQuery);
        table = scriptedMethods;
        dc = GetDC(window);
    }
    void TearDown() override {
        ReleaseDC(window, dc);
        DeviceTest::TearDown();
    }
};

// An event query that never signals; after 10 s of polls it gives in, so a
// frame that waits for it fails the test instead of hanging.
struct SilentQuery final : IDirect3DQuery9 {
    ULONGLONG issued = 0;
    int polls = 0;
    bool gaveIn = false;
    HRESULT WINAPI QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG WINAPI AddRef() override { return 1; }
    ULONG WINAPI Release() override { return 1; }
    HRESULT WINAPI GetDevice(IDirect3DDevice9**) override { return E_NOTIMPL; }
    D3DQUERYTYPE WINAPI GetType() override { return D3DQUERYTYPE_EVENT; }
    DWORD WINAPI GetDataSize() override { return 0; }
    HRESULT WINAPI Issue(DWORD) override { issued = GetTickCount64(); return S_OK; }
    HRESULT WINAPI GetData(void*, DWORD, DWORD) override {
        ++polls;
        gaveIn = GetTickCount64() - issued > 10000;
        return gaveIn ? S_OK : S_FALSE;
    }
};

}  // namespace

TEST_F(DeviceLossTest, NothingIsDrawnWhileLostThenOneResetWithTheCreationParametersAndTheFramesGoOn) {
    RunFrame(dc);
    ASSERT_EQ(script.presents, 1);
    EXPECT_EQ(script.queriesMade, 0) << "a frame made a query of its own";
    IDirect3DSwapChain9* chain = nullptr;
    pd3dDevice->GetSwapChain(0, &chain);
    D3DPRESENT_PARAMETERS made;
    chain->GetPresentParameters(&made);
    chain->Release();
    MeshModel loaded[2];
    std::memcpy(loaded, models, sizeof(loaded));

    script.phase = Phase::kLost;
    script.lostLevels = 3;
    szText[0] = '\0';
    RunFrame(dc);
    EXPECT_TRUE(bDeviceLost);
    EXPECT_STREQ(szText, "") << "the lines were written over a frame that was never shown";
    const ULONGLONG lostAt = GetTickCount64();
    for (int pass = 0; pass < 3; ++pass) RunFrame(dc);
    EXPECT_GE(GetTickCount64() - lostAt + 16, 3 * kLostDeviceWaitMs) << "the lost passes did not wait";
    EXPECT_EQ(script.scenes, 2);
    EXPECT_EQ(script.presents, 2);
    EXPECT_EQ(script.resets, 0) << "reset while the device could not be reset";

    RunFrame(dc);
    RunFrame(dc);
    EXPECT_FALSE(bDeviceLost);
    EXPECT_EQ(script.resets, 1);
    EXPECT_EQ(Fields(script.resetWith), Fields(made)) << "Reset with other parameters";
    EXPECT_EQ(script.scenes, 4);
    EXPECT_EQ(script.presents, 4);
    EXPECT_STREQ(szText, "plate_pos = 0");
    EXPECT_EQ(script.queriesMade, 1);
    DWORD ambient = 0, specular = FALSE;  // a reset sets both back to 0
    pd3dDevice->GetRenderState(D3DRS_AMBIENT, &ambient);
    pd3dDevice->GetRenderState(D3DRS_SPECULARENABLE, &specular);
    EXPECT_EQ(ambient, 0x00111111u);
    EXPECT_EQ(specular, static_cast<DWORD>(TRUE));
    EXPECT_EQ(std::memcmp(models, loaded, sizeof(loaded)), 0) << "a model was reloaded";

    IDirect3DDevice9* device = pd3dDevice;
    IDirect3D9* direct3D = pD3D;
    device->AddRef();
    direct3D->AddRef();
    Cleanup();
    EXPECT_EQ(device->Release(), 0u) << "references to the device outlive Cleanup";
    EXPECT_EQ(direct3D->Release(), 0u);
}

TEST_F(DeviceLossTest, AQueryThatNeverSignalsCannotHoldTheFrame) {
    IDirect3DQuery9* real = pPresentQuery;
    SilentQuery silent;
    pPresentQuery = &silent;
    szText[0] = '\0';
    RenderFrame(dc);
    pPresentQuery = real;
    EXPECT_GT(silent.polls, 0) << "the frame did not wait at all";
    EXPECT_FALSE(silent.gaveIn) << "the frame waited " << silent.polls << " polls for a query that never signals";
    // A spinning wait looks millions of times and takes a core from a software renderer.
    EXPECT_LE(silent.polls, static_cast<int>(2 * kPresentWaitBudgetMs / kPresentPollMs)) << "the wait did not sleep between polls";
    EXPECT_STREQ(szText, "plate_pos = 0");
}
