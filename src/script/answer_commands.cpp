// Answer areas and text size: "Font", "CloseAnswer" and "Answer". An answer
// block folds the solution of an exercise away behind a button, or poses a
// choice question that a click answers with right or wrong.
#include "view/view.h"

#include "platform/text_codec.h"
#include "script/script_args.h"

#include <algorithm>
#include <map>
#include <string>

namespace {

constexpr int kAnswerBlocks = 100;
constexpr int kFontStepLimit = 7;
constexpr int kChoiceKind = 4;     // kinds above 3 are choice questions
constexpr int kMaxChoices = 5;     // "A" .. "E"
constexpr int kFoldKinds = 4;      // kinds 0..3 fold a text away
constexpr int kFirstArgAnswer = 7; // Answer(
constexpr int kFirstArgFont = 5;   // Font(

// The captions are few and fixed; each is converted once.
const std::string& GbkText(const char* utf8) {
    static std::map<std::string, std::string> cache;
    auto it = cache.find(utf8);
    if (it == cache.end()) it = cache.emplace(utf8, Gbk(utf8)).first;
    return it->second;
}

// Captions of the fold button by kind: block closed, block open.
const char* const kFoldCaptions[kFoldKinds][2] = {
    {u8" 解 答 ", u8"关闭解答"},
    {u8" 证 明 ", u8"关闭证明"},
    {u8" 补 充 ", u8"关闭补充"},
    {u8"源程序", u8"关闭源程序"},
};

const char* const kChoiceLetters[kMaxChoices] = {"A", "B", "C", "D", "E"};

} // namespace

void CPemroView::CmdFont(CDC*) {
    const int n = ScriptInt(ReadScriptNumber(kFirstArgFont));
    if (n < -kFontStepLimit || n > kFontStepLimit) return;
    m_nCharHeight = m_nBaseCharHeight * (12 + n) / 12;
    m_nCharWidth = m_nBaseCharWidth * (12 + n) / 12;
}

void CPemroView::NextAnswerBlock() {
    // A page has at most 100 blocks; further ones share the last state.
    m_nAnswerBlock = std::min(m_nAnswerBlock + 1, kAnswerBlocks - 1);
}

BOOL CPemroView::IsAnswerBlockClosed(int nBlock) const {
    return nBlock >= 0 && nBlock < kAnswerBlocks && m_anAnswerState[nBlock] != 0;
}

void CPemroView::CmdCloseAnswer(CDC*) {
    NextAnswerBlock();
    m_anAnswerState[m_nAnswerBlock] = 0;
}

void CPemroView::ClearAnswerVerdict() {
    m_nAnswerVerdictBlock = -1;
    m_bAnswerVerdictRight = FALSE;
    m_strAnswerVerdictPath.clear();
}

void CPemroView::ToggleAnswerBlock(int nBlock) {
    m_anAnswerState[nBlock] = IsAnswerBlockClosed(nBlock) ? 0 : 1;
    // The rest of the page is drawn in the new state by one more full pass;
    // this one ends here.
    m_nPrevClipBottom = 0;
    m_bPassEndedEarly = TRUE;
    Invalidate();
}

