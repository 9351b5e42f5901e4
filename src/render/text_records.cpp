// Text records: set-up by parameter, titles, placed and angled pieces, the
// continuation gap between the lines of a paragraph, and click-to-reveal.
#include "render/text_typeset.h"

#include <cmath>
#include <cstring>

using namespace typeset;

namespace {

// Entries of one column or ring list; a list that never ends stops here.
constexpr int kMaxListEntries = 200;
// Text line room of the reader (at most 250 bytes of a line).
constexpr UINT kTextLineRoom = 251;
constexpr UINT kHeaderRoom = 4;
constexpr UINT kColumnTextRoom = 3;
// Steps of a ring mark: t = 0, 0.02, ... below 6.28.
constexpr int kRingSteps = 314;

} // namespace

namespace typeset {

RecordReader::RecordReader(CPemroView& view, CDC* pDC, CStdioFile* file)
    : v(view), dc(pDC), m_pFile(file) {
    H = v.m_nCharHeight + v.m_nFontStep;
    Q = H / 6;
    M = v.m_nCharHeight / 2;
    W = v.m_nCharWidth + v.m_nFontStep / 2;
    Y = v.m_nTextY;
    P = v.m_nRecParam;
}

bool RecordReader::Header() {
    if (ended || !m_pFile->ReadString(v.m_szRecordHeader, kHeaderRoom)) {
        ended = true;
        v.m_szRecordHeader[0] = 0;
        return false;
    }
    v.PeekRecordHeader();
    return true;
}

bool RecordReader::Line(int origin) {
    char* line = v.m_szTextLine;
    if (ended || !m_pFile->ReadString(line, kTextLineRoom)) {
        ended = true;
        line[0] = 0;
        return false;
    }
    // The last line of a file may lack its line end; give it one so that its
    // last character is drawn like any other.
    const size_t n = std::strlen(line);
    if (n > 0 && n < kTextLineRoom - 1 && line[n - 1] != '\n') {
        line[n] = '\n';
        line[n + 1] = 0;
    }
    v.HideLineTailBeyondClick(dc, v.m_nNextLineY, origin);
    return true;
}

void RecordReader::Draw(int style, int y, bool main) {
    if (!Line(main ? 1 : 0)) return;
    const char* t = v.m_szTextLine;
    switch (style) {
    case 1:
        v.DrawTextStyle1(dc, M, y, t, P);
        break;
    case 2:
        v.DrawTextStyle2(dc, M, y, t, P);
        break;
    case 13:
        v.DrawTextStyle13(dc, M, y, t, P);
        break;
    case 14:
        v.DrawTextStyle14(dc, M, y, t, P);
        break;
    default:
        v.DrawTextStyle0(dc, M, y, t, P);
        break;
    }
}

void RecordReader::DrawScaled(int x, int y, double widthScale, double heightScale) {
    if (Line(0)) v.DrawTextStyle3Scaled(dc, x, y, widthScale, heightScale, v.m_szTextLine, P);
}

void RecordReader::Gap(int y) {
    if (Header()) Loop(y);
}

void RecordReader::Loop(int y) {
    // Every piece reads a line, so the loop ends with the file at the latest.
    while (!ended) {
        const int cls = v.m_nNextRecClass;
        if (cls != 6 && cls != 8 && cls != 9 && cls != 0) return;
        if (!Line(0)) return;
        v.DrawContinuationRecord(dc, v.m_szTextLine, cls, v.m_nNextRecSubtype, v.m_nNextRecParam, y,
                                 P);
        if (!Header()) return;
    }
}

int RecordReader::PeekedColumn() const {
    return v.m_nNextRecClass * 10 + v.m_nNextRecSubtype;
}

void RecordReader::ColumnList(int c, double offset, ColumnWriter writer, bool drawOnlyIfVisible) {
    for (int entry = 0; entry < kMaxListEntries; ++entry) {
        if (!Header()) return;
        const int n = PeekedColumn();
        if (n <= 0) return;
        if (!m_pFile->ReadString(v.m_szTextLine, kColumnTextRoom)) {
            ended = true;
            v.m_szTextLine[0] = 0;
            return;
        }
        v.HideLineTailBeyondClick(dc, v.m_nNextLineY, H * n);
        if (drawOnlyIfVisible && !v.IsTextLineVisible(Y)) continue;
        const int x = M + ToPixel(W * (n + offset));
        if (writer == ColumnWriter::Rotated90)
            v.DrawTextRotated(dc, x, c, v.m_szTextLine, P, 90, 0);
        else
            v.DrawTextStyle0(dc, x, c, v.m_szTextLine, P);
    }
}

void RecordReader::RingList(int c, bool drawOnlyIfVisible) {
    for (int entry = 0; entry < kMaxListEntries; ++entry) {
        if (!Header()) return;
        const int n = PeekedColumn();
        if (n <= 0) return;
        if (!drawOnlyIfVisible || v.IsTextLineVisible(Y)) Ring(n, c, v.m_nNextRecParam);
    }
}

void RecordReader::Ring(int n, int c, int colour) {
    // Rings belong to the text line: they move with it on printed pages.
    const int yc = c - v.m_nPrintOffsetY;
    const COLORREF cr = v.TextPaletteColour(colour);
    double t = 0;
    for (int k = 0; k < kRingSteps + 1 && t < 6.28; ++k, t += 0.02)
        dc->SetPixel(M + int((std::cos(t) + n - 0.5) * W), yc + int(std::sin(t) * H / 5.0), cr);
}

} // namespace typeset

