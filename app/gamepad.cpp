// Gamepad polling.
#include "gamepad.h"

GamepadSlot GamepadSlots[kGamepadSlotCount] = {};

void ZeroPads() { ZeroMemory(GamepadSlots, sizeof(GamepadSlots)); }

int PollPads() {
    for (DWORD i = 0; i < kGamepadSlotCount; ++i) {
        GamepadSlot& slot = GamepadSlots[i];
        slot.bConnected = XInputGetState(i, &slot.state) == ERROR_SUCCESS;
        if (!slot.bConnected) ZeroMemory(&slot.state, sizeof(slot.state));
    }
    return 0;
}
