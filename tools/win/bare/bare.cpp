// The bare benchmark program: the demo's window, device and loop, with frames
// that only poll slot 0, clear and present. Its frame rate and start-up time
// are the floor the demo is measured against; the scripted pad paces and logs
// it exactly as it does the demo, through the same per-frame poll.
#include <windows.h>
#include <xinput.h>

#include "bare_device.h"

namespace {

LRESULT CALLBACK BareProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY || (message == WM_KEYDOWN && LOBYTE(wParam) == VK_ESCAPE)) {
        PostQuitMessage(0);
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

HWND CreateBareWindow(HINSTANCE instance) {
    WNDCLASSEXA window_class = {};
    window_class.cbSize = sizeof(window_class);
    window_class.style = CS_HREDRAW | CS_VREDRAW;
    window_class.lpfnWndProc = BareProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.lpszClassName = "VatrelBare";
    RegisterClassExA(&window_class);
    HWND window = CreateWindowExA(0, "VatrelBare", "Vatrel bare", WS_OVERLAPPEDWINDOW, 100, 100, 800, 600, nullptr,
                                  nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

void RunBareFrame(IDirect3DDevice9* device) {
    XINPUT_STATE pad = {};
    XInputGetState(0, &pad);
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(100, 100, 100), 1.0f, 0);
    if (SUCCEEDED(device->BeginScene())) {
        device->EndScene();
    }
    device->Present(nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    HWND window = CreateBareWindow(instance);
    IDirect3D9* direct3d = nullptr;
    IDirect3DDevice9* device = CreateBareDevice(window, &direct3d);
    if (device == nullptr) {
        return 1;
    }
    MSG msg = {};
    while (msg.message != WM_QUIT) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else {
            RunBareFrame(device);
        }
    }
    ReleaseBareDevice(device, direct3d);
    return static_cast<int>(msg.wParam);
}
