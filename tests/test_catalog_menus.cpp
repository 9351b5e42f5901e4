// The catalogue selections of the 函数 menu, the range steps, and the table
// the menus are built from: what each item stores, that nothing shows before
// the next figure set-up, and that a topic reset discards the choice.
#include "test_support.h"
#include "view/catalog_menu_tables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace test_support;

// The row of the item `text` in the submenu `sub` of `menu` (any sub2).
const CommandRow* Item(const char* menu, const char* sub, const char* text) {
    for (const CommandRow& r : CatalogCommandRows()) {
        if (!r.text || !r.path.menu || std::strcmp(r.path.menu, menu) != 0) continue;
        if ((sub == nullptr) != (r.path.sub == nullptr)) continue;
        if (sub && std::strcmp(r.path.sub, sub) != 0) continue;
        if (std::strcmp(r.text, text) == 0) return &r;
    }
    return nullptr;
}

int CountItems(const char* sub) {
    int n = 0;
    for (const CommandRow& r : CatalogCommandRows())
        n += r.text && r.path.sub && std::strcmp(r.path.sub, sub) == 0 && r.path.sub2 &&
             std::strcmp(r.path.sub2, "显函数类型") != 0;
    for (const CommandRow& r : CatalogCommandRows())
        n += r.text && r.path.sub && std::strcmp(r.path.sub, sub) == 0 && !r.path.sub2;
    return n;
}

void RunRow(CPemroView& v, const CommandRow* row) {
    ASSERT_NE(row, nullptr);
    const CommandRow* handler = FindCatalogRow(row->id);
    ASSERT_NE(handler, nullptr);
    handler->run(v, handler->arg);
}

constexpr const char* kF = "F(x)(显函数)";
constexpr const char* kUpper = "f(x)(上曲线\\右曲线\\上曲面)";
constexpr const char* kLower = "g(x)(下曲线\\左曲线\\下曲面\\空间曲线z=z(t))";

} // namespace

// --- SelectCatalogFunction -------------------------------------------------------

TEST(CatalogSelect, KindsWriteTheirPendingIndex) {
    auto v = MakeView();
    v->m_nPendingRegionType = 1;
    v->SelectCatalogFunction(0, 12);
    EXPECT_EQ(v->m_nPendingFuncF, 12);
    EXPECT_EQ(v->m_nPendingRegionType, 0);
    EXPECT_EQ(v->m_bSelectionPending, 1);
    v->SelectCatalogFunction(3, 9);
    EXPECT_EQ(v->m_nPendingSurfaceLower, 9);
    v->SelectCatalogFunction(4, 21);
    EXPECT_EQ(v->m_nPendingSurfaceUpper, 21);

    auto w = MakeView();
    w->SelectCatalogFunction(7, 40); // no such kind: only the flag
    EXPECT_EQ(w->m_bSelectionPending, 1);
    EXPECT_EQ(w->m_nPendingFuncF, 3);
}

TEST(CatalogSelect, YRegionAndProfiles) {
    auto v = MakeView();
    v->m_nPendingRegionType = 2;
    v->SelectCatalogFunction(2, 40);
    v->SelectCatalogFunction(1, 41);
    EXPECT_EQ(v->m_nPendingFuncUpper, 40);
    EXPECT_EQ(v->m_nPendingFuncRight, 40);
    EXPECT_EQ(v->m_nPendingFuncLower, 41);
    EXPECT_EQ(v->m_nPendingFuncLeft, 41);
    EXPECT_EQ(v->m_nSurfaceUpperProfile, 39); // surface 1 is no profile surface

    v->OnSelectSurfaceUpper(17); // z = f(x)
    v->OnSelectFuncUpper(5);
    EXPECT_EQ(v->m_nSurfaceUpperProfile, 5);
    v->OnSelectSurfaceLower(19);
    v->OnSelectFuncLower(6);
    EXPECT_EQ(v->m_nSurfaceLowerProfile, 6);
}

// --- The item handlers --------------------------------------------------------------

