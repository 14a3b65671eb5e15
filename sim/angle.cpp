// Conversion of simulation angles to radians for the drawing code.
#include "angle.h"

float AngleToRadians(int32_t a)
{
    // The order of operations and the precision of each step are fixed, so
    // every build produces the same bits.
    const float twice = static_cast<float>(a) * 2.0f;
    const double radians = static_cast<double>(twice) * 3.141592653589793 / 4096.0;
    return static_cast<float>(radians);
}
