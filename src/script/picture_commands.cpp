// Files of the topic's data directory in a page: "LoadBmp" places a picture
// in the text flow, "Html" opens a prepared page in the browser.
#include "view/view.h"

#include "script/script_args.h"

namespace {

constexpr int kFirstArgLoadBmp = 8; // LoadBmp(
constexpr int kFirstArgHtml = 5;    // Html(

// A file name as written in a script, without blanks around it.
CString TrimBlanks(const CString& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == CString::npos) return CString();
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

} // namespace

void CPemroView::CmdLoadBmp(CDC* pDC) {
    ReadFrameRect(kFirstArgLoadBmp);
    LayoutPictureRect(m_adFrameArgs[3], m_adFrameArgs[0], m_adFrameArgs[1], m_adFrameArgs[2]);
    ReadScriptString(m_nParsePos);
    const CString name = TrimBlanks(m_strScriptArg);
    // Placement: 0 beside or behind the text, 1 the text continues below;
    // 2 and 3 the same, shown only with all content.
    const int placement = IsArgListOpen() ? ScriptInt(ReadScriptNumber(m_nParsePos)) : 0;

    if (!IsTextLineVisible(m_nTextY - m_nPrintOffsetY)) return;
    const bool shown = placement == 0 || placement == 1 ||
                       ((placement == 2 || placement == 3) && m_bShowAllContent);
    if (!shown) return;
    DrawPicture(pDC, m_strDataDir + name, m_nPictureLeft, m_nPictureTop - m_nPrintOffsetY,
                m_nPictureRight - m_nPictureLeft, m_nPictureBottom - m_nPictureTop);
    if (placement == 1 || placement == 3)
        m_nTextY = PagePos(std::int64_t(m_nTextY) + m_nPictureBottom - m_nPictureTop);
    m_nNextLineY = m_nTextY;
}

void CPemroView::CmdHtml(CDC*) {
    ReadScriptString(kFirstArgHtml);
    const CString page = m_strDataDir + TrimBlanks(m_strScriptArg);
    // Every pass runs the command again; the page opens once per visit of the
    // topic, also when the script names several pages in turn (a record of
    // the last page alone opened them all again on every pass).
    // A command without a name names no page (not the directory itself).
    if (page.size() > m_strDataDir.size() && m_setHtmlPagesOpened.insert(page).second)
        OpenHtmlPage(page);
    m_strLastHtmlPage = page;
}
