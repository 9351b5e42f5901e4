// Field readers of script command lines.
#include "script/script_args.h"

#include <climits>
#include <cmath>
#include <cstring>

namespace {

inline bool IsTerminator(char c) {
    return c == ',' || c == ')' || c == ';';
}

} // namespace

int CommandLineLength(const char* line, int size) {
    int n = 0;
    while (n < size && line[n] != '\0' && line[n] != '\n') ++n;
    return n;
}

double ReadNumberField(const char* line, int length, int* pos) {
    enum { kInteger, kDecimals, kDenominator } state = kInteger;
    int p = *pos < 0 ? 0 : *pos;
    bool negative = false;
    int digits[kMaxFieldDigits];
    int count = 0, decimals = 0, denominatorDigits = 0;
    for (;;) {
        if (p > kLastArgColumn) {
            *pos = p;
            return 0.0;
        }
        if (p >= length) break; // the line ended without a terminator
        const char c = line[p++];
        if (IsTerminator(c)) break;
        if (c == '-')
            negative = true;
        else if (c == '.')
            state = kDecimals;
        else if (c == '/')
            state = kDenominator;
        else if (c >= '0' && c <= '9' && count < kMaxFieldDigits) {
            digits[count++] = c - '0';
            if (state == kDecimals)
                ++decimals;
            else if (state == kDenominator)
                ++denominatorDigits;
        }
    }
    *pos = p;
    if (count == 0) return 0.0;

    double numerator = 0.0, denominator = 1.0;
    const int numeratorDigits = count - denominatorDigits;
    if (numeratorDigits > 0) {
        for (int i = 0; i < numeratorDigits; ++i) numerator = numerator * 10.0 + digits[i];
        if (denominatorDigits > 0) {
            denominator = 0.0;
            for (int i = numeratorDigits; i < count; ++i)
                denominator = denominator * 10.0 + digits[i];
        }
    } else {
        numerator = digits[0]; // only a denominator was written: "/5" reads 5
    }
    const double value = numerator / std::pow(10.0, decimals) / denominator;
    return negative ? -value : value;
}

void ReadStringField(const char* line, int length, int* pos, std::string* out) {
    out->clear();
    int p = *pos < 0 ? 0 : *pos;
    while (p <= kLastArgColumn && p < length) {
        const char c = line[p++];
        if (IsTerminator(c)) break;
        out->push_back(c);
    }
    *pos = p;
}

bool ArgListOpen(const char* line, int length, int pos) {
    if (pos >= length || pos > kLastArgColumn) return false;
    return pos <= 0 || line[pos - 1] != ')';
}

int ScriptInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= double(INT_MAX)) return INT_MAX;
    if (v <= double(INT_MIN)) return INT_MIN;
    return int(v);
}

int ScriptIntPlus(int v, int d) {
    return v <= INT_MAX - d ? v + d : v;
}
