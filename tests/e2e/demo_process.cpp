// Child processes for the end-to-end tests: start, windows, boxes, end.
#include "demo_process.h"

namespace {

constexpr DWORD kPollMs = 20;

struct WindowSearch {
    DWORD process_id;
    const char* window_class;
    bool visible_only;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char window_class[64] = {};
    GetClassNameA(window, window_class, sizeof(window_class));
    if (owner == search->process_id && lstrcmpA(window_class, search->window_class) == 0 &&
        (!search->visible_only || IsWindowVisible(window))) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindChildWindow(DWORD process_id, const char* window_class, bool visible_only) {
    WindowSearch search = {process_id, window_class, visible_only, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

}  // namespace

DemoProcess StartDemo(const std::string& exe, const std::string& folder,
                      const std::vector<std::pair<std::string, std::string>>& environment) {
    // Set in this process while the child starts, so that it inherits them, then put back.
    std::vector<std::pair<std::string, std::string>> saved;
    for (const auto& variable : environment) {
        char value[4096];
        DWORD length = GetEnvironmentVariableA(variable.first.c_str(), value, sizeof(value));
        saved.emplace_back(variable.first, length > 0 && length < sizeof(value) ? value : "");
        SetEnvironmentVariableA(variable.first.c_str(), variable.second.c_str());
    }
    std::string command = "\"" + folder + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    DemoProcess demo = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &demo.process)) {
        demo.process = PROCESS_INFORMATION{};
    }
    for (const auto& variable : saved) {
        SetEnvironmentVariableA(variable.first.c_str(),
                                variable.second.empty() ? nullptr : variable.second.c_str());
    }
    return demo;
}

HWND WaitForDemoWindow(const DemoProcess& demo, const char* window_class, DWORD timeout_ms) {
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    do {
        HWND window = FindChildWindow(demo.process.dwProcessId, window_class, true);
        if (window != nullptr) {
            return window;
        }
        Sleep(kPollMs);
    } while (GetTickCount64() < deadline);
    return nullptr;
}

long WaitForDemoExit(DemoProcess& demo, DWORD timeout_ms) {
    if (demo.process.hProcess == nullptr) {
        return -1;
    }
    if (WaitForSingleObject(demo.process.hProcess, timeout_ms) != WAIT_OBJECT_0) {
        EndDemo(demo);
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(demo.process.hProcess, &code);
    EndDemo(demo);
    return static_cast<long>(code);
}

void EndDemo(DemoProcess& demo) {
    if (demo.process.hProcess != nullptr) {
        if (WaitForSingleObject(demo.process.hProcess, 0) != WAIT_OBJECT_0) {
            TerminateProcess(demo.process.hProcess, 99);
            WaitForSingleObject(demo.process.hProcess, 5000);
        }
        CloseHandle(demo.process.hProcess);
        CloseHandle(demo.process.hThread);
    }
    demo.process = PROCESS_INFORMATION{};
}

bool TakeDemoBox(const DemoProcess& demo, DWORD timeout_ms, SeenBox& box) {
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    HWND dialog = nullptr;
    while ((dialog = FindChildWindow(demo.process.dwProcessId, "#32770", true)) == nullptr) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(kPollMs);
    }
    box.caption = WindowText(dialog);
    // The text of a message box is its static control 0xFFFF.
    HWND text = GetDlgItem(dialog, 0xFFFF);
    box.text = text != nullptr ? WindowText(text) : std::wstring();
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    // Wait until this box is gone, so that the next search cannot find it again.
    while (IsWindow(dialog) && GetTickCount64() < deadline + 5000) {
        Sleep(kPollMs);
    }
    return true;
}

