// Failure messages for the user: Shift_JIS texts decoded explicitly and shown in a modal box.
#pragma once

#include <string>

// Decodes a null-terminated code page 932 byte string into UTF-16, independent
// of the user's ANSI code page. text must not be null.
std::wstring DecodeShiftJis(const char* text);

// Shows text in a modal MB_OK box with no owner and waits until it is dismissed.
// Both strings are Shift_JIS; a null caption gives the system's default caption,
// an empty one a blank title bar. Called from the program's one thread.
void ShowMessage(const char* text, const char* caption);
