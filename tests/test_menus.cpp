// The view's menus and commands: the tables, the menu bar built from them,
// topic selection, colours and fonts, display modes and external programs.
#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/menus.h"
#include "dialogs/common_dialogs.h"
#include "platform/file.h"
#include "platform/system.h"
#include "platform/text_codec.h"
#include "test_support.h"
#include "view/external_programs.h"
#include "view/menu_tables.h"
#include "view/view_factory.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace test_support;

using V = CPemroView;

bool IsCommand(UINT id) {
    return id != 0 && id != kLabelId;
}

// Each command in turn, then the field it sets.
struct Effect {
    UINT id;
    int V::*field;
    int value;
};
void ExpectEffects(V* v, std::initializer_list<Effect> effects) {
    for (const Effect& e : effects) {
        v->OnCommand(e.id);
        EXPECT_EQ(v->*e.field, e.value) << "command " << e.id;
    }
}

// Gives the view a client area and runs the passes it asked for, so a later
// request for a repaint shows as a pending paint.
void Settle(V* v) {
    v->ResizeClient(320, 240);
    v->RenderPending();
    ASSERT_FALSE(v->HasPendingPaint());
}

// Dialog answers for one test; the real (non-blocking, cancelling) dialogs
// come back afterwards.
class DialogHooks {
public:
    explicit DialogHooks(CommonDialogHooks hooks) { SetCommonDialogHooks(std::move(hooks)); }
    ~DialogHooks() { SetCommonDialogHooks({}); }
};

CommonDialogHooks ColourAnswer(bool ok, COLORREF colour) {
    CommonDialogHooks h;
    h.colour = [ok, colour](COLORREF* c) {
        if (ok) *c = colour;
        return ok;
    };
    return h;
}

QString Utf8(const char* s) {
    return QString::fromUtf8(s);
}

// --- Tables ----------------------------------------------------------------------------

TEST(MenuTables, EveryMenuItemHasAHandlerAndIdsDoNotClash) {
    std::set<UINT> topicIds, commandIds;
    for (size_t i = 0; i < kTopicRowCount; ++i)
        if (IsCommand(kTopicRows[i].id)) topicIds.insert(kTopicRows[i].id);
    for (size_t i = 0; i < kCommandRowCount; ++i)
        if (IsCommand(kCommandRows[i].id)) commandIds.insert(kCommandRows[i].id);
    for (UINT id : topicIds) EXPECT_EQ(commandIds.count(id), 0u) << id;

    for (const MenuItemRef& item : MenuLayout()) {
        if (!IsCommand(item.id)) continue;
        EXPECT_TRUE(FindTopicRow(item.id) || FindCommandRow(item.id)) << item.id;
        EXPECT_NE(item.text, nullptr);
    }
    for (size_t i = 0; i < kCommandRowCount; ++i) {
        if (IsCommand(kCommandRows[i].id)) {
            EXPECT_NE(kCommandRows[i].run, nullptr) << kCommandRows[i].id;
        }
    }
    for (size_t i = 0; i < kTopicRowCount; ++i) {
        if (IsCommand(kTopicRows[i].id)) {
            EXPECT_NE(kTopicRows[i].code, nullptr) << kTopicRows[i].id;
        }
    }
}

TEST(MenuTables, AnIdThatStandsTwiceDoesTheSameEverywhere) {
    std::map<UINT, const CommandRow*> seen;
    for (size_t i = 0; i < kCommandRowCount; ++i) {
        const CommandRow& r = kCommandRows[i];
        if (!IsCommand(r.id)) continue;
        auto [it, fresh] = seen.emplace(r.id, &r);
        if (fresh) continue;
        EXPECT_EQ(it->second->run, r.run) << r.id;
        EXPECT_EQ(it->second->arg, r.arg) << r.id;
    }
    // 33227 stands twice among the topics and selects "314" both times.
    int rows33227 = 0;
    for (size_t i = 0; i < kTopicRowCount; ++i) {
        if (kTopicRows[i].id != 33227) continue;
        ++rows33227;
        EXPECT_STREQ(kTopicRows[i].code, "314");
    }
    EXPECT_EQ(rows33227, 2);
}

TEST(MenuTables, TopicCounts) {
    int menuItems = 0, byIdOnly = 0;
    for (size_t i = 0; i < kTopicRowCount; ++i) {
        if (!IsCommand(kTopicRows[i].id)) continue;
        (kTopicRows[i].path.menu ? menuItems : byIdOnly)++;
    }
    EXPECT_EQ(menuItems, 209); // counted in the topic list, 33227 twice
    EXPECT_EQ(byIdOnly, 30);   // 20 of family -1, 9 of family 0, 1 of family 4
}

const MenuItemRef* FindItem(const std::vector<MenuItemRef>& items, UINT id) {
    for (const MenuItemRef& item : items)
        if (item.id == id) return &item;
    return nullptr;
}

TEST(MenuTables, ItemTextsAndPathsAreTheProgramsOwn) {
    const std::vector<MenuItemRef> items = MenuLayout();
    struct Expected {
        UINT id;
        const char* menu;
        const char* sub;
        const char* sub2;
        const char* text;
    };
    const Expected expected[] = {
        {33070, "数学物理方法", "第二章 分离变量法", nullptr, "第一节  有界弦的自由振动 "},
        {33018, "数学物理方法", "第六章  勒让德多项式 ", nullptr, "第一节 勒让德方程及其解的表示"},
        {33111, "数学物理方法", "第三章  行波法与积分变换法", nullptr,
         "3.2.1 三维波动方程的球对称解"},
        {33700, "概念与应用", "数列", nullptr, "迭代Zn=F(Zn-1),F(Z)=f(x,y)+g(x,y)i"},
        {33631, "概念与应用", "导数与应用", nullptr, "场（源头、汇）的概念"},
        {33219, "概念与应用", "导数与应用", "切线", "对平面曲线"},
        {33630, "概念与应用", "积分与应用", "微元", "曲面面积元素"},
        {32935, "概念与应用", "常微分方程数值解法", nullptr, "y''+py'+q=f(x)"},
        {33493, "图形", "曲面所围立体(1)", nullptr, "8:3x^2+y^2=z,z=1-y^2,"},
        {34401, "图形", nullptr, nullptr, "球面坐标中的图形"},
        {34387, "帮助", nullptr, nullptr, "函数菜单的使用所明"},
        {34367, "显示", "字体粗细", nullptr, "粗 "},
        {33205, "显示", "位图背景(JPEG,GIF)", nullptr, "自选"},
        {33187, "设置", "立体图形 ", "在底面上投影", "Yes"},
        {32963, "设置", "立体图形 ", nullptr, "x 形区域"},
        {45, "设置", "旋转(立体图形)", nullptr, "逆时针旋转45度"},
        {34294, "编辑脚本", nullptr, nullptr, "Windows xp"},
        {34304, "文件(&F)", nullptr, nullptr, "打印原色"},
    };
    for (const Expected& e : expected) {
        const MenuItemRef* item = FindItem(items, e.id);
        ASSERT_NE(item, nullptr) << e.id;
        EXPECT_STREQ(item->path.menu, e.menu) << e.id;
        EXPECT_STREQ(item->path.sub ? item->path.sub : "", e.sub ? e.sub : "") << e.id;
        EXPECT_STREQ(item->path.sub2 ? item->path.sub2 : "", e.sub2 ? e.sub2 : "") << e.id;
        EXPECT_STREQ(item->text, e.text) << e.id;
    }
}

