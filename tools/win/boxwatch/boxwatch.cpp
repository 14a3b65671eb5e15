// boxwatch: for unattended runs on a display nobody sees. Every 100 ms it looks
// for message boxes (dialog class "#32770") of any process in the Wine prefix,
// writes "<caption>: <text>" as one UTF-8 line to standard output, flushes, and
// dismisses the box with OK, so that no program waits for a click that never
// comes. Runs until it is ended; its caller decides what a box means.
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return std::string();
    }
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], size, nullptr, nullptr);
    utf8.resize(static_cast<size_t>(size) - 1);
    return utf8;
}

// One line: newlines inside a box's text become " / ".
std::string OneLine(std::string text) {
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at)) {
        text.replace(at, 1, " / ");
    }
    for (size_t at = text.find('\r'); at != std::string::npos; at = text.find('\r', at)) {
        text.erase(at, 1);
    }
    return text;
}

// Boxes already reported; one still closing is dismissed again but not reported twice.
std::set<HWND> Reported;

BOOL CALLBACK ReportBox(HWND window, LPARAM) {
    wchar_t window_class[16] = {};
    GetClassNameW(window, window_class, 16);
    if (lstrcmpW(window_class, L"#32770") != 0 || !IsWindowVisible(window)) {
        return TRUE;
    }
    if (!Reported.insert(window).second) {
        PostMessageW(window, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
    wchar_t caption[512] = {};
    wchar_t text[2048] = {};
    GetWindowTextW(window, caption, 512);
    // A message box's text is its static control 0xFFFF.
    HWND label = GetDlgItem(window, 0xFFFF);
    if (label != nullptr) {
        GetWindowTextW(label, text, 2048);
    }
    std::printf("%s: %s\n", Utf8(caption).c_str(), OneLine(Utf8(text)).c_str());
    std::fflush(stdout);
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

}  // namespace

int main() {
    for (;;) {
        EnumWindows(ReportBox, 0);
        Sleep(100);
    }
}
