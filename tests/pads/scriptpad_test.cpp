// The scripted pad DLL under Wine, loaded as the program would load it and polled frame by frame.
#include <windows.h>
#include <xinput.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

typedef DWORD(WINAPI* GetStateFn)(DWORD, XINPUT_STATE*);
typedef DWORD(WINAPI* GetCapabilitiesFn)(DWORD, DWORD, XINPUT_CAPABILITIES*);
typedef void(WINAPI* EnableFn)(BOOL);

std::string BesideTest(const char* name)
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

class ScriptPad : public ::testing::Test {
protected:
    HMODULE dll = nullptr;
    GetStateFn get_state = nullptr;

    // Sets the pad's environment and loads a fresh copy of the DLL.
    void Load(const char* script, const char* fps, const char* log)
    {
        SetEnvironmentVariableA("VATREL_PAD_SCRIPT", script);
        SetEnvironmentVariableA("VATREL_PAD_FPS", fps);
        SetEnvironmentVariableA("VATREL_PAD_LOG", log);
        dll = LoadLibraryA(BesideTest("scriptpad\\xinput1_3.dll").c_str());
        ASSERT_NE(dll, nullptr);
        get_state = reinterpret_cast<GetStateFn>(reinterpret_cast<void*>(GetProcAddress(dll, "XInputGetState")));
        ASSERT_NE(get_state, nullptr);
    }

    template <typename Fn>
    Fn Entry(const char* name)
    {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
    }

    void TearDown() override
    {
        if (dll != nullptr) {
            FreeLibrary(dll);
        }
    }

    // One frame as the program polls: all four slots, returns slot 0's result.
    DWORD Frame(XINPUT_STATE& slot0)
    {
        const DWORD result = get_state(0, &slot0);
        for (DWORD slot = 1; slot < 4; ++slot) {
            XINPUT_STATE other{};
            EXPECT_EQ(get_state(slot, &other), static_cast<DWORD>(ERROR_DEVICE_NOT_CONNECTED));
        }
        return result;
    }
};

TEST_F(ScriptPad, FollowsTheScriptFrameByFrame)
{
    Load("A3,-2,X2", nullptr, nullptr);
    const char* expected = "AAA--XX--";
    DWORD last_packet = 0;
    for (int frame = 0; expected[frame] != '\0'; ++frame) {
        XINPUT_STATE state{};
        state.Gamepad.wButtons = 0xFFFF;
        const DWORD result = Frame(state);
        if (expected[frame] == 'X') {
            EXPECT_EQ(result, static_cast<DWORD>(ERROR_DEVICE_NOT_CONNECTED)) << "frame " << frame;
            continue;
        }
        ASSERT_EQ(result, static_cast<DWORD>(ERROR_SUCCESS)) << "frame " << frame;
        EXPECT_EQ(state.Gamepad.wButtons, expected[frame] == 'A' ? XINPUT_GAMEPAD_A : 0) << "frame " << frame;
        EXPECT_EQ(state.Gamepad.bLeftTrigger | state.Gamepad.sThumbLX, 0) << "frame " << frame;
        if (frame > 0 && expected[frame] != expected[frame - 1] && expected[frame - 1] != 'X') {
            EXPECT_NE(state.dwPacketNumber, last_packet) << "a change keeps its packet number, frame " << frame;
        }
        last_packet = state.dwPacketNumber;
    }
    EXPECT_NE(GetProcAddress(dll, MAKEINTRESOURCEA(100)), nullptr) << "ordinal 100 (XInputGetStateEx)";
    for (const char* name : {"XInputSetState", "XInputGetCapabilities", "XInputEnable", "XInputGetBatteryInformation",
                             "XInputGetKeystroke", "XInputGetDSoundAudioDeviceGuids"}) {
        EXPECT_NE(GetProcAddress(dll, name), nullptr) << name;
    }
}

TEST_F(ScriptPad, CapabilitiesAndEnableFollowTheScript)
{
    Load("X1,A3", nullptr, nullptr);
    auto capabilities = Entry<GetCapabilitiesFn>("XInputGetCapabilities");
    auto enable = Entry<EnableFn>("XInputEnable");
    XINPUT_CAPABILITIES caps{};
    EXPECT_EQ(capabilities(0, 0, &caps), static_cast<DWORD>(ERROR_DEVICE_NOT_CONNECTED)) << "unplugged at first";
    XINPUT_STATE state{};
    EXPECT_EQ(Frame(state), static_cast<DWORD>(ERROR_DEVICE_NOT_CONNECTED));
    ASSERT_EQ(capabilities(0, XINPUT_FLAG_GAMEPAD, &caps), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(caps.Type, XINPUT_DEVTYPE_GAMEPAD);
    EXPECT_EQ(capabilities(1, 0, &caps), static_cast<DWORD>(ERROR_DEVICE_NOT_CONNECTED));
    EXPECT_EQ(get_state(4, &state), static_cast<DWORD>(ERROR_BAD_ARGUMENTS));
    enable(FALSE);
    ASSERT_EQ(Frame(state), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(state.Gamepad.wButtons, 0) << "disabled: neutral state, the frame still counts";
    enable(TRUE);
    ASSERT_EQ(Frame(state), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(state.Gamepad.wButtons, XINPUT_GAMEPAD_A);
    ASSERT_EQ(Frame(state), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(state.Gamepad.wButtons, XINPUT_GAMEPAD_A);
    ASSERT_EQ(Frame(state), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(state.Gamepad.wButtons, 0) << "script over after frame 4";
}

std::vector<std::string> ReadLines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST_F(ScriptPad, LogsEveryFramePacedToTheRate)
{
    const std::string log = BesideTest("scriptpad_test.log");
    Load("A2,-1,X1", "100", log.c_str());
    for (int frame = 0; frame < 6; ++frame) {
        XINPUT_STATE state{};
        Frame(state);
    }
    FreeLibrary(dll);
    dll = nullptr;
    const std::vector<std::string> lines = ReadLines(log);
    ASSERT_EQ(lines.size(), 6u);
    const char steps[] = "AA-X--";
    for (int frame = 0; frame < 6; ++frame) {
        long long number = -1;
        double ms = -1;
        char step = 0;
        ASSERT_EQ(std::sscanf(lines[frame].c_str(), "%lld %lf %c", &number, &ms, &step), 3) << lines[frame];
        EXPECT_EQ(number, frame);
        EXPECT_EQ(step, steps[frame]) << "frame " << frame;
        // At 100 frames a second, frame n is not reported before n * 10 ms.
        EXPECT_GE(ms, frame * 10.0 - 0.5) << "frame " << frame << " came early";
    }
    DeleteFileA(log.c_str());
}

TEST_F(ScriptPad, BadScriptUnplugsThePadAndSaysWhy)
{
    const std::string log = BesideTest("scriptpad_bad.log");
    Load("A5,B2", nullptr, log.c_str());
    XINPUT_STATE state{};
    EXPECT_EQ(Frame(state), static_cast<DWORD>(ERROR_DEVICE_NOT_CONNECTED));
    FreeLibrary(dll);
    dll = nullptr;
    const std::vector<std::string> lines = ReadLines(log);
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines[0].find("script error: run 2 'B2'"), std::string::npos) << lines[0];
    DeleteFileA(log.c_str());
}

}  // namespace
