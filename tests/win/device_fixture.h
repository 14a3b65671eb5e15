// Test support: a fixture that starts the real device on a test window in a folder of demo models.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

struct DeviceTest : ::testing::Test {
    HWND window = nullptr;
    void SetUp() override;
    void TearDown() override;
};
