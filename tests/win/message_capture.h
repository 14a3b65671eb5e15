// Test support: every message box of the test thread is recorded and ended before it is shown.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct CapturedBox {
    std::wstring caption;
    std::wstring text;
};

// Installs the thread CBT hook (idempotent). Linked test programs call it from
// their environment set-up, so no box ever waits for a user.
void StartCapturingMessageBoxes();

// The boxes seen since the last call, in order; clears the record.
std::vector<CapturedBox> TakeCapturedBoxes();

// The caption and text (its static control 0xFFFF) of a message box.
CapturedBox ReadBox(HWND box);

// The caption the system gives a box shown with a null caption.
std::wstring DefaultBoxCaption();
