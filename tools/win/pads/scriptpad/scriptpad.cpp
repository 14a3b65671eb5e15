// The scripted pad: an xinput1_3.dll whose controller 0 follows a button script,
// frame by frame, for unattended runs and screenshots of the demo.
//
// Placed beside vatrel.exe (under Wine also WINEDLLOVERRIDES=xinput1_3=n), it
// is loaded in place of the system's XInput. It is configured by environment
// variables, read once at the first call:
//
//   VATREL_PAD_SCRIPT  runs of frames, comma-separated: A<n> A held for n
//                      frames, -<n> released, X<n> unplugged (slot 0 reports
//                      not connected). Example: A26,-50. After the script,
//                      and when the variable is unset, A is released. A script
//                      that does not parse leaves the pad unplugged throughout
//                      and writes the reason to the log.
//   VATREL_PAD_FPS     frames per second to hold the program to (a stand-in
//                      for vertical retrace, which Xvfb lacks); unset or 0:
//                      no pacing.
//   VATREL_PAD_LOG     file to write one line per frame into:
//                      "<frame> <milliseconds since the first frame> <A|-|X>".
//
// A frame is one poll of slot 0 (the program polls each slot once per frame).
// Slots 1 to 3 are never connected. Single-threaded use, as the program polls.
#include <windows.h>
#include <xinput.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "button_script.h"
#include "pad_pacing.h"

namespace {

struct PadData {
    std::vector<ButtonRun> runs;
    bool script_ok;
    std::FILE* log;
    PacingData pacing;
    int64_t frame;  // polls of slot 0 so far
    DWORD packet;   // counts changes of the reported state
    WORD last_buttons;
    bool enabled;  // XInputEnable
};

std::string Environment(const char* name) {
    char value[4096];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

PadData LoadPad() {
    PadData pad{};
    pad.enabled = true;
    const std::string log_path = Environment("VATREL_PAD_LOG");
    if (!log_path.empty()) {
        pad.log = std::fopen(log_path.c_str(), "w");
    }
    std::string error;
    const std::string script = Environment("VATREL_PAD_SCRIPT");
    pad.script_ok = ParseButtonScript(script, ScriptGrammar::kHeldReleasedUnplugged, pad.runs, error);
    if (!pad.script_ok && pad.log != nullptr) {
        std::fprintf(pad.log, "script error: %s\n", error.c_str());
        std::fflush(pad.log);
    }
    pad.pacing.frames_per_second = std::atof(Environment("VATREL_PAD_FPS").c_str());
    return pad;
}

PadData g_pad;
bool g_pad_loaded = false;

// Read on the first call, not in DllMain, which must not open files.
PadData& Pad() {
    if (!g_pad_loaded) {
        g_pad = LoadPad();
        g_pad_loaded = true;
    }
    return g_pad;
}

bool Slot0Connected(const PadData& pad) {
    return pad.script_ok && StepAtFrame(pad.runs, pad.frame) != ButtonStep::kUnplugged;
}

char StepLetter(ButtonStep step) { return step == ButtonStep::kHeld ? 'A' : step == ButtonStep::kReleased ? '-' : 'X'; }

// One frame of slot 0: paced, logged, then reported.
DWORD PollSlot0(XINPUT_STATE* state) {
    PadData& pad = Pad();
    const int64_t frame = pad.frame++;
    const ButtonStep step = pad.script_ok ? StepAtFrame(pad.runs, frame) : ButtonStep::kUnplugged;
    PaceFrame(pad.pacing, frame);
    LogFrame(pad.log, frame, MillisecondsSinceStart(pad.pacing), StepLetter(step));
    if (step == ButtonStep::kUnplugged) {
        return ERROR_DEVICE_NOT_CONNECTED;
    }
    const WORD buttons = (step == ButtonStep::kHeld && pad.enabled) ? XINPUT_GAMEPAD_A : 0;
    if (buttons != pad.last_buttons) {
        ++pad.packet;
        pad.last_buttons = buttons;
    }
    ZeroMemory(state, sizeof *state);
    state->dwPacketNumber = pad.packet;
    state->Gamepad.wButtons = buttons;
    return ERROR_SUCCESS;
}

DWORD SlotStatus(DWORD slot) {
    if (slot >= XUSER_MAX_COUNT) {
        return ERROR_BAD_ARGUMENTS;
    }
    return slot == 0 && Slot0Connected(Pad()) ? ERROR_SUCCESS : ERROR_DEVICE_NOT_CONNECTED;
}

}  // namespace

extern "C" {

// Closes the frame log when the program unloads the pad.
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_DETACH && g_pad_loaded && g_pad.log != nullptr) {
        std::fclose(g_pad.log);
        g_pad.log = nullptr;
    }
    return TRUE;
}

