// The keyboard pad's XInput exports: every slot comes from the system's XInput,
// and slot 0 is always connected, with Space/Up added to its A button.
#include <windows.h>
#include <xinput.h>

#include "keyboard_accelerator.h"
#include "system_xinput.h"

namespace {

// XInputEnable(FALSE) silences the keyboard as it silences real controllers.
volatile LONG KeyboardEnabled = 1;
// Counts changes of the keyboard's A, so that the packet number moves when it does.
LONG KeyboardPackets = 0;
LONG LastKeyboardHeld = 0;

DWORD SystemGetState(DWORD user, XINPUT_STATE* state) {
    const SystemXInputData& xinput = SystemXInput();
    if (xinput.pGetState == nullptr) {
        return user < XUSER_MAX_COUNT ? ERROR_DEVICE_NOT_CONNECTED : ERROR_BAD_ARGUMENTS;
    }
    return xinput.pGetState(user, state);
}

// Slot 0: the system's controller 0 if there is one, else a neutral pad; then the keyboard's A.
DWORD KeyboardSlotState(XINPUT_STATE* state) {
    if (SystemGetState(0, state) != ERROR_SUCCESS) {
        ZeroMemory(state, sizeof(*state));
    }
    LONG held = (KeyboardEnabled != 0 && KeyboardAcceleratorHeld()) ? 1 : 0;
    if (InterlockedExchange(&LastKeyboardHeld, held) != held) {
        InterlockedIncrement(&KeyboardPackets);
    }
    state->dwPacketNumber += static_cast<DWORD>(KeyboardPackets);
    if (held != 0) {
        state->Gamepad.wButtons |= XINPUT_GAMEPAD_A;
    }
    return ERROR_SUCCESS;
}

}  // namespace

extern "C" {

DWORD WINAPI XInputGetState(DWORD user, XINPUT_STATE* state) {
    if (user != 0) {
        return SystemGetState(user, state);
    }
    if (state == nullptr) {
        return ERROR_BAD_ARGUMENTS;
    }
    return KeyboardSlotState(state);
}

// The ordinal-100 entry some programs ask for; the guide button is never pressed here.
DWORD WINAPI XInputGetStateEx(DWORD user, XINPUT_STATE* state) { return XInputGetState(user, state); }

DWORD WINAPI XInputSetState(DWORD user, XINPUT_VIBRATION* vibration) {
    const SystemXInputData& xinput = SystemXInput();
    if (xinput.pSetState != nullptr) {
        DWORD result = xinput.pSetState(user, vibration);
        // The keyboard has no motors; slot 0 stays usable without a controller.
        return (user == 0 && result == ERROR_DEVICE_NOT_CONNECTED) ? ERROR_SUCCESS : result;
    }
    return user == 0 ? ERROR_SUCCESS : ERROR_DEVICE_NOT_CONNECTED;
}

DWORD WINAPI XInputGetCapabilities(DWORD user, DWORD flags, XINPUT_CAPABILITIES* capabilities) {
    const SystemXInputData& xinput = SystemXInput();
    DWORD result = ERROR_DEVICE_NOT_CONNECTED;
    if (xinput.pGetCapabilities != nullptr) {
        result = xinput.pGetCapabilities(user, flags, capabilities);
    }
    if (user != 0 || result == ERROR_SUCCESS) {
        return result;
    }
    if (capabilities == nullptr) {
        return ERROR_BAD_ARGUMENTS;
    }
    // Without a controller, slot 0 is a gamepad whose only button is A.
    ZeroMemory(capabilities, sizeof(*capabilities));
    capabilities->Type = XINPUT_DEVTYPE_GAMEPAD;
    capabilities->SubType = XINPUT_DEVSUBTYPE_GAMEPAD;
    capabilities->Gamepad.wButtons = XINPUT_GAMEPAD_A;
    return ERROR_SUCCESS;
}

void WINAPI XInputEnable(BOOL enable) {
    InterlockedExchange(&KeyboardEnabled, enable ? 1 : 0);
    const SystemXInputData& xinput = SystemXInput();
    if (xinput.pEnable != nullptr) {
        xinput.pEnable(enable);
    }
}

DWORD WINAPI XInputGetBatteryInformation(DWORD user, BYTE device_type, XINPUT_BATTERY_INFORMATION* battery) {
    const SystemXInputData& xinput = SystemXInput();
    if (xinput.pGetBatteryInformation == nullptr) {
        return ERROR_DEVICE_NOT_CONNECTED;
    }
    return xinput.pGetBatteryInformation(user, device_type, battery);
}

DWORD WINAPI XInputGetKeystroke(DWORD user, DWORD reserved, XINPUT_KEYSTROKE* keystroke) {
    const SystemXInputData& xinput = SystemXInput();
    if (xinput.pGetKeystroke == nullptr) {
        return ERROR_DEVICE_NOT_CONNECTED;
    }
    return xinput.pGetKeystroke(user, reserved, keystroke);
}

// Direct sound devices are not known for the keyboard; xinput1_4 no longer has this call.
DWORD WINAPI XInputGetDSoundAudioDeviceGuids(DWORD, GUID* render_guid, GUID* capture_guid) {
    if (render_guid != nullptr) {
        ZeroMemory(render_guid, sizeof(*render_guid));
    }
    if (capture_guid != nullptr) {
        ZeroMemory(capture_guid, sizeof(*capture_guid));
    }
    return ERROR_DEVICE_NOT_CONNECTED;
}

}  // extern "C"