TEST(MenuTables, ViewAndPrintCommandsOfOtherMenusAreReachable) {
    const std::vector<MenuItemRef> items = MenuLayout();
    const MenuItemRef* adjust = FindItem(items, ID_ADJUST_VIEW);
    ASSERT_NE(adjust, nullptr);
    EXPECT_STREQ(adjust->path.menu, "刷新");
    EXPECT_STREQ(adjust->text, "调整视窗");
    for (UINT id : {ID_PRINT_PREPARE_OK, ID_PRINT_PREPARE_CANCEL}) {
        const MenuItemRef* item = FindItem(items, id);
        ASSERT_NE(item, nullptr) << id;
        EXPECT_STREQ(item->path.menu, "设置");
        EXPECT_STREQ(item->path.sub, "准备打印");
        EXPECT_STREQ(item->text, id == ID_PRINT_PREPARE_OK ? "确认" : "取消");
    }
    auto v = MakeView();
    ExpectEffects(v.get(), {{ID_PRINT_PREPARE_OK, &V::m_bPrintMode, 1},
                            {ID_PRINT_PREPARE_CANCEL, &V::m_bPrintMode, 0}});
    v->m_nTextY = 5;
    v->OnCommand(ID_ADJUST_VIEW); // the page length assumed again
    EXPECT_NE(v->m_nTextY, 5);
}

// 在视图中修改曲线系数 and 在视图中修改曲面(上下)系数 stand again under the
// names of the equations, after the equations' submenus.
TEST(MenuTables, InPageEditingAlsoUnderTheEquationNames) {
    const std::vector<MenuItemRef> items = MenuLayout();
    size_t lastSubmenuItem = 0;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].path.menu && std::strcmp(items[i].path.menu, "函数") == 0 && items[i].path.sub)
            lastSubmenuItem = i;
    const struct {
        const char* text;
        UINT id;
        bool afterSubmenus;
    } expected[] = {
        {"在视图中修改曲线系数", 32997, false},      {"在视图中修改曲面(上下)系数", 33142, false},
        {"在视图中改变p、q和f(x)系数", 32997, true}, {"在视图中修改f(x)、g(x)的系数", 32997, true},
        {"在视图中修改f(x,y)的系数", 33142, true},   {"在视图中修改f(x,y,y')的系数", 33142, true},
    };
    for (const auto& e : expected) {
        int found = 0;
        for (size_t i = 0; i < items.size(); ++i) {
            const MenuItemRef& it = items[i];
            if (!it.text || std::strcmp(it.text, e.text) != 0) continue;
            ++found;
            EXPECT_STREQ(it.path.menu, "函数") << e.text;
            EXPECT_EQ(it.path.sub, nullptr) << e.text;
            EXPECT_EQ(it.id, e.id) << e.text;
            EXPECT_EQ(i > lastSubmenuItem, e.afterSubmenus) << e.text;
        }
        EXPECT_EQ(found, 1) << e.text;
    }

    auto v = MakeView();
    v->m_nSurfaceCoefEdit = 1;
    v->OnCommand(32997);
    EXPECT_EQ(v->m_nCurveCoefEdit, 1);
    EXPECT_EQ(v->m_nSurfaceCoefEdit, 2);
}

// --- The menu bar -------------------------------------------------------------------------

void UseTemporarySettings() {
    static QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
}

QStringList Titles(const QList<QAction*>& actions) {
    QStringList titles;
    for (QAction* a : actions)
        if (a->isVisible()) titles << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return titles;
}

QMenu* TopMenu(CMainFrame& frame, const char* title) {
    for (QAction* a : frame.menuBar()->actions())
        if (a->text() == Utf8(title)) return a->menu();
    return nullptr;
}

QMenu* SubMenu(QMenu* menu, const char* title) {
    for (QAction* a : menu->actions())
        if (a->menu() && a->text() == Utf8(title)) return a->menu();
    return nullptr;
}

TEST(MenuBar, ViewMenusStandInOrderBetweenFileAndWindow) {
    UseTemporarySettings();
    CMainFrame frame(CreatePageView);
    BuildViewMenus(&frame);
    frame.show();
    ASSERT_NE(frame.OnFileNew(), nullptr);
    EXPECT_EQ(Titles(frame.menuBar()->actions()),
              QStringList({Utf8("文件(&F)"), Utf8("数学物理方法"), Utf8("概念与应用"), Utf8("图形"),
                           Utf8("函数"), Utf8("对话框"), Utf8("显示"), Utf8("设置"), Utf8("刷新"),
                           Utf8("编辑脚本"), Utf8("窗口(&W)"), Utf8("帮助(&H)")}));

    // 帮助: two label groups, a separator, four pages, then 关于.
    QMenu* help = TopMenu(frame, "帮助(&H)");
    ASSERT_NE(help, nullptr);
    const QStringList helpItems = Titles(help->actions());
    ASSERT_EQ(helpItems.size(), 22);
    EXPECT_EQ(helpItems[0], Utf8("章节内容对应的文件:"));
    EXPECT_EQ(helpItems[1], Utf8("高等数学"));
    EXPECT_EQ(helpItems[6], Utf8("概念与应用"));
    EXPECT_EQ(helpItems[7], Utf8("脚本编辑:"));
    EXPECT_EQ(helpItems[14], Utf8("特殊命令"));
    EXPECT_EQ(helpItems[15], "-");
    EXPECT_EQ(helpItems[19], Utf8("软件介绍"));
    EXPECT_EQ(helpItems[20], "-");
    EXPECT_EQ(helpItems[21], Utf8("关于 Pemro(&A)..."));
    EXPECT_FALSE(help->actions()[0]->isEnabled()); // labels are inert

    // 文件: the print colours follow 打印设置.
    const QStringList fileItems = Titles(TopMenu(frame, "文件(&F)")->actions());
    const int setup = fileItems.indexOf(Utf8("打印设置(&R)..."));
    ASSERT_GE(setup, 0);
    EXPECT_EQ(fileItems[setup + 1], Utf8("默认打印颜色"));
    EXPECT_EQ(fileItems[setup + 2], Utf8("打印原色"));

    // The first chapter's submenu in the order of the list.
    QMenu* mp = TopMenu(frame, "数学物理方法");
    ASSERT_NE(mp, nullptr);
    const QStringList mpItems = Titles(mp->actions());
    EXPECT_EQ(mpItems.mid(0, 6),
              QStringList({Utf8("前言"), Utf8("教学大纲"), Utf8("总复习题一"), Utf8("总复习题二"),
                           Utf8("总复习题三"), Utf8("第一章 一些典型方程和定解条件的推导")}));
}

