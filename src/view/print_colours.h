// The colours a page prints in on white paper when the screen colours are
// not kept: light colours, meant for a dark screen, are darkened until they
// read on white.
#pragma once

#include "platform/types.h"

// Brightness (luma, 0..255) above which a colour is darkened for paper.
constexpr int kMaxPrintLuma = 100;

// `c` itself when it is dark enough for white paper; white and near-white
// greys become black; other light colours keep their hue at luma
// kMaxPrintLuma.
COLORREF PrintableColour(COLORREF c);