void CPemroView::PeekRecordHeader() {
    const char* h = m_szRecordHeader;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    m_nNextRecClass = digit(h[0]) ? h[0] - '0' : -1;
    m_nNextRecSubtype = h[0] && digit(h[1]) ? h[1] - '0' : 0;
    const char p = h[0] && h[1] ? h[2] : 0;
    m_nNextRecParam = digit(p) ? p - '0' : (p >= 'a' && p <= 'i') ? -(p - 'a' + 1) : 3;
}

// Classes 6 and 8 as records of their own: small or scaled pieces placed
// relative to the line above; they take no height.
static void TypesetPlacedPiece(RecordReader& r, int prevParam) {
    CPemroView& v = r.v;
    const int Y = r.Y, H = r.H, P = r.P, M = r.M;
    const bool lowered = v.m_nRecClass == 8;
    v.m_nNextLineY = Y;
    if (!r.Line(0)) return;
    const char* t = v.m_szTextLine;
    const int colour = prevParam;
    CDC* dc = r.dc;
    switch (v.m_nRecSubtype) {
    case 0:
        if (v.m_bShowRecordText) {
            const int d = lowered ? (P * H) / 8 : P < 5 ? -(((P + 1) * H) / 4) : ((P - 4) * H) / 4;
            v.m_nTextY = PagePos(std::int64_t(v.m_nTextY) + d);
            v.m_nNextLineY = PagePos(std::int64_t(v.m_nNextLineY) + d);
        }
        break;
    case 1:
    case 2: {
        const int k = v.m_nRecSubtype == 2 ? P + 10 : P;
        const int x = (2 * v.m_nCharHeight) / 5, y = Y - (k * H) / 4;
        if (lowered)
            v.DrawTextStyle11(dc, x, y, t, colour);
        else
            v.DrawTextStyle7(dc, x, y, t, colour);
        break;
    }
    case 3:
        if (lowered)
            v.DrawTextStyle13(dc, M, Y - (P * H) / 3, t, colour);
        else
            v.DrawTextStyle1(dc, M, Y - (P * H) / 3 + 1, t, colour);
        break;
    case 4:
        if (lowered)
            v.DrawTextStyle12(dc, M, Y - (P * H) / 3, t, colour);
        else
            v.DrawTextStyle9(dc, M, Y - (P * H) / 3, t, colour);
        break;
    case 5:
        if (lowered)
            v.DrawTextStyle14(dc, M, Y - (P * H) / 2, t, colour);
        else
            v.DrawTextStyle2(dc, M, Y - (P * H) / 2, t, colour);
        break;
    case 6:
        v.DrawTextStyle3Scaled(dc, M, Y - P * H, 1.0, lowered ? 2.0 : 2.8, t, colour);
        break;
    case 7:
        v.DrawTextStyle3Scaled(dc, M, Y - P * H - H / 2, 1.0, lowered ? 3.5 : 4.5, t, colour);
        break;
    case 8:
        v.DrawTextStyle3Scaled(dc, M, Y - P * H - H / 2, 1.0, lowered ? 5.5 : 6.5, t, colour);
        break;
    case 9:
        if (lowered)
            v.DrawTextStyle3Scaled(dc, M, Y - P * H - H / 2, 1.0, 7.5, t, colour);
        else
            v.DrawTextStyle0(dc, M, Y - ((P + 1) * H) / 2 - H / 8, t, colour);
        break;
    default:
        break;
    }
}

