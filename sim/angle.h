// Angle unit of the drive simulation and its fixed-point sine table.
#pragma once

#include <cstdint>

// 4096 angle units make one turn; a stored angle is kept in 0..4095.
constexpr int32_t kAngleUnitsPerTurn = 4096;
constexpr int32_t kAngleMask = kAngleUnitsPerTurn - 1;
constexpr int32_t kQuarterTurn = kAngleUnitsPerTurn / 4;

// Fixed point of the sine table: 4096 stands for 1.0. Products with a table
// value are brought back by a division (truncating toward zero) by kFixedOne.
constexpr int32_t kFixedOne = 4096;

// One and a quarter turns of sine, so that a cosine is one read a quarter turn on.
constexpr int kSinTableSize = kAngleUnitsPerTurn + kQuarterTurn + 1;

// Entry k is 4096 * sin(2 * pi * k / 4096) rounded to the nearest integer.
extern const int32_t SinTable[kSinTableSize];

// Brings any angle into 0..4095 (two's-complement AND, so negatives wrap too).
constexpr int32_t WrapAngle(int32_t a) { return a & kAngleMask; }

// a must be normalised (0..4095).
inline int32_t SinOf(int32_t a) { return SinTable[a]; }
inline int32_t CosOf(int32_t a) { return SinTable[a + kQuarterTurn]; }

// Radians for drawing: float(a) * 2 in float, then * pi / 4096 in double,
// rounded once to float. Callers pass normalised angles. The order and the
// precision of each step are fixed, so every build produces the same bits.
inline float AngleToRadians(int32_t a) {
    const float twice = static_cast<float>(a) * 2.0f;
    const double radians = static_cast<double>(twice) * 3.141592653589793 / 4096.0;
    return static_cast<float>(radians);
}
