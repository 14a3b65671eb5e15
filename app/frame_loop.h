// The message and frame loop: one message per pass, a frame whenever the queue is empty.
#pragma once

#include <windows.h>

// How long a pass sleeps while the device is lost, instead of a frame.
constexpr DWORD kLostDeviceWaitMs = 50;

// One idle pass. While the device is lost (and cannot yet be reset) sleeps
// kLostDeviceWaitMs and does nothing else: no poll, no drive step, no drawing.
// Otherwise polls the pads, advances the drive by slot 0's buttons and renders
// onto hdc.
void RunFrame(HDC hdc);

// Runs until the quit message has been taken; returns its wParam (the exit
// code). pd3dDevice must exist and the drive state be reset.
WPARAM RunFrameLoop(HDC hdc);
