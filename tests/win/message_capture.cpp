#include "message_capture.h"

namespace {

WNDPROC boxProcedure = nullptr;
std::vector<CapturedBox> captured;

LRESULT CALLBACK BoxProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(boxProcedure, hWnd, message, wParam, lParam);
    if (message == WM_INITDIALOG) {
        captured.push_back(ReadBox(hWnd));
        EndDialog(hWnd, IDOK);
    }
    return result;
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    wchar_t windowClass[8] = {};
    if (code == HCBT_CREATEWND && GetClassNameW(hWnd, windowClass, 8) && lstrcmpW(windowClass, L"#32770") == 0) {
        boxProcedure =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BoxProc)));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Installed as the program loads, before any test of it runs, so no box ever waits for a user.
const HHOOK hook = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());

}  // namespace

std::vector<CapturedBox> TakeCapturedBoxes() { return std::move(captured); }

CapturedBox ReadBox(HWND box) {
    wchar_t caption[512] = {}, text[512] = {};
    GetWindowTextW(box, caption, 512);
    GetWindowTextW(GetDlgItem(box, 0xFFFF), text, 512);
    CapturedBox read = {caption, text, {}, false};
    // The box hides the controls its style leaves out; it may not be shown itself yet, so the
    // children's own WS_VISIBLE counts, not IsWindowVisible.
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        wchar_t childClass[16] = {};
        GetClassNameW(child, childClass, 16);
        if (!(style & WS_VISIBLE)) continue;
        if (lstrcmpiW(childClass, L"Button") == 0) read.buttons.push_back(GetDlgCtrlID(child));
        read.icon |= lstrcmpiW(childClass, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
                     SendMessageW(child, STM_GETICON, 0, 0) != 0;
    }
    return read;
}

std::wstring DefaultBoxCaption() {
    MessageBoxW(nullptr, L"probe", nullptr, MB_OK);
    const std::vector<CapturedBox> boxes = TakeCapturedBoxes();
    return boxes.empty() ? L"<no box>" : boxes.back().caption;
}
