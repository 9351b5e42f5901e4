// The view's menus and commands as data: where each item stands, its text,
// its command id, and what the command does. The menu bar is built from
// these tables and CPemroView::OnCommand dispatches through them, so an
// item and its handler cannot drift apart.
#pragma once

#include "platform/types.h"

#include <cstddef>
#include <vector>

class CPemroView;

// An item's place: the top-level menu, then up to two submenu levels. A null
// top-level menu marks a command that no menu shows (reached by id only).
struct MenuPath {
    const char* menu;
    const char* sub;
    const char* sub2;
};

// Inert label items ("脚本编辑:") carry this id and have no handler.
constexpr UINT kLabelId = 65535;

// The frame's own menus, which also take items of these tables.
extern const char* const kFileMenuTitle; // "文件(&F)"
extern const char* const kHelpMenuTitle; // "帮助"

// The view's top-level menus in menu-bar order (between 文件 and 窗口). A menu
// with no rows yet is not shown.
extern const char* const kViewMenuTitles[];
extern const size_t kViewMenuCount;

// What a topic command stores after the topic reset, beyond the pattern.
enum class TopicExtra : unsigned char {
    None,
    OdeOrder1,       // m_nOdeOrder 1, m_nOdeForm 0
    OdeOrder2,       // m_nOdeOrder 2, m_nOdeForm 0
    OdeForm1,        // m_nOdeForm 1
    SpecificGravity, // m_dSpecificGravity 2.0
    Iteration,       // complex iteration: tolerance, symmetric window, bounds
    SurfaceEdit,     // m_nSurfaceCoefEdit 1
};

// A topic command: reset the view to the family, select the topic script.
// A row with a null text and id 0 is a separator; id kLabelId a label.
struct TopicRow {
    MenuPath path;
    const char* text;
    UINT id;
    const char* code; // the script's file stem
    int family = -1;  // directory family
    TopicExtra extra = TopicExtra::None;
};

// Any other command: `run(view, arg)`. Separators and labels as above.
using CommandFn = void (*)(CPemroView&, int);
struct CommandRow {
    MenuPath path;
    const char* text;
    UINT id;
    CommandFn run = nullptr;
    int arg = 0;
};

extern const TopicRow kTopicRows[];
extern const size_t kTopicRowCount;
extern const CommandRow kCommandRows[];
extern const size_t kCommandRowCount;

// Ids of commands that stand in no menu but are still given an id, so that
// every command is reachable by id.
constexpr UINT ID_REFRESH_ALL = 35001;
constexpr UINT ID_DATA_REFRESH = 35002;
constexpr UINT ID_ADJUST_VIEW = 35003;          // 刷新 > 调整视窗
constexpr UINT ID_PRINT_PREPARE_OK = 35004;     // 设置 > 准备打印 > 确认
constexpr UINT ID_PRINT_PREPARE_CANCEL = 35005; // ... > 取消
constexpr UINT ID_CURSOR_LEFT = 35011;
constexpr UINT ID_CURSOR_RIGHT = 35012;
constexpr UINT ID_CURSOR_DOWN = 35013;
constexpr UINT ID_CURSOR_UP = 35014;
constexpr UINT ID_SHOW_FUNC_NAME_YES = 35021; // 显示 > 显示函数名(图) > Yes
constexpr UINT ID_SHOW_FUNC_NAME_NO = 35022;  // ... > No

// The handler rows of an id (the first row that carries it), or null.
const TopicRow* FindTopicRow(UINT id);
const CommandRow* FindCommandRow(UINT id);

// Every menu item in menu order: the view's menus in kViewMenuTitles order,
// then the items of 文件 and of 帮助. Rows reached by id only are left out.
struct MenuItemRef {
    MenuPath path;
    const char* text; // null: separator
    UINT id;          // kLabelId: label
};
std::vector<MenuItemRef> MenuLayout();
