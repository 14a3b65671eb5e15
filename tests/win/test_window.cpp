// Test support: window and device read-back.
#include "test_window.h"

HWND CreateTestWindow() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VatrelTestWindow";
        RegisterClassExA(&wc);
        registered = true;
    }
    HWND hWnd = CreateWindowExA(0, "VatrelTestWindow", "test", WS_OVERLAPPEDWINDOW, 100, 100, 800, 600, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(hWnd, SW_SHOW);
    UpdateWindow(hWnd);
    return hWnd;
}

D3DCOLOR ReadSurfacePixel(IDirect3DDevice9* device, IDirect3DSurface9* target, UINT x, UINT y) {
    D3DSURFACE_DESC desc;
    target->GetDesc(&desc);
    IDirect3DSurface9* copy = nullptr;
    device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format, D3DPOOL_SYSTEMMEM, &copy, nullptr);
    device->GetRenderTargetData(target, copy);
    D3DLOCKED_RECT locked;
    copy->LockRect(&locked, nullptr, D3DLOCK_READONLY);
    const auto* row = static_cast<const BYTE*>(locked.pBits) + static_cast<size_t>(y) * locked.Pitch;
    const D3DCOLOR color = reinterpret_cast<const D3DCOLOR*>(row)[x];
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

bool DrainQueueForQuit(WPARAM* exitCode) {
    bool quit = false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = true;
            *exitCode = msg.wParam;
        } else {
            DispatchMessageA(&msg);
        }
    }
    return quit;
}
