// Pictures named by pages and settings (JPEG, GIF, PNG, BMP).
#pragma once

#include "platform/dc.h"

#include <string>

// Draws the picture file scaled into the logical rectangle. False when it
// cannot be read or decoded; the caller reports it.
bool DrawPictureFile(CDC* pDC, const std::string& gbkPath, const CRect& dest);
// Forgets decoded pictures (after a picture file changed on disk).
void ClearPictureCache();
