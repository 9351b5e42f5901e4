// Numbers that later commands and demonstrations of a page work on:
// "Disconnection" (breakpoints or a chosen point), "DATAs" (data arrays),
// "DATA1" and "DATA2" (catalogue coefficients). They draw nothing.
#include "view/view.h"

#include "platform/real_steps.h"
#include "script/script_args.h"

#include <algorithm>

namespace {

constexpr int kFirstArgDisconnection = 14; // Disconnection(
constexpr int kFirstArgData = 6;           // DATAs( DATA1( DATA2(
constexpr int kDataEntries = 100;
// Step of the difference quotient in the table of F.
constexpr double kQuotientStep = 0.0001;

} // namespace

void CPemroView::CmdDisconnection(CDC*) {
    m_nFuncFBreak = ScriptInt(ReadScriptNumber(kFirstArgDisconnection));
    const int kind = ScriptInt(ReadScriptNumber(m_nParsePos));
    // Each value is optional: the list may close after any of them.
    auto next = [this](double* value, double* saved, bool store) {
        if (!IsArgListOpen()) return;
        const double v = ReadScriptNumber(m_nParsePos);
        if (!store) return;
        *value = v;
        if (saved) *saved = v;
    };
    switch (kind) {
    case 0:
        next(&m_dBreakF0, &m_dSavedBreakF0, true);
        next(&m_dBreakF1, &m_dSavedBreakF1, true);
        break;
    case 1:
        next(&m_dBreakG0, &m_dSavedBreakG0, true);
        next(&m_dBreakG1, &m_dSavedBreakG1, true);
        break;
    case 2:
        next(&m_dX0, nullptr, m_bLoadScriptSettings);
        next(&m_dY0, nullptr, m_bLoadScriptSettings);
        break;
    default:
        break;
    }
}

void CPemroView::CmdDATAs(CDC*) {
    const int kind = ScriptInt(ReadScriptNumber(kFirstArgData));
    if (!m_bLoadScriptSettings) return;
    switch (kind) {
    case 0:
        m_nDataCountX = ReadScriptNumberList(0);
        break;
    case 1:
        ReadScriptNumberList(1);
        break;
    case 3:
        ReadScriptNumberList(2);
        break;
    case 2: {
        // A table of F and its difference quotient over [a, b] in n steps.
        const int f = ScriptInt(ReadScriptNumber(m_nParsePos));
        const int n = ScriptInt(ReadScriptNumber(m_nParsePos));
        const double a = ReadScriptNumber(m_nParsePos);
        const double b = ReadScriptNumber(m_nParsePos);
        const double h = (b - a) / n;
        // x = a + i·h up to b, counted first; a zero, negative or infinite
        // step (n = 0) gives the row at a alone.
        const long rows = a <= b ? std::max(1L, steps::Count(a, b, h, kDataEntries, true)) : 0;
        for (long i = 0; i < rows; ++i) {
            const double x = i == 0 ? a : a + double(i) * h; // 0·∞ is no number
            const double y = EvalF(x, f);
            m_adDataX[i] = x;
            m_adDataY[i] = y;
            m_adDataZ[i] = (EvalF(x + kQuotientStep, f) - y) / kQuotientStep;
        }
        m_nDataCountX = int(rows);
        break;
    }
    default:
        break;
    }
}

void CPemroView::CmdDATA1(CDC*) {
    const int kind = ScriptInt(ReadScriptNumber(kFirstArgData));
    if (!m_bLoadScriptSettings || kind < 0 || kind > 5) return;
    // Kinds 2..5 combine f and g: f/g, f*g, f+g, f-g; kind 0 is F alone.
    if (kind >= 2)
        m_nCombineMode = kind - 1;
    else if (kind == 0)
        m_nCombineMode = 0;

    double* list = kind == 1 ? m_adPointY : m_adPointX;
    ReadCoefficientList(list);
    // Indexes the list did not reach keep what the point list held.
    double* coef = kind == 1 ? m_adCoefG : m_adCoefF;
    double* extra = kind == 1 ? m_adCoefGExtra : m_adCoefFExtra;
    for (int i = 0; i < 6; ++i) coef[i] = list[i];
    if (kind == 1) {
        m_dAlphaG = list[6];
        m_dBetaG = list[7];
    } else {
        m_dAlphaF = m_dOdeP = list[6];
        m_dBetaF = m_dOdeQ = list[7];
    }
    for (int i = 0; i < 3; ++i) extra[i] = list[8 + i];
}

void CPemroView::CmdDATA2(CDC*) {
    const int kind = ScriptInt(ReadScriptNumber(kFirstArgData));
    if (!m_bLoadScriptSettings || (kind != 0 && kind != 1)) return;
    double* list = kind == 0 ? m_adPointX : m_adPointY;
    ReadCoefficientList(list);
    if (kind == 0) {
        for (int i = 0; i < 6; ++i) m_adCoefSurfF[i] = list[i];
        m_dAlphaSurfF = list[6];
        m_adCoefSurfF[6] = list[7];
        m_adCoefSurfFExtra[0] = list[8];
        m_adCoefSurfFExtra[1] = list[9];
    } else {
        for (int i = 0; i < 6; ++i) m_adCoefSurfG[i] = list[i];
        m_dAlphaSurfG = list[6];
        m_adCoefSurfG[6] = list[7];
        m_adCoefSurfG[7] = list[8];
        m_adCoefSurfG[8] = list[9];
    }
}
