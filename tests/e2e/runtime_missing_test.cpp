// vatrel.exe end to end where it cannot run: without the DirectX End-User Runtime, as near as Wine gets (its DLLs
// off for the program alone; a d3dx9_43.dll lacking its functions, or in the current folder alone), and no Direct3D.
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

// The program's own box names what is missing or lacks a function, and the runtime, before any window. A DLL that
// marks its loading, as d3dx9_43.dll: loaded beside the exe (and lacking), never from the current folder.
TEST(DemoWithoutTheDirectXRuntime, OwnBoxBeforeAnyWindow) {
    const struct {
        std::string below;  // the exe's folder below the run's, the program's current one
        std::string exe;
        std::vector<const char*> off;
        std::wstring missing;
        bool planted;  // the marking DLL in the run's folder
    } cases[] = {{"", "vatrel_no_xinput.exe", {"xinput1_3"}, L"xinput1_3.dll", false},
                 {"", "vatrel_no_runtime.exe", {"xinput1_3", "d3dx9_43"}, L"d3dx9_43.dll、xinput1_3.dll", false},
                 {"elsewhere\\", "vatrel_planted.exe", {"d3dx9_43"}, L"d3dx9_43.dll", true},
                 {"", "vatrel_lacking.exe", {"d3dx9_43"}, L"d3dx9_43.dll", true}};
    for (const auto& run_case : cases) {
        SCOPED_TRACE(run_case.exe);
        DemoRun run(run_case.exe, nullptr);
        for (const char* model : {"crs.x", "F1.x"}) ASSERT_TRUE(DeleteFileA((run.folder + model).c_str()));
        CreateDirectoryA((run.folder + "elsewhere").c_str(), nullptr);
        DeleteFileA((run.folder + "loaded.mark").c_str());
        if (run_case.planted)
            CopyFileA((run.bin + "libmarking.dll").c_str(), (run.folder + "d3dx9_43.dll").c_str(), FALSE);
        // Wine's overrides for the program alone, by its file name: each DLL listed native only, which the system has
        // not. (WINEDLLOVERRIDES would reach a process only from Wine's own start.)
        const std::string key = "Software\\Wine\\AppDefaults\\" + run_case.exe + "\\DllOverrides";
        RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
        HKEY overrides = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &overrides, nullptr);
        for (const char* dll : run_case.off)
            RegSetValueExA(overrides, dll, 0, REG_SZ, reinterpret_cast<const BYTE*>("n"), 2);
        RegCloseKey(overrides);
        // Outside the exe's folder, the current folder is searched before the system's, whose d3dx9_43 would end a
        // search that reached it first (Windows' unsafe order, where SafeDllSearchMode is 0; read as a program starts).
        const DWORD safeSearch = run_case.below.empty();
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", "SafeDllSearchMode",
                        REG_DWORD, &safeSearch, sizeof(safeSearch));
        ASSERT_TRUE(run.Launch("", 0, run_case.below + run_case.exe));
        ASSERT_NE(run.WaitForWindowOf("#32770", kSlowMs), nullptr) << "no box";
        EXPECT_EQ(run.WaitForWindowOf("Vatrel", 0), nullptr) << "a window was made before the box";
        ExpectBoxesThenOne(run,
                           {run_case.missing + L"を読み込めません\nDirectX End-User Runtimeをインストールしてください\n"
                                               L"https://www.microsoft.com/download/details.aspx?id=35"});
        const bool marked = GetFileAttributesA((run.folder + "loaded.mark").c_str()) != INVALID_FILE_ATTRIBUTES;
        EXPECT_EQ(marked, run_case.below.empty() && run_case.planted) << "loaded from elsewhere than the exe's folder";
    }
}

// Wine's Direct3D switched off for the program alone: no device of either type. The hardware notice, then the failure.
TEST(DemoWithoutDirect3D, NoticeThenFailure) {
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
