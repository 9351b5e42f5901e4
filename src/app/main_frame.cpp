#include "app/main_frame.h"

#include "app/about_dlg.h"
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/pemro_doc.h"
#include "app/toolbar.h"
#include "platform/print.h"
#include "platform/scroll_view.h"
#include "platform/system.h"
#include "platform/view_widget.h"
#include "preview/preview_frame.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <memory>

const char* const CMainFrame::kTitle = "数学物理方法教学软件";
const char* const CMainFrame::kIdleText =
    "图形：击右键放大缩小切换   文字:  1) 逐行显示, 从当前文字下移一行, 2) 指定位置显示, "
    "文字到鼠标位置(文字下方) 3) 鼠标到左边界, 察掉鼠标位置以下的文字";

namespace {

// A print shorter than this shows no progress dialog.
constexpr int kPrintProgressDelayMs = 500;

// The frame handles the framework's standard range; the rest is the view's.
bool IsFrameCommand(UINT id) {
    return id >= 0xE000 && id < 0xF000;
}

struct MenuItem {
    const char* text; // null: separator
    UINT id;
    const char* prompt;
    QKeySequence::StandardKey shortcut;
    bool childOnly; // shown only while a child window is open
};

const MenuItem kFileMenuHead[] = {
    {"新建(&N)", ID_FILE_NEW, "建立新文档", QKeySequence::New, false},
    {"打开(&O)...", ID_FILE_OPEN, "打开一个现有文档", QKeySequence::Open, false},
    {"保存(&S)", ID_FILE_SAVE, "保存活动文档", QKeySequence::Save, true},
    {nullptr, 0, nullptr, QKeySequence::UnknownKey, true},
    {"打印(&P)...", ID_FILE_PRINT, "打印活动文档", QKeySequence::Print, true},
    {"打印预览(&V)", ID_FILE_PRINT_PREVIEW, "显示整页", QKeySequence::UnknownKey, true},
    {"打印设置(&R)...", ID_FILE_PRINT_SETUP, "改变打印机及打印选项", QKeySequence::UnknownKey,
     false},
    {nullptr, 0, nullptr, QKeySequence::UnknownKey, false},
};

const MenuItem kWindowMenu[] = {
    {"层叠(&C)", ID_WINDOW_CASCADE, "层叠排列窗口", QKeySequence::UnknownKey, false},
    {"平铺(&T)", ID_WINDOW_TILE_HORZ, "平铺窗口", QKeySequence::UnknownKey, false},
    {"排列图标(&A)", ID_WINDOW_ARRANGE, "在窗口底部排列图标", QKeySequence::UnknownKey, false},
};

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

CMainFrame::CMainFrame(ViewFactory factory, QWidget* parent)
    : QMainWindow(parent), m_factory(std::move(factory)) {
    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdiArea);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) {
        UpdateFrameTitle();
        UpdateMenuVisibility();
        UpdateToolBarUI();
    });
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    UpdateFrameTitle();
    UpdateMenuVisibility();
    UpdateCommandUI();
    // Pages lay out by the width of their window and show a figure only when
    // it fits whole: the frame takes the screen, its pages the frame.
    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(screen ? screen->availableGeometry().size() : QSize(1024, 768));
}

CMainFrame::~CMainFrame() {
    SetStatusMessageSink(nullptr);
    // The children's views must go before the frame's members they may use.
    for (QMdiSubWindow* w : m_pMdiArea->subWindowList()) delete w;
}

// --- Menus, toolbar, status bar -------------------------------------------------

