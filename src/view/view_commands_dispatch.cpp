// Menu and toolbar commands reach the view by id; the tables say what each
// id does.
#include "view/menu_tables.h"
#include "view/view.h"

BOOL CPemroView::OnCommand(UINT nID) {
    if (const TopicRow* topic = FindTopicRow(nID)) {
        SelectTopic(*topic);
        return TRUE;
    }
    if (const CommandRow* command = FindCommandRow(nID)) {
        if (command->run) command->run(*this, command->arg);
        // A setting chosen from a menu, the toolbar or a dialog shows at once:
        // the page is laid out and drawn again in full. (The window under a
        // closed menu or dialog is refreshed from its picture without a pass,
        // so otherwise the change would wait for the next click.)
        m_nPrevClipBottom = 0;
        Invalidate(TRUE);
        return TRUE;
    }
    return FALSE;
}

BOOL CPemroView::OnUpdateCommand(CCmdUI* pCmdUI) {
    if (!pCmdUI) return FALSE;
    if (!FindTopicRow(pCmdUI->m_nID) && !FindCommandRow(pCmdUI->m_nID)) return FALSE;
    pCmdUI->Enable(TRUE);
    return TRUE;
}