void CPemroView::TypesetTextRecord(CDC* pDC, CStdioFile* pFile, int nPrevParam) {
    if (!pDC || !pFile) return;
    const int P = m_nRecParam;
    const int fontStepBefore = m_nFontStep;
    // Formula text: the formula size step on top of the page's.
    if (P == 3) m_nFontStep += m_nFormulaFontStep;
    switch (P) {
    case 3:
        m_lfCurrent = m_alfTextFont[3];
        break;
    case 4:
    case 5:
        m_lfCurrent = m_alfTextFont[1];
        break;
    case 6:
        m_lfCurrent = m_alfTextFont[4];
        break;
    case 7:
        m_lfCurrent = m_alfTextFont[2];
        break;
    default:
        break;
    }
    if (P >= 4 && P <= 6) m_bShowRecordText = 1;
    if (P == 7 || P == 2) {
        // Answer text: hidden with the main content only, or in a closed block.
        if (!m_bShowAllContent) m_bShowRecordText = 0;
        if (m_nAnswerBlock >= 0 && m_nAnswerBlock < kAnswerBlockCount &&
            m_anAnswerState[m_nAnswerBlock] == 1)
            m_bShowRecordText = 0;
    }
    std::memset(m_szWideLine, ' ', kWideLineSize - 1);
    m_szWideLine[kWideLineSize - 1] = 0;
    const bool revealed =
        m_nTextRevealMode == -1 || (m_nTextRevealMode > -1 && m_nRecordIndex <= m_nRevealedCount);
    if (!revealed) return;

    RecordReader r(*this, pDC, pFile);
    switch (m_nRecClass) {
    case 0: {
        const double s = 1.3 + 0.2 * m_nRecSubtype;
        if (m_bShowRecordText)
            m_nNextLineY = PagePos(std::int64_t(r.Y) + ToPixel((1.3 + m_dLineSpacing) * s * r.H));
        if (r.Line(1)) DrawTextStyle3Scaled(pDC, r.M, r.Y + m_nFontStep, s, s, m_szTextLine, P);
        break;
    }
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
        TypesetParagraph(r);
        break;
    case 6:
    case 8:
        TypesetPlacedPiece(r, nPrevParam);
        break;
    case 9:
        m_nNextLineY = r.Y;
        if (r.Line(0))
            DrawTextAtAngle(pDC, m_nRecSubtype, r.M, r.Y - ((P + 1) * r.H) / 2, m_szTextLine,
                            nPrevParam);
        break;
    default:
        break;
    }
    // A paragraph whose last part carried another parameter than the formula
    // parameter would leave the formula step in force for the rest of the
    // pass: the step belongs to this record only.
    if (P == 3 && m_nRecParam != 3) m_nFontStep = fontStepBefore;
}