void CMainFrame::CreateMenus() {
    auto addItems = [this](QMenu* menu, const MenuItem* items, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            const MenuItem& item = items[i];
            QAction* action = item.text ? AddCommand(menu, item.id, Utf8(item.text),
                                                     Utf8(item.prompt), QKeySequence(item.shortcut))
                                        : menu->addSeparator();
            if (item.childOnly) m_childOnlyActions.push_back(action);
        }
    };

    m_pFileMenu = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    addItems(m_pFileMenu, kFileMenuHead, std::size(kFileMenuHead));
    m_pRecentPlaceholder = m_pFileMenu->addAction(QStringLiteral("最近文件"));
    m_pRecentPlaceholder->setEnabled(false);
    for (int i = 0; i < CRecentFileList::kSize; ++i)
        m_apRecent[i] = BindAction(m_pFileMenu->addAction(QString()), ID_FILE_MRU_FILE1 + i);
    m_pFileMenu->addSeparator();
    AddCommand(m_pFileMenu, ID_APP_EXIT, QStringLiteral("退出(&X)"),
               QStringLiteral("退出应用程序"));
    connect(m_pFileMenu, &QMenu::aboutToShow, this, [this] {
        UpdateRecentFileMenu();
        UpdateCommandUI();
    });
    UpdateRecentFileMenu();

    m_pWindowMenu = menuBar()->addMenu(QStringLiteral("窗口(&W)"));
    addItems(m_pWindowMenu, kWindowMenu, std::size(kWindowMenu));
    m_pWindowListSeparator = m_pWindowMenu->addSeparator();
    connect(m_pWindowMenu, &QMenu::aboutToShow, this, [this] {
        UpdateWindowMenu();
        UpdateCommandUI();
    });
    m_childOnlyActions.push_back(m_pWindowMenu->menuAction());

    m_pHelpMenu = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    AddCommand(m_pHelpMenu, ID_APP_ABOUT, QStringLiteral("关于 Pemro(&A)..."),
               QStringLiteral("显示程序信息、版本号和版权"));
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = addToolBar(QStringLiteral("工具栏"));
    m_pToolBar->setObjectName(QStringLiteral("toolbar128"));
    m_pToolBar->setIconSize(QSize(16, 16));
    for (const ToolButton& b : kFileToolButtons) {
        QAction* action = FindCommand(b.nID); // the menu's own command
        action->setIcon(MakeToolIcon(b.icon));
        action->setToolTip(Utf8(b.tip));
        m_pToolBar->addAction(action);
    }
    m_pToolBar->addSeparator();
    for (const ToolButton& b : kViewToolButtons) {
        QAction* action = AddCommand(nullptr, b.nID, Utf8(b.tip), Utf8(b.prompt));
        action->setIcon(MakeToolIcon(b.icon));
        action->setToolTip(Utf8(b.tip));
        m_pToolBar->addAction(action);
    }
}

void CMainFrame::CreateStatusBar() {
    // A normal widget: menu and toolbar prompts cover it while shown.
    m_pIdleLabel = new QLabel(Utf8(kIdleText), this);
    // The long idle text must not set the window's minimum width.
    m_pIdleLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(m_pIdleLabel, 1);
    // Notes of the pages (a file they may not open) show for a while.
    constexpr int kNoteMs = 8000;
    SetStatusMessageSink([this](const std::string& text) {
        statusBar()->showMessage(QString::fromUtf8(text.c_str()), kNoteMs);
    });
    // The lock-key panes; Qt cannot read the lock states, so they stay
    // grey, as the panes of a status bar show keys that are off.
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(QString::fromLatin1(indicator), this);
        pane->setObjectName(QString::fromLatin1(indicator));
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setEnabled(false);
        statusBar()->addPermanentWidget(pane);
    }
}

QMenu* CMainFrame::AddMenu(const QString& title) {
    auto* menu = new QMenu(title, this);
    menuBar()->insertMenu(m_pWindowMenu->menuAction(), menu);
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    m_viewMenus.push_back(menu);
    m_childOnlyActions.push_back(menu->menuAction());
    UpdateMenuVisibility();
    return menu;
}

QAction* CMainFrame::AddCommand(QMenu* menu, UINT id, const QString& text, const QString& prompt,
                                const QKeySequence& shortcut) {
    QAction* action = menu ? menu->addAction(text) : new QAction(text, this);
    if (!prompt.isEmpty()) action->setStatusTip(prompt);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return BindAction(action, id);
}

QAction* CMainFrame::BindAction(QAction* action, UINT id) {
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_commandActions.push_back(action);
    return action;
}

QAction* CMainFrame::FindCommand(UINT id) const {
    for (QAction* a : m_commandActions)
        if (a->data().toUInt() == id) return a;
    return nullptr;
}

// --- Command routing ---------------------------------------------------------------

void CMainFrame::OnCommand(UINT id) {
    if (!RunFrameCommand(id)) {
        CScrollView* view = ActiveView();
        // A pass waiting in a dialog keeps the view's state busy.
        if (view && !view->InPass()) view->OnCommand(id);
    }
    UpdateToolBarUI();
}

bool CMainFrame::RunFrameCommand(UINT id) {
    struct Handler {
        UINT id;
        void (CMainFrame::*run)();
    };
    static const Handler kHandlers[] = {
        {ID_FILE_NEW, &CMainFrame::OnFileNewCmd},
        {ID_FILE_OPEN, &CMainFrame::OnFileOpen},
        {ID_FILE_SAVE, &CMainFrame::OnFileSave},
        {ID_FILE_PRINT, &CMainFrame::OnFilePrint},
        {ID_FILE_PRINT_PREVIEW, &CMainFrame::OnFilePrintPreview},
        {ID_FILE_PRINT_SETUP, &CMainFrame::OnFilePrintSetup},
        {ID_APP_EXIT, &CMainFrame::OnAppExit},
        {ID_APP_ABOUT, &CMainFrame::OnAppAbout},
        {ID_WINDOW_CASCADE, &CMainFrame::OnWindowCascade},
        {ID_WINDOW_TILE_HORZ, &CMainFrame::OnWindowTile},
        {ID_WINDOW_ARRANGE, &CMainFrame::OnWindowArrange},
    };
    if (!IsFrameCommand(id)) return false;
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + CRecentFileList::kSize) {
        const int i = int(id - ID_FILE_MRU_FILE1);
        if (i < m_recentFiles.Files().size()) OpenDocumentFile(m_recentFiles.Files()[i]);
        return true;
    }
    for (const Handler& h : kHandlers) {
        if (h.id == id) {
            (this->*h.run)();
            return true;
        }
    }
    return true; // a standard command nobody handles does nothing
}

