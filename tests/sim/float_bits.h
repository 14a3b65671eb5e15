// A float's bit pattern, for checks that the drive's floats agree to the bit on every compiler.
#pragma once

#include <cstdint>
#include <cstring>

inline uint32_t Bits(float f) {
    uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}
