// Files of the topic's data directory in a page: "LoadBmp" places a picture
// in the text flow, "Html" opens a prepared page in the browser.
#include "view/view.h"

#include "platform/file.h"
#include "platform/system.h"
#include "platform/text_codec.h"
#include "script/script_args.h"

namespace {

constexpr int kFirstArgLoadBmp = 8; // LoadBmp(
constexpr int kFirstArgHtml = 5;    // Html(
// Files "Html" opens in one visit of a topic; a page rarely names more than
// two, and each opens a browser window.
constexpr size_t kMaxHtmlPagesPerVisit = 5;

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

    const bool shown = placement == 0 || placement == 1 ||
                       ((placement == 2 || placement == 3) && m_bShowAllContent);
    if (!shown) return;
    if (IsTextLineVisible(m_nTextY - m_nPrintOffsetY))
        DrawPicture(pDC, m_strDataDir + name, m_nPictureLeft, m_nPictureTop - m_nPrintOffsetY,
                    m_nPictureRight - m_nPictureLeft, m_nPictureBottom - m_nPictureTop);
    // The text moves below the picture wherever it lies: a picture below the
    // window that did not count made the page too short to scroll to the
    // pictures after it, and moved the text under it as the window came near.
    if (placement == 1 || placement == 3)
        m_nTextY = PagePos(std::int64_t(m_nTextY) + m_nPictureBottom - m_nPictureTop);
    m_nNextLineY = m_nTextY;
}

void CPemroView::CmdHtml(CDC*) {
    ReadScriptString(kFirstArgHtml);
    const CString name = TrimBlanks(m_strScriptArg);
    const CString page = m_strDataDir + name;
    m_strLastHtmlPage = page;
    // Every pass runs the command again; a name is looked at once per visit
    // of the topic. A command without a name names no page (not the
    // directory itself).
    if (name.empty() || !m_setHtmlPagesOpened.insert(page).second) return;
    // Only a file of the course opens, each once however the script spells
    // it, and a page opens a few at most.
    const std::string file = FileInsideFolder(m_strProgramDir + page, m_strProgramDir);
    if (file.empty()) {
        ShowStatusMessage(u8"网页文件不在课程文件夹内，不打开：" + GbkToUtf8(name));
        return;
    }
    if (m_setHtmlFilesOpened.count(file)) return;
    if (m_setHtmlFilesOpened.size() >= kMaxHtmlPagesPerVisit) {
        ShowStatusMessage(u8"本页打开的网页已够多，不再打开：" + GbkToUtf8(name));
        return;
    }
    m_setHtmlFilesOpened.insert(file);
    OpenHtmlPage(page);
}
