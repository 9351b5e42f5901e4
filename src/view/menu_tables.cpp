#include "view/menu_tables.h"

#include "view/catalog_menu_tables.h"
#include "view/view.h"

#include <cstring>
#include <iterator>
#include <unordered_map>

const char* const kFileMenuTitle = "文件(&F)";
const char* const kHelpMenuTitle = "帮助";

const char* const kViewMenuTitles[] = {
    "数学物理方法", "概念与应用", "图形", "函数", "对话框", "显示", "设置", "刷新", "编辑脚本",
};
const size_t kViewMenuCount = std::size(kViewMenuTitles);

namespace {

using V = CPemroView;
using X = TopicExtra;

// Command functions from the view's members.
template <void (V::*F)()> void Run(V& v, int) {
    (v.*F)();
}
template <void (V::*F)(int)> void With(V& v, int arg) {
    (v.*F)(arg);
}

// --- Topics -------------------------------------------------------------------

constexpr MenuPath kMathPhys{"数学物理方法", nullptr, nullptr};
constexpr MenuPath kMpCh1{"数学物理方法", "第一章 一些典型方程和定解条件的推导", nullptr};
constexpr MenuPath kMpCh2{"数学物理方法", "第二章 分离变量法", nullptr};
constexpr MenuPath kMpCh3{"数学物理方法", "第三章  行波法与积分变换法", nullptr};
constexpr MenuPath kMpCh4{"数学物理方法", "第四章  拉普拉斯方程的格林函数法", nullptr};
constexpr MenuPath kMpCh5{"数学物理方法", "第五章  贝塞尔函数", nullptr};
constexpr MenuPath kMpCh6{"数学物理方法", "第六章  勒让德多项式 ", nullptr};
constexpr MenuPath kMpCh7{"数学物理方法", "第七章 非线性偏微分方程", nullptr};
constexpr MenuPath kSequences{"概念与应用", "数列", nullptr};
constexpr MenuPath kLimits{"概念与应用", "函数极限", nullptr};
constexpr MenuPath kDerivatives{"概念与应用", "导数与应用", nullptr};
constexpr MenuPath kTangents{"概念与应用", "导数与应用", "切线"};
constexpr MenuPath kIntegrals{"概念与应用", "积分与应用", nullptr};
constexpr MenuPath kElements{"概念与应用", "积分与应用", "微元"};
constexpr MenuPath kMeanValue{"概念与应用", "中值定理", nullptr};
constexpr MenuPath kLinesPlanes{"概念与应用", "直线与平面", nullptr};
constexpr MenuPath kQuadrics{"概念与应用", "二次曲面", nullptr};
constexpr MenuPath kConcepts{"概念与应用", nullptr, nullptr};
constexpr MenuPath kLeastSquares{"概念与应用", "最小二乘法", nullptr};
constexpr MenuPath kQuadrature{"概念与应用", "数值积分", nullptr};
constexpr MenuPath kOdeNumeric{"概念与应用", "常微分方程数值解法", nullptr};
constexpr MenuPath kOdeApps{"概念与应用", "常微分方程的应用", nullptr};
constexpr MenuPath kCurves{"图形", "常见曲线", nullptr};
constexpr MenuPath kSolids1{"图形", "曲面所围立体(1)", nullptr};
constexpr MenuPath kSolids2{"图形", "曲面所围立体(2)", nullptr};
constexpr MenuPath kGraphics{"图形", nullptr, nullptr};
constexpr MenuPath kHelp{"帮助", nullptr, nullptr};
constexpr MenuPath kNoMenu{nullptr, nullptr, nullptr};

} // namespace

