// The angle rules: wrapping, every sine table entry, and the exact radians of every angle.
#include <gtest/gtest.h>

#include <cmath>

#include "angle.h"
#include "float_bits.h"

namespace {

TEST(Angle, WrapAngleIsModuloTurnForNegativesToo) {
    const int32_t cases[][2] = {{0, 0}, {4095, 4095}, {4096, 0}, {4208, 112}, {-1, 4095}, {-13, 4083}, {-4096, 0}};
    for (const auto& c : cases) EXPECT_EQ(WrapAngle(c[0]), c[1]) << c[0];
}

TEST(Angle, EverySineEntryFollowsTheRule) {
    for (int k = 0; k < kSinTableSize; ++k) {
        const double exact = 4096.0 * std::sin(2.0 * 3.141592653589793 * k / 4096.0);
        ASSERT_EQ(SinTable[k], static_cast<int32_t>(std::lround(exact))) << "entry " << k;
    }
}

TEST(Angle, RadiansAreRoundedOnceFromDouble) {
    EXPECT_EQ(Bits(AngleToRadians(1)), Bits(0.0015339808f));
    EXPECT_EQ(Bits(AngleToRadians(4095)), Bits(6.2816515f));
    for (int32_t a = 0; a < kAngleUnitsPerTurn; ++a) {
        const float expected = static_cast<float>(a * 3.141592653589793 / 2048.0);
        ASSERT_EQ(Bits(AngleToRadians(a)), Bits(expected)) << "angle " << a;
    }
}

}  // namespace
