// The keyboard accelerator's foreground rule, with GetForegroundWindow replaced
// at link time: under Wine a key typed into another process's window never
// reaches this process's key state, so only a double can put one in front.
#include <windows.h>

#include <gtest/gtest.h>

#include "../../tools/win/pads/keypad/keyboard_accelerator.h"

namespace {

HWND FakeForeground = nullptr;

HWND WINAPI ForegroundDouble() { return FakeForeground; }

}  // namespace

// The import slot that the code under test calls through; defining it here
// keeps user32's own from being linked in.
extern "C" {
HWND(WINAPI* __imp_GetForegroundWindow)() = ForegroundDouble;
}

namespace {

void SendSpace(bool down) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_SPACE;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(VK_SPACE, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    ASSERT_EQ(1u, SendInput(1, &input, sizeof(input)));
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
    }
}

TEST(KeyboardForeground, SpaceDrivesOnlyWhileOurWindowIsInFront) {
    HWND ours = CreateWindowExA(0, "STATIC", "ours", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, ours);
    SetForegroundWindow(ours);
    SendSpace(true);

    FakeForeground = ours;
    EXPECT_TRUE(KeyboardAcceleratorHeld());
    // The desktop window belongs to another process (explorer under Wine, csrss on Windows).
    FakeForeground = GetDesktopWindow();
    DWORD desktop_owner = 0;
    GetWindowThreadProcessId(FakeForeground, &desktop_owner);
    ASSERT_NE(GetCurrentProcessId(), desktop_owner);
    EXPECT_FALSE(KeyboardAcceleratorHeld());
    FakeForeground = nullptr;
    EXPECT_FALSE(KeyboardAcceleratorHeld());

    FakeForeground = ours;
    SendSpace(false);
    EXPECT_FALSE(KeyboardAcceleratorHeld());
    DestroyWindow(ours);
}

}  // namespace
