// The scripted pad DLL under Wine, loaded by path and polled as the program polls: its script, log and pacing.
#include <windows.h>
#include <xinput.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string BesideTest(const std::string& name) {
    char path[MAX_PATH] = {};
    const std::string exe(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return exe.substr(0, exe.find_last_of('\\') + 1) + name;
}

// Loads a fresh copy of the pad with `script`, `fps` and `log`, polls all four
// slots for `frames` frames and returns slot 0's as 'A' (held), '-' (released)
// or 'X' (not connected); '!' marks any other slot that answered.
std::string Poll(const char* script, const char* fps, const std::string& log, int frames) {
    SetEnvironmentVariableA("VATREL_PAD_SCRIPT", script);
    SetEnvironmentVariableA("VATREL_PAD_FPS", fps);
    SetEnvironmentVariableA("VATREL_PAD_LOG", log.c_str());
    HMODULE dll = LoadLibraryA(BesideTest("scriptpad\\xinput1_3.dll").c_str());
    using GetState = DWORD(WINAPI*)(DWORD, XINPUT_STATE*);
    auto get = reinterpret_cast<GetState>(reinterpret_cast<void*>(GetProcAddress(dll, "XInputGetState")));
    std::string steps;
    for (int frame = 0; get != nullptr && frame < frames; ++frame) {
        XINPUT_STATE state;
        FillMemory(&state, sizeof(state), 0xCD);
        const WORD buttons = get(0, &state) == ERROR_SUCCESS ? state.Gamepad.wButtons : WORD(0xFFFF);
        steps += buttons == XINPUT_GAMEPAD_A ? 'A' : buttons == 0 ? '-' : buttons == 0xFFFF ? 'X' : '?';
        for (DWORD slot = 1; slot < 4; ++slot) steps += get(slot, &state) == ERROR_DEVICE_NOT_CONNECTED ? "" : "!";
    }
    FreeLibrary(dll);
    return steps;
}

TEST(ScriptPad, FollowsItsScriptFrameByFrameLogsEachPacedToTheRateAndRefusesABadScript) {
    const std::string log = BesideTest("scriptpad_test.log");
    ASSERT_EQ(Poll("A2,-1,X2", "100", log, 7), "AA-XX--");
    std::ifstream lines(log);
    for (int frame = 0; frame < 7; ++frame) {
        int64_t number = -1;
        double ms = -1;
        char step = 0;
        lines >> number >> ms >> step;
        EXPECT_TRUE(number == frame && step == "AA-XX--"[frame]) << "frame " << frame << ": " << number << " " << step;
        // At 100 frames a second, frame n is not reported before n * 10 ms.
        EXPECT_GE(ms, frame * 10.0 - 0.5) << "frame " << frame << " came early";
    }
    const std::string badLog = BesideTest("scriptpad_bad.log");
    EXPECT_EQ(Poll("A5,B2", nullptr, badLog, 2), "XX") << "a script that does not parse unplugs the pad";
    std::ostringstream why;
    why << std::ifstream(badLog).rdbuf();
    EXPECT_NE(why.str().find("script error: run 2 'B2'"), std::string::npos) << why.str();
}

}  // namespace
