// The frame's pad polling, drive step and drawing on the real device, with XInputGetState replaced at link time.

#include <string>

#include "device_fixture.h"
#include "frame.h"
#include "frame_loop.h"
#include "gamepad.h"
#include "method_table.h"

namespace {

constexpr int32_t kUnplugged = -1;
int32_t fakePads[4] = {};  // each controller's buttons, or kUnplugged
int polls[4] = {};         // calls per slot

// A whole record of its own for each controller: the buttons given, every other field the slot's.
XINPUT_STATE FakeState(DWORD slot) {
    const SHORT s = SHORT(slot + 1);
    return {100 + slot,
            {WORD(fakePads[slot]), BYTE(s), BYTE(2 * s), SHORT(-1000 * s), SHORT(2000 * s), SHORT(-3000 * s),
             SHORT(4000 * s)}};
}

}  // namespace

extern "C" DWORD WINAPI XInputGetState(DWORD slot, XINPUT_STATE* state) {
    ++polls[slot & 3];
    if (fakePads[slot & 3] == kUnplugged) return ERROR_DEVICE_NOT_CONNECTED;
    *state = FakeState(slot & 3);
    return ERROR_SUCCESS;
}

// Four controllers in states of their own: each frame asks every slot once, each slot's record holds its own
// controller's whole state, a failed poll zeroes that slot alone, and only slot 0's A drives.
TEST_F(DeviceTest, EachFramePollsTheFourSlots) {
    ZeroPads();
    const int32_t slot0[] = {kUnplugged,       0xFFFF,     XINPUT_GAMEPAD_A, 0xFFFF & ~XINPUT_GAMEPAD_A,
                             XINPUT_GAMEPAD_A, kUnplugged, kUnplugged};
    const int32_t plates[] = {0, 1, 2, 2, 3, 3, 3};
    for (int frame = 0; frame < 7; ++frame) {
        const int32_t pads[] = {slot0[frame], XINPUT_GAMEPAD_A, frame % 2 ? kUnplugged : XINPUT_GAMEPAD_B,
                                XINPUT_GAMEPAD_X};
        std::memcpy(fakePads, pads, sizeof(pads));
        std::memset(polls, 0, sizeof(polls));
        RunFrame(dc);
        EXPECT_EQ(DriveState.plate_pos, plates[frame]) << "frame " << frame;
        for (DWORD slot = 0; slot < 4; ++slot) {
            SCOPED_TRACE("frame " + std::to_string(frame) + ", slot " + std::to_string(slot));
            const XINPUT_STATE want = fakePads[slot] == kUnplugged ? XINPUT_STATE{} : FakeState(slot);
            EXPECT_EQ(polls[slot], 1);
            EXPECT_EQ(GamepadSlots[slot].bConnected, fakePads[slot] != kUnplugged);
            EXPECT_EQ(std::memcmp(&GamepadSlots[slot].state, &want, sizeof(want)), 0);
        }
    }
}

// A held from the reset: the image of each frame is the one the state after its own step draws (plate 1's lines
// and course position in the first, plate 2's in the second), not the state before it.
TEST_F(DeviceTest, EachFramePresentsItsOwnStep) {
    KeepPresents(pd3dDevice);
    ZeroPads();
    std::fill(fakePads, fakePads + 4, XINPUT_GAMEPAD_A);
    for (int plate = 1; plate <= 2; ++plate) {
        RunFrame(dc);
        const Pixels framed = presented;
        ASSERT_EQ(DriveState.plate_pos, plate);
        RenderFrame(dc);
        ASSERT_FALSE(framed.empty());
        EXPECT_TRUE(framed == presented) << "frame " << plate << " does not show plate " << plate;
    }
}