void CMainFrame::UpdateActionUI(QAction* action) {
    const UINT id = action->data().toUInt();
    if (IsFrameCommand(id)) {
        const bool needsChild = id == ID_FILE_SAVE || id == ID_FILE_PRINT ||
                                id == ID_FILE_PRINT_PREVIEW || id == ID_WINDOW_CASCADE ||
                                id == ID_WINDOW_TILE_HORZ || id == ID_WINDOW_ARRANGE;
        action->setEnabled(!needsChild || ActiveChild() != nullptr);
        return;
    }
    CScrollView* view = ActiveView();
    CCmdUI ui;
    ui.m_nID = id;
    // Commands the view does not handle are grey, so a menu never offers
    // what does nothing.
    if (!view || view->InPass() || !view->OnUpdateCommand(&ui)) {
        action->setEnabled(false);
        return;
    }
    action->setEnabled(ui.m_bEnabled != FALSE);
    if (ui.m_nCheck != 0) action->setCheckable(true);
    if (action->isCheckable()) action->setChecked(ui.m_nCheck != 0);
}

void CMainFrame::UpdateCommandUI() {
    for (QAction* a : m_commandActions) UpdateActionUI(a);
}

void CMainFrame::UpdateToolBarUI() {
    for (QAction* a : m_pToolBar->actions())
        if (!a->isSeparator()) UpdateActionUI(a);
}

// --- Documents ----------------------------------------------------------------------

CChildFrame* CMainFrame::AddChild(std::unique_ptr<CPemroDoc> doc) {
    std::unique_ptr<CScrollView> view = m_factory ? m_factory() : nullptr;
    if (!view) return nullptr;
    CScrollView* rawView = view.get();
    auto* child = new CChildFrame(std::move(doc), std::move(view));
    m_pMdiArea->addSubWindow(child);
    connect(child, &CChildFrame::titleChanged, this, &CMainFrame::UpdateFrameTitle);
    connect(child, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::UpdateFrameTitle);
    // Queued: while `destroyed` is sent the area still lists the window.
    connect(
        child, &QObject::destroyed, this,
        [this] {
            UpdateFrameTitle();
            UpdateMenuVisibility();
            UpdateToolBarUI();
        },
        Qt::QueuedConnection);
    // The view is complete before its window shows, so the first paint
    // already draws the page.
    rawView->OnInitialUpdate();
    // Before the frame first shows, its area has no size yet: estimate it.
    // The size is the one the window returns to from maximised.
    const QSize area =
        m_pMdiArea->isVisible() ? m_pMdiArea->viewport()->size() : size() - QSize(0, 100);
    child->resize(std::max(480, area.width() * 3 / 4), std::max(360, area.height() * 3 / 4));
    child->showMaximized();
    m_pMdiArea->setActiveSubWindow(child);
    UpdateFrameTitle();
    UpdateMenuVisibility();
    UpdateToolBarUI();
    return child;
}

CChildFrame* CMainFrame::OnFileNew() {
    auto doc = std::make_unique<CPemroDoc>();
    if (!doc->OnNewDocument()) return nullptr;
    return AddChild(std::move(doc));
}

CChildFrame* CMainFrame::OpenDocumentFile(const QString& path) {
    auto doc = std::make_unique<CPemroDoc>();
    if (!doc->OnOpenDocument(path)) {
        m_recentFiles.Remove(path);
        UpdateRecentFileMenu();
        AfxMessageBox((QStringLiteral("打不开文件 ") + path).toStdString());
        return nullptr;
    }
    for (CChildFrame* child : Children()) {
        if (child->GetDocument()->GetPathName() == doc->GetPathName()) {
            m_pMdiArea->setActiveSubWindow(child);
            return child;
        }
    }
    m_recentFiles.Add(doc->GetPathName());
    UpdateRecentFileMenu();
    return AddChild(std::move(doc));
}

CChildFrame* CMainFrame::ActiveChild() const {
    // The current window stays current while the frame itself is inactive.
    return qobject_cast<CChildFrame*>(m_pMdiArea->currentSubWindow());
}