TEST(MenuBar, ADeepItemRunsItsCommandOnTheActiveView) {
    UseTemporarySettings();
    CMainFrame frame(CreatePageView);
    BuildViewMenus(&frame);
    frame.show();
    CChildFrame* child = frame.OnFileNew();
    ASSERT_NE(child, nullptr);
    auto* view = static_cast<V*>(child->GetView());

    // The topic items of 帮助 follow the view when that menu opens first.
    emit TopMenu(frame, "帮助(&H)")->aboutToShow();
    EXPECT_TRUE(frame.FindCommand(33714)->isEnabled()); // 软件介绍

    QMenu* solid = SubMenu(TopMenu(frame, "设置"), "立体图形 ");
    ASSERT_NE(solid, nullptr);
    QMenu* base = SubMenu(solid, "在底面上投影");
    ASSERT_NE(base, nullptr);
    view->m_bPendingProjectBase = 0;
    view->m_bSelectionPending = 0;
    emit TopMenu(frame, "设置")->aboutToShow(); // as when the user opens it
    base->actions()[0]->trigger();              // Yes
    EXPECT_EQ(view->m_bPendingProjectBase, 1);
    EXPECT_EQ(view->m_bSelectionPending, 1);

    EXPECT_TRUE(frame.FindCommand(33057)->isEnabled());
    frame.FindCommand(33057)->trigger();
    EXPECT_EQ(view->m_strTopicCode, "000");
    EXPECT_EQ(view->m_nDataFamily, 0);
}

// --- Topics ---------------------------------------------------------------------------------

TEST(TopicCommands, SelectCodeAndFamilyAndResetTheTopic) {
    auto v = MakeView();
    struct Case {
        UINT id;
        const char* code;
        int family;
    };
    const Case cases[] = {
        {33057, "000", 0},  {34154, "dg", 0},   {34287, "dg", 4},   {32933, "339", -1},
        {32934, "339", -1}, {33227, "314", -1}, {34298, "464", -1}, {33775, "fux1", 0},
        {34306, "23", 0},   {32919, "322", -1}, {33714, "232", -1}, {34189, "qy", 0},
        {34445, "0211", 0}, {33526, "639", -1}, {34417, "640", -1}, {32889, "300", -1},
    };
    v->ResizeClient(400, 300);
    for (const Case& c : cases) {
        v->m_nFontStep = 6;
        v->m_nPixelSize = 3;
        v->m_ptClick = CPoint(50, 60);
        v->m_nDemoOption = v->m_nDemoOption2 = 1; // a data table, Gauss's two nodes
        v->ScrollToPosition(CPoint(0, 500));      // the last page was read further down
        ASSERT_TRUE(v->OnCommand(c.id)) << c.id;
        EXPECT_EQ(v->GetScrollPosition(), CPoint(0, 0)) << c.id;
        EXPECT_EQ(v->m_strTopicCode, c.code) << c.id;
        EXPECT_EQ(v->m_nDataFamily, c.family) << c.id;
        EXPECT_EQ(v->m_nFontStep, 0) << c.id;
        EXPECT_EQ(v->m_nPixelSize, 0) << c.id;
        EXPECT_EQ(v->m_ptClick, CPoint(0, 0)) << c.id;
        EXPECT_EQ(v->m_nDemoOption, 0) << c.id; // Newton's page opens on the simple root
        EXPECT_EQ(v->m_nDemoOption2, 0) << c.id;
        EXPECT_DOUBLE_EQ(v->m_dEpsilon, 0.1) << c.id;
    }
    EXPECT_FALSE(v->OnCommand(12345));
}

TEST(TopicCommands, TheComplexIterationsSetTheirOwnBounds) {
    auto v = MakeView();
    ASSERT_TRUE(v->OnCommand(33237)); // 迭代Zn=A(Zn-1+B)Zn-1+C
    EXPECT_EQ(v->m_strTopicCode, "351");
    EXPECT_DOUBLE_EQ(v->m_dEpsilon, 1e-7);
    EXPECT_DOUBLE_EQ(v->m_dEscapeBound, 1e6);
    EXPECT_EQ(v->m_nDemoStep, 1000);
    EXPECT_DOUBLE_EQ(v->m_dXMin, -v->m_dXMax);
    EXPECT_DOUBLE_EQ(v->m_dYMin, -v->m_dYMax);
    ASSERT_TRUE(v->OnCommand(33700));
    EXPECT_EQ(v->m_strTopicCode, "353");
    EXPECT_DOUBLE_EQ(v->m_dEscapeBound, 1e6);
    // Any other topic starts from the reset values again.
    ASSERT_TRUE(v->OnCommand(33236));
    EXPECT_DOUBLE_EQ(v->m_dEpsilon, 0.1);
    EXPECT_DOUBLE_EQ(v->m_dEscapeBound, 1e8);
    EXPECT_EQ(v->m_nDemoStep, 1);
}

TEST(TopicCommands, OdeOrderSurvivesTheNextOdeTopic) {
    auto v = MakeView();
    v->OnCommand(32940); // y'=f(x,y)
    EXPECT_EQ(v->m_nOdeOrder, 1);
    EXPECT_EQ(v->m_nOdeForm, 0);
    v->OnCommand(32941); // 欧拉法
    EXPECT_EQ(v->m_strTopicCode, "334");
    EXPECT_EQ(v->m_nOdeOrder, 1);
    v->OnCommand(33176); // 一阶微分方程组
    ExpectEffects(v.get(),
                  {
                      {32941, &V::m_nOdeOrder, 2}, {33648, &V::m_nOdeForm, 1} // x''+f(x)x'+g(x)=0
                  });
    v->OnCommand(32935); // y''+py'+q=f(x)
    EXPECT_EQ(v->m_nOdeOrder, 2);
    EXPECT_EQ(v->m_nOdeForm, 0);
}

