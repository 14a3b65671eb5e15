// Gamepad polling: the four XInput controller slots, read once per frame.
#pragma once

#include <windows.h>
#include <xinput.h>

constexpr DWORD kGamepadSlotCount = 4;

struct GamepadSlot {
    XINPUT_STATE state;  // as XInput last reported it; all zero while no controller answers
    bool bConnected;     // the last poll of this slot succeeded
};

// Indexed by controller number; slot 0's wButtons is the drive's button mask.
extern GamepadSlot GamepadSlots[kGamepadSlotCount];

// Zeroes all four slots; called once at start-up, before the first frame.
void ZeroPads();

// Called once per frame. A slot whose poll fails is zeroed, so that a controller pulled out while
// A is held stops the car.
int PollPads();
