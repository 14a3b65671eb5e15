// Start-up through WinMain (Direct3DCreate9 and XInputGetState replaced at link time): the exit status of a failed
// start and of a device failed for good. The drive reset before the first frame and a normal quit: the picture test.
#include <gtest/gtest.h>

#include <windows.h>
#include <xinput.h>

#include "device.h"
#include "device_fixture.h"
#include "direct3d_double.h"
#include "mesh_model.h"
#include "message_capture.h"
#include "test_files.h"
#include "window.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int);

namespace {

int polls = 0;

int RunWinMain(Direct3DScript script) {
    Direct3DDouble = Direct3DDoubleRecord();
    Direct3DDouble.script = script;
    polls = 0;
    EnterFolderOfDemoModels();
    TakeCapturedBoxes();
    const int code = WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOW);
    DestroyWindow(FindWindowA(kWindowName, kWindowName));  // none: harmlessly refused
    for (MSG left_over; PeekMessageA(&left_over, nullptr, 0, 0, PM_REMOVE);) {
    }
    const ULONG deviceLeft = Direct3DDouble.device ? Direct3DDouble.device->Release() : 0u;
    EXPECT_EQ(deviceLeft, 0u) << "WinMain left the device held";
    const ULONG direct3DLeft = Direct3DDouble.made ? Direct3DDouble.made->Release() : 0u;
    EXPECT_EQ(direct3DLeft, 0u) << "WinMain left Direct3D held";
    return code;
}

}  // namespace

// Each frame polls four slots, none connected; the last poll of the third frame closes the window.
extern "C" DWORD WINAPI XInputGetState(DWORD, XINPUT_STATE* state) {
    ++polls;
    if (polls == 4 * 3) PostMessageA(FindWindowA(kWindowName, kWindowName), WM_CLOSE, 0, 0);
    ZeroMemory(state, sizeof(*state));
    return ERROR_DEVICE_NOT_CONNECTED;
}

// Without Direct3D: its one box, captioned blank, no poll, nothing held, and exit status 1. Without any device,
// whose two boxes the end-to-end run with Wine's Direct3D switched off reads: Direct3D released too.
TEST(Startup, AFailedStart) {
    EXPECT_EQ(RunWinMain(Direct3DScript::kNoDirect3D), 1);
    const std::vector<CapturedBox> boxes = TakeCapturedBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"");
    EXPECT_EQ(boxes[0].text, L"Direct3Dの作成に失敗しました");
    EXPECT_EQ(boxes[0].buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(boxes[0].icon);
    EXPECT_EQ(polls, 0);
    ExpectNothingHeld();
    EXPECT_EQ(RunWinMain(Direct3DScript::kRefuseBoth), 1);  // which checks that Direct3D was released
    EXPECT_EQ(polls, 0);
    ExpectNothingHeld();
}

// A device lost for good after the first frame: a driver error where a reset would follow, or a reset short of memory.
// Its box, everything released, and exit status 1.
TEST(Startup, ADeviceFailedForGood) {
    for (Direct3DScript script : {Direct3DScript::kDriverError, Direct3DScript::kResetRefused}) {
        SCOPED_TRACE(int(script));
        EXPECT_EQ(RunWinMain(script), 1);  // which checks that everything was released
        const std::vector<CapturedBox> boxes = TakeCapturedBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, DefaultBoxCaption());
        EXPECT_EQ(boxes[0].text, L"DIRECT3Dデバイスの作成に失敗しました");
        EXPECT_EQ(polls, 4) << "not one frame, then the end";
        ExpectNothingHeld();
    }
}