TEST(TopicCommands, ExtrasOfWaterAndPlanes) {
    auto v = MakeView();
    v->OnCommand(33697); // 水中取物做功
    EXPECT_DOUBLE_EQ(v->m_dSpecificGravity, 2.0);
    for (UINT id : {33754u, 33756u, 33758u, 33759u, 33760u}) {
        v->OnCommand(id);
        EXPECT_EQ(v->m_nSurfaceCoefEdit, 1) << id;
    }
    v->OnCommand(33757); // 点到平面的距离: the plain pattern
    EXPECT_EQ(v->m_nSurfaceCoefEdit, 2);
}

TEST(TopicCommands, LevelAndVariantWithoutReset) {
    auto v = MakeView();
    v->OnCommand(33057);
    v->m_nFontStep = 4;
    ExpectEffects(v.get(), {{34351, &V::m_nDataLevel, 2},
                            {34350, &V::m_nDataLevel, 1},
                            {34153, &V::m_nDataVariant, 3},
                            {34150, &V::m_nDataVariant, 0}});
    v->OnCommand(34151);
    EXPECT_EQ(v->m_nDataVariant, 1);
    EXPECT_EQ(v->m_nFontStep, 4); // no reset
    EXPECT_EQ(v->m_strTopicCode, "000");
}

TEST(TopicCommands, ResetLimitStateById) {
    auto v = MakeView();
    Settle(v.get());
    v->m_nSequenceMode = 3;
    v->m_nPendingSubDemo = 20;
    v->m_nPlotMode = 2;
    v->m_nLimitInfinity = 1;
    ASSERT_TRUE(v->OnCommand(32900));
    EXPECT_EQ(v->m_nSequenceMode, -1);
    EXPECT_EQ(v->m_nPendingSubDemo, -1);
    EXPECT_EQ(v->m_nSubDemo, -1);
    EXPECT_EQ(v->m_nPlotMode, 0);
    EXPECT_EQ(v->m_nLimitInfinity, 0);
    EXPECT_TRUE(v->HasPendingPaint()); // a menu command shows at once
}

// Pure white and pure black pixels in the client box where the open-failure
// message stands: black text on its own white box.
bool ShowsOpenFailure(const V& v) {
    const QImage& img = v.BackingImage();
    int white = 0, black = 0;
    for (int y = 10; y < 30 && y < img.height(); ++y)
        for (int x = 10; x < 200 && x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y) & 0xffffff;
            white += p == 0xffffff;
            black += p == 0;
        }
    return white > 200 && black > 20;
}

TEST(TopicCommands, EveryTopicPaintsOrSaysItsScriptIsMissing) {
    InRunDir runDir;
    std::set<UINT> done;
    int missing = 0, present = 0;
    for (size_t i = 0; i < kTopicRowCount; ++i) {
        const TopicRow& row = kTopicRows[i];
        if (!IsCommand(row.id) || !done.insert(row.id).second) continue;
        auto v = MakeView();
        v->ResizeClient(480, 360);
        v->RenderPending();
        ASSERT_TRUE(v->OnCommand(row.id)) << row.id;
        EXPECT_TRUE(v->HasPendingPaint()) << row.id; // the reset asked for a pass
        for (int pass = 0; pass < 4 && v->HasPendingPaint(); ++pass) v->RenderPending();

        CStdioFile file;
        if (file.Open(v->m_strDataPath)) {
            ++present;
        } else {
            ++missing;
            EXPECT_TRUE(ShowsOpenFailure(*v)) << row.id << " " << v->m_strDataPath;
        }
    }
    EXPECT_EQ(missing + present, 238); // 239 rows, 33227 stands twice
    EXPECT_GT(present, 20);            // the sample course
    EXPECT_GT(missing, 100);
}

TEST(TopicCommands, TheScriptFileFollowsFamilyAndCode) {
    auto v = MakeView();
    const struct {
        UINT id;
        const char* file;
    } cases[] = {
        {33714, "data\\232.txt"},      // 帮助 > 软件介绍
        {34189, "gsdata\\gsqy.txt"},   // 数学物理方法 > 前言
        {34154, "gsdata\\gsdg.txt"},   // 数学物理方法 > 教学大纲
        {34287, "fxtdata\\dg.txt"},    // the same code in family 4
        {33111, "gsdata\\gs0210.txt"}, // codes keep their leading zeros
        {32934, "data\\339.txt"},      // 展成余弦级数
    };
    for (const auto& c : cases) {
        v->OnCommand(c.id);
        v->BuildDataFileName();
        EXPECT_EQ(v->m_strDataFile, c.file) << c.id;
    }
}

// Every page of the sample course opens from the menu item of its topic code:
// data\CODE.txt from a family -1 item, gsdata\gsCODE.txt from a family 0 one.
TEST(TopicCommands, EverySamplePageHasItsMenuItem) {
    namespace fs = std::filesystem;
    struct Dir {
        const char* name;
        const char* prefix;
        int family;
    };
    const Dir dirs[] = {{"data", "", -1}, {"gsdata", "gs", 0}};
    int pages = 0;
    for (const Dir& d : dirs) {
        for (const auto& entry : fs::directory_iterator(fs::path(test_paths::kRunDir) / d.name)) {
            const std::string name = entry.path().filename().string();
            const std::string prefix = d.prefix;
            if (entry.path().extension() != ".txt" || name.compare(0, prefix.size(), prefix) != 0)
                continue;
            const std::string code = entry.path().stem().string().substr(prefix.size());
            bool reachable = false;
            for (size_t i = 0; i < kTopicRowCount && !reachable; ++i) {
                const TopicRow& row = kTopicRows[i];
                reachable = row.path.menu && row.code && code == row.code && row.family == d.family;
            }
            EXPECT_TRUE(reachable) << d.name << "/" << name;
            ++pages;
        }
    }
    EXPECT_GT(pages, 20);
}

// --- Colours and fonts ------------------------------------------------------------------------

TEST(ColourCommands, CancelLeavesTheSlotAndTheEntryTakesIt) {
    auto v = MakeView();
    const COLORREF curve = v->m_crCurveSetting;
    v->m_acrPalette[10] = RGB(1, 1, 1);
    {
        DialogHooks hooks(ColourAnswer(false, 0));
        ASSERT_TRUE(v->OnCommand(32787)); // 图形颜色 > 曲线
    }
    EXPECT_EQ(v->m_crCurveSetting, curve);
    EXPECT_EQ(v->m_acrPalette[10], curve);
}