const TopicRow kTopicRows[] = {
    // 数学物理方法 (family 0)
    {kMathPhys, "前言", 34189, "qy", 0},
    {kMathPhys, "教学大纲", 34154, "dg", 0},
    {kMathPhys, "总复习题一", 34305, "20", 0},
    {kMathPhys, "总复习题二", 34307, "21", 0},
    {kMathPhys, "总复习题三", 34308, "22", 0},
    {kMpCh1, "第一节 基本方程的建立", 33057, "000", 0},
    {kMpCh1, "第二节 初值条件与边界条件", 33058, "001", 0},
    {kMpCh1, "第三节 定解问题的提法", 33059, "002", 0},
    {kMpCh1, "第四节 习题一", 33060, "003", 0},
    {kMpCh2, "第一节  有界弦的自由振动 ", 33070, "010", 0},
    {kMpCh2, "第二节 有限长杆上的熱传导 ", 33071, "011", 0},
    {kMpCh2, "第三节 极坐标系下圆域内的二维拉普拉斯方程的定解问题", 33072, "012", 0},
    {kMpCh2, "第四节 非齐次方程的解法", 33073, "013", 0},
    {kMpCh2, "第五节 非齐次边界条件的处理 ", 33074, "014", 0},
    {kMpCh2, "第六节 关于二阶常微分方程特征值问题的一些结论", 34427, "015", 0},
    {kMpCh2, "习题二", 34428, "016", 0},
    {kMpCh3, "第一节 一维波动方程的达朗贝尔公式", 33079, "020", 0},
    {kMpCh3, "3.2.1 三维波动方程的球对称解", 33111, "0210", 0},
    {kMpCh3, "3.2.2 三维波动方程的泊松公式", 34445, "0211", 0},
    {kMpCh3, "3.2.3 泊松公式的物理意义", 34446, "0212", 0},
    {kMpCh3, "3.3.1 傅里叶积分公式 变换法与傅里叶变换法", 34441, "0220", 0},
    {kMpCh3, "3.3.2 傅里叶变换法的基本性质", 33112, "0221", 0},
    {kMpCh3, "3.3.3 德尔塔函数及其傅里叶变换法", 34442, "0222", 0},
    {kMpCh3, "3.3.4 拉普拉斯变换及其基本性质", 34443, "0223", 0},
    {kMpCh3, "3.3.5 拉普拉斯变换的反演", 34444, "0224", 0},
    {kMpCh3, "第四节 积分变换法举例", 33082, "023", 0},
    {kMpCh3, "习题三", 33083, "024", 0},
    {kMpCh4, "第一节 拉普拉斯方程边值问题的提法", 33088, "030", 0},
    {kMpCh4, "第二节 格林公式", 33089, "031", 0},
    {kMpCh4, "第三节 格林函数", 33090, "032", 0},
    {kMpCh4, "4.4.1 半空间的格林函数", 33091, "0330", 0},
    {kMpCh4, "4.4.2 球域的格林函数", 34447, "0331", 0},
    {kMpCh4, "习题四", 33092, "034", 0},
    {kMpCh5, "第一节 贝塞尔方程及其解", 33098, "040", 0},
    {kMpCh5, "第二节 三类贝塞尔方程的表示与性质", 33099, "041", 0},
    {kMpCh5, "第三节 贝塞尔方程的基本性质", 33100, "042", 0},
    {kMpCh5, "第四节 函数展开成贝塞尔函数 ", 33101, "043", 0},
    {kMpCh5, "第五节 贝塞尔函数的应用举例 ", 33102, "044", 0},
    {kMpCh5, "第六节 虚宗量贝塞尔函数 ", 33103, "045", 0},
    {kMpCh5, "第七节 球贝塞尔方程", 33104, "046", 0},
    {kMpCh5, "习题五", 34439, "047", 0},
    {kMpCh6, "第一节 勒让德方程及其解的表示", 33018, "050", 0},
    {kMpCh6, "第二节 勒让德多项式的性质 ", 33019, "051", 0},
    {kMpCh6, "第三节 勒让德多项式的生成函数(母函数)", 33020, "052", 0},
    {kMpCh6, "第四节 连带的勒让德多项式", 33021, "053", 0},
    {kMpCh6, "第五节 球函数", 33992, "054", 0},
    {kMpCh6, "习题六", 33993, "055", 0},
    {kMpCh7, "第一节 极小曲面问题", 33022, "060", 0},
    {kMpCh7, "第二节 非线性偏微分方程举例 ", 33023, "061", 0},
    {kMpCh7, "第三节 激波 ", 33024, "062", 0},
    {kMpCh7, "第四节 KdV方程 孤立波 ", 33025, "063", 0},
    {kMpCh7, "习题七", 34429, "064", 0},
    // 概念与应用
    {kSequences, "数列极限的概念", 34372, "368"},
    {kSequences, "迭代Xn=f(Xn-1)或Xn=f(n),n_Xn面", 32848, "336"},
    {kSequences, "迭代Xn=f(Xn-1)或Xn=f(n)", 33236, "350"},
    {kSequences, "迭代Zn=A(Zn-1+B)Zn-1+C", 33237, "351", -1, X::Iteration},
    {kSequences, "迭代Zn=F(Zn-1),F(Z)=f(x,y)+g(x,y)i", 33700, "353", -1, X::Iteration},
    {kLimits, "x0极限概念", 32892, "303"},
    {kLimits, "x0左极限概念", 32893, "304"},
    {kLimits, "x0右极限概念", 32894, "305"},
    {kLimits, "趋向∞极限概念", 32889, "300"},
    {kLimits, "趋向+∞极限概念", 32890, "301"},
    {kLimits, "趋向-∞极限概念", 32891, "302"},
    {kLimits, "求极限", 32825, "352"},
    {kDerivatives, "一阶导数", 32898, "306"},
    {kDerivatives, "隐函数的导数", 34378, "371"},
    {kDerivatives, "参数式函数的导数", 34379, "372"},
    {kDerivatives, "极坐标系下函数的导数", 34403, "380"},
    {kDerivatives, "二阶导数", 32899, "307"},
    {kDerivatives, "方向导数", 33665, "327"},
    {kDerivatives, "曲率与曲率圆", 34375, "369"},
    {kDerivatives, "切平面", 33221, "310"},
    {kDerivatives, "偏导数的几何意义", 33555, "345"},
    {kDerivatives, "等高线与梯度", 33212, "311"},
    {kDerivatives, "场（源头、汇）的概念", 33631, "344"},
    {kDerivatives, "二分法", 32914, "312"},
    {kDerivatives, "牛顿迭代法", 32915, "313"},
    {kDerivatives, "最小二乘法", 33227, "314"},
    {kDerivatives, "泰勒级数", 32911, "315"},
    {kDerivatives, "麦克劳林级数", 32912, "316"},
    {kDerivatives, "二元函数的泰勒级数", 33015, "317"},
    {kDerivatives, "二元函数的麦克劳林级数", 33016, "318"},
    {kTangents, "对平面曲线", 33219, "308"},
    {kTangents, "对空间曲线", 33220, "309"},
    {kIntegrals, "不定积分概念", 32916, "319"},
    {kIntegrals, "定积分概念", 32917, "320"},
    {kIntegrals, "重积分概念", 33178, "321"},
    {kIntegrals, "旋转体体积", 32923, "326"},
    {kIntegrals, "旋转体侧面积", 32924, "328"},
    {kIntegrals, "吸水做功", 33696, "347"},
    {kIntegrals, "水中取物做功", 33697, "348", -1, X::SpecificGravity},
    {kIntegrals, "水压力", 33698, "349"},
    {kIntegrals, "引力", 34377, "370"},
    {kIntegrals, "富里埃级数", 32932, "338"},
    {kIntegrals, "展成正弦级数", 32933, "339"},
    {kIntegrals, "展成余弦级数", 32934, "339"},
    {kElements, "柱面坐标系", 33628, "341"},
    {kElements, "球面坐标系", 33629, "343"},
    {kElements, "曲面面积元素", 33630, "342"},
    {kMeanValue, "微分中值定理", 33177, "329"},
    {kMeanValue, "定积分中值定理", 33225, "330"},
    {kMeanValue, "重积分中值定理", 33339, "337"},
    {kLinesPlanes, "平面与坐标轴的关系", 33754, "354", -1, X::SurfaceEdit},
    {kLinesPlanes, "平面与平面的关系", 33756, "355", -1, X::SurfaceEdit},
    {kLinesPlanes, "点到平面的距离", 33757, "356"},
    {kLinesPlanes, "直线与平面的关系", 33758, "357", -1, X::SurfaceEdit},
    {kLinesPlanes, "直线与直线的关系", 33759, "358", -1, X::SurfaceEdit},
    {kLinesPlanes, "平面束", 33760, "359", -1, X::SurfaceEdit},
    {kLinesPlanes, "点到直线的距离", 33761, "360"},
    {kLinesPlanes, "两直线间的距离", 33762, "361"},
    {kQuadrics, "锥面", 34392, "373"},
    {kQuadrics, "柱面", 34394, "374"},
    {kQuadrics, "椭球面", 34393, "375"},
    {kQuadrics, "抛物面", 34396, "376"},
    {kQuadrics, "双曲面", 34399, "377"},
    {kConcepts, "曲面分析", 33186, "364"},
    {kConcepts, "立体图形分析", 33185, "365"},
    {kConcepts, "水流问题", 34134, "366"},
    {kConcepts, "函数逼近", 34302, "465"},
    {kLeastSquares, "y=a+bx或aexp(bx)或a+bx+cx^2", 33227, "314"},
    {kLeastSquares, "y=a0+a1 x+...+am x^m", 34298, "464"},
    {kQuadrature, "矩形公式", 32776, "323"},
    {kQuadrature, "梯形公式", 32920, "324"},
    {kQuadrature, "抛物型公式", 32921, "325"},
    {kQuadrature, "Romberg公式", 34301, "367"},
    {kQuadrature, "Gauss公式", 34020, "457"},
    {kOdeNumeric, "欧拉法", 32941, "334"},
    {kOdeNumeric, "龙格-库塔法", 32942, "335"},
    {kOdeNumeric, "阿达姆斯法", 34094, "363"},
    {kOdeNumeric, "y'=f(x,y)", 32940, "331", -1, X::OdeOrder1},
    {kOdeNumeric, "y''+py'+q=f(x)", 32935, "332", -1, X::OdeOrder2},
    {kOdeNumeric, "x''+f(x)x'+g(x)=0", 33648, "346", -1, X::OdeForm1},
    {kOdeNumeric, "y''=f(x,y,y')", 34013, "362"},
    {kOdeNumeric, "一阶微分方程组", 33176, "333", -1, X::OdeOrder2},
    {kOdeApps, "小球在平面曲线上的运动", 34406, "381"},
    {kOdeApps, "小球在空间曲面上的运动", 34407, "382"},
    // 图形
    {kCurves, "圆", 33633, "501"},
    {kCurves, "椭圆", 33634, "502"},
    {kCurves, "双曲线", 33636, "503"},
    {kCurves, "抛物线", 33637, "504"},
    {kCurves, "正弦曲线", 33639, "505"},
    {kCurves, "余弦曲线", 33640, "506"},
    {kCurves, "星形线(参数式)", 33642, "509"},
    {kCurves, "摆线(参数式)", 33641, "508"},
    {kCurves, "x=acos(bt+c),y=fsin(dt+e)", 33646, "513"},
    {kCurves, "极坐标与直角坐标的关系", 33647, "514"},
    {kCurves, "双纽线", 33638, "507"},
    {kCurves, "心脏线", 33643, "510"},
    {kCurves, "阿基米德螺线", 33644, "511"},
    {kCurves, "对数螺线", 33645, "512"},
    {kSolids1, "1:x+y+z=4,x=1,y=2,x=0,y=0,z=0", 33486, "601"},
    {kSolids1, "2:x^2+y^2=a^2,x^2+z^2=a^2,x>0,y>0", 33487, "602"},
    {kSolids1, "3:z=6-x^2-y^2,z=y/4,x=1,y=2,x=0,y=0", 33488, "603"},
    {kSolids1, "4:z=y,z=2y,x^2+y^2=a^2,y>0", 33489, "604"},
    {kSolids1, "5:x^2+y^2+z^2=a^2,x^2+y^2=ay,x=0,z=0(x>0)", 33491, "605"},
    {kSolids1, "6:z=x^2+y^2,x+y-1=0,x=0,y=0,z=0", 33490, "606"},
    {kSolids1, "7:x^2+y^2=4y,x^2+4z=0,z=6", 33492, "607"},
    {kSolids1, "8:3x^2+y^2=z,z=1-y^2,", 33493, "608"},
    {kSolids1, "9:z=x^2+y^2,(x^2+y^2)^2=y^2-x^2,z=a", 33494, "609"},
    {kSolids1, "10:x^2+y^2+z^2=2z,z^2=x^2+y^2,z>0", 33496, "610"},
    {kSolids1, "11:x^2+y^2+z^2=a^2,x^2+y^2-ay=0", 33497, "611"},
    {kSolids1, "12:z=1-x^2-y^2,y=1-x,y=0,z=0", 33498, "612"},
    {kSolids1, "13:x^2+4y^2=4,x/4+y/3+z/12=1,z=0", 33499, "613"},
    {kSolids1, "14:x^2+y^2+z^2=1,x^2+y^2=x,z=2", 33500, "614"},
    {kSolids1, "15:x^2+y^2=az,x^2+y^2=2ay,z=0,x=0", 33501, "615"},
    {kSolids1, "16:z=x^2+y^2,y=x^2,y=1,z=0", 33502, "616"},
    {kSolids1, "17:2z^2=3(x^2+y^2),2z^2=y,z>0", 33503, "617"},
    {kSolids1, "18:z=y^2-x^2,x^2+y^2=a^2,z=2", 33504, "618"},
    {kSolids1, "19:y^2=x,y^2=3x,x+z=1,z=0", 33505, "619"},
    {kSolids1, "20:z=4-x^2,2x+y=4,y=4,x=0,y=0,z=0", 33506, "620"},
    {kSolids2, "21:z=x^2+2y^2,x^2+y^2=1,z=0", 33507, "621"},
    {kSolids2, "22:y=x+1,y=1-x,y=0,z=x^2+y^2,z=0", 33508, "622"},
    {kSolids2, "23:z^2=2xy,x^0.5+y^0.5=1", 33509, "623"},
    {kSolids2, "24:z=1-(x^2+y^2)^0.5,z=2x,x=0,y=0", 33510, "624"},
    {kSolids2, "25:z=x^2-y,y=0,x=2,z=0", 33511, "625"},
    {kSolids2, "26:z=x^2+y^2,z+y=1", 33512, "626"},
    {kSolids2, "27:2z=x^2+y^2,z=(4-x^2+y^2)^0.5", 33513, "627"},
    {kSolids2, "28:x^2+y^2+z^2=4z,z=0,1<x^2+y^2<3", 33514, "628"},
    {kSolids2, "29:z=1-x^2,z=3x^2+y^2", 33515, "629"},
    {kSolids2, "30:z=xy,x+y=1,y=0,z=0", 33516, "630"},
    {kSolids2, "31:x=y^2,x+z=1,x=0,y=1,z=0", 33517, "631"},
    {kSolids2, "32:z=y,y=(1-x^2)^0.5,z=0", 33518, "632"},
    {kSolids2, "33:z=1-x^2,y+2x=1,x=0,y=0,z=0", 33519, "633"},
    {kSolids2, "34:x=(y-z^2)^0.5,2x=y^0.5,x=0,y=1,z=0", 33520, "634"},
    {kSolids2, "35:z=(x^2+y^2)^0.5,x^2+y^2=2x,z>0", 33521, "635"},
    {kSolids2, "36:y^2=x,x+z=1,z=0", 33522, "636"},
    {kSolids2, "37:y^2+z^2=16,y=x,y=3,x=0,z=0", 33523, "637"},
    {kSolids2, "38:x^2+y^2=1,z=x^2+2,z=0", 33524, "638"},
    {kSolids2, "39:x^2+y^2=1,z=x,z=0", 33526, "639"},
    {kSolids2, "40:x^2+y^2=1,x^2+z^2=1,x>0,y>0,z>0", 34417, "640"},
    {kGraphics, "球面坐标中的图形", 34401, "378"},
    {kGraphics, "柱面坐标中的图形", 34402, "379"},
    // 帮助
    {kHelp, "章节内容对应的文件:", kLabelId, nullptr},
    {kHelp, "高等数学", 33133, "200"},
    {kHelp, "线性代数", 33850, "201"},
    {kHelp, "概率与数理统计", 33851, "202"},
    {kHelp, "数值分析", 33852, "203"},
    {kHelp, "考研复习", 34286, "204"},
    {kHelp, "概念与应用", 34324, "205"},
    {kHelp, "脚本编辑:", kLabelId, nullptr},
    {kHelp, "文字显示约定", 33134, "230"},
    {kHelp, "平面图形", 33656, "2100"},
    {kHelp, "空间图形", 33658, "2101"},
    {kHelp, "高等数学命令", 33867, "211"},
    {kHelp, "概率与数理统计命令", 33854, "212"},
    {kHelp, "数值分析与线性代数命令", 33855, "213"},
    {kHelp, "特殊命令", 34405, "214"},
    {kHelp, nullptr, 0, nullptr},
    {kHelp, "函数菜单的使用所明", 34387, "233"},
    {kHelp, "对话框菜单的使用所明", 34386, "234"},
    {kHelp, "相关函数", 33657, "231"},
    {kHelp, "软件介绍", 33714, "232"},
    // Reached by id only.
    {kNoMenu, nullptr, 32919, "322"},
    {kNoMenu, nullptr, 34017, "450"},
    {kNoMenu, nullptr, 34018, "451"},
    {kNoMenu, nullptr, 34019, "452"},
    {kNoMenu, nullptr, 34012, "453"},
    {kNoMenu, nullptr, 34014, "454"},
    {kNoMenu, nullptr, 34015, "455"},
    {kNoMenu, nullptr, 34016, "456"},
    {kNoMenu, nullptr, 34082, "458"},
    {kNoMenu, nullptr, 34083, "459"},
    {kNoMenu, nullptr, 34087, "460"},
    {kNoMenu, nullptr, 34095, "461"},
    {kNoMenu, nullptr, 34295, "462"},
    {kNoMenu, nullptr, 34297, "463"},
    {kNoMenu, nullptr, 34373, "466"},
    {kNoMenu, nullptr, 34389, "467"},
    {kNoMenu, nullptr, 34390, "468"},
    {kNoMenu, nullptr, 34391, "469"},
    {kNoMenu, nullptr, 34397, "470"},
    {kNoMenu, nullptr, 34398, "471"},
    {kNoMenu, nullptr, 33775, "fux1", 0},
    {kNoMenu, nullptr, 33776, "fux2", 0},
    {kNoMenu, nullptr, 33777, "fux3", 0},
    {kNoMenu, nullptr, 33778, "fux4", 0},
    {kNoMenu, nullptr, 33765, "fux5", 0},
    {kNoMenu, nullptr, 33772, "fux6", 0},
    {kNoMenu, nullptr, 33773, "fux7", 0},
    {kNoMenu, nullptr, 33774, "fux8", 0},
    {kNoMenu, nullptr, 34306, "23", 0},
    {kNoMenu, nullptr, 34287, "dg", 4},
};
const size_t kTopicRowCount = std::size(kTopicRows);

