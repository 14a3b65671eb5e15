// Test support: window and device read-back.
#include "test_window.h"

HWND CreateTestWindow() {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VatrelTestWindow";
    RegisterClassExA(&wc);  // fails harmlessly once registered
    return CreateWindowExA(0, wc.lpszClassName, "test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 800, 600, nullptr,
                           nullptr, wc.hInstance, nullptr);
}

D3DCOLOR ReadSurfacePixel(IDirect3DDevice9* device, IDirect3DSurface9* target, UINT x, UINT y) {
    D3DSURFACE_DESC desc;
    target->GetDesc(&desc);
    IDirect3DSurface9* copy = nullptr;
    device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format, D3DPOOL_SYSTEMMEM, &copy, nullptr);
    device->GetRenderTargetData(target, copy);
    D3DLOCKED_RECT locked;
    copy->LockRect(&locked, nullptr, D3DLOCK_READONLY);
    const D3DCOLOR color = reinterpret_cast<const D3DCOLOR*>(static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch)[x];
    copy->UnlockRect();
    copy->Release();
    return color;
}

IDirect3DSurface9* BackBuffer(IDirect3DDevice9* device) {
    IDirect3DSurface9* backBuffer = nullptr;
    device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer);
    return backBuffer;
}

IDirect3DSurface9* MakeTargetLikeBackBuffer(IDirect3DDevice9* device) {
    IDirect3DSurface9* backBuffer = BackBuffer(device);
    D3DSURFACE_DESC desc;
    backBuffer->GetDesc(&desc);
    backBuffer->Release();
    IDirect3DSurface9* target = nullptr;
    device->CreateRenderTarget(desc.Width, desc.Height, desc.Format, D3DMULTISAMPLE_NONE, 0, FALSE, &target, nullptr);
    return target;
}