TEST(ColourCommands, TheDialogOpensOnTheColourItChanges) {
    auto v = MakeView();
    v->m_crCurveSetting = RGB(10, 200, 30);
    v->m_crBackground = RGB(40, 50, 60);
    std::vector<COLORREF> offered;
    CommonDialogHooks h;
    h.colour = [&offered](COLORREF* c) {
        offered.push_back(*c);
        return false;
    };
    DialogHooks hooks(h);
    v->OnCommand(32787); // 图形颜色 > 曲线
    v->OnCommand(7);     // 背景颜色
    const std::vector<COLORREF> expected = {RGB(10, 200, 30), RGB(40, 50, 60)};
    EXPECT_EQ(offered, expected);
}

TEST(ColourCommands, ChoosingSetsSlotAndEntryButTheCurveWaitsForATopic) {
    auto v = MakeView();
    const COLORREF curveBefore = v->m_crCurve;
    DialogHooks hooks(ColourAnswer(true, RGB(12, 34, 56)));
    v->OnCommand(32787);
    EXPECT_EQ(v->m_crCurveSetting, RGB(12, 34, 56));
    EXPECT_EQ(v->m_acrPalette[10], RGB(12, 34, 56));
    EXPECT_EQ(v->m_crCurve, curveBefore);
    v->OnCommand(33057);
    EXPECT_EQ(v->m_crCurve, RGB(12, 34, 56));

    v->OnCommand(32826); // 字体颜色 > 表达式
    EXPECT_EQ(v->m_crExpression, RGB(12, 34, 56));
    EXPECT_EQ(v->m_acrPalette[3], RGB(12, 34, 56));
    v->OnCommand(7); // 背景颜色
    EXPECT_EQ(v->m_crBackground, RGB(12, 34, 56));
    EXPECT_EQ(v->m_acrPalette[1], RGB(12, 34, 56));
}

TEST(ColourCommands, FrameSectionAndSideColoursChangeNoEntry) {
    auto v = MakeView();
    DialogHooks hooks(ColourAnswer(true, RGB(7, 8, 9)));
    for (UINT id : {33251u, 33139u, 33140u, 33141u}) {
        COLORREF palette[V::kPaletteSize];
        std::memcpy(palette, v->m_acrPalette, sizeof palette);
        v->OnCommand(id);
        EXPECT_EQ(std::memcmp(palette, v->m_acrPalette, sizeof palette), 0) << id;
    }
    EXPECT_EQ(v->m_crRightFrame, RGB(7, 8, 9));
    EXPECT_EQ(v->m_crSection, RGB(7, 8, 9));
    EXPECT_EQ(v->m_crBackSide, RGB(7, 8, 9));
    EXPECT_EQ(v->m_crFrontSide, RGB(7, 8, 9));
}

TEST(ColourCommands, AnyChoiceRefreshesTheSurfaceTriples) {
    auto v = MakeView();
    v->m_crUpperSurface = RGB(10, 20, 30);
    v->m_crLowerMesh = RGB(200, 100, 0);
    {
        DialogHooks hooks(ColourAnswer(false, 0));
        v->OnCommand(32800); // 正文, cancelled
    }
    EXPECT_EQ(v->m_anUpperSurfaceRgb[0], 10);
    EXPECT_EQ(v->m_anUpperSurfaceRgb[1], 20);
    EXPECT_EQ(v->m_anUpperSurfaceRgb[2], 30);
    EXPECT_EQ(v->m_anLowerMeshRgb[0], 200);
    EXPECT_EQ(v->m_anLowerMeshRgb[1], 100);
    EXPECT_EQ(v->m_anLowerMeshRgb[2], 0);

    DialogHooks hooks(ColourAnswer(true, RGB(1, 2, 3)));
    v->OnCommand(34132); // 下曲面颜色
    EXPECT_EQ(v->m_crLowerSurface, RGB(1, 2, 3));
    EXPECT_EQ(v->m_anLowerSurfaceRgb[2], 3);
}

TEST(ColourCommands, SlotsOutsideTheTableStoreNothing) {
    auto v = MakeView();
    DialogHooks hooks(ColourAnswer(true, RGB(1, 2, 3)));
    const COLORREF pen = v->m_crDefaultPen;
    v->ChooseColour(22);
    v->ChooseColour(-1);
    EXPECT_EQ(v->m_crDefaultPen, pen);
    v->ChooseColour(21);
    EXPECT_EQ(v->m_crDefaultFill, RGB(1, 2, 3));
}

TEST(ColourCommands, WithoutADisplayTheDialogCancelsAtOnce) {
    auto v = MakeView();
    SetCommonDialogHooks({});
    const COLORREF bg = v->m_crBackground;
    v->OnCommand(7);
    EXPECT_EQ(v->m_crBackground, bg);
    const LOGFONT before = v->m_lfCurrent;
    v->OnCommand(32772);
    EXPECT_TRUE(SameFont(before, v->m_lfCurrent));
}

TEST(FontCommands, CancelLeavesTheWorkingFont) {
    auto v = MakeView();
    Settle(v.get());
    const LOGFONT before = v->m_lfCurrent;
    const COLORREF body = v->m_crBodyText;
    CommonDialogHooks h;
    h.font = [](LOGFONT* lf, COLORREF* c) {
        lf->SetFaceName("Changed"); // a dialog that was edited, then cancelled
        lf->lfHeight = 99;
        *c = RGB(1, 1, 1);
        return false;
    };
    DialogHooks hooks(h);
    v->OnCommand(32772);
    EXPECT_TRUE(SameFont(before, v->m_lfCurrent));
    EXPECT_EQ(v->m_crBodyText, body);

    // 字体改变 after Cancel copies the unchanged working font, and repaints.
    v->m_nPrevClipBottom = 77;
    v->OnCommand(33485); // 表达式字体
    EXPECT_TRUE(SameFont(before, v->m_alfTextFont[3]));
    EXPECT_EQ(v->m_nPrevClipBottom, 0);
    EXPECT_TRUE(v->HasPendingPaint());
}

