// vatrel.exe end to end with Wine's Direct3D switched off for it alone: no device of either type, and no real double.
#include <gtest/gtest.h>

#include "demo_run.h"

// The notice, then the failure, each an OK box; then exit status 1. The run's folder holds no
// model, so a model opened at any point would have shown its own box before the program ended.
TEST(DemoWithoutDirect3D, ShowsTheHardwareNoticeThenTheDeviceFailureOpensNoModelAndEndsWithOne) {
    DemoRun run("no3d", nullptr);
    for (const char* model : {"crs.x", "F1.x"}) ASSERT_TRUE(DeleteFileA((run.folder + model).c_str()));
    // Wine reads this when its Direct3D starts in the new process; this process's own started long before.
    SetEnvironmentVariableA("WINE_D3D_CONFIG", "renderer=no3d");
    const bool started = run.Start();
    SetEnvironmentVariableA("WINE_D3D_CONFIG", nullptr);
    ASSERT_TRUE(started);
    const std::wstring defaultCaption = DefaultBoxCaption();
    const std::wstring texts[] = {L"HALモードでDIRECT3Dデバイスを作成できません\nREFモードで再試行します",
                                  L"DIRECT3Dデバイスの作成に失敗しました"};
    for (const std::wstring& text : texts) {
        CapturedBox box;
        ASSERT_TRUE(run.TakeBox(kSlowMs, box)) << "box " << (&text - texts) << " never came";
        EXPECT_EQ(box.caption, defaultCaption);
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        EXPECT_FALSE(box.icon);
    }
    EXPECT_EQ(run.Exit(), 1);
}
