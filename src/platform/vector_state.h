// The upper halves of the vector registers.
//
// Qt's AVX2 memory fill (behind QImage::fill and solid QPainter::fillRect,
// also when the glyph cache grows) returns with the upper halves of the YMM
// registers still in use. Until something executes VZEROUPPER, every plain
// SSE instruction afterwards (all of our floating-point code and libm's)
// pays a transition penalty or a false dependency on many Intel processors:
// catalogue loops run many times slower. Whether some later library routine
// happens to clear the state depends on which string functions glibc picks
// for the processor, so the platform clears it itself after calling into Qt.
#pragma once

// Marks the upper halves unused again (VZEROUPPER), on processors with AVX
// only; a no-op elsewhere. Cheap enough to call after every Qt drawing call.
void ClearUpperVectorState();

// 1 when the upper halves of the YMM/ZMM registers are marked in use, 0 when
// not, -1 when the processor cannot tell (no XGETBV with ECX = 1).
int UpperVectorStateInUse();

// Clears the upper state when it goes out of scope: declared before a
// QPainter, it runs after the painter has finished.
class CUpperVectorStateScope {
public:
    CUpperVectorStateScope() = default;
    ~CUpperVectorStateScope() { ClearUpperVectorState(); }
    CUpperVectorStateScope(const CUpperVectorStateScope&) = delete;
    CUpperVectorStateScope& operator=(const CUpperVectorStateScope&) = delete;
};