TEST(FontCommands, ChosenFontGoesToItsTextFont) {
    auto v = MakeView();
    CommonDialogHooks h;
    h.font = [](LOGFONT* lf, COLORREF* c) {
        StoreFontChoice(lf, "黑体", 12, 700, true, false, false);
        *c = RGB(9, 8, 7);
        return true;
    };
    DialogHooks hooks(h);
    v->OnCommand(33536); // 定理字体 -> element 1
    EXPECT_STREQ(v->m_alfTextFont[1].lfFaceName, Gbk("黑体").c_str());
    EXPECT_EQ(v->m_alfTextFont[1].lfHeight, -16);
    EXPECT_EQ(v->m_alfTextFont[1].lfWeight, 700);
    EXPECT_EQ(v->m_alfTextFont[1].lfItalic, 1);
    EXPECT_EQ(v->m_lfCurrent.lfWeight, 700);
    EXPECT_EQ(v->m_crBodyText, RGB(9, 8, 7));
    v->OnCommand(33537); // 例题字体 -> element 4
    EXPECT_EQ(v->m_alfTextFont[4].lfWeight, 700);
    v->OnCommand(33538); // 正文字体 -> element 2
    EXPECT_EQ(v->m_alfTextFont[2].lfWeight, 700);
}

TEST(FontCommands, StoreFontChoiceFitsTheFaceField) {
    LOGFONT lf;
    lf.lfCharSet = 134;
    lf.lfWidth = 9;
    // Twenty Chinese characters are 40 GBK bytes; 15 fit the 31 bytes.
    const std::string longName = "数学物理方法教学软件数学物理方法教学软件";
    StoreFontChoice(&lf, longName, 13.5, 400, false, true, true);
    EXPECT_EQ(std::strlen(lf.lfFaceName), 30u);
    EXPECT_EQ(std::string(lf.lfFaceName), Gbk("数学物理方法教学软件数学物理方"));
    EXPECT_EQ(lf.lfHeight, -18); // 13.5 pt at 96 dpi
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfCharSet, 134);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_EQ(lf.lfStrikeOut, 1);
    StoreFontChoice(&lf, "Sans", 0, 5000, false, false, false);
    EXPECT_EQ(lf.lfHeight, -18); // no size given: kept
    EXPECT_EQ(lf.lfWeight, 1000);
}

TEST(FontCommands, SizeStepsAndTheirLimits) {
    auto v = MakeView();
    for (int i = 0; i < 3; ++i) v->OnCommand(33483);
    EXPECT_EQ(v->m_nFontStep, 6);
    ExpectEffects(v.get(), {{33484, &V::m_nFontStep, 4}, {33481, &V::m_nFormulaFontStep, 2}});
    v->OnCommand(33057);
    EXPECT_EQ(v->m_nFontStep, 0);
    EXPECT_EQ(v->m_nFormulaFontStep, 0);

    // Shrinking stops while text is still a few pixels high.
    for (int i = 0; i < 40; ++i) v->OnCommand(33484);
    EXPECT_GE(v->m_nCharHeight + v->m_nFontStep, 6);
    // Line spacing stops at -1.0: the pitch factor stays 0.4 or more.
    for (int i = 0; i < 15; ++i) v->OnCommand(33731);
    EXPECT_NEAR(v->m_dLineSpacing, -1.0, 1e-9);
    v->OnCommand(33730);
    EXPECT_NEAR(v->m_dLineSpacing, -0.9, 1e-9);

    const double letters = v->m_dLetterSize;
    v->OnCommand(33738);
    EXPECT_NEAR(v->m_dLetterSize, letters + 0.1, 1e-9);
    for (int i = 0; i < 30; ++i) v->OnCommand(33737);
    EXPECT_NEAR(v->m_dLetterSize, 0.2, 1e-9);
}

TEST(FontCommands, LettersWeightPrintColoursAndPixelSize) {
    auto v = MakeView();
    ExpectEffects(v.get(), {{33662, &V::m_bLettersItalic, 1},
                            {33663, &V::m_bLettersItalic, 0},
                            {33726, &V::m_nNonChineseColorMode, 2}});
    v->OnCommand(34367); // 粗
    EXPECT_EQ(v->m_lfCurrent.lfWeight, 1000);
    EXPECT_EQ(v->m_alfTextFont[4].lfWeight, 1000);
    v->OnCommand(34366); // 标准
    EXPECT_EQ(v->m_lfCurrent.lfWeight, 500);
    ExpectEffects(v.get(), {{34304, &V::m_bPrintOriginalColors, 1},
                            {34303, &V::m_bPrintOriginalColors, 0},
                            {32795, &V::m_nPixelSize, 2}});
}

// --- Display modes --------------------------------------------------------------------------

TEST(DisplayCommands, RevealModes) {
    auto v = MakeView();
    Settle(v.get());
    v->m_nRevealedCount = 7;
    v->m_nPrevClipBottom = 9;
    v->OnCommand(32846); // 逐行显示(从当前行开始)
    EXPECT_EQ(v->m_nTextRevealMode, 1);
    EXPECT_EQ(v->m_nRevealedCount, 7);
    EXPECT_EQ(v->m_nPrevClipBottom, 0);
    v->m_nRevealedTextBottom = 300;
    v->OnCommand(32910); // 逐行显示(从头开始)
    EXPECT_EQ(v->m_nRevealedCount, 1);
    EXPECT_EQ(v->m_nRevealedTextBottom, 0);
    ExpectEffects(v.get(), {{32901, &V::m_nTextRevealMode, 0}, {32847, &V::m_nTextRevealMode, -1}});
    // A menu command shows at once: the whole page is drawn again.
    EXPECT_TRUE(v->HasPendingPaint());
    EXPECT_EQ(v->m_nPrevClipBottom, 0);
}

TEST(DisplayCommands, BackgroundPictures) {
    auto v = MakeView();
    Settle(v.get());
    v->OnCommand(33200); // 第三个
    EXPECT_EQ(v->m_nBackgroundMode, 1);
    EXPECT_EQ(v->m_strBackgroundPicture, "bmp\\MYfig3.jpg");
    EXPECT_TRUE(v->HasPendingPaint());
    v->OnCommand(33204); // 第六个 shows the first picture
    EXPECT_EQ(v->m_strBackgroundPicture, "bmp\\MYfig1.jpg");

    // 自选 cancelled: picture mode with the picture stored before, repainted.
    v->OnCommand(33217);
    EXPECT_EQ(v->m_nBackgroundMode, 0);
    Settle(v.get());
    {
        CommonDialogHooks h;
        h.file = [](std::string*) { return false; };
        DialogHooks hooks(h);
        v->OnCommand(33205);
    }
    EXPECT_EQ(v->m_nBackgroundMode, 1);
    EXPECT_EQ(v->m_strBackgroundPicture, "bmp\\MYfig1.jpg");
    EXPECT_TRUE(v->HasPendingPaint());

    CommonDialogHooks h;
    h.file = [](std::string* path) {
        *path = "/pictures/mine.gif";
        return true;
    };
    DialogHooks hooks(h);
    v->OnCommand(33205);
    EXPECT_EQ(v->m_strBackgroundPicture, "/pictures/mine.gif");
}

