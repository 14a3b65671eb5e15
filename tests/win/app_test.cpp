// The application shell: window, window procedure, pads and loop (XInputGetState replaced at link time).
#include <gtest/gtest.h>

#include "device_fixture.h"
#include "drive.h"
#include "fake_xinput.h"
#include "frame_loop.h"
#include "gamepad.h"
#include "test_window.h"
#include "window.h"

namespace {

struct PadTest : DeviceTest {
    HDC dc = nullptr;
    void SetUp() override {
        DeviceTest::SetUp();
        FakeXInput = FakeXInputRecord();
        ZeroPads();
        dc = GetDC(window);
    }
    void TearDown() override {
        ReleaseDC(window, dc);
        DeviceTest::TearDown();
    }
};

}  // namespace

TEST(MainWindow, IsTheOverlappedVatrelWindowAt100By100Of800By600) {
    HWND hWnd = CreateMainWindow(GetModuleHandleA(nullptr));
    ASSERT_NE(hWnd, nullptr);
    RECT rect;
    GetWindowRect(hWnd, &rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 100);
    EXPECT_EQ(rect.right, 900);
    EXPECT_EQ(rect.bottom, 700);
    char text[32] = {};
    GetWindowTextA(hWnd, text, sizeof(text));
    EXPECT_STREQ(text, "Vatrel");
    GetClassNameA(hWnd, text, sizeof(text));
    EXPECT_STREQ(text, "Vatrel");
    const LONG style = GetWindowLongA(hWnd, GWL_STYLE);
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, static_cast<LONG>(WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(style & (WS_POPUP | WS_CHILD), 0);
    EXPECT_EQ(GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_TRUE(IsWindowVisible(hWnd));
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "Vatrel", &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(wc.hbrBackground, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(wc.lpfnWndProc, &MsgProc);
    DestroyWindow(hWnd);
    WPARAM code = 99;
    EXPECT_TRUE(DrainQueueForQuit(&code));  // destroying the window asks to quit
    EXPECT_EQ(code, 0u);
}

TEST(MainWindow, EscapePostsQuitWithZeroWithoutDestroyingTheWindowAndOtherKeysDoNothing) {
    HWND hWnd = CreateMainWindow(GetModuleHandleA(nullptr));
    WPARAM code = 99;
    DrainQueueForQuit(&code);
    for (WPARAM key : {WPARAM{'A'}, WPARAM{VK_SPACE}, WPARAM{VK_RETURN}, WPARAM{0x1B00}}) {
        MsgProc(hWnd, WM_KEYDOWN, key, 0);
    }
    MsgProc(hWnd, WM_KEYUP, VK_ESCAPE, 0);
    EXPECT_FALSE(DrainQueueForQuit(&code)) << "a key other than Escape asked to quit";
    MsgProc(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    code = 99;
    EXPECT_TRUE(DrainQueueForQuit(&code));
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(IsWindow(hWnd));
    // Only the low byte of wParam names the key.
    MsgProc(hWnd, WM_KEYDOWN, 0x11B, 0);
    EXPECT_TRUE(DrainQueueForQuit(&code));
    DestroyWindow(hWnd);
    DrainQueueForQuit(&code);
}

TEST_F(PadTest, PollingReadsAllFourSlotsAndAFailedPollZeroesItsSlot) {
    FakeXInput.slots[0] = {true, XINPUT_GAMEPAD_A, false};
    FakeXInput.slots[2] = {true, XINPUT_GAMEPAD_B, false};
    EXPECT_EQ(PollPads(), 0);
    EXPECT_EQ(FakeXInput.polledSlots, (std::vector<DWORD>{0, 1, 2, 3}));
    EXPECT_TRUE(GamepadSlots[0].bConnected);
    EXPECT_EQ(GamepadSlots[0].state.Gamepad.wButtons, XINPUT_GAMEPAD_A);
    EXPECT_FALSE(GamepadSlots[1].bConnected);
    EXPECT_TRUE(GamepadSlots[2].bConnected);
    EXPECT_EQ(GamepadSlots[2].state.Gamepad.wButtons, XINPUT_GAMEPAD_B);
    EXPECT_FALSE(GamepadSlots[3].bConnected);

    // Pulled out while A is held, and XInput leaves A in the record.
    FakeXInput.slots[0] = {false, 0, true};
    PollPads();
    EXPECT_FALSE(GamepadSlots[0].bConnected);
    EXPECT_EQ(GamepadSlots[0].state.Gamepad.wButtons, 0);
    EXPECT_EQ(GamepadSlots[0].state.dwPacketNumber, 0u);
}

TEST_F(PadTest, OnlySlotZerosAButtonDrivesOnePlatePerFrame) {
    FakeXInput.slots[1] = {true, XINPUT_GAMEPAD_A, false};
    FakeXInput.slots[2] = {true, XINPUT_GAMEPAD_A, false};
    FakeXInput.slots[3] = {true, 0xFFFF, false};
    RunFrame(dc);
    EXPECT_EQ(DriveState.plate_pos, 0);
    EXPECT_EQ(DriveState.wx, -4000);

    FakeXInput.slots[0] = {true, 0xFFFF, false};  // A with every other button
    RunFrame(dc);
    EXPECT_EQ(DriveState.plate_pos, 1);
    EXPECT_EQ(DriveState.speed, 200);
    EXPECT_EQ(DriveState.wx, -4200);
    RunFrame(dc);
    EXPECT_EQ(DriveState.plate_pos, 2);

    FakeXInput.slots[0] = {true, static_cast<WORD>(0xFFFF & ~XINPUT_GAMEPAD_A), false};
    RunFrame(dc);
    EXPECT_EQ(DriveState.plate_pos, 2);
    EXPECT_EQ(DriveState.speed, 0);
}

TEST_F(PadTest, APadPulledOutWhileAIsHeldStopsTheCar) {
    FakeXInput.slots[0] = {true, XINPUT_GAMEPAD_A, false};
    RunFrame(dc);
    EXPECT_EQ(DriveState.plate_pos, 1);
    FakeXInput.slots[0] = {false, 0, false};
    RunFrame(dc);
    RunFrame(dc);
    EXPECT_EQ(DriveState.plate_pos, 1);
    EXPECT_EQ(DriveState.speed, 0);
}

TEST_F(PadTest, TheLoopRunsFramesWhileTheQueueIsEmptyAndEndsOnEscapeWithZero) {
    HWND hWnd = CreateMainWindow(GetModuleHandleA(nullptr));
    WPARAM code = 99;
    DrainQueueForQuit(&code);
    FakeXInput.slots[0] = {true, XINPUT_GAMEPAD_A, false};
    // Escape arrives during the poll of slot 0 in the fifth frame; that frame
    // still finishes, then the loop handles the key and the quit message.
    FakeXInput.escapeWindow = hWnd;
    FakeXInput.callsBeforeEscape = 4 * 4 + 1;
    EXPECT_EQ(RunFrameLoop(dc), 0u);
    EXPECT_EQ(DriveState.plate_pos, 5);
    EXPECT_EQ(FakeXInput.polledSlots.size(), 20u);
    DestroyWindow(hWnd);
    DrainQueueForQuit(&code);
}
