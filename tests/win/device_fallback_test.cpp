// Device set-up and release when the hardware device is refused or offered (Direct3DCreate9 replaced at link time).
#include <gtest/gtest.h>

#include <vector>

#include "device.h"
#include "device_fixture.h"
#include "direct3d_double.h"
#include "mesh_model.h"
#include "message_capture.h"
#include "test_files.h"

namespace {

// InitD3D's result under `s` in a folder with both models; the boxes it showed go to *boxes.
HRESULT InitUnder(Direct3DScript s, std::vector<CapturedBox>* boxes) {
    EnterFreshFolder();
    WriteDemoModels();
    Direct3DDouble = Direct3DDoubleRecord();
    Direct3DDouble.script = s;
    static HWND window = CreateTestWindow();
    const HRESULT hr = InitD3D(window);
    *boxes = TakeCapturedBoxes();
    return hr;
}

}  // namespace

TEST(DeviceFallback, ARefusedHardwareDeviceGivesTheNoticeThenTheReferenceDeviceAndCleanupReleasesItAll) {
    std::vector<CapturedBox> boxes;
    ASSERT_EQ(InitUnder(Direct3DScript::kRefuseHal, &boxes), S_OK);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, DefaultBoxCaption());
    EXPECT_EQ(boxes[0].text, L"HALモードでDIRECT3Dデバイスを作成できません\nREFモードで再試行します");
    EXPECT_EQ(boxes[0].buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(boxes[0].icon);
    // The reference call gets the very record the refused call filled in, not a fresh one.
    const auto& calls = Direct3DDouble.deviceCalls;
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_TRUE(calls[0].type == D3DDEVTYPE_HAL && calls[1].type == D3DDEVTYPE_REF);
    ASSERT_NE(PresentFields(calls[0].given), PresentFields(calls[0].left));
    EXPECT_EQ(PresentFields(calls[0].left), PresentFields(calls[1].given));
    D3DDEVICE_CREATION_PARAMETERS creation;
    pd3dDevice->GetCreationParameters(&creation);
    EXPECT_EQ(creation.DeviceType, D3DDEVTYPE_REF);
    ExpectMadeWithTheProgramsPresentParameters();
    EXPECT_EQ(creation.BehaviorFlags, DWORD(D3DCREATE_MIXED_VERTEXPROCESSING));
    DWORD ambient = 0;
    pd3dDevice->GetRenderState(D3DRS_AMBIENT, &ambient);
    EXPECT_EQ(ambient, 0x00111111u);
    // crs.x has two materials, F1.x one.
    EXPECT_TRUE(models[kCourseModel].dwNumMaterials == 2 && models[kCarModel].dwNumMaterials == 1);
    // Cleanup releases every reference it holds, and only once: ours are then the last.
    IDirect3DDevice9* device = pd3dDevice;
    device->AddRef();
    Cleanup();
    Cleanup();
    EXPECT_TRUE(!pD3D && !pd3dDevice && !models[kCourseModel].pMesh && !models[kCarModel].pMesh);
    EXPECT_EQ(device->Release(), 0u) << "the models or Cleanup left references on the device";
    EXPECT_EQ(Direct3DDouble.made->Release(), 0u);
}

// When the hardware device is offered it is taken, with no box, under the same behaviour flags.
TEST(DeviceFallback, AnOfferedHardwareDeviceIsTakenWithMixedVertexProcessingAlone) {
    std::vector<CapturedBox> boxes;
    ASSERT_EQ(InitUnder(Direct3DScript::kReal, &boxes), S_OK);
    EXPECT_TRUE(boxes.empty());
    D3DDEVICE_CREATION_PARAMETERS creation;
    pd3dDevice->GetCreationParameters(&creation);
    EXPECT_EQ(creation.DeviceType, D3DDEVTYPE_HAL);
    ExpectMadeWithTheProgramsPresentParameters();
    EXPECT_EQ(creation.BehaviorFlags, DWORD(D3DCREATE_MIXED_VERTEXPROCESSING));
    Cleanup();
}
