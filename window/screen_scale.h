// Scaling from the 1600 by 900 reference screen: product first, quotient
// truncated toward zero. The product is taken in 64 bits so that widths from
// a hand-edited settings file cannot overflow; the values the program itself
// stores give the same results as 32-bit arithmetic.
#ifndef SCREEN_SCALE_H
#define SCREEN_SCALE_H

#include <stdint.h>

inline int32_t across(int64_t v, int32_t w)
{
    return static_cast<int32_t>(v * w / 1600);
}

inline int32_t down(int64_t v, int32_t h)
{
    return static_cast<int32_t>(v * h / 900);
}

// Sum of the first n column widths (n = 0 gives 0), kept within int32.
inline int32_t sum_of_widths(const int32_t *widths, int32_t n)
{
    int64_t s = 0;
    for (int32_t c = 0; c < n; c++)
        s += widths[c];
    if (s > INT32_MAX / 4)
        return INT32_MAX / 4;
    if (s < INT32_MIN / 4)
        return INT32_MIN / 4;
    return static_cast<int32_t>(s);
}

#endif
