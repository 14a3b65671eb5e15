// vatrel.exe end to end under Wine + Xvfb with the real models: its window, the
// scene and the ten overlay lines on the screen, quitting, and spoilt files.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "demo_process.h"
#include "message_capture.h"
#include "overlay_capture.h"
#include "run_folder.h"
#include "scene_pixels.h"

namespace {

// Generous bounds for a slow machine; a run that exceeds them fails and is ended.
constexpr DWORD kWindowTimeoutMs = 60000;
constexpr DWORD kOverlayTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr DWORD kBoxTimeoutMs = 60000;
constexpr ULONGLONG kStallTimeoutMs = 60000;

// Shift_JIS texts of the program's failure messages, as the boxes show them.
const wchar_t kXFileFailed[] = L"Xファイルの読み込みに失敗しました";
const wchar_t kTextureFailed[] = L"テクスチャの読み込みに失敗しました";

void PressEscape(HWND window) {
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(window, WM_KEYUP, VK_ESCAPE, 0xC0010001);
}

int CountOccurrences(const std::string& text, const std::string& word) {
    int count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        ++count;
    }
    return count;
}

using Environment = std::vector<std::pair<std::string, std::string>>;

// The scripted pad beside the exe. Wine loads it in place of its own xinput1_3
// because the test runs with WINEDLLOVERRIDES xinput1_3=n,b (inherited by the
// program from Wine's start; setting it here would come too late).
Environment ScriptedPad(const std::string& script) {
    return {{"VATREL_PAD_SCRIPT", script}, {"VATREL_PAD_LOG", "pad.log"}};
}

constexpr char kScriptedPadDll[] = "scriptpad\\xinput1_3.dll";

// Starts vatrel.exe in `folder`; with no pad beside it, slot 0 stays unconnected.
struct DemoRun {
    DemoProcess demo = {};
    HWND window = nullptr;