TEST(CatalogSelect, ExplicitItemsSetTheirExtras) {
    auto v = MakeView();
    v->m_nCombineMode = 3;
    v->OnSelectFuncF(0);
    EXPECT_EQ(v->m_dAlphaF, 2.0);
    EXPECT_EQ(v->m_nCombineMode, 3);
    v->OnSelectFuncF(1);
    EXPECT_EQ(v->m_dAlphaF, 2.7182818);
    v->OnSelectFuncF(18);
    EXPECT_EQ(v->m_nFuncFBreak, 3);
    v->OnSelectFuncF(65);
    EXPECT_EQ(v->m_nFuncFBreak, 1);
    v->m_nFuncFBreak = 0;
    v->OnSelectFuncF(66); // like the plain forms
    EXPECT_EQ(v->m_nFuncFBreak, 0);
    EXPECT_EQ(v->m_nCombineMode, 0);
    EXPECT_EQ(v->m_nPendingFuncF, 66);
    EXPECT_EQ(v->m_nPendingPlotMode, 0);

    v->m_nCombineMode = 2;
    v->OnSelectFuncF(77); // a density resets the combination too
    EXPECT_EQ(v->m_nCombineMode, 0);

    v->m_nCombineMode = 4;
    v->OnSelectFuncUpper(66); // the curves treat 66 as a jump form
    EXPECT_EQ(v->m_nFuncFBreak, 1);
    v->OnSelectFuncLower(30);
    EXPECT_EQ(v->m_nCombineMode, 4);
    v->OnSelectFuncLower(2);
    EXPECT_EQ(v->m_dAlphaF, 2.7182818);
    EXPECT_EQ(v->m_nFuncF, 3); // nothing active yet
}

TEST(CatalogSelect, ParametricKeepsTheRegionType) {
    auto v = MakeView();
    v->OnSelectFuncF(20);
    v->m_nPendingRegionType = 1;
    v->OnSelectParametric(3);
    EXPECT_EQ(v->m_nPendingFuncF, 3);
    EXPECT_EQ(v->m_nPendingPlotMode, 1);
    EXPECT_EQ(v->m_nPendingRegionType, 1);
    v->OnSelectImplicit(22);
    EXPECT_EQ(v->m_nPendingPlotMode, 2);
    EXPECT_EQ(v->m_nPendingFuncF, 22);
}

TEST(CatalogSelect, OtherFamilies) {
    auto v = MakeView();
    v->m_nPendingSurfaceUpper = 7;
    v->OnSelectSecondOrder(13);
    EXPECT_EQ(v->m_nPendingSurfaceUpper, 0);
    EXPECT_EQ(v->m_nPendingSurfaceLower, 13);

    v->OnSelectCombination(4);
    EXPECT_EQ(v->m_nPendingCombineMode, 4);

    auto w = MakeView();
    w->OnFuncFExtension(CPemroView::kFuncFPeriodic);
    w->OnFuncFExtension(CPemroView::kFuncFEven);
    EXPECT_EQ(w->m_bFuncFPeriodic, 1);
    EXPECT_EQ(w->m_nFuncFSymmetry, 1);
    w->OnFuncFExtension(CPemroView::kFuncFOdd);
    EXPECT_EQ(w->m_nFuncFSymmetry, 0);
    w->OnFuncFExtension(CPemroView::kFuncFPlain);
    EXPECT_EQ(w->m_nFuncFSymmetry, 2);
    EXPECT_EQ(w->m_bFuncFPeriodic, 0);
    EXPECT_EQ(w->m_bSelectionPending, 0); // written straight into the active fields

    w->OnSideSurfaces(1);
    EXPECT_EQ(w->m_nPendingSideSurfaces, 1);
    EXPECT_EQ(w->m_bSelectionPending, 1);
}

TEST(CatalogSelect, PreviousFunctionCycles) {
    auto v = MakeView();
    v->m_nPendingFuncF = 30;
    v->m_nPendingPlotMode = 2;
    v->OnPreviousFunction();
    EXPECT_EQ(v->m_nPendingFuncF, 29);
    EXPECT_EQ(v->m_nPendingPlotMode, 0);
    v->m_nPendingFuncF = 26;
    v->OnPreviousFunction();
    EXPECT_EQ(v->m_nPendingFuncF, 50);
}

// A choice shows at the next figure set-up and a topic reset discards it.
TEST(CatalogSelect, ShowsAtTheNextSetUpUntilTheTopicReset) {
    auto v = MakeView();
    v->OnSelectFuncF(39);
    EXPECT_EQ(v->m_nFuncF, 3);
    v->SaveRestoreDisplaySettings(v->m_bLoadScriptSettings); // the set-up of a pass
    EXPECT_EQ(v->m_nFuncF, 39);
    v->m_nFuncF = 3; // the next pass's script line
    v->SaveRestoreDisplaySettings(v->m_bLoadScriptSettings);
    EXPECT_EQ(v->m_nFuncF, 39); // repeated while pending

    v->ResetTopic(-1);
    EXPECT_EQ(v->m_bSelectionPending, 0);
    EXPECT_EQ(v->m_nFuncF, 3);
    EXPECT_EQ(v->m_nPendingFuncF, 3);
}

