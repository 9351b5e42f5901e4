#include "view/catalog_menu_tables.h"

#include "view/view.h"

#include <cstring>
#include <unordered_map>

namespace {

using V = CPemroView;

template <void (V::*F)()> void Run(V& v, int) {
    (v.*F)();
}
template <void (V::*F)(int)> void With(V& v, int arg) {
    (v.*F)(arg);
}

constexpr const char* kFunctions = "函数";

// --- The explicit catalogue ---------------------------------------------------

// A form of the explicit catalogue: its submenu (null: the menu itself) and
// the text of its item in the F(x) menu.
struct ExplicitForm {
    const char* group;
    int k;
    const char* text;
};

constexpr const char* kTrig = "三角函数";
constexpr const char* kArcTrig = "反三角函数";
constexpr const char* kGroup1 = "第一组";
constexpr const char* kPiecewise = "分段函数";
constexpr const char* kGroup2 = "第二组";
constexpr const char* kGroup3 = "第三组";
constexpr const char* kDensities = "概率密度函数";

// In menu order. Forms above 70 stand in the F(x) menu only.
constexpr ExplicitForm kExplicitForms[] = {
    {nullptr, 0, "幂函数(ax^2+bx+c)^α"},
    {nullptr, 1, "指数函数α^(ax^2+bx+c)"},
    {nullptr, 2, "对数函数y=log(ax^2+bx+c）"},
    {nullptr, 74, "Γ函数:Γ(α)"},
    {kTrig, 3, "sinx"},
    {kTrig, 4, "cosx"},
    {kTrig, 5, "tanx"},
    {kTrig, 6, "cotx"},
    {kTrig, 7, "secx"},
    {kTrig, 8, "cscx"},
    {kArcTrig, 9, "y=arcsinx"},
    {kArcTrig, 10, "y=arccosx"},
    {kArcTrig, 11, "y=arctanx"},
    {kArcTrig, 12, "y=arccotx"},
    {kArcTrig, 13, "y=arcsecx"},
    {kArcTrig, 14, "y=arccscx"},
    {kGroup1, 15, "y=shx"},
    {kGroup1, 16, "y=chx"},
    {kGroup1, 17, "y=thx"},
    {kGroup1, 20, "y=x"},
    {kGroup1, 21, "y=x^2"},
    {kGroup1, 22, "y=x^3"},
    {kGroup1, 23, "y=x^(1/3)"},
    {kGroup1, 24, "y=1/x"},
    {kGroup1, 25, "√x"},
    {kGroup1, 27, "y=(1+1/x)^x"},
    {kGroup1, 28, "y=exp(1/x)"},
    {kGroup1, 29, "y=sinx/x"},
    {kGroup1, 30, "y=sin(1/x)"},
    {kPiecewise, 18, "y=sgnx"},
    {kPiecewise, 19, "y=|ax^2+bx+c|"},
    {kPiecewise, 26, "y=[x]"},
    {kPiecewise, 63, "y=ax^2+bx+c x<x0; dx^2+ex+f x>x0"},
    {kPiecewise, 64, "y=ax^2+bx+c x<x0; dx^2+ex+f x0<x<x1 gx^2+hx+k x>x0"},
    {kPiecewise, 65, "y=acosx+bsinx+c  x<x0; dcosx+esinx+f  x>x0"},
    {kPiecewise, 66, "y=ax^2+bx+c x<x0; ccosx+dsinx+f x>x0"},
    {kPiecewise, 67, "y=acosx+bsinx+c x<x0; dx^2+ex+f  x>x0"},
    {kPiecewise, 68, "y=√(ax^2+bx+c) x<x0; dx^2+ex+f  x>x0"},
    {kPiecewise, 69, "y=ax^2+bx+c x<x0; √(ax^2+bx+c) x>x0"},
    {kPiecewise, 70, "y=最值和极值曲线"},
    {kGroup2, 31, "温度曲线"},
    {kGroup2, 32, "y=asin(bx+c)+dcos(ex+f)"},
    {kGroup2, 33, "y=(ax^2+bx+c)(dcosx+esinx+f)"},
    {kGroup2, 34, "y=ax^2+bx+c+dcosx+esinx"},
    {kGroup2, 35, "y=exp(ax^2+bx+c)+dx^2+ex+f"},
    {kGroup2, 36, "y=sin(ax^2+bx+c)"},
    {kGroup2, 37, "y=cos(ax^2+bx+c)"},
    {kGroup2, 38, "y=ln(ax^2+bx+c)/(dx^2+ex+f)"},
    {kGroup2, 39, "y=ax^2+bx+c"},
    {kGroup2, 40, "y=ax^3+bx^2+cx+d"},
    {kGroup2, 41, "y=ax^4+bx^3+cx^2+dx+e"},
    {kGroup2, 42, "y=(ax^2+bx+c)/(dx^2+ex+f)"},
    {kGroup2, 43, "y=(ax^2+bx+csinx)/(dx^2+ex+f)"},
    {kGroup2, 44, "y=(ax^2+bx+ccosx)/(dx^2+ex+f)"},
    {kGroup2, 45, "y=(a+bsinx+ccosx)/(dx^2+ex+f)"},
    {kGroup2, 46, "y=(aexp(cx)+b)/(dexp(ex)+f)"},
    {kGroup3, 47, "y=d√(ax^2+bx+c)"},
    {kGroup3, 48, "y=(ax^2+bx+c)√(dx^2+ex+f)"},
    {kGroup3, 49, "y=|asin(bx+c)+dcos(ex+f)|"},
    {kGroup3, 50, "y=sin[(ax^2+bx+c)e^(x^2+ex+f)]"},
    {kGroup3, 51, "y=cos[(ax^2+bx+c)e^(x^2+ex+f)]"},
    {kGroup3, 52, "y=1+(-1)^[x]/x"},
    {kGroup3, 53, "y=(dx^2+ex+f)^α/(ax^2+bx+c)^β"},
    {kGroup3, 54, "y=(dx^2+ex+f)^α+(ax^2+bx+c)^β"},
    {kGroup3, 55, "y=(dx^2+ex+f)e^(ax^2+bx+c)]"},
    {kGroup3, 56, "y=(dx^2+ex+f)sin(ax^2+bx+c)]"},
    {kGroup3, 57, "y=(dx^2+ex+f)cos(ax^2+bx+c)]"},
    {kGroup3, 58, "y=(dx^2+ex+f)ln(ax^2+bx+c)]"},
    {kGroup3, 59, "y=6+(x-1)(x-4)(1+0.5sin(2x))"},
    {kGroup3, 60, "y= 6-(x-1)(x-4)(1+0.5cos(3x))"},
    {kGroup3, 61, "y=-429.744(x+400(exp(-0.0025x)-1))"},
    {kGroup3, 62, "y=d[(ax^2+bx+c)^α]^β+dx+e"},
    {kGroup3, 82, "y=(dx^2+ex+f)^(ax+b+c/x)"},
    {kDensities, 75, "均匀分布"},
    {kDensities, 76, "指数分布"},
    {kDensities, 77, "正态分布"},
    {kDensities, 78, "t分布"},
    {kDensities, 79, "卡方分布"},
    {kDensities, 80, "F分布"},
    {kDensities, 81, "Γ分布"},
};
constexpr int kLastCurveForm = 70;

// Texts of the f(x) and g(x) menus where they differ from F(x).
struct TextOverride {
    int k;
    const char* text;
};
constexpr TextOverride kCurveTexts[] = {
    {35, "y=exp(ax^2+bx+c)"},
    {38, "y=ln(ax^2+bx+c)"},
    {47, "y=√(ax^2+bx+c)"},
};
constexpr TextOverride kLowerCurveTexts[] = {
    {0, "幂函数(ax^2+bx+c)α"},
    {1, "指数函数e^(ax^2+bx+c)"},
};

template <size_t N> const char* Override(const TextOverride (&table)[N], int k, const char* text) {
    for (const TextOverride& o : table)
        if (o.k == k) return o.text;
    return text;
}

// --- The other catalogues -------------------------------------------------------

struct Item {
    int k;
    const char* text;
};

constexpr Item kParametricItems[] = {
    {1, "x=acost+c,y=bsint+d"},
    {2, "x=t,y=50t-4.9t^2"},
    {3, "x=t-sint,y=1-cost"},
    {4, "x=cost(1-cost),y=sint(1-cost)"},
    {5, "y=(cost)^3,y=(sint)^3"},
    {6, "x=sint,y=t"},
    {7, "x=cost,y=t"},
    {8, "x=tant,y=t"},
    {9, "x=cott,y=t"},
    {10, "x=sect,y=t"},
    {11, "x=csct,y=t"},
    {12, "x=sht,y=t"},
    {13, "x=cht,y=t"},
    {14, "x=tht,y=t"},
    {15, "x=c cos(at+b),y=f sin(dt+e)"},
    {16, "y=(280000.-400t^1.5)π,y=t"},
    {17, "x=20000(8-t^1.5)π,y=t"},
    {18, "x=0.5(t^(1-a/b)-t^(1+a/b),y=t"},
    {19, "x=(a+bcosct)cost,y=(d+ecosft)sint"},
    {20, "x=(at^2+bt+c)cost,y=(dt^2+et+f)sint"},
};
constexpr int kParametricGroup1Last = 10;

constexpr Item kImplicitItems[] = {
    {1, "x^2+y^2=4"},
    {2, "y^5+2y-x-3x^7=0"},
    {3, "e^y+xy-e=0"},
    {4, "x^2/16+y^2/9=1"},
    {5, "x-y+0.5siny=0"},
    {6, "y=sin(x+y)"},
    {7, "sin(ax^2+bxy+cy^2)=dx+ey+f"},
    {8, "ax^2+bxy+cy^2+dx+ey+f=0"},
    {9, "(ax^2+by^2+c)(dx^2+ey^2+f)=0"},
    {10, "1-|x|-|y|=0"},
    {11, "(ax+by+c)(dx+ey+f)=0"},
    {18, "2y^3+xy+a=0"},
    {19, "ay^3+by+cxy^4+dx=0"},
    {20, "1.5y^4+4xy^3+2(x^2-a)y^2+b=0"},
    {21, "(y-1)^3(ay^2+b)+cx(y-1)y^2+dx^2y^2(y+1)=0"},
    {22, "ay^2(y-1)^2(y-x)^2+bx(y-1)^2(y-x)^2+c(x-1)y^2(y-x)^2+dx(x-1)y^2*(y-1)^2=0"},
    {23, "(24x0)^{1/4}y+6x^2-x0+5(24x0)^{-1/4}/4+24^{1/4}x0^{-3/4}y"},
};

// Surface forms with the texts of the upper and the lower menu.
struct SurfaceItem {
    int k;
    const char* upper;
    const char* lower;
};
constexpr SurfaceItem kSurfaceItems[] = {
    {1, "z=ax^2+bxy+cy^2+dx+ey+f", nullptr},
    {2, "z=√(ax^2+bxy+cy^2+dx+ey+f)", nullptr},
    {3, "z=-√(ax^2+bxy+cy^2+dx+ey+f)", nullptr},
    {4, "z=(a+bx^2+y^2)sin(d+ex^2+fy^2)", nullptr},
    {5, "z=(a+bx+cy)sin(d+ex+fy)", nullptr},
    {6, "z=(ax^2+bxy+cy^2)/(dx^2+exy+fy^2)", nullptr},
    {7, "z=(ax^2+bxy+cy^2+dx+ey+f)^α+z0", nullptr},
    {8, "z=-(ax^2+bxy+cy^2+dx+ey+f)^α+z0", nullptr},
    {9, "z=cos(dx+ey+f)exp(ax^2+bxy+cy^2)", nullptr},
    {10, "z=(ax^2+bxy+cy^2)/√(dx^2+exy+fy^2)", nullptr},
    {11, "z=(ax^2+bxy+cy^2+dx+ey+f)/(a1x^2+b1xy+c1y^2+d1x+e1y+f1)",
     "z=(a1x^2+b1xy+c1y^2+d1x+e1y+f1)/(ax^2+bxy+cy^2+dx+ey+f))"},
    {12, "z=sin(a+bx^2+cy^2)/(d+ex^2+fy^2)", nullptr},
    {13, "z=(ax^2+bxy+cy^2)sin[1/(d+ex^2+fy^2)]", nullptr},
    {14, "a(x-x0)^2+b(x-x0)(y-y0)+c(y-y0)^2+d|x-x0|+e|y-y0|+f", nullptr},
    {15, "z=Re(AZ^2+BZ+C),A=a+bi,B=c+di,C=e+fi", nullptr},
    {16, "z=sin(ax^2+bxy+cy^2+dx+ey+f)", nullptr},
    {17, "z=f(x)", "z=g(x)"},
    {18, "z=f(y)", "z=g(y)"},
    {19, "z=f(r), r=√(x^2+y^2))", "z=g(r),r√(x^2+y^2))"},
    {21, "z=Im(AZ^2+BZ+C),A=a+bi,B=c+di,C=e+fi", nullptr},
};
constexpr int kOdeSurfaceLast = 8; // the first-order menus carry forms 1..8

// y''=f(x,y,y'): Pn selects the lower-surface form.
struct SecondOrderItem {
    int n;
    int form;
    const char* text;
};
constexpr SecondOrderItem kSecondOrderItems[] = {
    {1, 10, "P1:y″=6y^2+x"},
    {2, 11, "P2:y″=2y^3+xy+a"},
    {3, 12, "P3:y″=y′^2/y-y′/x+(ay^2+b)/x+cy^3+d/y"},
    {4, 13, "P4:y″=0.5y′^2/y+1.5y^3+4xy^2+2(x^2-a)y+b/y"},
    {5, 9, "P5:y″=y′^2[0.5/y+1/(y-1)]-y′/x+(ay+b/y)[(y-1)/x]^2+cy/x+dy(y+1)/(y-1)"},
    {6, 14,
     "P6:y″=y′^2[1/y+1/(y-1)+1/(y-x)]/2-[1/x+1/(x-1)+1/(y-x)]y′+y(y-1)(y-x)(a+bx/y^2+c(x-1)/"
     "(y-1)^2+dx(x-1)/(y-x)^2]/[x(x-1)]^2"},
};

constexpr Item kCombinationItems[] = {
    {0, "y=F(x)"}, {1, "y=f(x)/g(x)"}, {2, "y=f(x)g(x)"}, {3, "y=f(x)+g(x)"}, {4, "y=f(x)-g(x)"},
};

constexpr Item kExtensionItems[] = {
    {V::kFuncFPeriodic, "周期函数"},
    {V::kFuncFEven, "偶函数"},
    {V::kFuncFOdd, "奇函数"},
    {V::kFuncFPlain, "取消"},
};

constexpr Item kSideSurfaceItems[] = {
    {2, "上曲面到底面"},
    {1, "上曲面到下曲面"},
    {0, "不画侧面"},
};

// Submenus of 函数.
constexpr const char* kMenuF = "F(x)(显函数)";
constexpr const char* kMenuUpper = "f(x)(上曲线\\右曲线\\上曲面)";
constexpr const char* kMenuLower = "g(x)(下曲线\\左曲线\\下曲面\\空间曲线z=z(t))";
constexpr const char* kMenuParametric = "参数式\\空间曲线x=x(t),y=y(t)";
constexpr const char* kMenuImplicit = "隐函数(含投影曲线函数)";
constexpr const char* kMenuCombination = "显函数";
constexpr const char* kMenuSurfaceUpper = "上曲面函数z=f(x,y)";
constexpr const char* kMenuSurfaceLower = "下曲面函数z=g(x,y)";
constexpr const char* kMenuCurveDialogs = "在对话框中修改曲线系数";
constexpr const char* kMenuSurfaceDialogs = "在对话框中修改曲面系数";
constexpr const char* kMenuOdeConstant = "二阶常系数线性微分方程y''+py'+qy=f(x):选择f(x)";
constexpr const char* kMenuOdeAutonomousF = "二阶变系数线性自治微分方程x''+f(x)x'+g(x)=0:选择f(x)";
constexpr const char* kMenuOdeAutonomousG = "二阶变系数线性自治微分方程x''+f(x)x'+g(x)=0:选择g(x)";
constexpr const char* kMenuOdeFirst = "一阶微分方程y'=f(x,y):选择f(x,y)";
constexpr const char* kMenuOdeSystemX = "一阶微分方程组x'=f(x,y):选择f(x,y)";
constexpr const char* kMenuOdeSystemY = "一阶微分方程组y'=g(x,y):选择g(x,y)";
constexpr const char* kMenuOdeSecond = "一般二阶微分方程y''=f(x,y,y'):选择f(x,y,y')";

// --- Building the rows ------------------------------------------------------------

using Rows = std::vector<CommandRow>;

void Separator(Rows* rows, const char* menu) {
    rows->push_back({{menu, nullptr, nullptr}, nullptr, 0});
}

// The explicit items of one curve menu under `submenu`. `which`: 0 F(x),
// 1 f(x), 2 g(x).
void AddExplicitItems(Rows* rows, const char* submenu, int which) {
    static constexpr UINT kBase[] = {ID_CATALOG_F, ID_CATALOG_UPPER, ID_CATALOG_LOWER};
    static constexpr CommandFn kRun[] = {With<&V::OnSelectFuncF>, With<&V::OnSelectFuncUpper>,
                                         With<&V::OnSelectFuncLower>};
    for (const ExplicitForm& f : kExplicitForms) {
        const char* text = f.text;
        if (which != 0) {
            if (f.k > kLastCurveForm) continue;
            text = Override(kCurveTexts, f.k, text);
            if (which == 2) text = Override(kLowerCurveTexts, f.k, text);
        }
        rows->push_back({{kFunctions, submenu, f.group},
                         text,
                         kBase[which] + static_cast<UINT>(f.k),
                         kRun[which],
                         f.k});
    }
}

void AddSurfaceItems(Rows* rows, const char* submenu, bool upper, int lastForm) {
    for (const SurfaceItem& s : kSurfaceItems) {
        if (s.k > lastForm) break;
        const char* text = (!upper && s.lower) ? s.lower : s.upper;
        if (upper)
            rows->push_back({{kFunctions, submenu, nullptr},
                             text,
                             ID_CATALOG_SURFACE_UPPER + static_cast<UINT>(s.k),
                             With<&V::OnSelectSurfaceUpper>,
                             s.k});
        else
            rows->push_back({{kFunctions, submenu, nullptr},
                             text,
                             ID_CATALOG_SURFACE_LOWER + static_cast<UINT>(s.k),
                             With<&V::OnSelectSurfaceLower>,
                             s.k});
    }
}

template <size_t N>
void AddItems(Rows* rows, MenuPath path, const Item (&items)[N], UINT base, CommandFn run) {
    for (const Item& it : items)
        rows->push_back({path, it.text, base + static_cast<UINT>(it.k), run, it.k});
}

void AddCatalogueMenus(Rows* rows) {
    AddExplicitItems(rows, kMenuF, 0);
    AddItems(rows, {kFunctions, kMenuF, "显函数类型"}, kExtensionItems, ID_CATALOG_EXTENSION,
             With<&V::OnFuncFExtension>);
    AddExplicitItems(rows, kMenuUpper, 1);
    AddExplicitItems(rows, kMenuLower, 2);
    for (const Item& it : kParametricItems)
        rows->push_back(
            {{kFunctions, kMenuParametric, it.k <= kParametricGroup1Last ? kGroup1 : kGroup2},
             it.text,
             ID_CATALOG_PARAMETRIC + static_cast<UINT>(it.k),
             With<&V::OnSelectParametric>,
             it.k});
    AddItems(rows, {kFunctions, kMenuImplicit, nullptr}, kImplicitItems, ID_CATALOG_IMPLICIT,
             With<&V::OnSelectImplicit>);
    AddItems(rows, {kFunctions, kMenuCombination, nullptr}, kCombinationItems,
             ID_CATALOG_COMBINATION, With<&V::OnSelectCombination>);
    AddSurfaceItems(rows, kMenuSurfaceUpper, true, 1000);
    AddSurfaceItems(rows, kMenuSurfaceLower, false, 1000);
}

void AddDialogItems(Rows* rows) {
    Separator(rows, kFunctions);
    const MenuPath curves{kFunctions, kMenuCurveDialogs, nullptr};
    const MenuPath surfaces{kFunctions, kMenuSurfaceDialogs, nullptr};
    rows->push_back(
        {curves, "上曲线(右曲线\\上曲面)", ID_DIALOG_UPPER_CURVE, Run<&V::OnUpperCurveCoefDialog>});
    rows->push_back(
        {curves, "下曲线左曲线\\下曲面)", ID_DIALOG_LOWER_CURVE, Run<&V::OnLowerCurveCoefDialog>});
    rows->push_back(
        {surfaces, "上曲面", ID_DIALOG_UPPER_SURFACE, Run<&V::OnUpperSurfaceCoefDialog>});
    rows->push_back(
        {surfaces, "下曲面", ID_DIALOG_LOWER_SURFACE, Run<&V::OnLowerSurfaceCoefDialog>});
}

void AddOdeMenus(Rows* rows) {
    Separator(rows, kFunctions);
    AddExplicitItems(rows, kMenuOdeConstant, 0);
    rows->push_back({{kFunctions, nullptr, nullptr},
                     "在对话框中修改f(x)的系数",
                     ID_DIALOG_UPPER_CURVE,
                     Run<&V::OnUpperCurveCoefDialog>});
    AddExplicitItems(rows, kMenuOdeAutonomousF, 1);
    AddExplicitItems(rows, kMenuOdeAutonomousG, 2);
    AddSurfaceItems(rows, kMenuOdeFirst, true, kOdeSurfaceLast);
    AddSurfaceItems(rows, kMenuOdeSystemX, true, kOdeSurfaceLast);
    AddSurfaceItems(rows, kMenuOdeSystemY, false, kOdeSurfaceLast);
    for (const SecondOrderItem& p : kSecondOrderItems)
        rows->push_back({{kFunctions, kMenuOdeSecond, nullptr},
                         p.text,
                         ID_CATALOG_SECOND_ORDER + static_cast<UINT>(p.n),
                         With<&V::OnSelectSecondOrder>,
                         p.form});
}

void AddDialogMenu(Rows* rows) {
    const MenuPath menu{"对话框", nullptr, nullptr};
    rows->push_back(
        {menu, "一元函数", ID_DIALOG_ONE_VARIABLE, Run<&V::OnOneVariableFunctionDialog>});
    rows->push_back({menu, "Xi, i=1,2,3,...,25", ID_DIALOG_DATA_X, Run<&V::OnDataXDialog>});
    rows->push_back({menu, "Yi, i=1,2,3,...,25", ID_DIALOG_DATA_Y, Run<&V::OnDataYDialog>});
    rows->push_back({menu, "范围", ID_DIALOG_RANGE, Run<&V::OnRangeDialog>});
    rows->push_back({menu, "相关参数", ID_DIALOG_PARAMS, Run<&V::OnRelatedParametersDialog>});
    rows->push_back(
        {menu, "改变X0,Y0,A,B,C,周期", ID_DIALOG_CURVE_PARAMS, Run<&V::OnChangeCurveParams>});
}

// The side surfaces join the solid-figure submenu of 设置 (its title ends in
// a blank, as in the menu the other settings build).
void AddSideSurfaceItems(Rows* rows) {
    const MenuPath solid{"设置", "立体图形 ", nullptr};
    rows->push_back({solid, nullptr, 0});
    AddItems(rows, solid, kSideSurfaceItems, ID_SIDE_SURFACES, With<&V::OnSideSurfaces>);
}

void AddIdOnlyCommands(Rows* rows) {
    const MenuPath none{nullptr, nullptr, nullptr};
    rows->push_back({none, nullptr, ID_PREVIOUS_FUNCTION, Run<&V::OnPreviousFunction>});
    static constexpr CommandFn kSteps[] = {
        Run<&V::OnRangeXMaxUp>,      Run<&V::OnRangeXMaxDown>,    Run<&V::OnRangeXMinUp>,
        Run<&V::OnRangeXMinDown>,    Run<&V::OnRangeYMaxUp>,      Run<&V::OnRangeYMaxDown>,
        Run<&V::OnRangeYMinUp>,      Run<&V::OnRangeYMinDown>,    Run<&V::OnRangeZMinUp>,
        Run<&V::OnRangeZMinDown>,    Run<&V::OnRangeZMaxUp>,      Run<&V::OnRangeZMaxDown>,
        Run<&V::OnRangeInitMinUp>,   Run<&V::OnRangeInitMinDown>, Run<&V::OnRangeInitMaxUp>,
        Run<&V::OnRangeInitMaxDown>,
    };
    UINT id = ID_RANGE_STEP;
    for (CommandFn step : kSteps) rows->push_back({none, nullptr, id++, step});
    rows->push_back({none, nullptr, ID_DIALOG_LINEAR_SYSTEM, Run<&V::RangeDialogVariant>});
}

Rows BuildRows() {
    Rows rows;
    AddCatalogueMenus(&rows);
    AddDialogItems(&rows);
    AddOdeMenus(&rows);
    AddDialogMenu(&rows);
    AddSideSurfaceItems(&rows);
    AddIdOnlyCommands(&rows);
    return rows;
}

} // namespace

const std::vector<CommandRow>& CatalogCommandRows() {
    static const Rows rows = BuildRows();
    return rows;
}

const CommandRow* FindCatalogRow(UINT id) {
    static const auto index = [] {
        std::unordered_map<UINT, const CommandRow*> map;
        for (const CommandRow& row : CatalogCommandRows())
            if (row.id != 0 && row.id != kLabelId) map.emplace(row.id, &row); // first row wins
        return map;
    }();
    const auto it = index.find(id);
    return it == index.end() ? nullptr : it->second;
}
