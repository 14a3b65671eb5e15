// Direct3DCreate9 replaced at link time: the real d3d9 object, or none, or one that refuses devices.
#include "direct3d_double.h"

#include <algorithm>

#include "method_table.h"

Direct3DDoubleRecord Direct3DDouble;

namespace {

// IUnknown's three methods, then IDirect3D9's in declaration order: CreateDevice is the last.
constexpr int kMethods = 17;
using CreateDeviceFn = HRESULT(WINAPI*)(IDirect3D9*, UINT, D3DDEVTYPE, HWND, DWORD, D3DPRESENT_PARAMETERS*,
                                        IDirect3DDevice9**);
void* methods[kMethods];
CreateDeviceFn realCreateDevice = nullptr;
MethodTable deviceMethods;

HRESULT WINAPI LostPresent(IDirect3DDevice9*, const RECT*, const RECT*, HWND, const RGNDATA*) {
    return D3DERR_DEVICELOST;
}
HRESULT WINAPI DriverError(IDirect3DDevice9*) { return D3DERR_DRIVERINTERNALERROR; }
HRESULT WINAPI NotReset(IDirect3DDevice9*) { return D3DERR_DEVICENOTRESET; }
// Quits too: a program that retried would end with 0, not wait for ever.
HRESULT WINAPI OutOfVideoMemory(IDirect3DDevice9*, D3DPRESENT_PARAMETERS*) {
    PostQuitMessage(0);
    return D3DERR_OUTOFVIDEOMEMORY;
}

HRESULT WINAPI ScriptedCreateDevice(IDirect3D9* self, UINT adapter, D3DDEVTYPE type, HWND window, DWORD flags,
                                    D3DPRESENT_PARAMETERS* pp, IDirect3DDevice9** device) {
    const D3DPRESENT_PARAMETERS given = *pp;
    HRESULT hr = D3DERR_NOTAVAILABLE;
    const Direct3DScript script = Direct3DDouble.script;
    if (script == Direct3DScript::kRefuseBoth || (script == Direct3DScript::kRefuseHal && type == D3DDEVTYPE_HAL)) {
        RECT client = {};
        GetClientRect(window, &client);
        pp->BackBufferWidth = UINT(client.right);
        pp->BackBufferHeight = UINT(client.bottom);
        pp->BackBufferFormat = D3DFMT_X8R8G8B8;
    } else {
        hr = realCreateDevice(self, adapter, type, window, flags, pp, device);
    }
    if ((script == Direct3DScript::kDriverError || script == Direct3DScript::kResetRefused) && SUCCEEDED(hr)) {
        deviceMethods.Install(*device);
        deviceMethods.Replace(kPresent, &LostPresent);
        deviceMethods.Replace(kTestCooperativeLevel, script == Direct3DScript::kDriverError ? &DriverError : &NotReset);
        deviceMethods.Replace(kReset, &OutOfVideoMemory);
        (*device)->AddRef();
        Direct3DDouble.device = *device;
    }
    Direct3DDouble.deviceCalls.push_back({type, given, *pp});
    return hr;
}

}  // namespace

extern "C" IDirect3D9* WINAPI Direct3DCreate9(UINT sdkVersion) {
    if (Direct3DDouble.script == Direct3DScript::kNoDirect3D) return nullptr;
    using CreateFn = IDirect3D9*(WINAPI*)(UINT);
    IDirect3D9* real = reinterpret_cast<CreateFn>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("d3d9.dll"), "Direct3DCreate9")))(sdkVersion);
    if (Direct3DDouble.script == Direct3DScript::kReal || real == nullptr) return real;
    // The object keeps its own methods but CreateDevice, through a copy of its method table.
    void**& table = *reinterpret_cast<void***>(real);
    std::copy(table, table + kMethods, methods);
    realCreateDevice = reinterpret_cast<CreateDeviceFn>(methods[kMethods - 1]);
    methods[kMethods - 1] = reinterpret_cast<void*>(&ScriptedCreateDevice);
    table = methods;
    real->AddRef();
    Direct3DDouble.made = real;
    return real;
}
