// Test double for XInputGetState: scripted controllers, and an Escape posted after a set number of polls.
#include "fake_xinput.h"

FakeXInputRecord FakeXInput;

extern "C" DWORD WINAPI XInputGetState(DWORD slot, XINPUT_STATE* state) {
    FakeXInput.polledSlots.push_back(slot);
    if (FakeXInput.callsBeforeEscape > 0 && --FakeXInput.callsBeforeEscape == 0) {
        PostMessageA(FakeXInput.escapeWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    }
    const FakePadSlot& pad = FakeXInput.slots[slot & 3];
    if (!pad.connected) {
        if (pad.writesOnFailure) state->Gamepad.wButtons = XINPUT_GAMEPAD_A;
        return ERROR_DEVICE_NOT_CONNECTED;
    }
    ZeroMemory(state, sizeof(*state));
    state->dwPacketNumber = static_cast<DWORD>(FakeXInput.polledSlots.size());
    state->Gamepad.wButtons = pad.buttons;
    return ERROR_SUCCESS;
}
