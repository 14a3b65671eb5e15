// The real vatrel.exe under Wine: window placement, frames with the overlay on screen, Escape and closing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_files.h"

namespace {

// Generous bounds for a slow machine; a run that exceeds them fails and is ended.
constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 30000;

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "vatrel.exe";
}

struct Running {
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;
};

struct FindArgs {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam) {
    auto* args = reinterpret_cast<FindArgs*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hWnd, &owner);
    char className[64] = {};
    char title[64] = {};
    GetClassNameA(hWnd, className, sizeof(className));
    GetWindowTextA(hWnd, title, sizeof(title));
    if (owner == args->processId && std::string(className) == "Vatrel" && std::string(title) == "Vatrel" &&
        IsWindowVisible(hWnd)) {
        args->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

// Starts vatrel.exe in the current directory and waits for its visible window.
Running Start() {
    Running run;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    std::string path = ProgramPath();
    if (!CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &run.process)) {
        ADD_FAILURE() << "cannot start " << path;
        return run;
    }
    for (DWORD waited = 0; waited < kStartTimeoutMs && run.window == nullptr; waited += 50) {
        FindArgs args{run.process.dwProcessId, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&args));
        run.window = args.found;
        if (run.window == nullptr && WaitForSingleObject(run.process.hProcess, 50) == WAIT_OBJECT_0) break;
    }
    return run;
}

// Waits for the program to end; ends it by its handle when it does not.
DWORD WaitForExit(Running* run) {
    DWORD code = 0xFFFFFFFF;
    if (WaitForSingleObject(run->process.hProcess, kExitTimeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "vatrel.exe did not end";
        TerminateProcess(run->process.hProcess, 99);
        WaitForSingleObject(run->process.hProcess, kExitTimeoutMs);
    }
    GetExitCodeProcess(run->process.hProcess, &code);
    CloseHandle(run->process.hThread);
    CloseHandle(run->process.hProcess);
    return code;
}

// 32-bit top-down pixels of a width x height area, drawn by `draw` into a memory DC.
template <typename Draw>
std::vector<DWORD> Capture(int width, int height, Draw draw) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    draw(memory, screen);
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    std::vector<DWORD> result(pixels, pixels + static_cast<size_t>(width) * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return result;
}

constexpr int kOverlayWidth = 160;
constexpr int kOverlayHeight = 180;
const char* const kStandingLines[10] = {
    "wx = -4000",       "wy = 13000",       "wz = 0",           "vect_x = 0",         "vect_y = 0",
    "vect_z = 0",       "fPosX = 4.000000", "fPosY = 0.000000", "fPosZ = -13.000000", "plate_pos = 0",
};

// The ten lines of the car standing at its start, as GDI draws them with a
// fresh DC's font and colours, over the frame's grey.
std::vector<DWORD> ExpectedOverlay() {
    return Capture(kOverlayWidth, kOverlayHeight, [](HDC memory, HDC) {
        RECT all = {0, 0, kOverlayWidth, kOverlayHeight};
        HBRUSH grey = CreateSolidBrush(RGB(100, 100, 100));
        FillRect(memory, &all, grey);
        DeleteObject(grey);
        for (int i = 0; i < 10; ++i) TextOutA(memory, 0, i * 18, kStandingLines[i], lstrlenA(kStandingLines[i]));
    });
}

bool IsNear(DWORD shown, DWORD want) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = static_cast<int>((shown >> shift) & 0xFF);
        const int b = static_cast<int>((want >> shift) & 0xFF);
        if (a - b > 0x30 || b - a > 0x30) return false;
    }
    return true;
}

// The lines' cells (text on its opaque background) are on screen as expected:
// every pixel that GDI draws white or black there is shown (nearly) so. Edge
// pixels in between are left out: their smoothing depends on the target.
bool LinesMatch(const std::vector<DWORD>& shown, const std::vector<DWORD>& expected) {
    size_t compared = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
        const DWORD want = expected[i] & 0xFFFFFF;
        if (want != 0xFFFFFF && want != 0x000000) continue;
        ++compared;
        if (!IsNear(shown[i], want)) return false;
    }
    return compared > 0;
}

std::vector<DWORD> ScreenAt(POINT origin, int width, int height) {
    return Capture(width, height, [&](HDC memory, HDC screen) {
        BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    });
}

// Polls `seen` until it holds or the start timeout has passed.
template <typename Seen>
bool SeenWithin(Seen seen) {
    for (DWORD waited = 0; waited < kStartTimeoutMs; waited += 20) {
        if (seen()) return true;
        Sleep(20);
    }
    return false;
}

}  // namespace

TEST(VatrelProgram, ShowsItsWindowAndOverlayAndEndsOnEscape) {
    EnterFreshFolder();
    WriteDemoModels();
    Running run = Start();
    ASSERT_NE(run.window, nullptr) << "no visible window \"Vatrel\"";

    RECT rect;
    GetWindowRect(run.window, &rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 100);
    EXPECT_EQ(rect.right - rect.left, 800);
    EXPECT_EQ(rect.bottom - rect.top, 600);

    // Frames keep running: the overlay is written over every presented frame
    // and the frame around it is the cleared grey. Screen reads catch the
    // window between present and text now and then, so each is retried.
    POINT origin = {0, 0};
    ClientToScreen(run.window, &origin);
    const std::vector<DWORD> expected = ExpectedOverlay();
    EXPECT_TRUE(SeenWithin([&] { return LinesMatch(ScreenAt(origin, kOverlayWidth, kOverlayHeight), expected); }))
        << "the ten lines are not on screen as GDI draws them";
    const POINT farCorner = {origin.x + 700, origin.y + 20};
    EXPECT_TRUE(SeenWithin([&] { return (ScreenAt(farCorner, 1, 1)[0] & 0xFFFFFF) == 0x646464u; }))
        << "no grey frame";

    PostMessageA(run.window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(WaitForExit(&run), 0u);
}

TEST(VatrelProgram, EndsWithExitCodeZeroWhenItsWindowIsClosed) {
    EnterFreshFolder();
    WriteDemoModels();
    Running run = Start();
    ASSERT_NE(run.window, nullptr);
    PostMessageA(run.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(&run), 0u);
}
