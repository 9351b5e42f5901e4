// The preview window: the bar of preview commands with the go-to-page box,
// the pages, and a status line naming the pages shown.
#pragma once

#include "platform/scroll_view.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QDialog>

#include <memory>

class CPreView;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

// The window side of the preview's pages: its own scroll bars, since the
// zoomed-out vertical bar moves through pages, not pixels.
class CPreviewWidget : public QAbstractScrollArea, public CViewHost {
    Q_OBJECT
public:
    explicit CPreviewWidget(std::unique_ptr<CPreView> view, QWidget* parent = nullptr);
    ~CPreviewWidget() override;
    CPreView* View() const { return m_pView.get(); }

    void ScheduleRender() override;
    void ScrollSizesChanged() override;
    void PresentAndWait(int) override;
    void SetMouseCapture(bool) override {}
    void SetTitle(const std::string&) override {}
    void RefreshScreen() override;

signals:
    void rendered(); // after the pages were drawn: commands may have changed

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void RenderNow();
    void UpdateScrollBars();
    void OnPageBarAction(int action);

    std::unique_ptr<CPreView> m_pView;
    QCursor m_zoomCursor;
    bool m_bRenderQueued = false;
    bool m_bUpdatingBars = false;
};

class CPreviewFrame : public QDialog {
    Q_OBJECT
public:
    CPreviewFrame(QWidget* parent = nullptr);
    // Starts the preview of `view`'s print on `printer`; false when the
    // print could not be prepared.
    bool SetPrintView(CScrollView* view, QPrinter* printer);
    CPreView* View() const;
    // The user asked to print from the preview.
    bool PrintRequested() const { return m_bPrint; }

private:
    void OnCommand(UINT id);
    void UpdateButtons();

    CPreviewWidget* m_pPages = nullptr;
    QLineEdit* m_pPageEdit = nullptr;
    QLabel* m_pStatus = nullptr;
    std::vector<std::pair<UINT, QPushButton*>> m_buttons;
    bool m_bPrint = false;
};

// Shows the preview of `view` on `printer` (modal); true when the user
// asked to print from it.
bool RunPrintPreview(CScrollView* view, QPrinter* printer, QWidget* parent);
