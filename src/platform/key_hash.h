// FNV-1a over the bytes of the values a remembered result depends on: a
// pass that meets the same key again takes the result it kept.
#pragma once

#include <cstring>

class KeyHash {
public:
    template <class T> void Add(const T& v) {
        unsigned char b[sizeof(T)];
        std::memcpy(b, &v, sizeof(T));
        for (unsigned char c : b) h_ = (h_ ^ c) * 1099511628211ull;
    }
    unsigned long long Value() const { return h_; }

private:
    unsigned long long h_ = 14695981039346656037ull;
};
