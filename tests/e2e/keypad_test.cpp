// The keyboard pad DLL, loaded by path and driven with synthetic key presses:
// Space/Up become slot 0's A only while a window of this process is in front.
#include <windows.h>
#include <xinput.h>

#include <gtest/gtest.h>

#include <string>

namespace {

typedef DWORD(WINAPI* GetStateFn)(DWORD, XINPUT_STATE*);
typedef void(WINAPI* EnableFn)(BOOL);

std::string BinFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

void SendKey(WORD virtual_key, bool down) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtual_key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtual_key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    if (virtual_key == VK_UP) {
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    }
    ASSERT_EQ(1u, SendInput(1, &input, sizeof(input)));
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

HWND CreateTestWindow(const char* title) {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = "KeypadTest";
    RegisterClassA(&window_class);
    HWND window = CreateWindowExA(0, "KeypadTest", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                                  100, 320, 240, nullptr, nullptr, window_class.hInstance, nullptr);
    SetForegroundWindow(window);
    PumpMessages();
    return window;
}

struct KeypadFixture : ::testing::Test {
    HMODULE pad = nullptr;
    GetStateFn get_state = nullptr;
    EnableFn enable = nullptr;
    HWND window = nullptr;

    void SetUp() override {
        pad = LoadLibraryA((BinFolder() + "keypad\\xinput1_3.dll").c_str());
        ASSERT_NE(nullptr, pad) << "bin\\keypad\\xinput1_3.dll not loadable";
        get_state = reinterpret_cast<GetStateFn>(
            reinterpret_cast<void*>(GetProcAddress(pad, "XInputGetState")));
        enable = reinterpret_cast<EnableFn>(
            reinterpret_cast<void*>(GetProcAddress(pad, "XInputEnable")));
        ASSERT_NE(nullptr, get_state);
        ASSERT_NE(nullptr, enable);
        window = CreateTestWindow("keypad test");
        ASSERT_EQ(window, GetForegroundWindow());
    }
    void TearDown() override {
        if (window != nullptr) {
            DestroyWindow(window);
        }
        if (pad != nullptr) {
            FreeLibrary(pad);
        }
    }

    // Slot 0's buttons; fails the test if slot 0 is not connected.
    WORD Slot0Buttons(DWORD* packet = nullptr) {
        PumpMessages();
        XINPUT_STATE state;
        FillMemory(&state, sizeof(state), 0xCD);
        EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), get_state(0, &state));
        if (packet != nullptr) {
            *packet = state.dwPacketNumber;
        }
        return state.Gamepad.wButtons;
    }
};

TEST_F(KeypadFixture, SpaceOrUpHoldsAOnSlotZeroOnly) {
    // No key: slot 0 is a connected pad with nothing pressed (the record is fully written).
    DWORD packet_released = 0;
    EXPECT_EQ(0, Slot0Buttons(&packet_released));

    SendKey(VK_SPACE, true);
    DWORD packet_held = 0;
    EXPECT_EQ(XINPUT_GAMEPAD_A, Slot0Buttons(&packet_held));
    EXPECT_NE(packet_released, packet_held);
    // The other slots are the system's: no controller under test, and no keyboard A.
    XINPUT_STATE other = {};
    for (DWORD user = 1; user < XUSER_MAX_COUNT; ++user) {
        EXPECT_EQ(static_cast<DWORD>(ERROR_DEVICE_NOT_CONNECTED), get_state(user, &other));
        EXPECT_EQ(0, other.Gamepad.wButtons & XINPUT_GAMEPAD_A);
    }
    EXPECT_EQ(static_cast<DWORD>(ERROR_BAD_ARGUMENTS), get_state(0, nullptr));
    SendKey(VK_SPACE, false);
    EXPECT_EQ(0, Slot0Buttons());

    SendKey(VK_UP, true);
    EXPECT_EQ(XINPUT_GAMEPAD_A, Slot0Buttons());
    SendKey(VK_UP, false);
    EXPECT_EQ(0, Slot0Buttons());

    // Other keys do not drive.
    SendKey(VK_RETURN, true);
    SendKey(VK_DOWN, true);
    EXPECT_EQ(0, Slot0Buttons());
    SendKey(VK_DOWN, false);
    SendKey(VK_RETURN, false);
}

TEST_F(KeypadFixture, DisabledXInputIgnoresTheKeyboard) {
    enable(FALSE);
    SendKey(VK_SPACE, true);
    EXPECT_EQ(0, Slot0Buttons());
    enable(TRUE);
    EXPECT_EQ(XINPUT_GAMEPAD_A, Slot0Buttons());
    SendKey(VK_SPACE, false);
    EXPECT_EQ(0, Slot0Buttons());
}

}  // namespace
