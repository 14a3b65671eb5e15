// The message and frame loop: one message per pass, a frame whenever the queue is empty.
#pragma once

#include <windows.h>

// How long a pass sleeps while the device is lost, instead of a frame.
constexpr DWORD kLostDeviceWaitMs = 50;

// One idle pass: poll, drive step and frame; while the device is lost only a pause, so that the
// car does not drive on unseen.
void RunFrame(HDC hdc);

// Called once after start-up (device made, drive reset); returns the quit message's exit code.
WPARAM RunFrameLoop(HDC hdc);
