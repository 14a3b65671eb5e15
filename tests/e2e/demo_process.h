// Test support: vatrel.exe (or the bare program) started as a child process in
// a run folder, its window and message boxes found from outside, and its end.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

struct DemoProcess {
    PROCESS_INFORMATION process;  // zero when the start failed
};

// Starts <folder>\<exe> with `folder` as its current directory; `environment`
// holds NAME=value pairs set for the child only (the rest is inherited).
DemoProcess StartDemo(const std::string& exe, const std::string& folder,
                      const std::vector<std::pair<std::string, std::string>>& environment);

// The child's visible top-level window of class `window_class`, waiting up to
// `timeout_ms` for it; null if none appeared.
HWND WaitForDemoWindow(const DemoProcess& demo, const char* window_class, DWORD timeout_ms);

// Waits up to `timeout_ms` for the child to end. Returns its exit code, or -1
// if it was still running: then it is terminated, so that no test leaves it behind.
long WaitForDemoExit(DemoProcess& demo, DWORD timeout_ms);

// Terminates the child if it still runs and closes its handles; safe to repeat.
void EndDemo(DemoProcess& demo);

struct SeenBox {
    std::wstring caption;
    std::wstring text;
};

// Waits up to `timeout_ms` for a message box (dialog class "#32770") of the
// child, reads its caption and text, and dismisses it with OK. Returns false
// when none appeared in time.
bool TakeDemoBox(const DemoProcess& demo, DWORD timeout_ms, SeenBox& box);
