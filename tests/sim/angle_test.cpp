// Angle normalisation, the sine table against its rule, and the radian conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "angle.h"

namespace {

uint32_t Bits(float f)
{
    uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

TEST(Angle, WrapAngleIsModuloTurnForNegativesToo)
{
    EXPECT_EQ(WrapAngle(0), 0);
    EXPECT_EQ(WrapAngle(4095), 4095);
    EXPECT_EQ(WrapAngle(4096), 0);
    EXPECT_EQ(WrapAngle(-1), 4095);
    EXPECT_EQ(WrapAngle(-4096), 0);
    EXPECT_EQ(WrapAngle(-11), 4085);
    EXPECT_EQ(WrapAngle(-13), 4083);
    EXPECT_EQ(WrapAngle(4095 + 113), 112);
}

TEST(Angle, EverySineEntryFollowsTheRule)
{
    for (int k = 0; k < kSinTableSize; ++k) {
        const double exact = 4096.0 * std::sin(2.0 * 3.141592653589793 * k / 4096.0);
        ASSERT_EQ(SinTable[k], static_cast<int32_t>(std::lround(exact))) << "entry " << k;
    }
    for (int k = 0; k <= 1024; ++k) {
        ASSERT_EQ(SinTable[k + 4096], SinTable[k]) << "entry " << k;
    }
}

TEST(Angle, TellingSineEntries)
{
    const struct { int k; int32_t v; } rows[] = {
        {0, 0}, {1, 6}, {2, 13}, {22, 138}, {1024, 4096}, {1046, 4094}, {2048, 0},
        {3072, -4096}, {4095, -6}, {4096, 0}, {5119, 4096}, {5120, 4096},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(SinTable[r.k], r.v) << "entry " << r.k;
    }
    EXPECT_EQ(CosOf(0), 4096);
    EXPECT_EQ(CosOf(1024), 0);
    EXPECT_EQ(CosOf(4095), 4096);
    EXPECT_EQ(SinOf(3072), -4096);
    EXPECT_EQ(SinOf(2048), 0);
}

TEST(Angle, RadiansAreRoundedOnceFromDouble)
{
    EXPECT_EQ(Bits(AngleToRadians(0)), Bits(0.0f));
    EXPECT_EQ(Bits(AngleToRadians(1)), Bits(0.0015339808f));
    EXPECT_EQ(Bits(AngleToRadians(1024)), Bits(static_cast<float>(3.141592653589793 / 2)));
    EXPECT_EQ(Bits(AngleToRadians(2048)), Bits(static_cast<float>(3.141592653589793)));
    EXPECT_EQ(Bits(AngleToRadians(4095)), Bits(6.2816515f));
    for (int32_t a = 0; a < kAngleUnitsPerTurn; ++a) {
        const float expected = static_cast<float>(a * 3.141592653589793 / 2048.0);
        ASSERT_EQ(Bits(AngleToRadians(a)), Bits(expected)) << "angle " << a;
    }
}

}  // namespace
