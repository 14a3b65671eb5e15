// Device creation when Direct3D or the hardware device is refused (Direct3DCreate9 replaced at link time).
#include <gtest/gtest.h>

#include <cstring>

#include "device.h"
#include "fake_direct3d.h"
#include "message_capture.h"
#include "mesh_model.h"
#include "test_files.h"
#include "test_window.h"

namespace {

struct FallbackTest : ::testing::Test {
    HWND window = nullptr;
    void SetUp() override {
        EnterFreshFolder();
        WriteDemoModels();
        window = CreateTestWindow();
        FakeDirect3D = FakeDirect3DRecord();
        TakeCapturedBoxes();
    }
    void TearDown() override {
        Cleanup();
        Cleanup();
        DestroyWindow(window);
        FakeDirect3D = FakeDirect3DRecord();
    }
};

void ExpectNoModel() {
    for (const MeshModel& model : models) {
        EXPECT_EQ(model.pMesh, nullptr);
        EXPECT_EQ(model.dwNumMaterials, 0u);
    }
}

}  // namespace

TEST_F(FallbackTest, WithoutDirect3DOneBlankCaptionedBoxAndNothingElse) {
    FakeDirect3D.script = Direct3DScript::kNoDirect3D;
    EXPECT_EQ(InitD3D(window), E_FAIL);
    EXPECT_EQ(FakeDirect3D.sdkVersion, 32u);
    const auto boxes = TakeCapturedBoxes();
    ASSERT_EQ(boxes.size(), 1u);  // no X-file box: no model file was opened
    EXPECT_EQ(boxes[0].caption, L"");
    EXPECT_EQ(boxes[0].text, L"Direct3Dの作成に失敗しました");
    EXPECT_EQ(pD3D, nullptr);
    EXPECT_EQ(pd3dDevice, nullptr);
    ExpectNoModel();
}

TEST_F(FallbackTest, ARefusedHardwareDeviceGivesTheNoticeThenTheReferenceDeviceWithTheSameParameters) {
    FakeDirect3D.script = Direct3DScript::kRefuseHal;
    ASSERT_EQ(InitD3D(window), S_OK);
    const auto boxes = TakeCapturedBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, DefaultBoxCaption());
    EXPECT_EQ(boxes[0].text, L"HALモードでDIRECT3Dデバイスを作成できません\nREFモードで再試行します");

    const auto& calls = FakeDirect3D.deviceCalls;
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].type, D3DDEVTYPE_HAL);
    EXPECT_EQ(calls[1].type, D3DDEVTYPE_REF);
    for (const CreateDeviceCall& call : calls) {
        EXPECT_EQ(call.adapter, 0u);
        EXPECT_EQ(call.focusWindow, window);
        EXPECT_EQ(call.flags, static_cast<DWORD>(D3DCREATE_MIXED_VERTEXPROCESSING));
    }
    EXPECT_EQ(std::memcmp(&calls[0].parameters, &calls[1].parameters, sizeof(D3DPRESENT_PARAMETERS)), 0);
    const D3DPRESENT_PARAMETERS& pp = calls[0].parameters;
    EXPECT_EQ(pp.BackBufferWidth, 0u);
    EXPECT_EQ(pp.BackBufferHeight, 0u);
    EXPECT_EQ(pp.BackBufferFormat, D3DFMT_UNKNOWN);
    EXPECT_EQ(pp.BackBufferCount, 1u);
    EXPECT_EQ(pp.SwapEffect, D3DSWAPEFFECT_DISCARD);
    EXPECT_EQ(pp.hDeviceWindow, nullptr);
    EXPECT_TRUE(pp.Windowed);
    EXPECT_TRUE(pp.EnableAutoDepthStencil);
    EXPECT_EQ(pp.AutoDepthStencilFormat, D3DFMT_D16);
    EXPECT_EQ(pp.Flags, 0u);
    EXPECT_EQ(pp.PresentationInterval, 0u);

    ASSERT_NE(pd3dDevice, nullptr);
    D3DDEVICE_CREATION_PARAMETERS creation;
    pd3dDevice->GetCreationParameters(&creation);
    EXPECT_EQ(creation.DeviceType, D3DDEVTYPE_REF);
    EXPECT_NE(models[0].pMesh, nullptr);
    EXPECT_NE(models[1].pMesh, nullptr);
    DWORD ambient = 0;
    pd3dDevice->GetRenderState(D3DRS_AMBIENT, &ambient);
    EXPECT_EQ(ambient, 0x00111111u);

    Cleanup();
    EXPECT_EQ(FakeDirect3D.wrapperFreed, 1);
    EXPECT_EQ(FakeDirect3D.wrapperReferences, 0);
}

TEST_F(FallbackTest, BothDevicesRefusedGiveTwoBoxesInOrderNoModelAndTheDirect3DObjectReleased) {
    FakeDirect3D.script = Direct3DScript::kRefuseBoth;
    EXPECT_EQ(InitD3D(window), E_FAIL);
    const auto boxes = TakeCapturedBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, L"HALモードでDIRECT3Dデバイスを作成できません\nREFモードで再試行します");
    EXPECT_EQ(boxes[1].text, L"DIRECT3Dデバイスの作成に失敗しました");
    EXPECT_EQ(boxes[1].caption, DefaultBoxCaption());
    ASSERT_EQ(FakeDirect3D.deviceCalls.size(), 2u);
    EXPECT_EQ(pd3dDevice, nullptr);
    EXPECT_EQ(pD3D, nullptr);
    EXPECT_EQ(FakeDirect3D.wrapperFreed, 1);
    EXPECT_EQ(FakeDirect3D.wrapperReferences, 0);
    ExpectNoModel();
}
