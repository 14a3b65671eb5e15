// Test support: every message box of the test thread is recorded and ended before it is shown
// (a thread CBT hook, installed as every program that links this loads).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// What a message box shows: caption, text, the control ids of its buttons
// (IDOK alone for MB_OK) and whether it carries an icon.
struct CapturedBox {
    std::wstring caption, text;
    std::vector<int> buttons;
    bool icon;
};

// The boxes seen since the last call, in order; clears the record.
std::vector<CapturedBox> TakeCapturedBoxes();

// A message box read once it is filled in (its text is the static control
// 0xFFFF); buttons and icon are those it keeps shown, in z order.
CapturedBox ReadBox(HWND box);

// The caption the system gives a box shown with a null caption.
std::wstring DefaultBoxCaption();
