// Vatrel's entry point: start-up, the frame loop and shutdown.
#include <windows.h>

#include "device.h"
#include "drive.h"
#include "frame_loop.h"
#include "gamepad.h"
#include "window.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    HWND hWnd = CreateMainWindow(hInstance);
    if (FAILED(InitD3D(hWnd))) return 0;
    ZeroPads();
    ResetDrive();
    HDC hdc = GetDC(hWnd);
    const WPARAM exitCode = RunFrameLoop(hdc);
    ReleaseDC(hWnd, hdc);
    Cleanup();
    return static_cast<int>(exitCode);
}
