#include "app/child_frame.h"

#include "app/toolbar.h"
#include "platform/view_widget.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(std::unique_ptr<CPemroDoc> doc, std::unique_ptr<CScrollView> view,
                         QWidget* parent)
    : QMdiSubWindow(parent), m_pDoc(std::move(doc)),
      m_pViewWidget(new CViewWidget(std::move(view))) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(MakeToolIcon(ToolIcon::New)); // a page, as on the toolbar
    setWidget(m_pViewWidget);
    m_pViewWidget->SetTitleHandler([this](const QString& title) {
        m_pDoc->SetTitle(title);
        UpdateTitle();
    });
    UpdateTitle();
}

CChildFrame::~CChildFrame() = default;

CScrollView* CChildFrame::GetView() const {
    return m_pViewWidget->View();
}

void CChildFrame::UpdateTitle() {
    setWindowTitle(m_pDoc->GetTitle());
    emit titleChanged();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    // A pass waiting in a dialog or an animation pause still uses the view.
    if (GetView()->InPass()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
