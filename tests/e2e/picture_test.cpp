// The picture pinned: vatrel.exe standing at each still's plate shows, in its client area on the screen,
// the very pixels of that still in docs/ (the stills are the references; scripts/stills writes them anew).
#include <gtest/gtest.h>

#include "demo_run.h"

namespace {

// As scripts/stills writes them: docs/shot-<name>.png, the window's 800 x 600 outer rectangle at the plate
// (the build's BMP copies are read, see CMakeLists.txt).
const struct {
    int plate;
    const char* name;
} kStills[] = {{0, "start"}, {26, "slope"}, {40, "bend"}, {639, "bridge"}, {965, "under"}};

// On another d3d9.dll than Wine's, where two rasterisers round apart, at most so many pixels of the client
// area may differ at all, and so many by more than kStrong in a channel (measured: docs/performance.md).
constexpr long kOtherDiffering = 2500, kOtherStrong = 200;
constexpr int kStrong = 13;  // 5 % of 255

void WriteBmp(const std::string& path, const Pixels& pixels) {
    const BITMAPINFOHEADER info = {sizeof(info), 800, -600, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof(file) + sizeof(info) + 800 * 600 * 4), 0, 0,
                                   sizeof(file) + sizeof(info)};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file))
        .write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(reinterpret_cast<const char*>(pixels.data()), 800 * 600 * 4);
}

}  // namespace

// Each run also shows the window's title and place, and ends with 0 on Escape; the first plate that differs
// ends the test. The screen is read once two grabs agree: the car stands, so every frame is the same, and a
// grab during a present is not.
TEST(DemoPicture, AtEachStillsPlateTheWindowShowsThatStill) {
    HDC screen = GetDC(nullptr);
    const int depth = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    if (depth < 24) GTEST_SKIP() << "the stills are of a 24-bit screen, this one is " << depth << " bits deep";
    for (const auto& still : kStills) {
        SCOPED_TRACE(still.name);
        DemoRun run(std::string("still_") + still.name, "scriptpad");
        ASSERT_TRUE(run.Start("A" + std::to_string(still.plate)));
        char title[16] = {};
        GetWindowTextA(run.window, title, sizeof(title));
        EXPECT_STREQ(title, "Vatrel");
        RECT outer = {}, client = {};
        GetWindowRect(run.window, &outer);
        ASSERT_TRUE(outer.left == 100 && outer.top == 100 && outer.right == 900 && outer.bottom == 700);
        GetClientRect(run.window, &client);
        POINT at = {-100, -100};  // the client area's top left in the grab
        ClientToScreen(run.window, &at);
        ASSERT_TRUE(run.WaitForFrames(still.plate + 30));
        const Pixels got = run.Steady([] { return CaptureScreen(100, 100, 800, 600); });
        ASSERT_FALSE(got.empty()) << "the picture never stood still";
        const std::string reference = STILLS_DIR "shot-" + std::string(still.name) + ".bmp";
        HBITMAP bitmap = HBITMAP(LoadImageA(nullptr, reference.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), 800, -600, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        Pixels diff(800 * 600);  // the still, then the difference
        screen = GetDC(nullptr);
        const int rows = GetDIBits(screen, bitmap, 0, 600, diff.data(), &info, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        DeleteObject(bitmap);
        ASSERT_EQ(rows, 600) << "cannot read " << reference;
        long differing = 0, strong = 0;
        for (int y = at.y; y < at.y + client.bottom; ++y) {
            for (int x = at.x; x < at.x + client.right; ++x) {
                uint32_t &want = diff[y * 800 + x] &= 0xFFFFFF, shown = got[y * 800 + x];
                int apart = 0;
                for (int shift = 0; shift < 24; shift += 8)
                    apart = std::max(apart, std::abs(int((want >> shift & 0xFF) - (shown >> shift & 0xFF))));
                differing += apart > 0, strong += apart > kStrong;
                want = apart > kStrong ? 0xFF0000 : apart > 0 ? 0xFFFF00 : (want >> 2) & 0x3F3F3F;
            }
        }
        std::printf("plate %d (%s): %ld pixels differ, %ld by more than %d\n", still.plate, still.name, differing,
                    strong, kStrong);
        const bool same = run.d3d9 ? differing <= kOtherDiffering && strong <= kOtherStrong : differing == 0;
        if (!same) WriteBmp(run.folder + "got.bmp", got), WriteBmp(run.folder + "diff.bmp", diff);
        ASSERT_TRUE(same) << "plate " << still.plate << ": " << differing << " pixels differ from " << reference << " ("
                          << strong << " by more than " << kStrong
                          << "); the image got and the difference (red: by more, "
                          << "yellow: by less) are in " << run.folder;
        EXPECT_EQ(run.Exit(true), 0);
    }
}
