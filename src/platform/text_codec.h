// GBK <-> UTF-8 conversion. Page texts stay in GBK bytes; the program's own
// texts are UTF-8 literals converted once where they meet the page writers.
#pragma once

#include <string>

// UTF-8 to GBK; characters GBK lacks become '?'.
std::string Gbk(const char* utf8);
std::string Gbk(const std::string& utf8);
// GBK to UTF-8; invalid sequences become U+FFFD, a lone trailing lead byte
// is dropped.
std::string GbkToUtf8(const std::string& gbk);
std::string GbkToUtf8(const char* gbk, int count);
// True when byte `b` starts a two-byte GBK character.
inline bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