// --- Range steps -------------------------------------------------------------------

TEST(RangeSteps, MoveOneEndBySpan) {
    auto v = MakeView();
    const double range[6] = {-1, 1, -2, 2, -1, 1};
    std::copy_n(range, 6, v->m_adSavedWorldRange);
    v->m_dSavedIntervalA = 0;
    v->m_dSavedIntervalB = 4;
    v->m_dParamStep = 0.1;
    v->m_bLoadScriptSettings = 1;
    v->OnRangeXMaxUp();
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[1], 1.2);
    EXPECT_EQ(v->m_bLoadScriptSettings, 0);
    v->OnRangeXMinDown(); // span is now 2.2
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[0], -1.22);
    v->OnRangeYMinUp();
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[2], -1.6);
    v->OnRangeYMaxDown(); // span 3.6
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[3], 1.64);
    v->OnRangeInitMaxUp();
    EXPECT_DOUBLE_EQ(v->m_dSavedIntervalB, 4.4);
    v->OnRangeInitMinUp(); // span 4.4
    EXPECT_DOUBLE_EQ(v->m_dSavedIntervalA, 0.44);

    v->m_dParamStep = 0.5; // z moves by a tenth whatever the step
    v->OnRangeZMinDown();
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[4], -1.2);
    v->OnRangeZMaxUp(); // span 2.2
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[5], 1.22);
}

TEST(RangeSteps, NoOrderCheck) {
    auto v = MakeView();
    v->m_adSavedWorldRange[0] = 0;
    v->m_adSavedWorldRange[1] = 1;
    v->m_dParamStep = 0.6;
    v->OnRangeXMinUp();
    v->OnRangeXMinUp(); // span 0.4 -> min 0.84, still below
    v->m_dParamStep = 2;
    v->OnRangeXMinUp();
    EXPECT_GT(v->m_adSavedWorldRange[0], v->m_adSavedWorldRange[1]);
    v->StepSavedRangeEnd(8, 1); // no such end: nothing
    v->StepSavedRangeEnd(-1, 1);
}

// --- The table --------------------------------------------------------------------

TEST(CatalogTable, MenusHoldTheirForms) {
    EXPECT_EQ(CountItems(kF), 80);
    EXPECT_EQ(CountItems(kUpper), 71);
    EXPECT_EQ(CountItems(kLower), 71);
    EXPECT_EQ(CountItems("参数式\\空间曲线x=x(t),y=y(t)"), 20);
    EXPECT_EQ(CountItems("隐函数(含投影曲线函数)"), 17);
    EXPECT_EQ(CountItems("上曲面函数z=f(x,y)"), 20);
    EXPECT_EQ(CountItems("一阶微分方程组y'=g(x,y):选择g(x,y)"), 8);
}

TEST(CatalogTable, ItemsRunTheirHandlers) {
    auto v = MakeView();
    RunRow(*v, Item("函数", kF, "sinx"));
    EXPECT_EQ(v->m_nPendingFuncF, 3);
    RunRow(*v, Item("函数", kF, "正态分布"));
    EXPECT_EQ(v->m_nPendingFuncF, 77);
    RunRow(*v, Item("函数", kUpper, "y=sgnx")); // the f(x) menu's own sgn x
    EXPECT_EQ(v->m_nPendingFuncUpper, 18);
    RunRow(*v, Item("函数", kLower, "y=[x]"));
    EXPECT_EQ(v->m_nPendingFuncLower, 26);
    RunRow(*v, Item("函数", "下曲面函数z=g(x,y)", "z=sin(ax^2+bxy+cy^2+dx+ey+f)"));
    EXPECT_EQ(v->m_nPendingSurfaceLower, 16);
    RunRow(*v, Item("函数", "一般二阶微分方程y''=f(x,y,y'):选择f(x,y,y')",
                    "P5:y″=y′^2[0.5/y+1/(y-1)]-y′/x+(ay+b/y)[(y-1)/x]^2+cy/x+dy(y+1)/(y-1)"));
    EXPECT_EQ(v->m_nPendingSurfaceLower, 9);
    RunRow(*v, Item("函数", "显函数", "y=f(x)-g(x)"));
    EXPECT_EQ(v->m_nPendingCombineMode, 4);
    RunRow(*v, Item("设置", "立体图形 ", "不画侧面"));
    EXPECT_EQ(v->m_nPendingSideSurfaces, 0);
    RunRow(*v, Item("函数", "参数式\\空间曲线x=x(t),y=y(t)", "x=tht,y=t"));
    EXPECT_EQ(v->m_nPendingFuncF, 14);
    EXPECT_EQ(v->m_nPendingPlotMode, 1);
}

