// Test support: the real device started by InitD3D, stopped by Cleanup.
#include "device_fixture.h"

#include "device.h"
#include "drive.h"
#include "message_capture.h"
#include "test_files.h"
#include "test_window.h"

void DeviceTest::SetUp() {
    EnterFreshFolder();
    WriteDemoModels();
    window = CreateTestWindow();
    ASSERT_EQ(InitD3D(window), S_OK);
    ASSERT_TRUE(TakeCapturedBoxes().empty());
    DriveState = kDriveStart;
    ResetDrive();
}

void DeviceTest::TearDown() {
    Cleanup();
    DestroyWindow(window);
    TakeCapturedBoxes();
}
