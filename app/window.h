// The program window: its class, creation and window procedure.
#pragma once

#include <windows.h>

// Class and title of the one window.
constexpr char kWindowName[] = "Vatrel";

// Window procedure: WM_DESTROY and Escape post the quit message with exit code 0;
// every message then goes on to DefWindowProcA, whose result is returned.
LRESULT CALLBACK MsgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the class (once per process) and creates, shows and updates the
// overlapped window at (100, 100), 800 x 600 outer size.
HWND CreateMainWindow(HINSTANCE hInstance);
