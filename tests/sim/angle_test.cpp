// Angles wrap into one turn, negatives too (the sine table and the radians: the golden traces and regeneration).
#include <gtest/gtest.h>

#include "angle.h"

namespace {

TEST(Angle, WrapAngleIsModuloTurnForNegativesToo) {
    const int32_t cases[][2] = {{0, 0}, {4095, 4095}, {4096, 0}, {4208, 112}, {-1, 4095}, {-13, 4083}, {-4096, 0}};
    for (const auto& c : cases) EXPECT_EQ(WrapAngle(c[0]), c[1]) << c[0];
}

}  // namespace
