// Test support: vatrel.exe run from a folder of its own, watched from outside: its window, boxes, frames, screen.
#pragma once

#include <windows.h>

#include <tlhelp32.h>  // after windows.h, which it needs

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>

#include "message_capture.h"
#include "overlay_match.h"

// Generous bound for a slow machine: a wait that exceeds it fails.
constexpr DWORD kSlowMs = 60000;

// The plate from `last` down to `first` whose ten lines an overlay capture shows; -1 when none.
inline int PlateShown(const Pixels& shown, int first, int last) {
    for (int plate = last; plate >= first; --plate) {
        if (MatchingLines(shown, OverlayAfter(plate)) == kOverlayLineCount) return plate;
    }
    return -1;
}

struct DemoRun {
    std::string bin = [] {
        char path[MAX_PATH] = {};
        const std::string exe(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
        return exe.substr(0, exe.find_last_of('\\') + 1);
    }();
    std::string folder;
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;

    // The d3d9.dll under test (a Windows path), placed beside the exe; null: Wine's own.
    const char* d3d9 = std::getenv("VATREL_D3D9");

    // Fills bin\e2e_runs\<name>\ with vatrel.exe, the models, their textures, the d3d9.dll under
    // test if any and, unless `pad` is null, bin\<pad>\xinput1_3.dll.
    DemoRun(const std::string& name, const char* pad) : folder(bin + "e2e_runs\\" + name + "\\") {
        for (const std::string& dir : {bin + "e2e_runs", folder}) CreateDirectoryA(dir.c_str(), nullptr);
        // Every other file is copied afresh. A d3d9.dll copied from a read-only file is read-only, and undeletable.
        for (const char* stale : {"pad.log", "d3d9.dll"}) {
            SetFileAttributesA((folder + stale).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA((folder + stale).c_str());
        }
        if (d3d9 != nullptr) CopyFileA(d3d9, (folder + "d3d9.dll").c_str(), FALSE);
        for (const char* pattern : {"vatrel.exe", "*.x", "*.bmp"}) {
            WIN32_FIND_DATAA found;
            HANDLE search = FindFirstFileA((bin + pattern).c_str(), &found);
            for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
                CopyFileA((bin + found.cFileName).c_str(), (folder + found.cFileName).c_str(), FALSE);
            FindClose(search);
        }
        if (pad != nullptr)
            CopyFileA((bin + pad + "\\xinput1_3.dll").c_str(), (folder + "xinput1_3.dll").c_str(), FALSE);
    }

    ~DemoRun() {
        if (process.hProcess == nullptr) return;
        TerminateProcess(process.hProcess, 99);  // no effect once it has ended
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }

    // Starts the program (inheriting WINEDLLOVERRIDES from the test's own start, where Wine reads it) and
    // waits for its visible window of class "Vatrel", kept above other windows for captures. The scripted
    // pad reads `script`, holds the frames to `fps` a second unless it is 0, and logs each frame to pad.log.
    bool Start(const std::string& script = "", int fps = 0) {
        if (!Launch(script, fps)) return false;
        window = WaitForWindowOf("Vatrel", kSlowMs);
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        // Which Direct3D 9 the program runs on, said in the output; the one beside it exactly when one is under test.
        HANDLE modules = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process.dwProcessId);
        MODULEENTRY32 module = {};
        module.dwSize = sizeof(module);
        bool more = Module32First(modules, &module);
        while (more && lstrcmpiA(module.szModule, "d3d9.dll") != 0) more = Module32Next(modules, &module);
        CloseHandle(modules);
        std::printf("vatrel.exe runs on %s\n", more ? module.szExePath : "no d3d9.dll");
        return window != nullptr &&
               (more && lstrcmpiA(module.szExePath, (folder + "d3d9.dll").c_str()) == 0) == (d3d9 != nullptr);
    }

    // Starts the program as Start does, without waiting for anything; from a copy named `exe` if given.
    bool Launch(const std::string& script = "", int fps = 0, const std::string& exe = "vatrel.exe") {
        SetEnvironmentVariableA("VATREL_PAD_SCRIPT", script.c_str());
        SetEnvironmentVariableA("VATREL_PAD_FPS", fps ? std::to_string(fps).c_str() : nullptr);
        SetEnvironmentVariableA("VATREL_PAD_LOG", "pad.log");
        if (exe != "vatrel.exe") CopyFileA((folder + "vatrel.exe").c_str(), (folder + exe).c_str(), FALSE);
        std::string command = "\"" + folder + exe + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                              &process);
    }

