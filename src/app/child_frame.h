// A child window of the main frame: one document and its view.
#pragma once

#include "app/pemro_doc.h"

#include <QMdiSubWindow>

#include <memory>

class CScrollView;
class CViewWidget;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(std::unique_ptr<CPemroDoc> doc, std::unique_ptr<CScrollView> view,
                QWidget* parent = nullptr);
    ~CChildFrame() override;

    CPemroDoc* GetDocument() const { return m_pDoc.get(); }
    CScrollView* GetView() const;
    CViewWidget* ViewWidget() const { return m_pViewWidget; }
    // Shows the document title; tells the frame.
    void UpdateTitle();

signals:
    void titleChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<CPemroDoc> m_pDoc;
    CViewWidget* m_pViewWidget; // owned by this window as its widget
};
