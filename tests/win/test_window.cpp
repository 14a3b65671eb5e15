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

namespace {

uint32_t FromR5G6B5(uint16_t p) {
    const uint32_t r = p >> 11, g = (p >> 5) & 0x3F, b = p & 0x1F;
    return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}

}  // namespace

std::vector<uint32_t> ReadSurfaceArea(IDirect3DDevice9* device, IDirect3DSurface9* target, UINT width, UINT height) {
    D3DSURFACE_DESC desc;
    target->GetDesc(&desc);
    IDirect3DSurface9* copy = nullptr;
    device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format, D3DPOOL_SYSTEMMEM, &copy, nullptr);
    device->GetRenderTargetData(target, copy);
    D3DLOCKED_RECT locked;
    copy->LockRect(&locked, nullptr, D3DLOCK_READONLY);
    std::vector<uint32_t> pixels;
    for (UINT y = 0; y < height; ++y) {
        const BYTE* row = static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch;
        for (UINT x = 0; x < width; ++x) {
            pixels.push_back(desc.Format == D3DFMT_R5G6B5 ? FromR5G6B5(reinterpret_cast<const uint16_t*>(row)[x])
                                                          : reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF);
        }
    }
    copy->UnlockRect();
    copy->Release();
    return pixels;
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