// --- Settings, display modes, external programs -------------------------------

namespace {

const MenuPath kFile{kFileMenuTitle, nullptr, nullptr};
constexpr MenuPath kFunctions{"函数", nullptr, nullptr};
constexpr MenuPath kDisplay{"显示", nullptr, nullptr};
constexpr MenuPath kPictures{"显示", "位图背景(JPEG,GIF)", nullptr};
constexpr MenuPath kPatterns{"显示", "非单色背景", nullptr};
constexpr MenuPath kBrightness{"显示", "亮度", nullptr};
constexpr MenuPath kGrid{"显示", "网格", nullptr};
constexpr MenuPath kGridSize{"显示", "网格大小", nullptr};
constexpr MenuPath kMouseCoords{"显示", "显示鼠标的坐标", nullptr};
constexpr MenuPath kFuncName{"显示", "显示函数名(图)", nullptr};
constexpr MenuPath kProjection{"显示", "特显投影", nullptr};
constexpr MenuPath kDisplayFontSize{"显示", "字体大小", nullptr};
constexpr MenuPath kFontWeight{"显示", "字体粗细", nullptr};
constexpr MenuPath kSettings{"设置", nullptr, nullptr};
constexpr MenuPath kFigureColours{"设置", "图形颜色", nullptr};
constexpr MenuPath kTextColours{"设置", "字体颜色", nullptr};
constexpr MenuPath kFontChange{"设置", "字体改变", nullptr};
constexpr MenuPath kSettingsFontSize{"设置", "字体大小", nullptr};
constexpr MenuPath kLineSpacing{"设置", "行间距", nullptr};
constexpr MenuPath kNonChinese{"设置", "非汉字颜色", nullptr};
constexpr MenuPath kPixelSize{"设置", "象数大小", nullptr};
constexpr MenuPath kSolid{"设置", "立体图形 ", nullptr};
constexpr MenuPath kSolidBase{"设置", "立体图形 ", "在底面上投影"};
constexpr MenuPath kSolidXoy{"设置", "立体图形 ", "在xoy面上投影"};
constexpr MenuPath kSolidZc{"设置", "立体图形 ", "空间立体与z=c的交"};
constexpr MenuPath kSolidCut{"设置", "立体图形 ", "是否画上下曲面的交线"};
constexpr MenuPath kRotation{"设置", "旋转(立体图形)", nullptr};
constexpr MenuPath kBrightness3D{"设置", "亮度(立体图)", nullptr};
constexpr MenuPath kPrintPrepare{"设置", "准备打印", nullptr};
constexpr MenuPath kRefresh{"刷新", nullptr, nullptr};
constexpr MenuPath kEditScript{"编辑脚本", nullptr, nullptr};

} // namespace