    // Waits up to timeout for a message box of the program, reads it and dismisses it with OK.
    bool TakeBox(DWORD timeout, CapturedBox& box) {
        HWND dialog = WaitForWindowOf("#32770", timeout);
        if (dialog == nullptr) return false;
        box = ReadBox(dialog);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        for (int tries = 0; IsWindow(dialog) && tries < 500; ++tries) Sleep(20);  // gone before the next search
        return true;
    }

    int FramesLogged() const {
        return int(std::count(std::istreambuf_iterator<char>(std::ifstream(folder + "pad.log").rdbuf()), {}, '\n'));
    }

    // Waits until the scripted pad has logged `frames` frames; fails after kSlowMs without a frame.
    bool WaitForFrames(int frames) {
        ULONGLONG lastProgress = GetTickCount64();
        for (int seen = FramesLogged(); seen < frames;) {
            Sleep(100);
            const int now = FramesLogged();
            if (now > seen) lastProgress = GetTickCount64();
            seen = std::max(seen, now);
            if (GetTickCount64() - lastProgress > kSlowMs) return false;
        }
        return true;
    }

    // The client area on the screen from row `top`: the overlay's width and `height` rows, or all below with 0.
    Pixels Capture(int top, int height) {
        RECT client = {};
        GetClientRect(window, &client);
        POINT origin = {0, top};
        ClientToScreen(window, &origin);
        return CaptureScreen(origin.x, origin.y, height ? kOverlayWidth : client.right,
                             height ? height : client.bottom - top);
    }

    // What `grab` returns once the picture stands still: grabs are taken until two agree with at least
    // two frames presented between them (by the scripted pad's log; 200 ms without it), so that neither
    // a present half done nor a frame slower than a fixed pause (a busy machine) passes for it; empty
    // when none agree within kSlowMs.
    template <typename Grab>
    Pixels Steady(Grab grab) {
        Pixels last = grab();
        for (const ULONGLONG deadline = GetTickCount64() + kSlowMs; GetTickCount64() < deadline;) {
            const int frames = FramesLogged();
            if (frames == 0) Sleep(200);
            if (frames > 0 && !WaitForFrames(frames + 2)) return {};
            Pixels next = grab();
            if (next == last) return next;
            last = std::move(next);
        }
        return {};
    }

    // The most lines matched at once by captures of the overlay until all match or timeout passes.
    int WaitForOverlay(const OverlayLines& lines, DWORD timeout) {
        int best = 0;
        for (const ULONGLONG deadline = GetTickCount64() + timeout;
             best < kOverlayLineCount && GetTickCount64() < deadline;)
            best = std::max(best, MatchingLines(Capture(0, kOverlayHeight), lines));
        return best;
    }

    int32_t Exit(bool escape = false) {
        if (escape) PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        DWORD code = DWORD(-1);
        if (WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
        return int32_t(code);
    }

    // The program's visible top-level window of the class, waiting up to timeout; null if none came.
    HWND WaitForWindowOf(const char* windowClass, DWORD timeout) const {
        for (const ULONGLONG deadline = GetTickCount64() + timeout;; Sleep(20)) {
            for (HWND w = FindWindowExA(nullptr, nullptr, windowClass, nullptr); w;
                 w = FindWindowExA(nullptr, w, windowClass, nullptr)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == process.dwProcessId && IsWindowVisible(w)) return w;
            }
            if (GetTickCount64() > deadline) return nullptr;
        }
    }
};