TEST(CatalogTable, MenuTextsOfTheCurves) {
    EXPECT_NE(Item("函数", kUpper, "y=exp(ax^2+bx+c)"), nullptr);
    EXPECT_EQ(Item("函数", kUpper, "y=exp(ax^2+bx+c)+dx^2+ex+f"), nullptr);
    EXPECT_NE(Item("函数", kLower, "指数函数e^(ax^2+bx+c)"), nullptr);
    EXPECT_NE(Item("函数", kUpper, "指数函数α^(ax^2+bx+c)"), nullptr);
    EXPECT_EQ(Item("函数", kUpper, "正态分布"), nullptr); // densities stand in F(x) only
    EXPECT_NE(Item("函数", "上曲面函数z=f(x,y)", "z=f(x)"), nullptr);
    EXPECT_NE(Item("函数", "下曲面函数z=g(x,y)", "z=g(x)"), nullptr);
}

// Items shown in several menus share the id and the handler of their home.
TEST(CatalogTable, SharedIdsRunOneHandler) {
    const CommandRow* home = Item("函数", kF, "cosx");
    const CommandRow* ode = Item("函数", "二阶常系数线性微分方程y''+py'+qy=f(x):选择f(x)", "cosx");
    ASSERT_TRUE(home && ode);
    EXPECT_EQ(home->id, ode->id);

    std::map<UINT, std::pair<CommandFn, int>> seen;
    for (const CommandRow& r : CatalogCommandRows()) {
        if (r.id == 0 || r.id == kLabelId) continue;
        const auto it = seen.find(r.id);
        if (it == seen.end()) {
            seen[r.id] = {r.run, r.arg};
        } else {
            EXPECT_EQ(it->second.first, r.run) << r.id;
            EXPECT_EQ(it->second.second, r.arg) << r.id;
        }
        EXPECT_NE(r.run, nullptr) << r.id;
    }
}

// The ids are free in the view's other tables, so one routing takes all.
TEST(CatalogTable, IdsDoNotCollide) {
    for (const CommandRow& r : CatalogCommandRows()) {
        if (r.id == 0 || r.id == kLabelId) continue;
        EXPECT_EQ(FindTopicRow(r.id), nullptr) << r.id;
        for (size_t i = 0; i < kCommandRowCount; ++i) EXPECT_NE(kCommandRows[i].id, r.id);
    }
}

// The view's command routing and the menu bar take the catalogue rows.
TEST(CatalogTable, RoutedAndLaidOut) {
    auto v = MakeView();
    EXPECT_TRUE(v->OnCommand(ID_CATALOG_F + 40));
    EXPECT_EQ(v->m_nPendingFuncF, 40);
    EXPECT_EQ(FindCommandRow(ID_DIALOG_RANGE), FindCatalogRow(ID_DIALOG_RANGE));

    int dialogItems = 0, sideSurfaces = 0;
    for (const MenuItemRef& item : MenuLayout()) {
        if (!item.text) continue;
        dialogItems += std::strcmp(item.path.menu, "对话框") == 0;
        sideSurfaces += item.id >= ID_SIDE_SURFACES && item.id <= ID_SIDE_SURFACES + 2;
    }
    EXPECT_EQ(dialogItems, 6);
    EXPECT_EQ(sideSurfaces, 3);
}

TEST(CatalogTable, IdOnlyCommands) {
    auto v = MakeView();
    v->m_nPendingFuncF = 26;
    RunRow(*v, FindCatalogRow(ID_PREVIOUS_FUNCTION));
    EXPECT_EQ(v->m_nPendingFuncF, 50);
    v->m_adSavedWorldRange[0] = -1;
    v->m_adSavedWorldRange[1] = 1;
    v->m_dParamStep = 0.1;
    RunRow(*v, FindCatalogRow(ID_RANGE_STEP)); // x max up
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[1], 1.2);
    EXPECT_EQ(FindCatalogRow(12345), nullptr);
}

TEST(CatalogTable, AChoiceThroughTheMenuRepaintsTheWholePage) {
    auto v = MakeView();
    v->ResizeClient(400, 300);
    v->RenderPending();
    v->m_nPrevClipBottom = 123;
    const CommandRow* row = Item("函数", kF, "sinx");
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(v->OnCommand(row->id));
    EXPECT_EQ(v->m_nPrevClipBottom, 0); // the next pass paints the background and figures
    EXPECT_TRUE(v->HasPendingPaint());
}
