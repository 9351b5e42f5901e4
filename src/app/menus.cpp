#include "app/menus.h"

#include "app/command_ids.h"
#include "app/main_frame.h"
#include "view/menu_tables.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <cstring>
#include <map>
#include <string>

namespace {

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

// The frame's menu that holds `action`, or null.
QMenu* MenuHolding(CMainFrame* frame, QAction* action) {
    if (!action) return nullptr;
    for (QAction* top : frame->menuBar()->actions())
        if (QMenu* menu = top->menu(); menu && menu->actions().contains(action)) return menu;
    return nullptr;
}

// Adds items to one top-level menu, creating its submenus as they first
// appear. Items of the top level go before `before` (null: at the end).
class MenuFiller {
public:
    MenuFiller(CMainFrame* frame, QMenu* top, QAction* before)
        : m_frame(frame), m_top(top), m_before(before) {}

    void Add(const MenuItemRef& item) {
        QMenu* menu = MenuFor(item.path);
        QAction* before = menu == m_top ? m_before : nullptr;
        QAction* action;
        if (!item.text) {
            action = new QAction(menu);
            action->setSeparator(true);
        } else if (item.id == kLabelId) {
            action = new QAction(Utf8(item.text), menu);
            action->setEnabled(false); // an inert heading, no command
        } else {
            action = m_frame->AddCommand(nullptr, item.id, Utf8(item.text));
        }
        menu->insertAction(before, action);
    }

private:
    QMenu* MenuFor(const MenuPath& path) {
        QMenu* menu = m_top;
        std::string key;
        for (const char* level : {path.sub, path.sub2}) {
            if (!level) break;
            key += level;
            key += '\n';
            QMenu*& sub = m_subMenus[key];
            if (!sub) {
                sub = new QMenu(Utf8(level), menu);
                menu->insertMenu(menu == m_top ? m_before : nullptr, sub);
            }
            menu = sub;
        }
        return menu;
    }

    CMainFrame* m_frame;
    QMenu* m_top;
    QAction* m_before;
    std::map<std::string, QMenu*> m_subMenus;
};

} // namespace

void BuildViewMenus(CMainFrame* frame) {
    const std::vector<MenuItemRef> items = MenuLayout();
    auto fill = [&](const char* title, QMenu* top, QAction* before) {
        MenuFiller filler(frame, top, before);
        for (const MenuItemRef& item : items)
            if (std::strcmp(item.path.menu, title) == 0) filler.Add(item);
    };
    auto hasItems = [&](const char* title) {
        for (const MenuItemRef& item : items)
            if (std::strcmp(item.path.menu, title) == 0) return true;
        return false;
    };

    for (size_t i = 0; i < kViewMenuCount; ++i) {
        const char* title = kViewMenuTitles[i];
        if (hasItems(title)) fill(title, frame->AddMenu(Utf8(title)), nullptr);
    }

    // 文件: after 打印设置, before the recent files.
    QAction* printSetup = frame->FindCommand(ID_FILE_PRINT_SETUP);
    if (QMenu* fileMenu = MenuHolding(frame, printSetup)) {
        const QList<QAction*> actions = fileMenu->actions();
        const int at = actions.indexOf(printSetup);
        QAction* before = at + 1 < actions.size() ? actions[at + 1] : nullptr;
        fill(kFileMenuTitle, fileMenu, before);
    }

    // 帮助: the topic pages, then 关于 after a separator.
    QAction* about = frame->FindCommand(ID_APP_ABOUT);
    if (QMenu* helpMenu = MenuHolding(frame, about)) {
        fill(kHelpMenuTitle, helpMenu, about);
        helpMenu->insertSeparator(about);
        // Its topic items follow the active view like those of the view's menus.
        QObject::connect(helpMenu, &QMenu::aboutToShow, frame, &CMainFrame::UpdateCommandUI);
    }
    frame->UpdateCommandUI();
}
