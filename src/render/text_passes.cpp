// The three typesetting passes of a script line. Each draws one layer at the
// same fixed pitch: pass 1 the Chinese text and the large operators, pass 2
// the letters (italic by the formula setting) and the ∂ glyph, pass 3 the
// upright digits, operators and composed marks.
#include "render/text_typeset.h"

#include <algorithm>
#include <cstring>

using namespace typeset;

namespace typeset {

const char kDashText[3] = {char(0xA1), char(0xAA), 0};

bool IsUpright(unsigned char c) {
    return c && std::strchr("()[]d=.1234567890+-!{}<>/|,;:", c) != nullptr;
}

bool InPairTable(const char* table, const char* p) {
    if (!table) return false;
    const size_t n = std::strlen(table);
    for (size_t k = 0; k + 1 < n; k += 2)
        if (table[k] == p[0] && table[k + 1] == p[1]) return true;
    return false;
}

LineWalk::LineWalk(const char* text, int x, int pitch, int kern, int cell2, int pass, int style)
    : m_pText(text), m_nLength(int(std::strlen(text))), m_nX(x), m_nPitch(pitch), m_nKern(kern),
      m_nCell2(cell2), m_nPass(pass), m_nStyle(style) {
    m_nEnd = m_nLength - 1 < kMaxLineBytes ? m_nLength - 1 : kMaxLineBytes;
}

int LineWalk::CharBytes(int i) const {
    const unsigned char c = At(i);
    if (c < 0x80) return 1;
    // A lead byte needs a trail byte of the code page; a lone lead byte (at
    // the end of a line, before the line end) is not drawn.
    const unsigned char t = At(i + 1);
    return (i + 1 < m_nLength && t >= 0x40 && t != 0x7F && t != 0xFF) ? 2 : 0;
}

int LineWalk::Pull() const {
    return int(m_nKern * m_dRun + m_nShift);
}

int LineWalk::Pos(int i) const {
    const unsigned char p = At(i - 1);
    if (p == '&') return Frac(i, 5, -2, 5);
    if (p == '@' || p == '$') return Frac(i, 5, 2, 5);
    return Plain(i);
}

bool LineWalk::IsPullHash(int i) const {
    return At(i) == '#' && (At(i - 1) != '#' || m_nPass == 3 || m_nStyle != 0);
}

bool LineWalk::IsLoneMarkup(int i) const {
    const unsigned char c = At(i);
    return (c == '&' || c == '@' || c == '$') && At(i - 1) != c;
}

void LineWalk::Advance(int i, int n) {
    const unsigned char c = At(i);
    const bool single = n != 2;
    if (single && IsPullHash(i)) m_nShift += At(i - 1) != '#' ? m_nCell2 : m_nCell2 / 4;
    if (At(i - 1) == '$' && !(m_nPass == 3 && single && c == '#')) m_nShift += 7 * m_nCell2 / 6;
    if (!single) {
        m_dRun += 1.8;
    } else if (c == ' ' || At(i + 1) == ' ') {
        m_dRun = 0;
    } else if (!(m_nPass == 3 && c == '&')) {
        m_dRun += 1;
    }
}

} // namespace typeset

namespace {

// The condensed styles 10..15 behave as another style and pull each
// character of a word left by a kern.
int MapStyle(int style, int pass, const Metrics& m, int* kern) {
    *kern = 0;
    switch (style) {
    case 10:
        *kern = m.C / 6;
        return 5;
    case 11:
        *kern = m.C / 4;
        return 7;
    case 12:
        *kern = m.C / 5;
        return 9;
    case 13:
        *kern = m.C / 6;
        return 1;
    case 14:
        *kern = pass == 2 ? (m.S + 3 * m.W) / 8 : m.C / 8;
        return 2;
    case 15:
        *kern = m.C / 7;
        return 6;
    case 8:
        return 3;
    default:
        return (style >= 0 && style <= 9) ? style : 0;
    }
}

} // namespace

