// Record headers, command lines with their label lines, and the readers of
// command arguments.
#include "view/view.h"

#include "platform/file.h"
#include "script/script_args.h"

#include <cstring>

namespace {

// Header byte values: a digit, or for the parameter 'a'..'i' = -1..-9.
int DigitOr(char c, int fallback) {
    return c >= '0' && c <= '9' ? c - '0' : fallback;
}

int ParamOr(char c, int fallback) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'i') return 'a' - c - 1;
    return fallback;
}

// Room of the line reads: a command line and a label line take at most 249
// bytes with the line end.
constexpr UINT kCommandLineRoom = 250;
constexpr int kNumberListMax = 100;
constexpr int kCoefficientListMax = 20;

// A label line without its line end: it is drawn, and a line end drawn by
// TextOut would show as a box.
CString LabelText(const char* line) {
    CString text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

} // namespace

void CPemroView::ParseRecordHeader() {
    // A short header line ends early; its missing bytes read as defaults.
    const char* h = m_szRecordHeader;
    const size_t n = strnlen(h, 3);
    m_nRecClass = n > 0 ? DigitOr(h[0], 1) : 1;
    m_nRecSubtype = n > 1 ? DigitOr(h[1], 0) : 0;
    m_nRecParam = n > 2 ? ParamOr(h[2], 7) : 7;
}

void CPemroView::ReadCommandRecord(CStdioFile* pFile) {
    // Cleared first so that nothing of an earlier line stays behind the end.
    std::memset(m_szCommandLine, 0, sizeof m_szCommandLine);
    if (!pFile->ReadString(m_szCommandLine, kCommandLineRoom)) m_szCommandLine[0] = 0;
    m_nParsePos = 0;
    ReadLabelLines(pFile);
}

void CPemroView::ReadLabelLines(CStdioFile* pFile) {
    m_astrCommandLabel[0] = "x";
    m_astrCommandLabel[1] = "y";
    if (m_nRecParam <= 0) return;
    // Commands of curves, regions and domains name both axes.
    const char first = m_szCommandLine[0];
    const bool twoLabels = first == 'C' || first == 'R' || first == 'D';
    char line[kCommandLineRoom + 1];
    auto readLabel = [&](int slot) {
        if (pFile->ReadString(line, kCommandLineRoom)) m_astrCommandLabel[slot] = LabelText(line);
    };
    readLabel(0);
    if (twoLabels) readLabel(1);
    m_astrCommandLabel[2] = " ";
    m_astrCommandLabel[3] = " ";
    if (m_nRecParam < 2) return;
    readLabel(2);
    if (twoLabels) readLabel(3);
}

int CPemroView::CommandLineLength() const {
    return ::CommandLineLength(m_szCommandLine, int(sizeof m_szCommandLine));
}

BOOL CPemroView::IsArgListOpen() const {
    return ArgListOpen(m_szCommandLine, CommandLineLength(), m_nParsePos);
}

double CPemroView::ReadScriptNumber(int nPos) {
    m_nParsePos = nPos;
    return ReadNumberField(m_szCommandLine, CommandLineLength(), &m_nParsePos);
}

void CPemroView::ReadScriptString(int nPos) {
    m_nParsePos = nPos;
    ReadStringField(m_szCommandLine, CommandLineLength(), &m_nParsePos, &m_strScriptArg);
}

void CPemroView::ReadScriptColors(BOOL bPen, BOOL bFill) {
    auto readColour = [this](COLORREF fallback) {
        if (!IsArgListOpen()) return fallback;
        const int r = ScriptInt(ReadScriptNumber(m_nParsePos));
        const int g = ScriptInt(ReadScriptNumber(m_nParsePos));
        const int b = ScriptInt(ReadScriptNumber(m_nParsePos));
        return RGB(r, g, b);
    };
    if (bPen) m_crPen = readColour(m_crDefaultPen);
    if (bFill) m_crFill = readColour(m_crDefaultFill);
}

int CPemroView::ReadScriptNumberList(int nWhich) {
    if (m_nFigureTop <= m_nClipTop || m_nFigureTop >= m_nClipBottom) return 0;
    double* target = nWhich == 0   ? m_adDataX
                     : nWhich == 1 ? m_adDataY
                     : nWhich == 2 ? m_adDataZ
                                   : nullptr;
    if (!target) return 0;
    int count = 0;
    // The list ends at its ')' or, when that is missing, at the end of the line.
    while (count < kNumberListMax && IsArgListOpen()) {
        const int before = m_nParsePos;
        target[count++] = ReadScriptNumber(m_nParsePos);
        if (m_nParsePos == before) break;
    }
    return count;
}

void CPemroView::ReadFrameRect(int nPos) {
    m_adFrameArgs[3] = ReadScriptNumber(nPos);
    m_adFrameArgs[0] = ReadScriptNumber(m_nParsePos);
    m_adFrameArgs[1] = ReadScriptNumber(m_nParsePos);
    m_adFrameArgs[2] = ReadScriptNumber(m_nParsePos);
}

void CPemroView::ReadAndLayoutFrame(int nPos) {
    ReadFrameRect(nPos);
    LayoutGraphWindow(m_adFrameArgs[3], ScriptInt(m_adFrameArgs[0]), ScriptInt(m_adFrameArgs[1]),
                      m_adFrameArgs[2]);
}

int CPemroView::ReadCoefficientList(double* pTarget) {
    // The list is written with a separator before its ')'; one closed directly
    // by ')' stops there too rather than reading on past the bracket.
    const int length = CommandLineLength();
    int count = 0;
    while (count < kCoefficientListMax && m_nParsePos < length &&
           m_szCommandLine[m_nParsePos] != ')' && IsArgListOpen()) {
        const int before = m_nParsePos;
        pTarget[count++] = ReadScriptNumber(m_nParsePos);
        if (m_nParsePos == before) break;
    }
    return count;
}
