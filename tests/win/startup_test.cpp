// Start-up through WinMain (Direct3DCreate9 and XInputGetState replaced at link time): the drive reset before
// the first frame, and the exit status of a normal quit, of a failed start and of a device failed for good.
#include <gtest/gtest.h>

#include <windows.h>
#include <xinput.h>

#include <cstring>

#include "device.h"
#include "direct3d_double.h"
#include "drive.h"
#include "mesh_model.h"
#include "message_capture.h"
#include "test_files.h"
#include "window.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int);

namespace {

constexpr int kFrames = 3;
int polls = 0;
DriveStateData atFirstPoll;

// WinMain in a folder of demo models; the window it leaves behind is destroyed.
int RunWinMain(Direct3DScript script) {
    Direct3DDouble = Direct3DDoubleRecord();
    Direct3DDouble.script = script;
    polls = 0;
    DriveState = kDriveStart;
    EnterFreshFolder();
    WriteDemoModels();
    TakeCapturedBoxes();
    char commandLine[] = "";
    const int code = WinMain(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOW);
    HWND left = FindWindowA(kWindowName, kWindowName);
    if (left != nullptr) DestroyWindow(left);
    for (MSG left_over; PeekMessageA(&left_over, nullptr, 0, 0, PM_REMOVE);) {
    }
    if (Direct3DDouble.device != nullptr) {
        EXPECT_EQ(Direct3DDouble.device->Release(), 0u) << "WinMain left the device held";
    }
    if (Direct3DDouble.made != nullptr) {
        EXPECT_EQ(Direct3DDouble.made->Release(), 0u) << "WinMain left Direct3D held";
    }
    return code;
}

}  // namespace

// Each frame polls four slots, none connected: the first poll records the drive
// state the first frame starts from; the last poll of frame kFrames closes the window.
extern "C" DWORD WINAPI XInputGetState(DWORD, XINPUT_STATE* state) {
    if (polls == 0) atFirstPoll = DriveState;
    if (++polls == 4 * kFrames) PostMessageA(FindWindowA(kWindowName, kWindowName), WM_CLOSE, 0, 0);
    ZeroMemory(state, sizeof(*state));
    return ERROR_DEVICE_NOT_CONNECTED;
}

TEST(Startup, TheFirstFrameStartsFromTheResetDriveAndClosingTheWindowEndsWithZero) {
    DriveStateData reset = kDriveStart;
    NormaliseDrive(reset);
    ASSERT_NE(std::memcmp(&reset, &kDriveStart, sizeof(reset)), 0) << "a skipped reset would go unseen";
    EXPECT_EQ(RunWinMain(Direct3DScript::kReal), 0);
    EXPECT_TRUE(TakeCapturedBoxes().empty());
    EXPECT_EQ(polls, 4 * kFrames);
    EXPECT_EQ(std::memcmp(&atFirstPoll, &reset, sizeof(reset)), 0)
        << "the first frame started from fCrsRotY " << atFirstPoll.fCrsRotY << ", fCarRotY " << atFirstPoll.fCarRotY
        << " instead of " << reset.fCrsRotY << ", " << reset.fCarRotY << ": the drive was not reset before it";
    EXPECT_EQ(pd3dDevice, nullptr);
    EXPECT_EQ(pD3D, nullptr);
    EXPECT_EQ(models[kCourseModel].pMesh, nullptr);
}

// Without Direct3D: its one box, captioned blank, no poll, nothing held, and exit status 1. Without any device,
// whose two boxes the end-to-end run with Wine's Direct3D switched off reads: Direct3D released too.
TEST(Startup, AFailedStartShowsItsBoxesNeverReachesTheLoopHoldsNothingAndEndsWithOne) {
    EXPECT_EQ(RunWinMain(Direct3DScript::kNoDirect3D), 1);
    const std::vector<CapturedBox> boxes = TakeCapturedBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"");
    EXPECT_EQ(boxes[0].text, L"Direct3Dの作成に失敗しました");
    EXPECT_EQ(boxes[0].buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(boxes[0].icon);
    EXPECT_EQ(polls, 0);
    EXPECT_TRUE(!pD3D && !pd3dDevice && !models[kCourseModel].pMesh && !models[kCarModel].pMesh);
    EXPECT_EQ(RunWinMain(Direct3DScript::kRefuseBoth), 1);  // which checks that Direct3D was released
    EXPECT_EQ(TakeCapturedBoxes().size(), 2u);
    EXPECT_TRUE(polls == 0 && !pD3D && !pd3dDevice && !models[kCourseModel].pMesh);
}

// A device lost for good: after the first frame it answers a driver error where a reset would follow.
TEST(Startup, ADriverErrorShowsTheDeviceBoxReleasesEverythingAndEndsWithOne) {
    EXPECT_EQ(RunWinMain(Direct3DScript::kDriverError), 1);  // which checks that everything was released
    const std::vector<CapturedBox> boxes = TakeCapturedBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, DefaultBoxCaption());
    EXPECT_EQ(boxes[0].text, L"DIRECT3Dデバイスの作成に失敗しました");
    EXPECT_EQ(polls, 4) << "not one frame, then the end";
    EXPECT_TRUE(!pD3D && !pd3dDevice && !models[kCarModel].pMesh) << "Cleanup did not run";
}
