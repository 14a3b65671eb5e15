// vatrel.exe end to end under Wine + Xvfb with the real models: the ten lines on the screen while the scripted
// pad drives, the keyboard pad, a missing course, and its end (its window and picture: picture_test.cpp).
#include <gtest/gtest.h>

#include "demo_run.h"

namespace {

// Grabs of the overlay while the car drives, the program held to `fps` (0: as fast as it goes): each shows
// all ten lines of one plate, among those the pad had polled up to the grab (the screen may lag a few).
void ExpectEveryGrabToShowTheLinesOfOnePlate(const std::string& name, int fps) {
    constexpr int kGrabs = 200, kLag = 10;
    DemoRun run(name, "scriptpad");
    ASSERT_TRUE(run.Start("A1000000", fps));
    ASSERT_TRUE(run.WaitForFrames(kLag));
    int missed = 0, lastPlate = 0;
    for (int grab = 0; grab < kGrabs && missed < 5; ++grab) {
        const int before = run.FramesLogged();
        const Pixels shown = run.Capture(0, kOverlayHeight);
        int plate = -1;
        for (int p = run.FramesLogged(); p >= before - kLag && plate < 0; --p) {
            if (MatchingLines(shown, OverlayAfter(p)) == kOverlayLineCount) plate = p;
        }
        missed += plate < 0;
        EXPECT_GE(plate, 0) << "grab " << grab << " shows no plate's ten lines (" << before << " frames polled)";
        lastPlate = std::max(lastPlate, plate);
    }
    EXPECT_GT(lastPlate, kLag) << "the car did not drive";
    PostMessageA(run.window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(run.Exit(), 0);
}

// The plate whose ten lines the screen shows, 1 to 1071, from the first of a few captures that shows one; 0: none.
int ShownPlate(DemoRun& run) {
    for (int capture = 0; capture < 20; ++capture) {
        const Pixels shown = run.Capture(0, kOverlayHeight);
        for (int p = 1; p < 1072; ++p) {
            if (MatchingLines(shown, OverlayAfter(p)) == kOverlayLineCount) return p;
        }
    }
    return 0;
}

}  // namespace

TEST(Demo, AMissingCourseIsOneBoxThenTheCarAloneOnGreyAndClosingEndsWithZero) {
    DemoRun run("no_course", nullptr);
    ASSERT_TRUE(DeleteFileA((run.folder + "crs.x").c_str()));
    ASSERT_TRUE(run.Start());
    CapturedBox box;
    ASSERT_TRUE(run.TakeBox(kSlowMs, box));
    EXPECT_EQ(box.caption, L"crs.x");
    EXPECT_EQ(box.text, L"Xファイルの読み込みに失敗しました");
    EXPECT_EQ(run.WaitForOverlay(OverlayAfter(0), kSlowMs), kOverlayLineCount);
    const SceneCounts scene = run.SteadyScene();
    EXPECT_GT(scene.car, 2000);
    EXPECT_EQ(scene.grass, 0);
    EXPECT_GT(scene.clear, 200000);
    EXPECT_FALSE(run.TakeBox(500, box)) << "a second box";
    PostMessageA(run.window, WM_SYSCOMMAND, SC_CLOSE, 0);  // what the close box sends
    EXPECT_EQ(run.Exit(), 0);
}

TEST(DemoOverlay, EveryGrabAt60FramesASecondShowsTheTenLinesOfOnePlate) {
    ExpectEveryGrabToShowTheLinesOfOnePlate("grabs60", 60);
}

TEST(DemoOverlay, EveryGrabUnpacedShowsTheTenLinesOfOnePlate) { ExpectEveryGrabToShowTheLinesOfOnePlate("grabs", 0); }

// The keyboard pad beside the program: Space held drives, released the car stands.
TEST(DemoDriving, KeyboardPadSpaceDrivesAndReleaseStops) {
    DemoRun run("keypad", "keypad");
    ASSERT_TRUE(run.Start());
    ASSERT_EQ(run.WaitForOverlay(OverlayAfter(0), kSlowMs), kOverlayLineCount);
    SetForegroundWindow(run.window);
    keybd_event(VK_SPACE, 0, 0, 0);
    Sleep(1000);
    keybd_event(VK_SPACE, 0, KEYEVENTF_KEYUP, 0);
    // Which plate it stops on depends on the frame rate, and on a loaded machine a frame polled before the
    // release may still be on its way to the screen: the plate shown a second later is where it stands.
    Sleep(1000);
    const int plate = ShownPlate(run);
    ASSERT_GT(plate, 0) << "Space did not drive";
    Sleep(1000);
    // Another lap back to the same plate within the wait would take over 500 frames a second.
    EXPECT_EQ(run.WaitForOverlay(OverlayAfter(plate), 2000), kOverlayLineCount) << "the car went on after release";
    PostMessageA(run.window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(run.Exit(), 0);
}
