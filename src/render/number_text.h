// Numbers as the pages write them.
#pragma once

#include <cstring>

// A number that rounds to zero at its decimals is written without a sign:
// "-0.0000" becomes "0.0000". The text is changed in place; the sign of any
// other number, and any text around the number, stays.
inline void DropSignOfZero(char* text) {
    for (char* p = std::strchr(text, '-'); p; p = std::strchr(p + 1, '-')) {
        const char* q = p + 1;
        if (*q < '0' || *q > '9') continue;
        bool zero = true;
        for (; (*q >= '0' && *q <= '9') || *q == '.'; ++q) zero = zero && (*q == '0' || *q == '.');
        if (zero) std::memmove(p, p + 1, std::strlen(p + 1) + 1);
    }
}
