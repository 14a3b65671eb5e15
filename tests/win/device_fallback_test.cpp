// Device set-up and release when Direct3D or the hardware device is refused (Direct3DCreate9 replaced at link time).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "device.h"
#include "message_capture.h"
#include "mesh_model.h"
#include "test_files.h"
#include "test_window.h"

namespace {

// kNoDirect3D: Direct3DCreate9 returns null. Otherwise the real object, whose
// CreateDevice refuses D3DDEVTYPE_HAL (kRefuseHal) or every type (kRefuseBoth).
enum class Script { kNoDirect3D, kRefuseHal, kRefuseBoth } script;
IDirect3D9* made = nullptr;  // the object handed out, with one more reference held for the test
std::vector<std::pair<D3DDEVTYPE, D3DPRESENT_PARAMETERS>> calls;  // each CreateDevice's type and parameters

// IUnknown's three methods, then IDirect3D9's in declaration order: CreateDevice is the last.
constexpr int kMethods = 17;
using CreateDeviceFn = HRESULT(WINAPI*)(IDirect3D9*, UINT, D3DDEVTYPE, HWND, DWORD, D3DPRESENT_PARAMETERS*, IDirect3DDevice9**);
void* methods[kMethods];
CreateDeviceFn realCreateDevice = nullptr;

HRESULT WINAPI RefusingCreateDevice(IDirect3D9* self, UINT adapter, D3DDEVTYPE type, HWND window, DWORD flags,
                                    D3DPRESENT_PARAMETERS* pp, IDirect3DDevice9** device) {
    calls.emplace_back(type, *pp);
    if (type == D3DDEVTYPE_HAL || script == Script::kRefuseBoth) return D3DERR_NOTAVAILABLE;
    return realCreateDevice(self, adapter, type, window, flags, pp, device);
}

}  // namespace

extern "C" IDirect3D9* WINAPI Direct3DCreate9(UINT sdkVersion) {
    if (script == Script::kNoDirect3D) return nullptr;
    using CreateFn = IDirect3D9*(WINAPI*)(UINT);
    made = reinterpret_cast<CreateFn>(reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("d3d9.dll"), "Direct3DCreate9")))(sdkVersion);
    // The object keeps its own methods but CreateDevice, through a copy of its method table.
    void**& table = *reinterpret_cast<void***>(made);
    std::copy(table, table + kMethods, methods);
    realCreateDevice = reinterpret_cast<CreateDeviceFn>(methods[kMethods - 1]);
    methods[kMethods - 1] = reinterpret_cast<void*>(&RefusingCreateDevice);
    table = methods;
    made->AddRef();
    return made;
}

namespace {

const wchar_t kHalRefused[] = L"HALモードでDIRECT3Dデバイスを作成できません\nREFモードで再試行します";

// InitD3D's result under `s` in a folder with both models; the boxes it showed go to *boxes.
HRESULT InitUnder(Script s, std::vector<CapturedBox>* boxes) {
    EnterFreshFolder();
    WriteDemoModels();
    script = s;
    made = nullptr;
    calls.clear();
    static HWND window = CreateTestWindow();
    const HRESULT hr = InitD3D(window);
    *boxes = TakeCapturedBoxes();
    return hr;
}

bool NothingHeld() { return !pD3D && !pd3dDevice && !models[kCourseModel].pMesh && !models[kCarModel].pMesh; }

}  // namespace

TEST(DeviceFallback, ARefusedHardwareDeviceGivesTheNoticeThenTheReferenceDeviceAndCleanupReleasesItAll) {
    std::vector<CapturedBox> boxes;
    ASSERT_EQ(InitUnder(Script::kRefuseHal, &boxes), S_OK);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, DefaultBoxCaption());
    EXPECT_EQ(boxes[0].text, kHalRefused);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_TRUE(calls[0].first == D3DDEVTYPE_HAL && calls[1].first == D3DDEVTYPE_REF);
    EXPECT_EQ(std::memcmp(&calls[0].second, &calls[1].second, sizeof(D3DPRESENT_PARAMETERS)), 0);
    EXPECT_EQ(calls[0].second.AutoDepthStencilFormat, D3DFMT_D16);
    D3DDEVICE_CREATION_PARAMETERS creation;
    pd3dDevice->GetCreationParameters(&creation);
    EXPECT_EQ(creation.DeviceType, D3DDEVTYPE_REF);
    DWORD ambient = 0;
    pd3dDevice->GetRenderState(D3DRS_AMBIENT, &ambient);
    EXPECT_EQ(ambient, 0x00111111u);
    // crs.x has two materials, F1.x one.
    EXPECT_TRUE(models[kCourseModel].dwNumMaterials == 2 && models[kCarModel].dwNumMaterials == 1);
    // Cleanup releases every reference it holds, and only once: ours are then the last.
    IDirect3DDevice9* device = pd3dDevice;
    device->AddRef();
    Cleanup();
    Cleanup();
    EXPECT_TRUE(NothingHeld());
    EXPECT_EQ(device->Release(), 0u) << "the models or Cleanup left references on the device";
    EXPECT_EQ(made->Release(), 0u);
}


// No Direct3D: its one box, captioned blank, and no model opened. No device at all: the notice, then its own box.
TEST(DeviceFallback, WithoutDirect3DOrAnyDeviceEachBoxInTurnAndNothingLeftHeld) {
    const std::pair<Script, std::vector<std::wstring>> cases[] = {
        {Script::kNoDirect3D, {L"", L"Direct3Dの作成に失敗しました"}},
        {Script::kRefuseBoth, {DefaultBoxCaption(), kHalRefused, DefaultBoxCaption(), L"DIRECT3Dデバイスの作成に失敗しました"}}};
    for (const auto& [which, captionsAndTexts] : cases) {
        std::vector<CapturedBox> boxes;
        EXPECT_EQ(InitUnder(which, &boxes), E_FAIL);
        std::vector<std::wstring> seen;
        for (const CapturedBox& box : boxes) seen.insert(seen.end(), {box.caption, box.text});
        EXPECT_EQ(seen, captionsAndTexts);
        EXPECT_TRUE(NothingHeld());
        EXPECT_TRUE(made == nullptr || made->Release() == 0) << "the Direct3D object is still held";
    }
}
