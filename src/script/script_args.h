// Field readers of script command lines, free of the view so they can be
// tested alone. A command line is GBK bytes; fields end with ',', ')' or
// ';' (consumed). The view's ReadScriptNumber/ReadScriptString wrap these.
#pragma once

#include <string>

// Columns past this one are never read: a field reaching beyond it reads 0.
constexpr int kLastArgColumn = 253;
// Digits kept per number field (numerator, decimals and denominator).
constexpr int kMaxFieldDigits = 20;

// Length of the command line: up to its first NUL or line feed, at most
// `size` bytes. Readers never look past it, so a field that is not closed
// ends at the end of the line instead of running into stale bytes.
int CommandLineLength(const char* line, int size);

// Reads the number field that starts at *pos. A '-' anywhere makes the value
// negative, '.' starts the decimals, '/' the denominator, other bytes are
// skipped. *pos ends just past the terminator, or at the end of the line
// when the field has none. A field with no digit reads 0; one that runs past
// kLastArgColumn reads 0.0. "1/0" gives an infinite value.
double ReadNumberField(const char* line, int length, int* pos);

// Reads the bytes from *pos up to the terminator (not kept) into *out.
void ReadStringField(const char* line, int length, int* pos, std::string* out);

// True when another field follows the cursor: the byte before it is not ')'
// and the line has not ended.
bool ArgListOpen(const char* line, int length, int pos);

// A script number truncated toward zero, as scripts give counts and indexes:
// NaN reads 0 and values beyond the int range saturate.
int ScriptInt(double v);

// A script's int v moved on by d >= 0, as pages derive one index from
// another; where that would pass the largest int, v as it is.
int ScriptIntPlus(int v, int d);