    explicit DemoRun(const std::string& folder, const Environment& environment = {}) {
        demo = StartDemo("vatrel.exe", folder, environment);
    }
    ~DemoRun() { EndDemo(demo); }
    // Finds the window and keeps it above the windows of other tests that share
    // the display, so that screen captures show this program.
    bool WaitForWindow() {
        window = WaitForDemoWindow(demo, "Vatrel", kWindowTimeoutMs);
        if (window != nullptr) {
            SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        return window != nullptr;
    }
};

// What the window shows below the overlay, counted by colour. Every frame is the
// same while the car stands; of a few captures the fullest is taken, so that a
// torn capture or a moment when another test's window crossed the display does
// not count.
SceneCounts SteadyScene(HWND window) {
    SceneCounts best = CountScene(CaptureClient(window));
    for (int capture = 1; capture < 5; ++capture) {
        Sleep(200);
        const SceneCounts next = CountScene(CaptureClient(window));
        if (next.car + next.grass > best.car + best.grass) {
            best = next;
        }
    }
    return best;
}

TEST(Demo, StartsWithTheWindowTheSceneAndTheResetOverlayAndQuitsOnEscape) {
    const std::string folder = PrepareRunFolder("start", "");
    ASSERT_FALSE(folder.empty());
    DemoRun run(folder);
    ASSERT_NE(nullptr, run.demo.process.hProcess);
    ASSERT_TRUE(run.WaitForWindow());

    char title[64] = {};
    GetWindowTextA(run.window, title, sizeof(title));
    EXPECT_STREQ("Vatrel", title);
    RECT outer = {};
    GetWindowRect(run.window, &outer);
    EXPECT_EQ(100, outer.left);
    EXPECT_EQ(100, outer.top);
    EXPECT_EQ(800, outer.right - outer.left);
    EXPECT_EQ(600, outer.bottom - outer.top);

    EXPECT_EQ(kOverlayLineCount, WaitForOverlay(run.window, ExpectedOverlay(0), kOverlayTimeoutMs));
    // The comparison tells one plate from the next: the lines after one frame are not on the screen.
    EXPECT_LT(WaitForOverlay(run.window, ExpectedOverlay(1), 2000), kOverlayLineCount);
    // A frame that was never drawn would be all clear grey (or black); the real one
    // shows the car on the course.
    const SceneCounts scene = SteadyScene(run.window);
    EXPECT_GT(scene.car, 2000) << "clear grey " << scene.clear << ", grass " << scene.grass;
    EXPECT_GT(scene.grass, 20000);

    PressEscape(run.window);
    EXPECT_EQ(0, WaitForDemoExit(run.demo, kExitTimeoutMs));
}

TEST(Demo, ClosingTheWindowEndsWithExitCodeZero) {
    const std::string folder = PrepareRunFolder("close", "");
    ASSERT_FALSE(folder.empty());
    DemoRun run(folder);
    ASSERT_TRUE(run.WaitForWindow());
    EXPECT_EQ(kOverlayLineCount, WaitForOverlay(run.window, ExpectedOverlay(0), kOverlayTimeoutMs));
    // What the close box sends.
    PostMessageA(run.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(0, WaitForDemoExit(run.demo, kExitTimeoutMs));
}

TEST(Demo, MissingCourseShowsItsBoxThenTheCarAloneOnGrey) {
    const std::string folder = PrepareRunFolder("no_course", "");
    ASSERT_FALSE(folder.empty());
    ASSERT_TRUE(DeleteFileA((folder + "crs.x").c_str()));
    DemoRun run(folder);

    SeenBox box;
    ASSERT_TRUE(TakeDemoBox(run.demo, kBoxTimeoutMs, box));
    EXPECT_EQ(L"crs.x", box.caption);
    EXPECT_EQ(kXFileFailed, box.text);
    ASSERT_TRUE(run.WaitForWindow());
    EXPECT_EQ(kOverlayLineCount, WaitForOverlay(run.window, ExpectedOverlay(0), kOverlayTimeoutMs));
    const SceneCounts scene = SteadyScene(run.window);
    EXPECT_GT(scene.car, 2000);
    EXPECT_EQ(0, scene.grass);
    EXPECT_GT(scene.clear, 200000);
    // The one box was all: none waits behind it.
    EXPECT_FALSE(TakeDemoBox(run.demo, 500, box)) << "a second box appeared";

    PressEscape(run.window);
    EXPECT_EQ(0, WaitForDemoExit(run.demo, kExitTimeoutMs));
}

TEST(Demo, MissingTextureShowsOneBoxPerMaterialNamingItAndStillDrawsTheCourse) {
    const std::string folder = PrepareRunFolder("no_texture", "");
    ASSERT_FALSE(folder.empty());
    const int materials_naming_it = CountOccurrences(ReadFileText(folder + "crs.x"), "\"grass.bmp\"");
    ASSERT_GT(materials_naming_it, 0) << "crs.x names no grass.bmp";
    ASSERT_TRUE(DeleteFileA((folder + "grass.bmp").c_str()));
    StartCapturingMessageBoxes();
    const std::wstring default_caption = DefaultBoxCaption();
    DemoRun run(folder);

    for (int seen = 0; seen < materials_naming_it; ++seen) {
        SeenBox box;
        ASSERT_TRUE(TakeDemoBox(run.demo, kBoxTimeoutMs, box)) << "box " << seen + 1;
        EXPECT_EQ(default_caption, box.caption);
        EXPECT_EQ(kTextureFailed, box.text);
    }
    SeenBox extra;
    EXPECT_FALSE(TakeDemoBox(run.demo, 500, extra));
    ASSERT_TRUE(run.WaitForWindow());
    EXPECT_EQ(kOverlayLineCount, WaitForOverlay(run.window, ExpectedOverlay(0), kOverlayTimeoutMs));
    // The ground is drawn in its material's colour instead of the texture.
    const SceneCounts scene = SteadyScene(run.window);
    EXPECT_GT(scene.car, 2000);
    EXPECT_LT(scene.clear, 200000);

    PressEscape(run.window);
    EXPECT_EQ(0, WaitForDemoExit(run.demo, kExitTimeoutMs));
}

// A car file that does not load: its box, captioned with its name, then the course without the car.
void ExpectBrokenCarHandled(const std::string& folder) {
    DemoRun run(folder);
    SeenBox box;
    ASSERT_TRUE(TakeDemoBox(run.demo, kBoxTimeoutMs, box));
    EXPECT_EQ(L"F1.x", box.caption);
    EXPECT_EQ(kXFileFailed, box.text);
    ASSERT_TRUE(run.WaitForWindow());
    EXPECT_EQ(kOverlayLineCount, WaitForOverlay(run.window, ExpectedOverlay(0), kOverlayTimeoutMs));
    const SceneCounts scene = SteadyScene(run.window);
    EXPECT_LT(scene.car, 500);
    EXPECT_GT(scene.grass, 20000);
    PressEscape(run.window);
    EXPECT_EQ(0, WaitForDemoExit(run.demo, kExitTimeoutMs));
}

TEST(Demo, TruncatedCarShowsItsBoxAndRunsOn) {
    const std::string folder = PrepareRunFolder("truncated_car", "");
    ASSERT_FALSE(folder.empty());
    const long long size = static_cast<long long>(ReadFileText(folder + "F1.x").size());
    ASSERT_GT(size, 100);
    ASSERT_TRUE(TruncateFile(folder + "F1.x", size / 2));
    ExpectBrokenCarHandled(folder);
}

TEST(Demo, GarbageCarShowsItsBoxAndRunsOn) {
    const std::string folder = PrepareRunFolder("garbage_car", "");
    ASSERT_FALSE(folder.empty());
    std::string garbage = "xof 0303txt 0032\nMesh {\n 3;\n 1.0; 2.0 ;;; }}} \x01\x02\xff\n";
    for (int i = 0; i < 200; ++i) {
        garbage += static_cast<char>((i * 37) & 0xFF);
    }
    ASSERT_TRUE(WriteFileText(folder + "F1.x", garbage));
    ExpectBrokenCarHandled(folder);
}

// Waits until the pad's log holds at least `frames` lines (one per frame). A
// loaded machine may draw slowly, so it gives up only when the program has
// drawn no frame for kStallTimeoutMs.
bool WaitForPadFrames(const std::string& folder, int frames) {
    int seen = -1;
    ULONGLONG last_progress = GetTickCount64();
    for (;;) {
        const int now = CountOccurrences(ReadFileText(folder + "pad.log"), "\n");
        if (now >= frames) {
            return true;
        }
        if (now > seen) {
            seen = now;
            last_progress = GetTickCount64();
        } else if (GetTickCount64() - last_progress > kStallTimeoutMs) {
            return false;
        }
        Sleep(100);
    }
}

// Drives `held` frames with A, then releases: the overlay shows exactly that plate.
void ExpectOverlayAfterHeldFrames(const std::string& name, int held) {
    const std::string folder = PrepareRunFolder(name, kScriptedPadDll);
    ASSERT_FALSE(folder.empty());
    DemoRun run(folder, ScriptedPad("A" + std::to_string(held)));
    ASSERT_TRUE(run.WaitForWindow());
    ASSERT_TRUE(WaitForPadFrames(folder, held + 2));
    EXPECT_EQ(kOverlayLineCount, WaitForOverlay(run.window, ExpectedOverlay(held), kOverlayTimeoutMs));
    // One plate more or less would be on the screen instead.
    EXPECT_LT(WaitForOverlay(run.window, ExpectedOverlay(held + 1), 1000), kOverlayLineCount);
    EXPECT_LT(WaitForOverlay(run.window, ExpectedOverlay(held - 1), 1000), kOverlayLineCount);
    PressEscape(run.window);
    EXPECT_EQ(0, WaitForDemoExit(run.demo, kExitTimeoutMs));
}

TEST(DemoDriving, TwentySixFramesWithAThenRelease) { ExpectOverlayAfterHeldFrames("a26", 26); }

TEST(DemoDriving, ALapAndABitThenRelease) { ExpectOverlayAfterHeldFrames("a1100", 1100); }

TEST(DemoDriving, PullingThePadWhileAIsHeldStopsTheCar) {
    const std::string folder = PrepareRunFolder("pulled", kScriptedPadDll);
    ASSERT_FALSE(folder.empty());
    // A held for 40 frames, then slot 0 reports not connected for good.
    DemoRun run(folder, ScriptedPad("A40,X2000000000"));
    ASSERT_TRUE(run.WaitForWindow());
    ASSERT_TRUE(WaitForPadFrames(folder, 60));
    EXPECT_EQ(kOverlayLineCount, WaitForOverlay(run.window, ExpectedOverlay(40), kOverlayTimeoutMs));
    // Many frames later the car still stands on the same plate.
    ASSERT_TRUE(WaitForPadFrames(folder, 200));
    EXPECT_EQ(kOverlayLineCount, WaitForOverlay(run.window, ExpectedOverlay(40), kOverlayTimeoutMs));
    EXPECT_NE(std::string::npos, ReadFileText(folder + "pad.log").find(" X"));
    PressEscape(run.window);
    EXPECT_EQ(0, WaitForDemoExit(run.demo, kExitTimeoutMs));
}

}  // namespace
