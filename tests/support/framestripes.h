#pragma once

#include <QtGlobal>

namespace TestVideos {

// The number a frame of a numbered video carries, read from a band of rows grey-level lines of
// width pixels across its stripes: stripe b (72 pixels wide) is white for a set bit b and black
// for a clear one; its centre is read, so edges blurred by encoding do not count. -1 when a
// stripe is neither black nor white.
inline int stripeNumber(const uchar *pixels, int width, int rows)
{
    int number = 0;
    for (int bit = 0; bit < 10; ++bit) {
        int sum = 0;
        for (int row = 0; row < rows; ++row) {
            for (int x = bit * 72 + 28; x < bit * 72 + 44; ++x)
                sum += pixels[row * width + x];
        }
        const int mean = sum / (rows * 16);
        if (mean > 170)
            number |= 1 << bit;
        else if (mean > 85)
            return -1;
    }
    return number;
}

} // namespace TestVideos
