// Vatrel's entry point: start-up, the frame loop and shutdown.
#include <windows.h>

#include "device.h"
#include "directx_runtime.h"
#include "drive.h"
#include "frame_loop.h"
#include "gamepad.h"
#include "window.h"

// Exit status 1 when the program cannot start (no DirectX runtime DLLs, no
// Direct3D, no device), after the box that says why; else the quit message's code, 0.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/, int /*nCmdShow*/) {
    if (!CheckDirectXRuntime()) return 1;
    HWND hWnd = CreateMainWindow(hInstance);
    if (FAILED(InitD3D(hWnd))) return 1;
    ZeroPads();
    ResetDrive();
    HDC hdc = GetDC(hWnd);
    const WPARAM exitCode = RunFrameLoop(hdc);
    ReleaseDC(hWnd, hdc);
    Cleanup();
    return static_cast<int>(exitCode);
}
