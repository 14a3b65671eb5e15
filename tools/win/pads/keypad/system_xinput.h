// The system's XInput, loaded by full path from the system directory so that
// this DLL (itself named xinput1_3.dll) is never found again in its place.
#pragma once

#include <windows.h>
#include <xinput.h>

typedef DWORD(WINAPI* XInputGetStateFn)(DWORD, XINPUT_STATE*);
typedef DWORD(WINAPI* XInputSetStateFn)(DWORD, XINPUT_VIBRATION*);
typedef DWORD(WINAPI* XInputGetCapabilitiesFn)(DWORD, DWORD, XINPUT_CAPABILITIES*);
typedef void(WINAPI* XInputEnableFn)(BOOL);
typedef DWORD(WINAPI* XInputGetBatteryInformationFn)(DWORD, BYTE, XINPUT_BATTERY_INFORMATION*);
typedef DWORD(WINAPI* XInputGetKeystrokeFn)(DWORD, DWORD, XINPUT_KEYSTROKE*);

// Entry points of the system's XInput; any of them may be null when the system
// has no XInput or lacks that function.
struct SystemXInputData {
    XInputGetStateFn pGetState;
    XInputSetStateFn pSetState;
    XInputGetCapabilitiesFn pGetCapabilities;
    XInputEnableFn pEnable;
    XInputGetBatteryInformationFn pGetBatteryInformation;
    XInputGetKeystrokeFn pGetKeystroke;
};

// The entry points of xinput1_4.dll (else xinput9_1_0.dll), loaded on the first call from any
// polling thread and kept for the life of the process.
const SystemXInputData& SystemXInput();