const CommandRow kCommandRows[] = {
    // 文件(&F): printing colours.
    {kFile, "默认打印颜色", 34303, With<&V::OnPrintColours>, 0},
    {kFile, "打印原色", 34304, With<&V::OnPrintColours>, 1},

    // 函数: coefficient editing inside the page.
    {kFunctions, "在视图中修改曲线系数", 32997, With<&V::OnCurveCoefEdit>, 1},
    {kFunctions, "在视图中修改曲面(上下)系数", 33142, With<&V::OnSurfaceCoefEdit>, 1},
    {kFunctions, nullptr, 0},

    // 显示
    {kDisplay, "显示方式：", kLabelId},
    {kDisplay, "逐行显示(从头开始)", 32910, With<&V::OnRevealMode>, V::kRevealFromStart},
    {kDisplay, "逐行显示(从当前行开始)", 32846, With<&V::OnRevealMode>, V::kRevealFromCurrent},
    {kDisplay, "指定位置显示", 32901, With<&V::OnRevealMode>, V::kRevealToPosition},
    {kDisplay, "滚动显示", 32847, With<&V::OnRevealMode>, V::kRevealScroll},
    {kDisplay, nullptr, 0},
    {kDisplay, "背景：", kLabelId},
    {kPictures, "第一个", 33199, With<&V::OnBackgroundPicture>, 1},
    {kPictures, "第二个", 33201, With<&V::OnBackgroundPicture>, 2},
    {kPictures, "第三个", 33200, With<&V::OnBackgroundPicture>, 3},
    {kPictures, "第四个", 33202, With<&V::OnBackgroundPicture>, 4},
    {kPictures, "第五个", 33203, With<&V::OnBackgroundPicture>, 5},
    {kPictures, "第六个", 33204, With<&V::OnBackgroundPicture>, 6},
    {kPictures, "自选", 33205, With<&V::OnBackgroundPicture>, 0},
    {kPatterns, "背景1", 32783, With<&V::OnBackgroundPattern>, 1},
    {kPatterns, "背景2", 33206, With<&V::OnBackgroundPattern>, 2},
    {kPatterns, "背景3", 33207, With<&V::OnBackgroundPattern>, 3},
    {kPatterns, "背景4", 33208, With<&V::OnBackgroundPattern>, 4},
    {kPatterns, "背景5", 33209, With<&V::OnBackgroundPattern>, 5},
    {kPatterns, "背景6", 33210, With<&V::OnBackgroundPattern>, 6},
    {kDisplay, "单色背景", 33217, Run<&V::OnPlainBackground>},
    {kDisplay, nullptr, 0},
    {kDisplay, "自设背景：", kLabelId},
    {kDisplay, "背景颜色", 7, With<&V::OnColourCommand>, 0},
    {kBrightness, "增加", 33213, With<&V::OnBrightness>, 32},
    {kBrightness, "减小", 33214, With<&V::OnBrightness>, -32},
    {kDisplay, nullptr, 0},
    {kDisplay, "常用颜色和背景：", kLabelId},
    {kDisplay, "方式1", 33783, With<&V::OnDisplayPreset>, 1},
    {kDisplay, "方式2", 33784, With<&V::OnDisplayPreset>, 2},
    {kDisplay, "方式3", 33785, With<&V::OnDisplayPreset>, 3},
    {kDisplay, "方式4", 33786, With<&V::OnDisplayPreset>, 4},
    {kDisplay, nullptr, 0},
    {kGrid, "Yes", 33238, With<&V::OnGrid>, 0},
    {kGrid, "No", 33239, With<&V::OnGrid>, 1},
    {kGridSize, "小", 33340, With<&V::OnGridSize>, 8},
    {kGridSize, "中", 33341, With<&V::OnGridSize>, 16},
    {kGridSize, "大", 33342, With<&V::OnGridSize>, 24},
    {kMouseCoords, "Yes", 33477, With<&V::OnShowMouseCoords>, 1},
    {kMouseCoords, "No", 33478, With<&V::OnShowMouseCoords>, 0},
    {kFuncName, "Yes", ID_SHOW_FUNC_NAME_YES, Run<&V::OnShowFuncNameYes>},
    {kFuncName, "No", ID_SHOW_FUNC_NAME_NO, Run<&V::OnShowFuncNameNo>},
    {kDisplay, "显示图形中选择框", 33739, With<&V::OnShowSelectionBox>, 1},
    {kDisplay, "隐含图形中选择框", 33740, With<&V::OnShowSelectionBox>, 0},
    {kProjection, "空间立体在xoy面的投影", 33763, With<&V::OnProjectionDisplay>, 1},
    {kProjection, "截面的投影", 34300, With<&V::OnProjectionDisplay>, 2},
    {kProjection, "取消", 33764, With<&V::OnProjectionDisplay>, 0},
    {kDisplay, nullptr, 0},
    {kDisplayFontSize, "整体放大", 33483, With<&V::OnFontStep>, 2},
    {kDisplayFontSize, "整体缩小", 33484, With<&V::OnFontStep>, -2},
    {kDisplayFontSize, "表达式放大", 33481, With<&V::OnFormulaFontStep>, 2},
    {kDisplayFontSize, "表达式缩小", 33482, With<&V::OnFormulaFontStep>, -2},
    {kDisplayFontSize, "字母放大", 33738, With<&V::OnLetterSize>, 1},
    {kDisplayFontSize, "字母缩小", 33737, With<&V::OnLetterSize>, -1},
    {kFontWeight, "标准", 34366, With<&V::OnFontWeight>, 1},
    {kFontWeight, "粗 ", 34367, With<&V::OnFontWeight>, 2},

    // 设置: colours, fonts and text.
    {kFigureColours, "左边框", 32784, With<&V::OnColourCommand>, 1},
    {kFigureColours, "底色", 32785, With<&V::OnColourCommand>, 2},
    {kFigureColours, "坐标", 32786, With<&V::OnColourCommand>, 3},
    {kFigureColours, "曲线", 32787, With<&V::OnColourCommand>, 4},
    {kFigureColours, "一阶导数(底面)", 32790, With<&V::OnColourCommand>, 5},
    {kFigureColours, "二阶导数(xoy面)", 32791, With<&V::OnColourCommand>, 6},
    {kFigureColours, "上曲面网格颜色", 33135, With<&V::OnColourCommand>, 12},
    {kFigureColours, "下曲面网格颜色", 33136, With<&V::OnColourCommand>, 13},
    {kFigureColours, "截面", 33139, With<&V::OnColourCommand>, 14},
    {kFigureColours, "后侧面", 33140, With<&V::OnColourCommand>, 15},
    {kFigureColours, "前侧面", 33141, With<&V::OnColourCommand>, 16},
    {kFigureColours, "右边框", 33251, With<&V::OnColourCommand>, 17},
    {kFigureColours, "上曲面颜色", 34133, With<&V::OnColourCommand>, 18},
    {kFigureColours, "下曲面颜色", 34132, With<&V::OnColourCommand>, 19},
    {kTextColours, "定理", 32797, With<&V::OnColourCommand>, 7},
    {kTextColours, "章节", 32798, With<&V::OnColourCommand>, 8},
    {kTextColours, "正文", 32800, With<&V::OnColourCommand>, 9},
    {kTextColours, "例题", 32799, With<&V::OnColourCommand>, 10},
    {kTextColours, "表达式", 32826, With<&V::OnColourCommand>, 11},
    {kFontChange, "表达式字体", 33485, With<&V::OnFontChange>, 3},
    {kFontChange, "定理字体", 33536, With<&V::OnFontChange>, 1},
    {kFontChange, "例题字体", 33537, With<&V::OnFontChange>, 4},
    {kFontChange, "正文字体", 33538, With<&V::OnFontChange>, 2},
    // The same six size commands as under 显示.
    {kSettingsFontSize, "整体放大", 33483, With<&V::OnFontStep>, 2},
    {kSettingsFontSize, "整体缩小", 33484, With<&V::OnFontStep>, -2},
    {kSettingsFontSize, "表达式放大", 33481, With<&V::OnFormulaFontStep>, 2},
    {kSettingsFontSize, "表达式缩小", 33482, With<&V::OnFormulaFontStep>, -2},
    {kSettingsFontSize, "字母放大", 33738, With<&V::OnLetterSize>, 1},
    {kSettingsFontSize, "字母缩小", 33737, With<&V::OnLetterSize>, -1},
    {kLineSpacing, "增加", 33730, With<&V::OnLineSpacing>, 1},
    {kLineSpacing, "减少", 33731, With<&V::OnLineSpacing>, -1},
    {kSettings, "字母斜体", 33662, With<&V::OnLettersItalic>, 1},
    {kSettings, "字母正体", 33663, With<&V::OnLettersItalic>, 0},
    {kNonChinese, "与汉字相同", 33724, With<&V::OnNonChineseColour>, 0},
    {kNonChinese, "与汉字不同", 33725, With<&V::OnNonChineseColour>, 1},
    {kNonChinese, "与表达式相同", 33726, With<&V::OnNonChineseColour>, 2},
    {kPixelSize, "细", 32793, With<&V::OnPixelSize>, 0},
    {kPixelSize, "中", 32794, With<&V::OnPixelSize>, 1},
    {kPixelSize, "粗1", 32795, With<&V::OnPixelSize>, 2},
    {kPixelSize, "粗2", 32796, With<&V::OnPixelSize>, 3},
    {kSettings, nullptr, 0},

    // 设置: solid figures.
    {kSolid, "上曲面网格形", 32970, With<&V::OnPendingUpperStyle>, 0},
    {kSolid, "上曲面连续形", 32971, With<&V::OnPendingUpperStyle>, 1},
    {kSolid, "下曲面网格形", 32972, With<&V::OnPendingLowerStyle>, 0},
    {kSolid, "下曲面连续形", 32973, With<&V::OnPendingLowerStyle>, 1},
    {kSolid, nullptr, 0},
    {kSolid, "上下曲面倒置时画", 32976, With<&V::OnDrawInverted>, 1},
    {kSolid, "上下曲面倒置时不画", 32977, With<&V::OnDrawInverted>, 0},
    {kSolid, nullptr, 0},
    {kSolid, "矩形区域", 32939, With<&V::OnPendingRegionType>, 0},
    {kSolid, "x 形区域", 32963, With<&V::OnPendingRegionType>, 1},
    {kSolid, "y 形区域", 32964, With<&V::OnPendingRegionType>, 2},
    {kSolid, "隐函数决定的区域", 33006, With<&V::OnPendingRegionType>, 3},
    {kSolid, nullptr, 0},
    {kSolidBase, "Yes", 33187, With<&V::OnPendingProjectBase>, 1},
    {kSolidBase, "No", 33188, With<&V::OnPendingProjectBase>, 0},
    {kSolidXoy, "Yes", 33190, With<&V::OnPendingProjectXoy>, 1},
    {kSolidXoy, "No", 33189, With<&V::OnPendingProjectXoy>, 0},
    {kSolidZc, "Yes", 32978, With<&V::OnCutZc>, 1},
    {kSolidZc, "No", 32979, With<&V::OnCutZc>, 0},
    {kSolidCut, "Yes", 34098, With<&V::OnDrawSurfaceIntersection>, 1},
    {kSolidCut, "No", 34099, With<&V::OnDrawSurfaceIntersection>, 0},
    {kRotation, "逆时针旋转90度", 33531, With<&V::OnRotation>, 0},
    {kRotation, "逆时针旋转45度", 45, With<&V::OnRotation>, 1},
    {kRotation, "顺时针旋转45度", 33534, With<&V::OnRotation>, 2},
    {kRotation, "还原", 33533, With<&V::OnRotation>, 3},
    {kBrightness3D, "增加", 33215, With<&V::OnBrightness3D>, 32},
    {kBrightness3D, "减小", 33216, With<&V::OnBrightness3D>, -32},
    {kSettings, nullptr, 0},

    // 设置: content.
    {kSettings, "显示主要内容、关闭图形", 34325, With<&V::OnShowContent>, 0},
    {kSettings, "显示全部内容、打开图形", 34326, With<&V::OnShowContent>, 1},
    {kSettings, "打开关闭问题切换", 34346, Run<&V::OnToggleProblem>},
    {kSettings, nullptr, 0},

    // 设置: the screen laid out as it will print.
    {kPrintPrepare, "确认", ID_PRINT_PREPARE_OK, Run<&V::OnPrintPrepareOk>},
    {kPrintPrepare, "取消", ID_PRINT_PREPARE_CANCEL, Run<&V::OnPrintPrepareCancel>},

    // 刷新
    {kRefresh, "全部刷新", ID_REFRESH_ALL, Run<&V::OnRefreshAll>},
    {kRefresh, "数据刷新", ID_DATA_REFRESH, Run<&V::OnDataRefresh>},
    {kRefresh, "调整视窗", ID_ADJUST_VIEW, Run<&V::OnAdjustView>},

    // 编辑脚本
    {kEditScript, "Windows98/me", 34291, With<&V::OnEditScript>, 0},
    {kEditScript, "Windows2000", 34292, With<&V::OnEditScript>, 1},
    {kEditScript, "Windows xp", 34294, With<&V::OnEditScript>, 2},

    // Toolbar buttons of the view (the toolbar binds them by id).
    {kNoMenu, nullptr, 33690, With<&V::OnParamStep>, 1},
    {kNoMenu, nullptr, 33691, With<&V::OnParamStep>, 0},
    {kNoMenu, nullptr, 33712, With<&V::OnPlaneCmds>, 1},
    {kNoMenu, nullptr, 33710, With<&V::OnPlaneCmds>, 0},
    {kNoMenu, nullptr, 33544, Run<&V::OnToolLine>},
    {kNoMenu, nullptr, 33560, Run<&V::OnToolVector>},
    {kNoMenu, nullptr, 33564, Run<&V::OnToolPointVector>},
    {kNoMenu, nullptr, 33572, Run<&V::OnToolParabolaUpDown>},
    {kNoMenu, nullptr, 33573, Run<&V::OnToolParabolaLeftRight>},
    {kNoMenu, nullptr, 33556, Run<&V::OnToolDot>},
    {kNoMenu, nullptr, 33559, Run<&V::OnToolEllipse>},
    {kNoMenu, nullptr, 33558, Run<&V::OnToolEllipseRight>},
    {kNoMenu, nullptr, 33570, Run<&V::OnToolInputOff>},
    {kNoMenu, nullptr, 33549, Run<&V::OnToolBorderColour>},
    {kNoMenu, nullptr, 33626, Run<&V::OnToolInteriorColour>},
    {kNoMenu, nullptr, 33547, Run<&V::OnToolOff>},
    // Also routed to the parabola tools, on no toolbar or menu.
    {kNoMenu, nullptr, 33545, Run<&V::OnToolParabolaUpDown>},
    {kNoMenu, nullptr, 33550, Run<&V::OnToolParabolaLeftRight>},

    // Reached by id only.
    {kNoMenu, nullptr, 32772, Run<&V::OnChooseFont>},
    {kNoMenu, nullptr, 32773, Run<&V::OnNextLine>},
    {kNoMenu, nullptr, 32900, Run<&V::OnResetLimitState>},
    {kNoMenu, nullptr, 32990, Run<&V::OnNoUpperCurve>},
    {kNoMenu, nullptr, 32961, Run<&V::OnNoLeftCurve>},
    {kNoMenu, nullptr, 33013, With<&V::OnUpperSurfaceStyleNow>, 0},
    {kNoMenu, nullptr, 33014, With<&V::OnUpperSurfaceStyleNow>, 1},
    {kNoMenu, nullptr, 32980, Run<&V::OnEndSubDemo>},
    {kNoMenu, nullptr, 33230, Run<&V::OnRangeXNarrower>},
    {kNoMenu, nullptr, 33231, Run<&V::OnRangeYWider>},
    {kNoMenu, nullptr, 33232, Run<&V::OnRangeYNarrower>},
    {kNoMenu, nullptr, 33233, Run<&V::OnRangeZWider>},
    {kNoMenu, nullptr, 33234, Run<&V::OnRangeZNarrower>},
    {kNoMenu, nullptr, 32998, With<&V::OnCurveCoefEdit>, 0},
    {kNoMenu, nullptr, 33143, With<&V::OnSurfaceCoefEdit>, 0},
    {kNoMenu, nullptr, 33198, Run<&V::OnCoefEditOff>},
    {kNoMenu, nullptr, 34355, With<&V::OnOpenHtmlPage>, 1},
    {kNoMenu, nullptr, 34356, With<&V::OnOpenHtmlPage>, 2},
    {kNoMenu, nullptr, 34144, With<&V::OnDataVariant>, 0},
    {kNoMenu, nullptr, 34150, With<&V::OnDataVariant>, 0},
    {kNoMenu, nullptr, 34145, With<&V::OnDataVariant>, 1},
    {kNoMenu, nullptr, 34151, With<&V::OnDataVariant>, 1},
    {kNoMenu, nullptr, 34152, With<&V::OnDataVariant>, 2},
    {kNoMenu, nullptr, 34153, With<&V::OnDataVariant>, 3},
    {kNoMenu, nullptr, 34352, With<&V::OnDataLevel>, 0},
    {kNoMenu, nullptr, 34350, With<&V::OnDataLevel>, 1},
    {kNoMenu, nullptr, 34351, With<&V::OnDataLevel>, 2},
    {kNoMenu, nullptr, ID_CURSOR_LEFT, Run<&V::OnCursorLeft>},
    {kNoMenu, nullptr, ID_CURSOR_RIGHT, Run<&V::OnCursorRight>},
    {kNoMenu, nullptr, ID_CURSOR_DOWN, Run<&V::OnCursorDown>},
    {kNoMenu, nullptr, ID_CURSOR_UP, Run<&V::OnCursorUp>},
};
const size_t kCommandRowCount = std::size(kCommandRows);