void CPemroView::DrawChoiceQuestion(CDC* pDC, int nKind, const int* pnFlags, int nBlock) {
    const int L = m_nFigureLeft, R = m_nFigureRight, T = m_nFigureTop, B = m_nFigureBottom;
    const int W = R - L, H = B - T;
    FillRectPxAlways(pDC, L, T, R + W / 10, B, m_crLeftFrame);
    FilledTextButton(pDC, L + 2, T + 2, W / 4 - 4, H - 4, GbkText(u8"选择答案"),
                     m_crFirstDerivative, m_crLeftFrame);
    const char* solution = IsAnswerBlockClosed(nBlock) ? u8"查看解答" : u8"关闭解答";
    if (FilledTextButton(pDC, R - W / 4, T + 2, W / 4 - 2, H - 4, GbkText(solution),
                         m_crCurveSetting, m_crLeftFrame)) {
        ToggleAnswerBlock(nBlock);
        return;
    }
    const int choices = nKind > kChoiceKind ? kMaxChoices : kChoiceKind;
    const int choiceX[kMaxChoices] = {L + W / 4 + 2, L + 7 * W / 20 + 2, L + 9 * W / 20 + 2,
                                      L + 11 * W / 20 + 2, L + 13 * W / 20 + 2};
    for (int i = 0; i < choices; ++i) {
        if (!FilledTextButton(pDC, choiceX[i], T + 2, W / 12, H - 4, kChoiceLetters[i],
                              m_crCurveSetting, m_crLeftFrame))
            continue;
        // The verdict stays shown until the topic is selected again.
        m_nAnswerVerdictBlock = nBlock;
        m_bAnswerVerdictRight = pnFlags[i] == 1;
        m_strAnswerVerdictPath = m_strDataPath;
    }
    if (m_nAnswerVerdictBlock == nBlock && m_strAnswerVerdictPath == m_strDataPath)
        FilledTextButton(pDC, R + 4, T + 2, W / 12, H - 4,
                         GbkText(m_bAnswerVerdictRight ? u8"对" : u8"错"), m_crFirstDerivative,
                         m_crLeftFrame);
}

void CPemroView::DrawFoldButton(CDC* pDC, int nKind, int nBlock) {
    const int L = m_nFigureLeft, T = m_nFigureTop, B = m_nFigureBottom;
    const int W = m_nFigureRight - L, H = B - T;
    FillRectPxAlways(pDC, L, T, L + W / 4, B, m_crLeftFrame);
    const char* caption = kFoldCaptions[nKind][IsAnswerBlockClosed(nBlock) ? 0 : 1];
    if (FilledTextButton(pDC, L + 2, T + 2, W / 4 - 4, H - 4, GbkText(caption), m_crCurveSetting,
                         m_crLeftFrame))
        ToggleAnswerBlock(nBlock);
}

void CPemroView::CmdAnswer(CDC* pDC) {
    if (!m_bProblemOpen) return;
    NextAnswerBlock();
    const int block = m_nAnswerBlock;

    ReadFrameRect(kFirstArgAnswer);
    LayoutPictureRect(m_adFrameArgs[3], m_adFrameArgs[0], m_adFrameArgs[1], m_adFrameArgs[2]);
    const int kind = ScriptInt(ReadScriptNumber(m_nParsePos));
    int flags[kMaxChoices] = {};
    flags[0] = ScriptInt(ReadScriptNumber(m_nParsePos));
    flags[1] = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (kind > 2) flags[2] = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (kind > 3) flags[3] = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (kind > 4) flags[4] = ScriptInt(ReadScriptNumber(m_nParsePos));

    // The buttons borrow the figure box for the duration of the command.
    const int savedLeft = m_nFigureLeft, savedRight = m_nFigureRight;
    const int savedTop = m_nFigureTop, savedBottom = m_nFigureBottom;
    m_nFigureLeft = m_nPictureLeft;
    m_nFigureRight = m_nPictureRight;
    m_nFigureTop = m_nPictureTop;
    m_nFigureBottom = m_nPictureBottom;

    if (kind >= kChoiceKind) {
        DrawChoiceQuestion(pDC, kind, flags, block);
    } else if (kind >= 0) {
        DrawFoldButton(pDC, kind, block);
    } else {
        m_bShowRecordText = 1;
        m_anAnswerState[block] = 0;
    }

    if (!m_bPassEndedEarly) {
        const int below = PagePos(std::int64_t(m_nFigureBottom) + m_nBaseCharHeight / 8);
        if (m_nTextY < below) m_nTextY = below;
        m_nNextLineY = m_nTextY;
    }
    m_nFigureLeft = savedLeft;
    m_nFigureRight = savedRight;
    m_nFigureTop = savedTop;
    m_nFigureBottom = savedBottom;
}
