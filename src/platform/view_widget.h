// The window of a view: shows the view's backing image, turns scroll bars,
// resizes and mouse input into the view's calls, and runs the paint passes
// the view asks for from the event loop.
#pragma once

#include "platform/scroll_view.h"

#include <QAbstractScrollArea>

#include <functional>
#include <memory>

class CViewWidget : public QAbstractScrollArea, public CViewHost {
    Q_OBJECT
public:
    // Takes ownership of the view: the view lives exactly as long as its
    // window, and never outlives the host pointer it holds.
    explicit CViewWidget(std::unique_ptr<CScrollView> view, QWidget* parent = nullptr);
    ~CViewWidget() override;

    CScrollView* View() const { return m_pView.get(); }
    // Called with the title the view asks for (UTF-8).
    void SetTitleHandler(std::function<void(const QString&)> handler) {
        m_titleHandler = std::move(handler);
    }

    // --- CViewHost ----------------------------------------------------------
    void ScheduleRender() override;
    void ScrollSizesChanged() override;
    void PresentAndWait(int ms) override;
    void SetMouseCapture(bool on) override;
    void SetTitle(const std::string& utf8) override;
    void RefreshScreen() override;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void RenderNow();
    void UpdateScrollBars();

    std::unique_ptr<CScrollView> m_pView;
    std::function<void(const QString&)> m_titleHandler;
    bool m_bRenderQueued = false;
    bool m_bUpdatingBars = false;
    bool m_bCaptured = false;
};
