// The main window: menus, toolbar and status bar around the child windows,
// and the one place where commands are routed by id.
#pragma once

#include "platform/profile.h"
#include "platform/types.h"

#include <QKeySequence>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class CChildFrame;
class CScrollView;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    using ViewFactory = std::function<std::unique_ptr<CScrollView>()>;
    // `factory` makes the view of each new child window.
    explicit CMainFrame(ViewFactory factory, QWidget* parent = nullptr);
    ~CMainFrame() override;

    static const char* const kTitle;    // the frame's own title
    static const char* const kIdleText; // the status bar's idle text

    // --- Menus and commands ---------------------------------------------------
    // A menu of the view's commands, placed before 窗口 and 帮助 and shown
    // while a child window is open.
    QMenu* AddMenu(const QString& title);
    // A menu item (or, with a null menu, a bare action) sending `id` through
    // OnCommand. `prompt` is the status bar text.
    QAction* AddCommand(QMenu* menu, UINT id, const QString& text,
                        const QString& prompt = QString(),
                        const QKeySequence& shortcut = QKeySequence());
    // The first action bound to `id`, or null.
    QAction* FindCommand(UINT id) const;
    // Runs a command: the frame's own, else the active view's.
    void OnCommand(UINT id);
    // Asks for the enabled and checked state of every bound action.
    void UpdateCommandUI();

    // --- Documents ------------------------------------------------------------
    CChildFrame* OnFileNew();
    // Opens `path` in a new child window (or activates the one showing it).
    CChildFrame* OpenDocumentFile(const QString& path);
    CChildFrame* ActiveChild() const;
    CScrollView* ActiveView() const;
    std::vector<CChildFrame*> Children() const;

    QMdiArea* MdiArea() const { return m_pMdiArea; }
    QToolBar* ToolBar() const { return m_pToolBar; }
    QLabel* IdleLabel() const { return m_pIdleLabel; }
    CRecentFileList& RecentFiles() { return m_recentFiles; }
    // The printer shared by print, preview and print set-up.
    QPrinter* Printer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    QAction* BindAction(QAction* action, UINT id);
    bool RunFrameCommand(UINT id);
    void UpdateFrameTitle();
    void UpdateMenuVisibility();
    void UpdateToolBarUI();
    void UpdateActionUI(QAction* action);
    void UpdateRecentFileMenu();
    void UpdateWindowMenu();
    CChildFrame* AddChild(std::unique_ptr<class CPemroDoc> doc);
    void ArrangeIcons();

    // The frame's own command handlers.
    void OnFileNewCmd() { OnFileNew(); }
    void OnFileOpen();
    void OnFileSave();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnAppExit() { close(); }
    void OnAppAbout();
    void OnWindowCascade();
    void OnWindowTile();
    void OnWindowArrange() { ArrangeIcons(); }

    ViewFactory m_factory;
    QMdiArea* m_pMdiArea = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pIdleLabel = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QMenu* m_pWindowMenu = nullptr;
    QMenu* m_pHelpMenu = nullptr;
    QAction* m_pRecentPlaceholder = nullptr;
    QAction* m_apRecent[CRecentFileList::kSize] = {};
    QAction* m_pWindowListSeparator = nullptr;
    std::vector<QAction*> m_childOnlyActions; // shown while a child is open
    std::vector<QMenu*> m_viewMenus;
    std::vector<QAction*> m_commandActions;
    std::vector<QAction*> m_windowListActions;
    CRecentFileList m_recentFiles;
    std::unique_ptr<QPrinter> m_pPrinter;
};