void CPemroView::DrawContinuationRecord(CDC* pDC, const char* line, int cls, int subtype, int param,
                                        int y, int colour) {
    if (!pDC || !line) return;
    if (colour == 7) colour = 3;
    const int B = m_nBaseCharHeight;
    const int u = B + m_nFontStep; // a line; pieces move in quarter lines
    if (cls == 6 || cls == 8) {
        if (subtype == 0) {
            const int d = cls == 8    ? (param * u) / 8
                          : param < 5 ? -(((param + 1) * u) / 4)
                                      : ((param - 4) * u) / 4;
            m_nNextLineY = PagePos(std::int64_t(m_nNextLineY) + d);
            m_nTextY = PagePos(std::int64_t(m_nTextY) + d);
            return;
        }
        if (subtype < 1 || subtype > 9) return;
        const int k = subtype == 2 ? param + 10 : param;
        int yy = y - (k * u) / 4;
        if (subtype == 3) yy -= u / 8;
        if (subtype == 4) yy += 1;
        const int x = subtype <= 2 ? 2 * B / 5 : B / 2;
        const bool six = cls == 6;
        switch (subtype) {
        case 1:
        case 2:
            if (six)
                DrawTextStyle7(pDC, x, yy, line, colour);
            else
                DrawTextStyle11(pDC, x, yy, line, colour);
            break;
        case 3:
            if (six)
                DrawTextStyle1(pDC, x, yy, line, colour);
            else
                DrawTextStyle13(pDC, x, yy, line, colour);
            break;
        case 4:
            if (six)
                DrawTextStyle9(pDC, x, yy, line, colour);
            else
                DrawTextStyle12(pDC, x, yy, line, colour);
            break;
        case 5:
            if (six)
                DrawTextStyle2(pDC, x, yy, line, colour);
            else
                DrawTextStyle14(pDC, x, yy, line, colour);
            break;
        case 6:
            DrawTextStyle3Scaled(pDC, x, yy, 1.0, six ? 2.8 : 2.0, line, colour);
            break;
        case 7:
            DrawTextStyle3Scaled(pDC, x, yy, 1.0, six ? 4.5 : 3.5, line, colour);
            break;
        case 8:
            DrawTextStyle3Scaled(pDC, x, yy, 1.0, six ? 6.5 : 5.5, line, colour);
            break;
        default:
            if (six)
                DrawTextStyle0(pDC, x, yy, line, colour);
            else
                DrawTextStyle3Scaled(pDC, x, yy, 1.0, 7.5, line, colour);
            break;
        }
    } else if (cls == 9) {
        DrawTextAtAngle(pDC, subtype, B / 2, y - (param * u) / 4, line, colour);
    } else if (cls == 0) {
        const double widthScale = subtype < 5 ? 1.5 + 0.5 * subtype : 1.5 + 0.5 * (subtype - 5);
        const double heightScale = subtype < 5 ? 0.5 : 1.0;
        DrawPlainTextLine(pDC, B / 2, y - (param * u) / 4, widthScale, heightScale, line, colour);
    }
}

void CPemroView::HideLineTailBeyondClick(CDC* /*pDC*/, int y, int origin) {
    const int clickY = ScreenClickPoint().y;
    const bool lineByLine = m_nTextRevealMode > 0 && m_nRecordIndex == m_nRevealedCount;
    const bool downToClick = m_nTextRevealMode == 0 && m_nTextY > clickY && y > clickY;
    if (!lineByLine && !downToClick) return;
    const long long limit = 2LL * m_ptClick.x;
    const long long step = m_nCharHeight + m_nFontStep;
    char* t = m_szTextLine;
    const int length = int(strnlen(t, kLineBufferSize - 1));
    // Characters are found from the start of the line so that a two-byte
    // character is always hidden whole; the line end stays.
    for (int i = 0; i < length;) {
        const int n = ((unsigned char)t[i] >= 0x80 && i + 1 < length && t[i + 1] != '\n') ? 2 : 1;
        const int last = i + n - 1;
        const bool hide = last >= 1 && last <= 200 && t[last] != '\n' &&
                          (downToClick || last * step + origin > limit);
        if (hide)
            for (int k = i; k <= last; ++k) t[k] = ' ';
        i += n;
    }
}
