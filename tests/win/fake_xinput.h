// Test double: XInputGetState linked into a test program in place of xinput1_3's, scripted by the test.
#pragma once

#include <windows.h>
#include <xinput.h>

#include <vector>

struct FakePadSlot {
    bool connected;
    WORD buttons;
    bool writesOnFailure;  // a failing call still scribbles A into the record
};

struct FakeXInputRecord {
    FakePadSlot slots[4] = {};
    std::vector<DWORD> polledSlots;  // every call's slot number, in order
    int callsBeforeEscape = -1;      // when it reaches 0, Escape is posted to escapeWindow
    HWND escapeWindow = nullptr;
};

extern FakeXInputRecord FakeXInput;
