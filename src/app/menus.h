// The view's menus in the frame's menu bar, built from the tables of
// view/menu_tables.h.
#pragma once

class CMainFrame;

// Adds the view's menus between 文件 and 窗口 in table order, and the
// view's items of 文件 (after 打印设置) and 帮助 (before 关于). Call once.
void BuildViewMenus(CMainFrame* frame);
