// vatrel.exe end to end under Wine + Xvfb with the real models: the ten lines on the screen while the scripted
// pad drives, the keyboard pad, a missing course, and its end (its window and picture: picture_test.cpp).
#include <gtest/gtest.h>

#include "demo_run.h"

TEST(Demo, AMissingCourseIsOneBoxThenTheCarAloneOnGreyAndClosingEndsWithZero) {
    DemoRun run("no_course", nullptr);
    ASSERT_TRUE(DeleteFileA((run.folder + "crs.x").c_str()));
    ASSERT_TRUE(run.Start());
    CapturedBox box;
    ASSERT_TRUE(run.TakeBox(kSlowMs, box));
    EXPECT_EQ(box.caption, L"crs.x");
    EXPECT_EQ(box.text, L"Xファイルの読み込みに失敗しました");
    EXPECT_EQ(run.WaitForOverlay(OverlayAfter(0), kSlowMs), kOverlayLineCount);
    // Below the overlay, once two grabs agree (the car stands): the car's red body, no green ground, the cleared grey.
    const Pixels shown = run.Steady([&] { return run.Capture(kOverlayHeight, 0); });
    int car = 0, grass = 0, clear = 0;
    for (uint32_t p : shown) {
        const uint32_t r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
        car += r > 150 && g < 80 && b < 80;
        grass += g > r + 15 && g > b + 15;
        clear += p == 0x646464;
    }
    EXPECT_GT(car, 2000);
    EXPECT_EQ(grass, 0);
    EXPECT_GT(clear, 200000);
    EXPECT_FALSE(run.TakeBox(500, box)) << "a second box";
    PostMessageA(run.window, WM_SYSCOMMAND, SC_CLOSE, 0);  // what the close box sends
    EXPECT_EQ(run.Exit(), 0);
}

// Grabs of the overlay while the car drives, the program held to 60 frames a second and unpaced: each shows
// all ten lines of one plate, among those the pad had polled up to the grab (the screen may lag a few).
TEST(DemoOverlay, EveryGrabAt60FramesASecondAndUnpacedShowsTheTenLinesOfOnePlate) {
    constexpr int kGrabs = 200, kLag = 10;
    for (int fps : {60, 0}) {
        SCOPED_TRACE(fps);
        DemoRun run("grabs" + std::to_string(fps), "scriptpad");
        ASSERT_TRUE(run.Start("A1000000", fps));
        ASSERT_TRUE(run.WaitForFrames(kLag));
        int missed = 0, lastPlate = 0;
        for (int grab = 0; grab < kGrabs && missed < 5; ++grab) {
            const int before = run.FramesLogged();
            const Pixels shown = run.Capture(0, kOverlayHeight);
            int plate = -1;
            for (int p = run.FramesLogged(); p >= before - kLag && plate < 0; --p)
                plate = MatchingLines(shown, OverlayAfter(p)) == kOverlayLineCount ? p : -1;
            missed += plate < 0;
            EXPECT_GE(plate, 0) << "grab " << grab << " shows no plate's ten lines (" << before << " frames polled)";
            lastPlate = std::max(lastPlate, plate);
        }
        EXPECT_GT(lastPlate, kLag) << "the car did not drive";
        EXPECT_EQ(run.Exit(true), 0);
    }
}

// The keyboard pad beside the program: Space held drives, released the car stands.
TEST(DemoDriving, KeyboardPadSpaceDrivesAndReleaseStops) {
    DemoRun run("keypad", "keypad");
    ASSERT_TRUE(run.Start());
    ASSERT_EQ(run.WaitForOverlay(OverlayAfter(0), kSlowMs), kOverlayLineCount);
    SetForegroundWindow(run.window);
    keybd_event(VK_SPACE, 0, 0, 0);
    Sleep(1000);
    keybd_event(VK_SPACE, 0, KEYEVENTF_KEYUP, 0);
    // Where it stops depends on the frame rate, and a frame polled before the release may still be on its way to
    // the screen: the plate (1 to 1071) shown a second later, by the first of a few captures that shows one.
    Sleep(1000);
    int plate = 0;
    for (int capture = 0; capture < 20 && plate == 0; ++capture) {
        const Pixels shown = run.Capture(0, kOverlayHeight);
        for (int p = 1; p < 1072 && plate == 0; ++p)
            plate = MatchingLines(shown, OverlayAfter(p)) == kOverlayLineCount ? p : 0;
    }
    ASSERT_GT(plate, 0) << "Space did not drive";
    Sleep(1000);
    // Another lap back to the same plate within the wait would take over 500 frames a second.
    EXPECT_EQ(run.WaitForOverlay(OverlayAfter(plate), 2000), kOverlayLineCount) << "the car went on after release";
    EXPECT_EQ(run.Exit(true), 0);
}
