// Reads the keyboard's accelerator keys for the keyboard pad.
#include "keyboard_accelerator.h"

#include <windows.h>

namespace {

bool KeyDown(int virtual_key) {
    // The high bit is the key's state now; the low bit (pressed since the last call) is ignored.
    return (GetAsyncKeyState(virtual_key) & 0x8000) != 0;
}

bool ForegroundIsOurs() {
    HWND foreground = GetForegroundWindow();
    if (foreground == nullptr) {
        return false;
    }
    DWORD process_id = 0;
    GetWindowThreadProcessId(foreground, &process_id);
    return process_id == GetCurrentProcessId();
}

}  // namespace

bool KeyboardAcceleratorHeld() { return ForegroundIsOurs() && (KeyDown(VK_SPACE) || KeyDown(VK_UP)); }