TEST(DisplayCommands, TheShippedPicturesExist) {
    for (int i = 1; i <= 5; ++i) {
        const std::string path =
            std::string(test_paths::kRunDir) + "/bmp/MYfig" + std::to_string(i) + ".jpg";
        QImage image(QString::fromStdString(path));
        EXPECT_EQ(image.size(), QSize(800, 600)) << path;
    }
}

TEST(DisplayCommands, BackgroundColourKeepsTheMode) {
    auto v = MakeView();
    v->OnCommand(33209); // 背景5
    EXPECT_EQ(v->m_nBackgroundMode, -1);
    EXPECT_EQ(v->m_nBackgroundPattern, 5);
    v->OnCommand(32783);
    EXPECT_EQ(v->m_nBackgroundPattern, 1);
    DialogHooks hooks(ColourAnswer(true, RGB(4, 5, 6)));
    v->OnCommand(7);
    EXPECT_EQ(v->m_crBackground, RGB(4, 5, 6));
    EXPECT_EQ(v->m_nBackgroundMode, -1);
}

TEST(DisplayCommands, BrightnessIsClamped) {
    auto v = MakeView();
    v->m_nBrightness = 224;
    v->OnCommand(33213);
    EXPECT_EQ(v->m_nBrightness, 255);
    v->m_nBrightness = 20;
    v->OnCommand(33214);
    EXPECT_EQ(v->m_nBrightness, 0);
    v->m_nBrightness3D = 250;
    ExpectEffects(v.get(), {{33215, &V::m_nBrightness3D, 255}, {33216, &V::m_nBrightness3D, 223}});
}

TEST(DisplayCommands, PresetsStoreColoursAndPalette) {
    auto v = MakeView();
    v->m_nBackgroundMode = 1;
    const COLORREF chapter = RGB(11, 22, 33);
    v->m_crChapter = chapter;
    v->OnCommand(33786); // 方式4
    EXPECT_EQ(v->m_crChapter, chapter);
    EXPECT_EQ(v->m_crGround, RGB(125, 125, 125));
    EXPECT_EQ(v->m_crBodyText, RGB(0, 0, 0));
    EXPECT_EQ(v->m_crExample, RGB(0, 155, 125));
    EXPECT_EQ(v->m_crTheorem, RGB(0, 64, 164));
    EXPECT_EQ(v->m_crExpression, RGB(55, 0, 155));
    EXPECT_EQ(v->m_crBackground, RGB(255, 255, 255));
    EXPECT_EQ(v->m_acrPalette[0], RGB(0, 0, 0));
    EXPECT_EQ(v->m_acrPalette[1], RGB(255, 255, 255));
    EXPECT_EQ(v->m_acrPalette[3], RGB(55, 0, 155));
    EXPECT_EQ(v->m_acrPalette[4], chapter);
    EXPECT_EQ(v->m_acrPalette[5], RGB(0, 64, 164));
    EXPECT_EQ(v->m_acrPalette[6], RGB(0, 155, 125));
    EXPECT_EQ(v->m_acrPalette[7], RGB(0, 0, 0));
    EXPECT_EQ(v->m_nBackgroundMode, 0);
    EXPECT_EQ(v->m_nPrevClipBottom, 0); // a menu command repaints the whole page

    v->OnCommand(33785); // 方式3
    EXPECT_EQ(v->m_crChapter, RGB(25, 250, 0));
    EXPECT_EQ(v->m_crTheorem, RGB(255, 255, 0));
    EXPECT_EQ(v->m_crExpression, RGB(0, 255, 255));
    EXPECT_EQ(v->m_crBackground, RGB(0, 0, 0));
    EXPECT_EQ(v->m_crGround, RGB(125, 125, 125)); // only 方式4 sets it
}

TEST(DisplayCommands, GridReadoutsAndContent) {
    auto v = MakeView();
    ExpectEffects(v.get(), {{33239, &V::m_nGridHidden, 1},
                            {33342, &V::m_nGridSize, 24},
                            {33477, &V::m_bShowMouseCoords, 1},
                            {33740, &V::m_bShowSelectionBox, 0}});
    v->m_bLoadScriptSettings = 1;
    v->OnCommand(34300);
    EXPECT_EQ(v->m_nProjectionDisplay, 2);
    EXPECT_EQ(v->m_bLoadScriptSettings, 0);
    v->m_strLastDataPath = "data\\232.txt";
    v->OnCommand(34325);
    EXPECT_EQ(v->m_bShowAllContent, 0);
    EXPECT_EQ(v->m_strLastDataPath, "");
    const BOOL open = v->m_bProblemOpen;
    v->OnCommand(34346);
    EXPECT_EQ(v->m_bProblemOpen, 1 - open);
}

TEST(DisplayCommands, SolidSettingsArePendingOrDirect) {
    auto v = MakeView();
    v->m_bSelectionPending = 0;
    v->OnCommand(32973);
    EXPECT_EQ(v->m_nPendingLowerSurfaceStyle, 1);
    EXPECT_EQ(v->m_bSelectionPending, 1);
    ExpectEffects(v.get(),
                  {{33006, &V::m_nPendingRegionType, 3}, {33189, &V::m_bPendingProjectXoy, 0}});
    v->OnCommand(32990);
    EXPECT_EQ(v->m_nPendingFuncUpper, -1);
    EXPECT_EQ(v->m_nPendingRegionType, 1);
    v->OnCommand(33013);
    EXPECT_EQ(v->m_nUpperSurfaceStyle, 0);
    EXPECT_EQ(v->m_nPendingUpperSurfaceStyle, 0);
    ExpectEffects(v.get(), {{32978, &V::m_bCutZc, 1}, {34098, &V::m_bDrawSurfaceIntersection, 1}});
    v->OnCommand(33534);
    EXPECT_DOUBLE_EQ(v->m_dRotationAngle, -0.785395);
    v->OnCommand(45);
    EXPECT_DOUBLE_EQ(v->m_dRotationAngle, 0.785395);
    v->OnCommand(33533);
    EXPECT_DOUBLE_EQ(v->m_dRotationAngle, 0.0);
}