DWORD WINAPI XInputGetState(DWORD slot, XINPUT_STATE* state) {
    if (slot >= XUSER_MAX_COUNT || state == nullptr) {
        return ERROR_BAD_ARGUMENTS;
    }
    return slot == 0 ? PollSlot0(state) : ERROR_DEVICE_NOT_CONNECTED;
}

// The undocumented variant some programs call (ordinal 100); the same here.
DWORD WINAPI XInputGetStateEx(DWORD slot, XINPUT_STATE* state) { return XInputGetState(slot, state); }

DWORD WINAPI XInputSetState(DWORD slot, XINPUT_VIBRATION* vibration) {
    return vibration == nullptr ? ERROR_BAD_ARGUMENTS : SlotStatus(slot);
}

DWORD WINAPI XInputGetCapabilities(DWORD slot, DWORD flags, XINPUT_CAPABILITIES* capabilities) {
    if (capabilities == nullptr || (flags != 0 && flags != XINPUT_FLAG_GAMEPAD)) {
        return ERROR_BAD_ARGUMENTS;
    }
    const DWORD status = SlotStatus(slot);
    if (status == ERROR_SUCCESS) {
        ZeroMemory(capabilities, sizeof *capabilities);
        capabilities->Type = XINPUT_DEVTYPE_GAMEPAD;
        capabilities->SubType = XINPUT_DEVSUBTYPE_GAMEPAD;
        capabilities->Gamepad.wButtons = XINPUT_GAMEPAD_A;
    }
    return status;
}

void WINAPI XInputEnable(BOOL enable) { Pad().enabled = enable != FALSE; }

DWORD WINAPI XInputGetBatteryInformation(DWORD slot, BYTE type, XINPUT_BATTERY_INFORMATION* battery) {
    if (battery == nullptr || type > BATTERY_DEVTYPE_HEADSET) {
        return ERROR_BAD_ARGUMENTS;
    }
    const DWORD status = SlotStatus(slot);
    if (status == ERROR_SUCCESS) {
        battery->BatteryType = BATTERY_TYPE_WIRED;
        battery->BatteryLevel = BATTERY_LEVEL_FULL;
    }
    return status;
}

DWORD WINAPI XInputGetKeystroke(DWORD slot, DWORD, XINPUT_KEYSTROKE* keystroke) {
    if (keystroke == nullptr) {
        return ERROR_BAD_ARGUMENTS;
    }
    const DWORD status = SlotStatus(slot);
    return status == ERROR_SUCCESS ? ERROR_EMPTY : status;
}

DWORD WINAPI XInputGetDSoundAudioDeviceGuids(DWORD slot, GUID* render, GUID* capture) {
    if (render == nullptr || capture == nullptr) {
        return ERROR_BAD_ARGUMENTS;
    }
    const DWORD status = SlotStatus(slot);
    if (status == ERROR_SUCCESS) {
        *render = GUID_NULL;
        *capture = GUID_NULL;
    }
    return status;
}

}  // extern "C"
