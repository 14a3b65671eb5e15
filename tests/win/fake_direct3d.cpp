// Test double for Direct3DCreate9: null, or a wrapper around the real object that refuses device types.
#include "fake_direct3d.h"

#include <windows.h>

FakeDirect3DRecord FakeDirect3D;

namespace {

IDirect3D9* RealDirect3D(UINT sdkVersion) {
    using Create = IDirect3D9*(WINAPI*)(UINT);
    HMODULE d3d9 = LoadLibraryA("d3d9.dll");
    auto create = reinterpret_cast<Create>(reinterpret_cast<void*>(GetProcAddress(d3d9, "Direct3DCreate9")));
    return create != nullptr ? create(sdkVersion) : nullptr;
}

// Passes everything to the real object but the refused device types.
struct RefusingDirect3D final : IDirect3D9 {
    IDirect3D9* real;
    explicit RefusingDirect3D(IDirect3D9* r) : real(r) { FakeDirect3D.wrapperReferences = 1; }

    HRESULT WINAPI QueryInterface(REFIID riid, void** out) override { return real->QueryInterface(riid, out); }
    ULONG WINAPI AddRef() override { return static_cast<ULONG>(++FakeDirect3D.wrapperReferences); }
    ULONG WINAPI Release() override {
        const int left = --FakeDirect3D.wrapperReferences;
        if (left == 0) {
            ++FakeDirect3D.wrapperFreed;
            real->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }
    HRESULT WINAPI RegisterSoftwareDevice(void* init) override { return real->RegisterSoftwareDevice(init); }
    UINT WINAPI GetAdapterCount() override { return real->GetAdapterCount(); }
    HRESULT WINAPI GetAdapterIdentifier(UINT a, DWORD f, D3DADAPTER_IDENTIFIER9* id) override {
        return real->GetAdapterIdentifier(a, f, id);
    }
    UINT WINAPI GetAdapterModeCount(UINT a, D3DFORMAT f) override { return real->GetAdapterModeCount(a, f); }
    HRESULT WINAPI EnumAdapterModes(UINT a, D3DFORMAT f, UINT m, D3DDISPLAYMODE* mode) override {
        return real->EnumAdapterModes(a, f, m, mode);
    }
    HRESULT WINAPI GetAdapterDisplayMode(UINT a, D3DDISPLAYMODE* mode) override {
        return real->GetAdapterDisplayMode(a, mode);
    }
    HRESULT WINAPI CheckDeviceType(UINT a, D3DDEVTYPE t, D3DFORMAT d, D3DFORMAT b, WINBOOL w) override {
        return real->CheckDeviceType(a, t, d, b, w);
    }
    HRESULT WINAPI CheckDeviceFormat(UINT a, D3DDEVTYPE t, D3DFORMAT af, DWORD u, D3DRESOURCETYPE r,
                                     D3DFORMAT f) override {
        return real->CheckDeviceFormat(a, t, af, u, r, f);
    }
    HRESULT WINAPI CheckDeviceMultiSampleType(UINT a, D3DDEVTYPE t, D3DFORMAT f, WINBOOL w, D3DMULTISAMPLE_TYPE m,
                                              DWORD* q) override {
        return real->CheckDeviceMultiSampleType(a, t, f, w, m, q);
    }
    HRESULT WINAPI CheckDepthStencilMatch(UINT a, D3DDEVTYPE t, D3DFORMAT af, D3DFORMAT rf, D3DFORMAT df) override {
        return real->CheckDepthStencilMatch(a, t, af, rf, df);
    }
    HRESULT WINAPI CheckDeviceFormatConversion(UINT a, D3DDEVTYPE t, D3DFORMAT s, D3DFORMAT d) override {
        return real->CheckDeviceFormatConversion(a, t, s, d);
    }
    HRESULT WINAPI GetDeviceCaps(UINT a, D3DDEVTYPE t, D3DCAPS9* caps) override { return real->GetDeviceCaps(a, t, caps); }
    HMONITOR WINAPI GetAdapterMonitor(UINT a) override { return real->GetAdapterMonitor(a); }
    HRESULT WINAPI CreateDevice(UINT a, D3DDEVTYPE t, HWND w, DWORD f, D3DPRESENT_PARAMETERS* pp,
                                IDirect3DDevice9** device) override {
        FakeDirect3D.deviceCalls.push_back(CreateDeviceCall{a, t, w, f, *pp});
        const bool refused = t == D3DDEVTYPE_HAL || FakeDirect3D.script == Direct3DScript::kRefuseBoth;
        if (refused) return D3DERR_NOTAVAILABLE;
        return real->CreateDevice(a, t, w, f, pp, device);
    }
};

}  // namespace

extern "C" IDirect3D9* WINAPI Direct3DCreate9(UINT sdkVersion) {
    ++FakeDirect3D.createCalls;
    FakeDirect3D.sdkVersion = sdkVersion;
    switch (FakeDirect3D.script) {
    case Direct3DScript::kNoDirect3D: return nullptr;
    case Direct3DScript::kReal: return RealDirect3D(sdkVersion);
    default: break;
    }
    IDirect3D9* real = RealDirect3D(sdkVersion);
    return real != nullptr ? new RefusingDirect3D(real) : nullptr;
}
