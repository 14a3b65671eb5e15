// The message and frame loop: one message per pass, a frame whenever the queue is empty.
#pragma once

#include <windows.h>

// How long a pass sleeps while the device is lost, instead of a frame.
constexpr DWORD kLostDeviceWaitMs = 50;

// The exit status after the device failed for good.
constexpr WPARAM kExitDeviceFailed = 1;

// One idle pass: poll, drive step and frame; while the device is lost only a pause, so that the
// car does not drive on unseen. False when the device failed for good: the program must end.
bool RunFrame(HDC hdc);

// Called once after start-up (device made, drive reset); returns the quit message's exit code, or
// kExitDeviceFailed once the device has failed for good (its box shown).
WPARAM RunFrameLoop(HDC hdc);
