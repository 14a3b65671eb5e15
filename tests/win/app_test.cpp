// The frame's pad polling and drive step on the real device, with XInputGetState replaced at link time.
#include <gtest/gtest.h>

#include "device_fixture.h"
#include "drive.h"
#include "frame_loop.h"
#include "gamepad.h"

namespace {

constexpr int32_t kUnplugged = -1;
int32_t fakePads[4] = {};  // each controller's buttons, or kUnplugged

}  // namespace

// A poll of a controller not connected fails and leaves the record as it was.
extern "C" DWORD WINAPI XInputGetState(DWORD slot, XINPUT_STATE* state) {
    if (fakePads[slot & 3] == kUnplugged) return ERROR_DEVICE_NOT_CONNECTED;
    ZeroMemory(state, sizeof(*state));
    state->Gamepad.wButtons = WORD(fakePads[slot & 3]);
    return ERROR_SUCCESS;
}

TEST_F(DeviceTest, OnlySlotZerosADrivesAPlatePerFrameAndAPadPulledWhileAIsHeldStops) {
    HDC dc = GetDC(window);
    ZeroPads();
    const int32_t slot0[] = {kUnplugged, 0xFFFF, XINPUT_GAMEPAD_A, 0xFFFF & ~XINPUT_GAMEPAD_A, XINPUT_GAMEPAD_A, kUnplugged, kUnplugged};
    const int32_t plates[] = {0, 1, 2, 2, 3, 3, 3};
    for (int frame = 0; frame < 7; ++frame) {
        fakePads[0] = slot0[frame];
        fakePads[1] = fakePads[2] = fakePads[3] = XINPUT_GAMEPAD_A;
        RunFrame(dc);
        EXPECT_EQ(DriveState.plate_pos, plates[frame]) << "frame " << frame;
    }
    EXPECT_FALSE(GamepadSlots[0].bConnected);
    EXPECT_EQ(GamepadSlots[0].state.Gamepad.wButtons, 0) << "a failed poll keeps the last buttons";
    ReleaseDC(window, dc);
}
