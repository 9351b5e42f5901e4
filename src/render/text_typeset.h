// Shared pieces of the typesetter: the special two-byte characters, the
// fixed-pitch walk of a script line and the reader of a text record's lines.
#pragma once

#include "platform/file.h"
#include "view/view.h"

#include <cstring>

namespace typeset {

// GBK byte pairs of the characters that the passes place by rules of their
// own.
struct Gbk2 {
    unsigned char lead, trail;
};
constexpr Gbk2 kIntegral{0xA1, 0xD2};   // ∫
constexpr Gbk2 kContour{0xA1, 0xD3};    // ∮
constexpr Gbk2 kRoot{0xA1, 0xCC};       // √
constexpr Gbk2 kBraceOpen{0xA3, 0xFB};  // ｛
constexpr Gbk2 kBraceClose{0xA3, 0xFD}; // ｝
constexpr Gbk2 kArc{0xA1, 0xD0};        // ⌒
constexpr Gbk2 kRightArrow{0xA1, 0xFA}; // →
constexpr Gbk2 kLeftArrow{0xA1, 0xFB};  // ←
constexpr Gbk2 kDash{0xA1, 0xAA};       // —
constexpr Gbk2 kPartial{0xA7, 0xEF};    // э, drawn as the ∂ glyph
constexpr Gbk2 kDivides{0xA8, 0x4F};    // ∣
constexpr Gbk2 kBoxBar{0xA9, 0xA6};     // │
extern const char kDashText[3];         // "—" as a string

// The text metrics of the page: S the size step, H and W the character
// height and width, E = S + H the line height, C = S + 2W a two-byte cell,
// w0 = S/2 + W a one-byte cell.
struct Metrics {
    int S, H, W, E, C, w0;
    explicit Metrics(const CPemroView& v)
        : S(v.m_nFontStep), H(v.m_nCharHeight), W(v.m_nCharWidth), E(S + H), C(S + 2 * W),
          w0(S / 2 + W) {}
};

// Sets a text colour and background mode on a DC and puts them back.
class TextPaint {
public:
    TextPaint(CDC* dc, COLORREF colour, int bkMode = TRANSPARENT,
              COLORREF bkColour = RGB(100, 100, 100))
        : m_pDC(dc), m_crOld(dc->SetTextColor(colour)), m_nOldMode(dc->SetBkMode(bkMode)),
          m_crOldBk(dc->SetBkColor(bkColour)) {}
    ~TextPaint() {
        m_pDC->SetBkColor(m_crOldBk);
        m_pDC->SetBkMode(m_nOldMode);
        m_pDC->SetTextColor(m_crOld);
    }
    TextPaint(const TextPaint&) = delete;
    TextPaint& operator=(const TextPaint&) = delete;

private:
    CDC* m_pDC;
    COLORREF m_crOld;
    int m_nOldMode;
    COLORREF m_crOldBk;
};

// Longest part of a line that the writers draw, in bytes.
constexpr int kMaxLineBytes = 94;

// The upright single-byte set: brackets, digits, operators, the differential d.
bool IsUpright(unsigned char c);
// Whether the two bytes at `p` are one of the characters of a GBK table
// (two bytes each, compared at even offsets).
bool InPairTable(const char* table, const char* p);

// One walk over a script line at a fixed pitch: byte i starts at x + i*w,
// moved by the markup bytes and pulled left by the condensed styles.
class LineWalk {
public:
    LineWalk(const char* text, int x, int pitch, int kern, int cell2, int pass, int style);
    // The bound of the walk: never the line's last byte (its line end), never
    // beyond byte kMaxLineBytes.
    int End() const { return m_nEnd; }
    unsigned char At(int i) const {
        return (i >= 0 && i < m_nLength) ? (unsigned char)m_pText[i] : 0;
    }
    const char* Ptr(int i) const { return m_pText + i; }
    // Bytes of the character at i: 2 for a lead byte with its trail byte, 1
    // for a single byte, 0 for a lead byte without a trail byte (not drawn).
    int CharBytes(int i) const;
    bool Is(int i, Gbk2 c) const { return At(i) == c.lead && At(i + 1) == c.trail; }
    int Pull() const;
    // Place of the character at i with the '&', '@', '$' offsets.
    int Pos(int i) const;
    // Position rule ((num * i + add) * w) / den - pull, as the special
    // characters use it.
    int Frac(int i, int num, int add, int den) const {
        return m_nX + ((num * i + add) * m_nPitch) / den - Pull();
    }
    int Plain(int i) const { return m_nX + i * m_nPitch - Pull(); }
    // A '#' that pulls the rest of the line (not drawn itself).
    bool IsPullHash(int i) const;
    // '&', '@' or '$' standing alone (not doubled).
    bool IsLoneMarkup(int i) const;
    // Moves past the character at i (bytes n), updating pull and run.
    void Advance(int i, int n);
    int Pitch() const { return m_nPitch; }
    int X() const { return m_nX; }

private:
    const char* m_pText;
    int m_nLength;
    int m_nEnd;
    int m_nX;
    int m_nPitch;
    int m_nKern;
    int m_nCell2; // C: width of one two-byte cell
    int m_nPass;
    int m_nStyle;
    double m_dRun = 0;
    int m_nShift = 0;
};

// Reads the lines of one text record from the script and draws them with
// the view's writers: the reading primitives, the continuation gap and the
// column and ring lists shared by every record class.
class RecordReader {
public:
    RecordReader(CPemroView& view, CDC* dc, CStdioFile* file);

    CPemroView& v;
    CDC* const dc;
    // The end of the file was met: nothing further of the record is read.
    bool ended = false;

    // Line height H, sixth of a line Q, margin M and cell width W.
    int H = 0, Q = 0, M = 0, W = 0, Y = 0, P = 0;

    // Reads a header into m_szRecordHeader and peeks it; false at the end.
    bool Header();
    // Reads the rest of the current line into m_szTextLine and cuts it by
    // the stored click with `origin`; false at the end of the file.
    bool Line(int origin);
    // A line drawn with a writer: style 0, 1, 2, 13 or 14 at (M, y).
    void Draw(int style, int y, bool main = false);
    // A line drawn with the scaled writer at (x, y).
    void DrawScaled(int x, int y, double widthScale, double heightScale);
    // The continuation gap at y, and its loop without the first header.
    void Gap(int y);
    void Loop(int y);
    // Column number of the header peeked last.
    int PeekedColumn() const;
    // Column list at height c; x(n) = M + trunc(W * (n + offset)).
    enum class ColumnWriter { Style0, Rotated90 };
    void ColumnList(int c, double offset, ColumnWriter writer, bool drawOnlyIfVisible);
    // Ring list at centre height c.
    void RingList(int c, bool drawOnlyIfVisible);
    // One ring mark at column n in palette colour `colour`.
    void Ring(int n, int c, int colour);

private:
    CStdioFile* m_pFile;
};

// A number with 0..6 decimals ("%.0lf" ... "%.6lf"), six for more, empty
// for a negative count.
CString FormatDecimals(int decimals, double value);

// Paragraph classes 1 to 5 (text_paragraphs.cpp).
void TypesetParagraph(RecordReader& r);

} // namespace typeset
