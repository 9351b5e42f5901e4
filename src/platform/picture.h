// Pictures named by pages and settings (JPEG, GIF, PNG, BMP).
#pragma once

#include "platform/dc.h"

#include <cstddef>
#include <string>

// Draws the picture file scaled into the logical rectangle; a negative width
// or height draws it mirrored. False when it cannot be read or decoded.
bool DrawPictureFile(CDC* pDC, const std::string& gbkPath, const CRect& dest);
// The file begins like a picture of a known format (whether or not the rest
// of it can be decoded).
bool IsPictureFile(const std::string& gbkPath);
// Forgets decoded pictures (after a picture file changed on disk).
void ClearPictureCache();
// What the decoded pictures kept for the next passes take, in bytes.
size_t PictureCacheBytes();