CScrollView* CMainFrame::ActiveView() const {
    CChildFrame* child = ActiveChild();
    return child ? child->GetView() : nullptr;
}

std::vector<CChildFrame*> CMainFrame::Children() const {
    std::vector<CChildFrame*> children;
    for (QMdiSubWindow* w : m_pMdiArea->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(w)) children.push_back(child);
    return children;
}

QPrinter* CMainFrame::Printer() {
    if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_pPrinter.get();
}

// --- Frame state ---------------------------------------------------------------------

void CMainFrame::UpdateFrameTitle() {
    QString title = Utf8(kTitle);
    if (CChildFrame* child = ActiveChild()) {
        const QString doc = child->GetDocument()->GetTitle();
        // A maximised child's title goes in brackets, as the desktop did it.
        title += child->isMaximized() ? QStringLiteral(" - [%1]").arg(doc)
                                      : QStringLiteral(" - %1").arg(doc);
    }
    setWindowTitle(title);
}

void CMainFrame::UpdateMenuVisibility() {
    const bool haveChild = !m_pMdiArea->subWindowList().isEmpty();
    for (QAction* a : m_childOnlyActions) a->setVisible(haveChild);
}

void CMainFrame::UpdateRecentFileMenu() {
    const QStringList& files = m_recentFiles.Files();
    m_pRecentPlaceholder->setVisible(files.isEmpty());
    for (int i = 0; i < CRecentFileList::kSize; ++i) {
        m_apRecent[i]->setVisible(i < files.size());
        m_apRecent[i]->setText(m_recentFiles.MenuText(i));
        m_apRecent[i]->setStatusTip(QStringLiteral("打开该文档"));
    }
}

void CMainFrame::UpdateWindowMenu() {
    for (QAction* a : m_windowListActions) delete a;
    m_windowListActions.clear();
    const QList<QMdiSubWindow*> windows = m_pMdiArea->subWindowList();
    m_pWindowListSeparator->setVisible(!windows.isEmpty());
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* w = windows[i];
        QAction* a =
            m_pWindowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(w->windowTitle()));
        a->setCheckable(true);
        a->setChecked(w == m_pMdiArea->currentSubWindow());
        a->setStatusTip(QStringLiteral("激活此窗口"));
        connect(a, &QAction::triggered, this, [this, w] { m_pMdiArea->setActiveSubWindow(w); });
        m_windowListActions.push_back(a);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    for (CChildFrame* child : Children()) {
        if (child->GetView()->InPass()) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}

// --- Command handlers ----------------------------------------------------------------

void CMainFrame::OnFileOpen() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("打开"), QString(),
                                                      QStringLiteral("所有文件 (*.*)"));
    if (!path.isEmpty()) OpenDocumentFile(path);
}

void CMainFrame::OnFileSave() {
    // The document has no content of its own: saving would only replace the
    // user's file by an empty one, so nothing is written.
    AfxMessageBox("页面由主题脚本给出，文档中没有需要保存的内容，未写入任何文件。");
}

void CMainFrame::OnFilePrint() {
    CScrollView* view = ActiveView();
    if (!view) return;
    // A long page prints for a while: the sheets count up in a dialog whose
    // button stops the print after the sheet under way. It is made when the
    // first sheet starts: its delay runs from its making, and made before
    // the print dialog it came up over that dialog.
    std::unique_ptr<QProgressDialog> progress;
    PrintView(view, Printer(), true, this, [this, &progress](UINT done, UINT total) {
        if (!progress) {
            progress = std::make_unique<QProgressDialog>(QStringLiteral("正在打印…"),
                                                         QStringLiteral("取消"), 0, 1, this);
            progress->setWindowTitle(QStringLiteral("打印"));
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(kPrintProgressDelayMs);
        }
        progress->setMaximum(int(total));
        progress->setValue(int(done));
        QCoreApplication::processEvents();
        return !progress->wasCanceled();
    });
}

void CMainFrame::OnFilePrintPreview() {
    // Print from the preview prints the same pages through the print command.
    if (CScrollView* view = ActiveView())
        if (RunPrintPreview(view, Printer(), this)) OnCommand(ID_FILE_PRINT);
}

void CMainFrame::OnFilePrintSetup() {
    QPageSetupDialog dialog(Printer(), this);
    dialog.exec();
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::OnWindowCascade() {
    m_pMdiArea->cascadeSubWindows();
}

void CMainFrame::OnWindowTile() {
    m_pMdiArea->tileSubWindows();
}

void CMainFrame::ArrangeIcons() {
    // Minimised windows in a row along the bottom of the area.
    int x = 0;
    const int bottom = m_pMdiArea->viewport()->height();
    for (QMdiSubWindow* w : m_pMdiArea->subWindowList()) {
        if (!w->isMinimized()) continue;
        w->move(x, bottom - w->height());
        x += w->width();
    }
}