// Height and width of the working font for a (mapped) style in one pass.
static void SetPassFontSize(LOGFONT& lf, int pass, int st, const Metrics& m, double letter,
                            double titleWidth, double titleHeight) {
    const int E = m.E, C = m.C;
    switch (st) {
    case 1:
        lf.lfHeight = ToPixel((3 * E / 5) * letter);
        lf.lfWidth = ToPixel((C / 3) * letter);
        break;
    case 2:
        lf.lfHeight = 6 * E / 7;
        lf.lfWidth = 5 * C / 11;
        break;
    case 3:
        lf.lfHeight = ToPixel(E * titleHeight);
        lf.lfWidth = ToPixel(m.w0 * titleWidth);
        break;
    case 4:
        lf.lfHeight = pass == 1 ? 7 * E / 5 : 6 * E / 5;
        break;
    case 5:
        lf.lfHeight = pass == 1 ? 4 * E / 5 : 3 * E / 4;
        break;
    case 6:
        lf.lfHeight = pass == 1 ? 6 * E / 5 : 5 * E / 6;
        break;
    case 7:
        lf.lfHeight = 2 * E / 5;
        lf.lfWidth = pass == 1 ? C / 5 : C / 4;
        break;
    case 9:
        lf.lfHeight = E / 2;
        lf.lfWidth = pass == 1 ? C / 4 : C / 3;
        break;
    default:
        lf.lfHeight = pass == 2 ? 6 * E / 7 : E;
        break;
    }
}

namespace {

// Raise (as a divisor of E) and shift right (as a divisor of the pitch) of
// the large operators in the symbol layers of pass 1; 0 = not drawn / none.
struct RaisedSymbol {
    Gbk2 ch;
    int raise4, shift4;   // style 4
    int raise59, shift59; // styles 5 and 9
    int raise6, shift6;   // style 6
};
// The arc over a small line's letters is raised E/5: at E/7 it touched the
// capitals under it on paper and in large windows.
constexpr RaisedSymbol kRaisedSymbols[] = {
    {kIntegral, 5, 0, 7, 0, 6, 0},   {kContour, 6, 0, 0, 0, 0, 0},
    {kRoot, 4, 3, 6, 0, 4, 3},       {kBraceOpen, 4, 0, 0, 0, 4, 0},
    {kBraceClose, 5, 0, 0, 0, 4, 0}, {kRightArrow, 0, 0, 4, 2, 8, 2},
    {kLeftArrow, 0, 0, 4, 3, 0, 0},  {kArc, 0, 0, 5, 0, 0, 0},
};

// Whether pass 1 writes a two-byte character as text in a text layer.
bool IsTextLayerChar(const CPemroView& v, const LineWalk& walk, int i, int st) {
    const char* p = walk.Ptr(i);
    if (InPairTable(v.m_pszWideLetters, p) || InPairTable(v.m_pszWideSymbols, p)) return false;
    for (Gbk2 c : {kPartial, kArc, kDash, kIntegral, kContour, kRightArrow})
        if (walk.Is(i, c)) return false;
    if (st != 3 && (walk.Is(i, kBraceOpen) || walk.Is(i, kBraceClose) || walk.Is(i, kRoot)))
        return false;
    if (st <= 2 && walk.Is(i, kLeftArrow)) return false;
    return true;
}

} // namespace

void CPemroView::DrawScriptLinePass1(CDC* pDC, int style, int x, int y, const char* text,
                                     int colour) {
    if (!pDC || !text || !m_bShowRecordText || !m_bBeforeFigure) return;
    const Metrics m(*this);
    m_lfCurrent.lfWidth = m.w0;
    int kern = 0;
    const int st = MapStyle(style, 1, m, &kern);
    SetPassFontSize(m_lfCurrent, 1, st, m, m_dLetterSize, m_dTitleWidthScale, m_dTitleHeightScale);
    const COLORREF crText = st <= 3 ? TextPaletteColour(colour) : NonChineseTextColour(colour);
    {
        CFontSelect font(pDC, m_lfCurrent);
        TextPaint paint(pDC, crText);
        if (st != 3) m_lfCurrent.lfWidth = m.w0;
        LineWalk walk(text, x, m_lfCurrent.lfWidth, kern, m.C, 1, style);
        const bool symbolLayer = st == 4 || st == 5 || st == 6 || st == 9;
        const bool textLayer = st == 0 || st == 1 || st == 2 || st == 3 || st == 7;
        const int w = walk.Pitch();
        for (int i = 0; i < walk.End();) {
            const int n = walk.CharBytes(i);
            if (n == 2 && textLayer && IsTextLayerChar(*this, walk, i, st)) {
                PutTypesetText(pDC, walk.Pos(i), y, walk.Ptr(i), 2);
            } else if (n == 2 && symbolLayer) {
                for (const RaisedSymbol& s : kRaisedSymbols) {
                    if (!walk.Is(i, s.ch)) continue;
                    const int raise = st == 4 ? s.raise4 : st == 6 ? s.raise6 : s.raise59;
                    const int shift = st == 4 ? s.shift4 : st == 6 ? s.shift6 : s.shift59;
                    if (raise == 0) break;
                    const unsigned char p = walk.At(i - 1);
                    int px = p == '&'                 ? walk.Frac(i, 2, -1, 2)
                             : (p == '@' || p == '$') ? walk.Frac(i, 2, 1, 2)
                                                      : walk.Frac(i, 5, -1, 5);
                    if (shift) {
                        // Moved right, a sign before another character
                        // still ends in its own two cells: the head of an
                        // arrow stays off it, however wide the face draws it.
                        const int pushed = px + w / shift;
                        const unsigned char next = walk.At(i + 2);
                        const int over =
                            next > ' ' ? pushed + pDC->GetTextInk(CString(walk.Ptr(i), 2)).right -
                                             walk.Plain(i + 2)
                                       : 0;
                        px = pushed - std::clamp(over, 0, w / shift);
                    }
                    PutTypesetText(pDC, px, y - m.E / raise, walk.Ptr(i), 2);
                    break;
                }
            }
            walk.Advance(i, n);
            i += n == 2 ? 2 : 1;
        }
    }
    m_lfCurrent.lfHeight = m_nCharHeight;
    m_lfCurrent.lfWidth = m_nCharWidth;
}