TEST(DisplayCommands, RangeStepsOnTheSavedCopy) {
    auto v = MakeView();
    const double range[6] = {-1, 1, -2, 2, -1, 1};
    std::copy(range, range + 6, v->m_adSavedWorldRange);
    v->m_dParamStep = 0.1;
    v->m_bLoadScriptSettings = 1;
    v->OnCommand(33230); // x narrower
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[0], -0.8);
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[1], 0.8);
    EXPECT_EQ(v->m_bLoadScriptSettings, 0);
    v->OnCommand(33231); // y wider
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[2], -2.4);
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[3], 2.4);
    v->m_dParamStep = 0.4;
    v->OnCommand(33233); // z wider: always a tenth
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[4], -1.2);
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[5], 1.2);

    // The step doubles past a half (it is also the coefficient buttons'
    // step); a narrower range step that would leave no range is not taken.
    v->m_dParamStep = 0.1;
    for (int i = 0; i < 3; ++i) v->OnCommand(33690);
    EXPECT_DOUBLE_EQ(v->m_dParamStep, 0.8);
    v->OnCommand(33691);
    EXPECT_DOUBLE_EQ(v->m_dParamStep, 0.4);
    v->OnCommand(33690);
    const double y0 = v->m_adSavedWorldRange[2], y1 = v->m_adSavedWorldRange[3];
    v->OnCommand(33232); // with 0.8: min would pass max
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[2], y0);
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[3], y1);
    for (int i = 0; i < 40; ++i) v->OnCommand(33690);
    EXPECT_DOUBLE_EQ(v->m_dParamStep, 102.4); // capped: ten doublings of 0.1
    for (int i = 0; i < 200; ++i) v->OnCommand(33232);
    EXPECT_LT(v->m_adSavedWorldRange[2], v->m_adSavedWorldRange[3]);
    for (int i = 0; i < 200; ++i) v->OnCommand(33231);
    EXPECT_TRUE(std::isfinite(v->m_adSavedWorldRange[3]));
    for (int i = 0; i < 80; ++i) v->OnCommand(33691);
    EXPECT_DOUBLE_EQ(v->m_dParamStep, 0.1 / 1024);
}

TEST(DisplayCommands, CoefficientEditingSwitchesTheOtherKindBack) {
    auto v = MakeView();
    v->m_nSurfaceCoefEdit = 1;
    v->m_nPanelSurfaceSel = 3;
    v->OnCommand(32997);
    EXPECT_EQ(v->m_nCurveCoefEdit, 1);
    EXPECT_EQ(v->m_nSurfaceCoefEdit, 2);
    EXPECT_EQ(v->m_nPanelSurfaceSel, -1);
    v->OnCommand(33142);
    EXPECT_EQ(v->m_nSurfaceCoefEdit, 1);
    EXPECT_EQ(v->m_nCurveCoefEdit, 2);
    v->OnCommand(33198);
    EXPECT_EQ(v->m_nCurveCoefEdit, 0);
    EXPECT_EQ(v->m_nSurfaceCoefEdit, 0);
    ExpectEffects(v.get(),
                  {{33712, &V::m_bPlaneCmdsEnabled, 1}, {33710, &V::m_bPlaneCmdsEnabled, 0}});
}

// --- External programs ----------------------------------------------------------------------

class ProgramLog {
public:
    ProgramLog() {
        SetProgramStarter([this](const std::string& line) { lines.push_back(line); });
    }
    ~ProgramLog() { SetProgramStarter({}); }
    std::vector<std::string> lines;
};

TEST(ExternalPrograms, EditorsDifferOnlyInTheProgramName) {
    auto v = MakeView();
    ProgramLog log;
    v->OnCommand(34291);
    v->OnCommand(34292);
    v->OnCommand(34294);
    EXPECT_EQ(log.lines,
              std::vector<std::string>({"Notepad98.exe", "notepad00.exe", "notepadxp.exe"}));
}

TEST(ExternalPrograms, BrowserLinesAreUnquotedConcatenations) {
    auto v = MakeView();
    ProgramLog log;
    v->m_strProgramDir = "C:\\My Course\\";
    v->OnCommand(34355);
    v->OnCommand(34356);
    v->OpenHtmlPage("intro.htm");
    ASSERT_EQ(log.lines.size(), 3u);
    EXPECT_EQ(log.lines[0], "IEXPLORE.EXE C:\\My Course\\1.htm");
    EXPECT_EQ(log.lines[1], "IEXPLORE.EXE C:\\My Course\\2.htm");
    EXPECT_EQ(log.lines[2], "IEXPLORE.EXE C:\\My Course\\intro.htm");
    // The page path reaches the browser split at the blank.
    EXPECT_EQ(SplitCommandLine(log.lines[0]),
              std::vector<std::string>({"IEXPLORE.EXE", "C:\\My", "Course\\1.htm"}));
}

TEST(ExternalPrograms, EditorStandInsStartWithVisual) {
    const std::vector<std::string> plain = StandInEditors(nullptr);
    ASSERT_FALSE(plain.empty());
    EXPECT_EQ(StandInEditors(""), plain);
    const std::vector<std::string> withVisual = StandInEditors("kate -n");
    ASSERT_EQ(withVisual.size(), plain.size() + 1);
    EXPECT_EQ(withVisual[0], "kate -n");
    EXPECT_EQ(std::vector<std::string>(withVisual.begin() + 1, withVisual.end()), plain);
}

// Restores an environment variable after the test.
class EnvGuard {
public:
    explicit EnvGuard(const char* name) : m_name(name) {
        if (const char* v = std::getenv(name)) m_value = v, m_set = true;
    }
    ~EnvGuard() {
        if (m_set)
            setenv(m_name, m_value.c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::string m_value;
    bool m_set = false;
};

TEST(ExternalPrograms, NoEditorAnywhereIsSaid) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    EnvGuard path("PATH"), visual("VISUAL");
    setenv("PATH", empty.path().toUtf8().constData(), 1);
    unsetenv("VISUAL");
    std::vector<std::string> messages;
    SetMessageBoxSink([&](const std::string& m) { messages.push_back(m); });
    auto v = MakeView();
    v->OnCommand(34294); // 编辑脚本 > Windows xp
    SetMessageBoxSink(nullptr);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("VISUAL"), std::string::npos);
}

TEST(CommonDialogs, FiltersInQtForm) {
    EXPECT_EQ(QtNameFilters("JPEG文件(*.jpg)|*.jpg|GIF文件(*.gif)|*.gif||"),
              "JPEG文件(*.jpg);;GIF文件(*.gif)");
    EXPECT_EQ(QtNameFilters("Text|*.txt;*.doc||"), "Text (*.txt *.doc)");
    EXPECT_EQ(QtNameFilters(""), "");
}

} // namespace
