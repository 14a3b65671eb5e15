// Test support: every message box of the test thread is recorded and ended before it is shown
// (a thread CBT hook, installed by a test environment of every program that links this).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct CapturedBox {
    std::wstring caption;
    std::wstring text;
};

// The boxes seen since the last call, in order; clears the record.
std::vector<CapturedBox> TakeCapturedBoxes();

// The caption and text (its static control 0xFFFF) of a message box.
CapturedBox ReadBox(HWND box);

// The caption the system gives a box shown with a null caption.
std::wstring DefaultBoxCaption();