void CPemroView::DrawScriptLinePass2(CDC* pDC, int style, int x, int y, const char* text,
                                     int colour) {
    if (!pDC || !text || !m_bShowRecordText || !m_bBeforeFigure) return;
    const Metrics m(*this);
    // Records of parameter 5 write their letters in the formula font.
    if (colour == 5) m_lfCurrent = m_alfTextFont[3];
    m_lfCurrent.lfWidth = m.w0;
    const BYTE savedItalic = m_lfCurrent.lfItalic;
    m_lfCurrent.lfItalic = m_bLettersItalic ? 1 : 0;
    int kern = 0;
    const int st = MapStyle(style, 2, m, &kern);
    const int y2 = (st == 0 || st == 2) ? y : y + m.E / 10;
    SetPassFontSize(m_lfCurrent, 2, st, m, m_dLetterSize, m_dTitleWidthScale, m_dTitleHeightScale);
    LOGFONT scaled = m_lfCurrent;
    scaled.lfHeight = ToPixel(m_lfCurrent.lfHeight * m_dLetterSize);
    scaled.lfWidth = ToPixel(m_lfCurrent.lfWidth * m_dLetterSize);
    const int k = m_bLettersItalic ? 1 : 0;
    const COLORREF crText = NonChineseTextColour(colour);
    {
        CFontSelect font(pDC, scaled);
        TextPaint paint(pDC, crText);
        // The pull-back makes up for a slant that leans letters right of
        // their cells; letters of an italic design stand in their cells.
        const int italicPull = m_lfCurrent.lfItalic == 1 && pDC->IsShearedItalic() ? m.E / 9 : 0;
        if (st != 3) m_lfCurrent.lfWidth = m.w0;
        LineWalk walk(text, x, m_lfCurrent.lfWidth, kern, m.C, 2, style);
        int prevBytes = 0;
        for (int i = 0; i < walk.End();) {
            const int n = walk.CharBytes(i);
            if (n == 2) {
                if (InPairTable(m_pszWideLetters, walk.Ptr(i))) {
                    const unsigned char p = walk.At(i - 1);
                    const int add = p == '&' ? -2 : (p == '@' || p == '$') ? 2 : 0;
                    PutTypesetText(pDC, walk.Frac(i, 5, add - k, 5), y2 + m.E / 8, walk.Ptr(i), 2);
                } else if (walk.Is(i, kPartial)) {
                    PaintGlyphCell(pDC, 0, walk.Pos(i) + m.w0 / 2, y2, crText);
                }
            } else if (n == 1 && walk.At(i) != ' ' && !walk.IsPullHash(i) &&
                       !IsUpright(walk.At(i)) && !walk.IsLoneMarkup(i)) {
                // An underscore whose face draws it left of its cell would
                // run into the character before: its ink starts at the cell.
                // So does a letter after an opening bracket or a Chinese
                // character, whose slanted foot (the tail of y, the left leg
                // of A) would run into it, and a letter after "<" or ">",
                // whose point reaches the cell's edge. Before "<" or ">" a
                // slanted letter's top overhangs that point: it ends at its cell.
                const unsigned char before = walk.At(i - 1);
                const bool afterOpening = before == '(' || before == '[' || before == '{' ||
                                          before == '<' || before == '>' || prevBytes == 2;
                int lead = 0;
                if (walk.At(i) == '_')
                    lead = std::max(0, -pDC->GetTextInk(std::string("_")).left);
                else if (afterOpening)
                    lead =
                        std::max(0, italicPull - pDC->GetTextInk(std::string(walk.Ptr(i), 1)).left);
                int px = walk.Pos(i) - italicPull + lead;
                const unsigned char after = walk.At(i + 1);
                if (after == '<' || after == '>') {
                    const CRect ink = pDC->GetTextInk(std::string(walk.Ptr(i), 1));
                    const int over = px + ink.right - (walk.Pos(i) + walk.Pitch() - 1);
                    // Between two points ("0<x<l") never so far that its
                    // foot leaves its cell on the left.
                    const bool pointBefore = before == '<' || before == '>';
                    if (over > 0)
                        px = pointBefore ? std::max(px - over, std::min(px, walk.Pos(i) - ink.left))
                                         : px - over;
                }
                PutTypesetText(pDC, px, st == 0 ? y2 + m.E / 8 : y2, walk.Ptr(i), 1);
            }
            prevBytes = n;
            walk.Advance(i, n);
            i += n == 2 ? 2 : 1;
        }
    }
    if (colour == 5) m_lfCurrent = m_alfTextFont[1];
    m_lfCurrent.lfHeight = m_nCharHeight;
    m_lfCurrent.lfWidth = m_nCharWidth;
    m_lfCurrent.lfItalic = savedItalic;
}

