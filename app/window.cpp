// The program window.
#include "window.h"

namespace {

void RegisterWindowClass(HINSTANCE hInstance) {
    WNDCLASSEXA wc;
    ZeroMemory(&wc, sizeof(wc));
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MsgProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = kWindowName;
    RegisterClassExA(&wc);
}

}  // namespace

LRESULT CALLBACK MsgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    if (message == WM_KEYDOWN && (wParam & 0xFF) == VK_ESCAPE) PostQuitMessage(0);
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

HWND CreateMainWindow(HINSTANCE hInstance) {
    RegisterWindowClass(hInstance);
    HWND hWnd = CreateWindowExA(0, kWindowName, kWindowName, WS_OVERLAPPEDWINDOW, 100, 100, 800, 600, nullptr, nullptr,
                                hInstance, nullptr);
    ShowWindow(hWnd, SW_SHOW);
    UpdateWindow(hWnd);
    return hWnd;
}
