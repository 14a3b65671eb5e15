// Test support: message boxes found by a thread CBT hook, recorded, and ended before they are shown.
#include "message_capture.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

HHOOK hook = nullptr;
std::vector<CapturedBox> captured;

std::wstring WindowText(HWND hWnd) {
    wchar_t buffer[512] = {};
    GetWindowTextW(hWnd, buffer, 512);
    return buffer;
}

std::wstring ClassOf(HWND hWnd) {
    wchar_t buffer[256] = {};
    GetClassNameW(hWnd, buffer, 256);
    return buffer;
}

// The message text is the one static control of the box that holds text.
BOOL CALLBACK CollectStaticText(HWND child, LPARAM lParam) {
    auto* text = reinterpret_cast<std::wstring*>(lParam);
    if (_wcsicmp(ClassOf(child).c_str(), L"Static") == 0) *text += WindowText(child);
    return TRUE;
}

WNDPROC boxProcedure = nullptr;

// Reads the box once its dialog set-up has filled it in, then ends it before
// it is ever shown.
LRESULT CALLBACK BoxProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(boxProcedure, hWnd, message, wParam, lParam);
    if (message == WM_INITDIALOG) {
        CapturedBox box{ClassOf(hWnd), WindowText(hWnd), L""};
        EnumChildWindows(hWnd, CollectStaticText, reinterpret_cast<LPARAM>(&box.text));
        captured.push_back(box);
        EndDialog(hWnd, IDOK);
    }
    return result;
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (ClassOf(hWnd) == L"#32770") {
            boxProcedure = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BoxProc)));
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

struct CaptureEnvironment : ::testing::Environment {
    void SetUp() override { StartCapturingMessageBoxes(); }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new CaptureEnvironment);

}  // namespace

void StartCapturingMessageBoxes() {
    if (hook == nullptr) hook = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

std::vector<CapturedBox> TakeCapturedBoxes() {
    std::vector<CapturedBox> boxes;
    boxes.swap(captured);
    return boxes;
}

std::wstring DefaultBoxCaption() {
    MessageBoxW(nullptr, L"probe", nullptr, MB_OK);
    const std::vector<CapturedBox> boxes = TakeCapturedBoxes();
    return boxes.empty() ? L"<no box>" : boxes.back().caption;
}