namespace {

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// Styles whose minus signs join into dashes (the small and condensed ones).
bool IsDashJoiningStyle(int style) {
    switch (style) {
    case 1:
    case 5:
    case 9:
    case 10:
    case 12:
    case 13:
    case 15:
        return true;
    default:
        return false;
    }
}

} // namespace

void CPemroView::DrawScriptLinePass3(CDC* pDC, int style, int x, int y, const char* text,
                                     int colour) {
    if (!pDC || !text || !m_bShowRecordText || !m_bBeforeFigure) return;
    const Metrics m(*this);
    if (colour == 5) m_lfCurrent = m_alfTextFont[3];
    m_lfCurrent.lfWidth = m.w0;
    const int y3 = y + m.E / 10;
    int kern = 0;
    const int st = MapStyle(style, 3, m, &kern);
    SetPassFontSize(m_lfCurrent, 3, st, m, m_dLetterSize, m_dTitleWidthScale, m_dTitleHeightScale);
    LOGFONT scaled = m_lfCurrent;
    scaled.lfHeight = ToPixel((11 * m_lfCurrent.lfHeight / 12) * m_dLetterSize);
    scaled.lfWidth = ToPixel(m_lfCurrent.lfWidth * m_dLetterSize);
    const COLORREF crText = NonChineseTextColour(colour);
    const int clipStep = (m_nClipRight - m_nClipLeft) / 800;
    {
        CFontSelect font(pDC, scaled);
        TextPaint paint(pDC, crText);
        if (st != 3) m_lfCurrent.lfWidth = m.w0;
        LineWalk walk(text, x, m_lfCurrent.lfWidth, kern, m.C, 3, style);
        auto put = [&](int px, int py, const char* s, int count) {
            PutTypesetText(pDC, px, py, s, count);
        };
        for (int i = 0; i < walk.End();) {
            const int n = walk.CharBytes(i);
            const unsigned char c = walk.At(i);
            const unsigned char p = walk.At(i - 1);
            if (n == 2) {
                if (InPairTable(m_pszWideSymbols, walk.Ptr(i))) {
                    const bool bar = walk.Is(i, kDivides) || walk.Is(i, kBoxBar);
                    put(style == 0 && bar ? walk.Frac(i, 5, -1, 5) : walk.Pos(i), y3, walk.Ptr(i),
                        2);
                } else if (walk.Is(i, kDash)) {
                    if (p == '+' || p == '-') {
                        put(walk.Frac(i, 4, 1, 4), y3, kDashText, 2);
                        if (i > 1 && walk.At(i - 2) == kDash.trail)
                            put(walk.Frac(i, 8, -1, 8), y3, kDashText, 2);
                    } else {
                        put(walk.Frac(i, 8, -1, 8), y3, kDashText, 2);
                        put(walk.Frac(i, 8, 1, 8), y3, kDashText, 2);
                    }
                } else if (style == 0 && walk.Is(i, kRightArrow)) {
                    put(walk.Plain(i), y3, walk.Ptr(i), 2);
                } else if (style == 0 && walk.Is(i, kLeftArrow)) {
                    put(walk.Frac(i, 3, 1, 3), y3, walk.Ptr(i), 2);
                    put(walk.Frac(i, 3, 2, 3), y3, kDashText, 2);
                }
            } else if (n == 1 && c == '-') {
                const unsigned char nx = walk.At(i + 1);
                const unsigned char pp = walk.At(i - 2);
                const bool beforeArrow = walk.Is(i + 1, kRightArrow);
                const bool afterDash = i > 1 && walk.Is(i - 2, kDash);
                if (beforeArrow || afterDash) {
                    // The minus joins a dash and an arrow into one long arrow.
                    const int d = style == 0 ? 0 : m.E / 6 + clipStep;
                    if (beforeArrow) put(walk.Plain(i), y3 - d, kDashText, 2);
                    if (afterDash) put(walk.Plain(i) - m.w0, y3 - d, kDashText, 2);
                } else if (IsDashJoiningStyle(style)) {
                    const bool nBlank = nx == ' ', pBlank = p == ' ';
                    const bool nMinus = nx == '-', pMinus = p == '-';
                    if ((nBlank || nMinus || IsDigit(nx)) &&
                        ((pBlank && i >= 2 && pp == ' ') || pMinus || IsDigit(p))) {
                        if ((nBlank && pBlank) || (!(nMinus || nBlank) && !(pMinus || pBlank))) {
                            put(walk.Plain(i), y3 + 1, walk.Ptr(i), 1);
                        } else if (nBlank && pMinus) {
                            put(walk.Plain(i) - 7 * m.w0 / 5, y3 - m.E / 4 - clipStep, kDashText,
                                2);
                        } else {
                            const int dy = y3 - m.E / 4 - clipStep;
                            put(walk.Plain(i) - 3, dy, kDashText, 2);
                            put(nMinus ? walk.Frac(i, 4, 1, 4) : walk.Frac(i, 3, 2, 3), dy,
                                kDashText, 2);
                        }
                    } else if (nMinus || pMinus) {
                        put(walk.Plain(i), y3 - m.E / 4, kDashText, 2);
                    } else {
                        put(walk.Plain(i), y3, walk.Ptr(i), 1);
                    }
                } else if (style == 0 && i < kWideLineSize && m_szWideLine[i] != ' ' &&
                           m_szWideLine[i] != 0) {
                    // Under a marked column: a wider minus (fraction bars).
                    put(walk.Frac(i, 5, -1, 5), y3, walk.Ptr(i), 1);
                    put(walk.Frac(i, 6, 1, 6), y3, walk.Ptr(i), 1);
                } else {
                    put(walk.Plain(i), y3, walk.Ptr(i), 1);
                }
            } else if (n == 1 && c == '=' && (p == '=' || walk.At(i + 1) == '>' || p == '<')) {
                if (p == '=') {
                    put(walk.Plain(i) - 3, y3, walk.Ptr(i), 1);
                    put(walk.Plain(i), y3, walk.Ptr(i), 1);
                }
                if (walk.At(i + 1) == '>') {
                    put(walk.Plain(i) - 3, y3, walk.Ptr(i), 1);
                    put(walk.Frac(i, 5, 3, 5), y3, walk.Ptr(i), 1);
                }
                if (p == '<') {
                    put(walk.Plain(i), y3, walk.Ptr(i), 1);
                    put(walk.Frac(i, 2, -1, 2), y3, walk.Ptr(i), 1);
                }
            } else if (n == 1 && IsUpright(c)) {
                put(walk.Pos(i), y3, walk.Ptr(i), 1);
            }
            walk.Advance(i, n);
            i += n == 2 ? 2 : 1;
        }
    }
    if (colour == 5) m_lfCurrent = m_alfTextFont[1];
    m_lfCurrent.lfHeight = m_nCharHeight;
    m_lfCurrent.lfWidth = m_nCharWidth;
}
