// vatrel.exe end to end where it cannot run: on a Windows without the DirectX End-User Runtime, as near as Wine
// gets (its d3dx9_43 and xinput1_3 switched off for the program alone, each and both; a d3dx9_43.dll lacking its
// functions), the runtime's DLL planted in the folder it starts from, and without Direct3D.
#include <gtest/gtest.h>

#include "demo_run.h"

// The program's boxes with these texts in turn, each with the default caption, OK alone and no icon; then exit 1.
// Each run's folder holds no model: a model opened at any point would have shown a box of its own.
static void ExpectBoxesThenOne(DemoRun& run, const std::vector<std::wstring>& texts) {
    for (const std::wstring& text : texts) {
        CapturedBox box;
        ASSERT_TRUE(run.TakeBox(kSlowMs, box)) << "box " << (&text - texts.data()) << " never came";
        EXPECT_EQ(box.caption, DefaultBoxCaption());
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        EXPECT_FALSE(box.icon);
    }
    EXPECT_EQ(run.Exit(), 1) << "it went on after the boxes";
}

// The program's own box names what is missing or lacks a function the program calls, and the runtime, before any
// window. A d3dx9_43.dll that exports nothing and leaves loaded.mark in the current folder when loaded: beside the
// exe it is loaded; in the folder the program starts from, never.
TEST(DemoWithoutTheDirectXRuntime, NamesTheMissingDllsInItsOwnBoxBeforeAnyWindowAndEndsWithOne) {
    const struct {
        std::string exe;
        std::vector<const char*> off;
        std::wstring missing;
        const char* plantedIn;  // the marking DLL's folder in the run's, the program's current one; null: none
        bool marks;
    } cases[] = {{"vatrel_no_xinput.exe", {"xinput1_3"}, L"xinput1_3.dll", nullptr, false},
                 {"vatrel_no_d3dx.exe", {"d3dx9_43"}, L"d3dx9_43.dll", nullptr, false},
                 {"vatrel_no_runtime.exe", {"xinput1_3", "d3dx9_43"}, L"d3dx9_43.dll、xinput1_3.dll", nullptr, false},
                 {"vatrel_lacking_d3dx.exe", {"d3dx9_43"}, L"d3dx9_43.dll", "", true},
                 {"vatrel_planted_d3dx.exe", {"d3dx9_43"}, L"d3dx9_43.dll", "started_from\\", false}};
    for (const auto& run_case : cases) {
        SCOPED_TRACE(run_case.exe);
        DemoRun run(run_case.exe.substr(0, run_case.exe.size() - 4), nullptr);
        for (const char* model : {"crs.x", "F1.x"}) ASSERT_TRUE(DeleteFileA((run.folder + model).c_str()));
        const std::string cwd = run.folder + (run_case.plantedIn ? run_case.plantedIn : "");
        CreateDirectoryA(cwd.c_str(), nullptr);
        DeleteFileA((cwd + "loaded.mark").c_str());
        if (run_case.plantedIn)
            CopyFileA((run.bin + "marking\\d3dx9_43.dll").c_str(), (cwd + "d3dx9_43.dll").c_str(), FALSE);
        // Wine's overrides for the program alone, by its file name: each DLL listed native only, of which the system
        // has none. (A process takes WINEDLLOVERRIDES not from the environment its parent gives it, but from the one
        // Wine started with.)
        const std::string key = "Software\\Wine\\AppDefaults\\" + run_case.exe + "\\DllOverrides";
        RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
        HKEY overrides = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &overrides, nullptr);
        for (const char* dll : run_case.off)
            RegSetValueExA(overrides, dll, 0, REG_SZ, reinterpret_cast<const BYTE*>("n"), 2);
        RegCloseKey(overrides);
        ASSERT_TRUE(run.Launch("", 0, run_case.exe, cwd));
        ASSERT_NE(run.WaitForWindowOf("#32770", kSlowMs), nullptr) << "no box";
        EXPECT_EQ(run.WaitForWindowOf("Vatrel", 0), nullptr) << "a window was made before the box";
        ExpectBoxesThenOne(run,
                           {run_case.missing + L"を読み込めません\nDirectX End-User Runtimeをインストールしてください\n"
                                               L"https://www.microsoft.com/download/details.aspx?id=35"});
        const bool marked = GetFileAttributesA((cwd + "loaded.mark").c_str()) != INVALID_FILE_ATTRIBUTES;
        EXPECT_EQ(marked, run_case.marks) << "the DLL's loading is not as its place in the search order says";
    }
}

// Wine's Direct3D switched off for the program alone: no device of either type. The hardware notice, then the failure.
TEST(DemoWithoutDirect3D, ShowsTheHardwareNoticeThenTheDeviceFailureOpensNoModelAndEndsWithOne) {
    DemoRun run("no3d", nullptr);
    for (const char* model : {"crs.x", "F1.x"}) ASSERT_TRUE(DeleteFileA((run.folder + model).c_str()));
    // Wine reads this when its Direct3D starts in the new process; this process's own started long before.
    SetEnvironmentVariableA("WINE_D3D_CONFIG", "renderer=no3d");
    const bool started = run.Start();
    SetEnvironmentVariableA("WINE_D3D_CONFIG", nullptr);
    ASSERT_TRUE(started);
    ExpectBoxesThenOne(run, {L"HALモードでDIRECT3Dデバイスを作成できません\nREFモードで再試行します",
                             L"DIRECT3Dデバイスの作成に失敗しました"});
}
