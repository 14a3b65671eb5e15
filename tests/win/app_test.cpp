// The frame's pad polling and drive step on the real device, with XInputGetState replaced at link time.
#include <gtest/gtest.h>

#include "device_fixture.h"
#include "drive.h"
#include "frame_loop.h"
#include "gamepad.h"

namespace {

struct FakePad {
    bool connected;
    WORD buttons;
};
FakePad fakePads[4] = {};

}  // namespace

// A poll of a controller not connected fails and leaves the record as it was.
extern "C" DWORD WINAPI XInputGetState(DWORD slot, XINPUT_STATE* state) {
    if (!fakePads[slot & 3].connected) return ERROR_DEVICE_NOT_CONNECTED;
    ZeroMemory(state, sizeof(*state));
    state->Gamepad.wButtons = fakePads[slot & 3].buttons;
    return ERROR_SUCCESS;
}

TEST_F(DeviceTest, OnlySlotZerosADrivesAPlatePerFrameAndAPadPulledWhileAIsHeldStops) {
    HDC dc = GetDC(window);
    ZeroPads();
    const FakePad slot0[] = {{false, 0}, {true, 0xFFFF}, {true, XINPUT_GAMEPAD_A}, {true, WORD(~XINPUT_GAMEPAD_A)},
                             {true, XINPUT_GAMEPAD_A}, {false, 0}, {false, 0}};
    const int plates[] = {0, 1, 2, 2, 3, 3, 3};
    for (int frame = 0; frame < 7; ++frame) {
        fakePads[0] = slot0[frame];
        for (int other = 1; other < 4; ++other) fakePads[other] = {true, XINPUT_GAMEPAD_A};
        RunFrame(dc);
        EXPECT_EQ(DriveState.plate_pos, plates[frame]) << "frame " << frame;
    }
    EXPECT_FALSE(GamepadSlots[0].bConnected);
    EXPECT_EQ(GamepadSlots[0].state.Gamepad.wButtons, 0) << "a failed poll keeps the last buttons";
    ReleaseDC(window, dc);
}