namespace {

// The in-page editing commands again, under the names of the equations of
// the 函数 menu's differential-equation submenus; they follow those
// submenus, which the catalogue rows build.
const CommandRow kTrailingRows[] = {
    {kFunctions, nullptr, 0},
    {kFunctions, "在视图中改变p、q和f(x)系数", 32997, With<&V::OnCurveCoefEdit>, 1},
    {kFunctions, "在视图中修改f(x)、g(x)的系数", 32997, With<&V::OnCurveCoefEdit>, 1},
    {kFunctions, "在视图中修改f(x,y)的系数", 33142, With<&V::OnSurfaceCoefEdit>, 1},
    {kFunctions, "在视图中修改f(x,y,y')的系数", 33142, With<&V::OnSurfaceCoefEdit>, 1},
};

} // namespace

// --- Lookup and layout ----------------------------------------------------------

namespace {

bool IsCommandItem(UINT id) {
    return id != 0 && id != kLabelId;
}

template <class Row> std::unordered_map<UINT, const Row*> IndexRows(const Row* rows, size_t n) {
    std::unordered_map<UINT, const Row*> index;
    for (size_t i = 0; i < n; ++i)
        if (IsCommandItem(rows[i].id)) index.emplace(rows[i].id, &rows[i]); // first row wins
    return index;
}

template <class Row>
void AppendItems(std::vector<MenuItemRef>* out, const Row* rows, size_t n, const char* menu) {
    for (size_t i = 0; i < n; ++i) {
        const Row& r = rows[i];
        if (r.path.menu && std::strcmp(r.path.menu, menu) == 0)
            out->push_back({r.path, r.text, r.id});
    }
}

} // namespace

const TopicRow* FindTopicRow(UINT id) {
    static const auto index = IndexRows(kTopicRows, kTopicRowCount);
    const auto it = index.find(id);
    return it == index.end() ? nullptr : it->second;
}

const CommandRow* FindCommandRow(UINT id) {
    static const auto index = IndexRows(kCommandRows, kCommandRowCount);
    const auto it = index.find(id);
    return it == index.end() ? FindCatalogRow(id) : it->second;
}

std::vector<MenuItemRef> MenuLayout() {
    std::vector<MenuItemRef> items;
    std::vector<const char*> menus(kViewMenuTitles, kViewMenuTitles + kViewMenuCount);
    menus.push_back(kFileMenuTitle);
    menus.push_back(kHelpMenuTitle);
    for (const char* menu : menus) {
        AppendItems(&items, kTopicRows, kTopicRowCount, menu);
        AppendItems(&items, kCommandRows, kCommandRowCount, menu);
        AppendItems(&items, CatalogCommandRows().data(), CatalogCommandRows().size(), menu);
        AppendItems(&items, kTrailingRows, std::size(kTrailingRows), menu);
    }
    return items;
}
