#include "app/toolbar.h"

#include "app/command_ids.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>

// Prompts of the string table; the tooltip is the button's short name.
const ToolButton kFileToolButtons[3] = {
    {ID_FILE_NEW, ToolIcon::New, "新建", "建立新文档"},
    {ID_FILE_OPEN, ToolIcon::Open, "打开", "打开一个现有文档"},
    {ID_APP_ABOUT, ToolIcon::About, "关于", "显示程序信息、版本号和版权"},
};

const ToolButton kViewToolButtons[16] = {
    {ID_TOOL_LINE, ToolIcon::Line, "画直线", "画直线 选起点和终点(在图形窗口中有效)"},
    {ID_TOOL_VECTOR, ToolIcon::Vector, "向量", "向量 选起点和终点(在图形窗口中有效)"},
    {ID_TOOL_POINT_VECTOR, ToolIcon::PointVector, "点向量",
     "点向量 选起点和终点(在图形窗口中有效)"},
    {ID_TOOL_PARABOLA_UPDOWN, ToolIcon::ParabolaUpDown, "抛物线（开口上下）",
     "抛物线（开口上下）选三个点(在图形窗口中有效)"},
    {ID_TOOL_PARABOLA_LEFTRIGHT, ToolIcon::ParabolaLeftRight, "抛物线（开口左右）",
     "抛物线（开口左右）选三个点(在图形窗口中有效)"},
    {ID_TOOL_DOT, ToolIcon::Dot, "圆点（小）", "圆点（小）(在图形窗口中有效)"},
    {ID_TOOL_ELLIPSE, ToolIcon::Ellipse, "椭圆（无向）",
     "椭圆（无向）选中心点和边界点(在图形窗口中有效)"},
    {ID_TOOL_ELLIPSE_RIGHT, ToolIcon::EllipseRight, "椭圆（右向）",
     "椭圆（右向）选中心点和边界点(在图形窗口中有效)"},
    {ID_TOOL_INPUT_OFF, ToolIcon::InputOff, "关闭画图输入", "关闭画图输入"},
    {ID_TOOL_BORDER_COLOUR, ToolIcon::BorderColour, "边界颜色", "边界颜色"},
    {ID_TOOL_INTERIOR_COLOUR, ToolIcon::InteriorColour, "内部颜色", "内部颜色"},
    {ID_PLANE_CMDS_ON, ToolIcon::PlaneCmdsOn,
     "打开脚本中画平面图形的直线、抛物线、椭圆和向量等命令",
     "打开脚本中画平面图形的直线、抛物线、椭圆和向量等命令"},
    {ID_PLANE_CMDS_OFF, ToolIcon::PlaneCmdsOff,
     "关闭脚本中画平面图形直线、抛物线、椭圆和向量等命令",
     "关闭脚本中画平面图形直线、抛物线、椭圆和向量等命令"},
    {ID_TOOL_OFF, ToolIcon::LinesOff, "关闭画线", "关闭画线"},
    {ID_PARAM_STEP_INCREASE, ToolIcon::StepIncrease, "改变参数步长选择：增加",
     "改变参数步长选择：增加"},
    {ID_PARAM_STEP_DECREASE, ToolIcon::StepDecrease, "改变参数步长选择：减少",
     "改变参数步长选择：减少"},
};

namespace {

const QColor kInk(0, 0, 0);
const QColor kBlue(0, 0, 192);
const QColor kRed(192, 0, 0);
const QColor kGreen(0, 128, 0);

void Arrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot(to.x() - from.x(), to.y() - from.y()));
    const QPointF n(-d.y(), d.x());
    p.drawLine(to, to - 4 * d + 3 * n);
    p.drawLine(to, to - 4 * d - 3 * n);
}

void Parabola(QPainter& p, bool upDown) {
    QPainterPath path;
    for (int i = 0; i <= 12; ++i) {
        const double t = (i - 6) / 6.0; // -1 .. 1
        const QPointF pt =
            upDown ? QPointF(8 + 6.5 * t, 14 - 11 * t * t) : QPointF(2 + 11 * t * t, 8 + 6.5 * t);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    p.drawPath(path);
}

// A small figure standing for the script's plane drawing commands.
void PlaneFigure(QPainter& p) {
    p.setPen(kBlue);
    p.drawLine(1, 12, 9, 4);
    p.drawEllipse(QRectF(5.5, 8.5, 7, 4));
}

void Paint(QPainter& p, ToolIcon icon) {
    p.setPen(QPen(kInk, 1));
    switch (icon) {
    case ToolIcon::New:
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}}));
        p.drawPolyline(QPolygonF({{10, 1}, {10, 4}, {13, 4}}));
        break;
    case ToolIcon::Open:
        p.setBrush(QColor(230, 200, 80));
        p.drawPolygon(QPolygonF({{1, 4}, {5, 4}, {6, 5}, {12, 5}, {12, 13}, {1, 13}}));
        p.setBrush(QColor(250, 225, 120));
        p.drawPolygon(QPolygonF({{3, 8}, {15, 8}, {12, 13}, {1, 13}}));
        break;
    case ToolIcon::About: {
        p.setBrush(QColor(255, 255, 200));
        p.drawEllipse(QRectF(1.5, 1.5, 12, 12));
        QFont font = p.font();
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.setPen(kBlue);
        p.drawText(QRectF(1.5, 1.5, 12, 12), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case ToolIcon::Line:
        p.drawLine(2, 13, 13, 2);
        break;
    case ToolIcon::Vector:
        Arrow(p, {2, 13}, {13, 2});
        break;
    case ToolIcon::PointVector:
        p.setBrush(kInk);
        p.drawEllipse(QRectF(1, 11, 3, 3));
        Arrow(p, {3, 12}, {13, 2});
        break;
    case ToolIcon::ParabolaUpDown:
        Parabola(p, true);
        break;
    case ToolIcon::ParabolaLeftRight:
        Parabola(p, false);
        break;
    case ToolIcon::Dot:
        p.setBrush(kInk);
        p.drawEllipse(QRectF(5.5, 5.5, 4, 4));
        break;
    case ToolIcon::Ellipse:
        p.drawEllipse(QRectF(1.5, 4.5, 12, 7));
        break;
    case ToolIcon::EllipseRight:
        p.drawEllipse(QRectF(1.5, 4.5, 11, 7));
        Arrow(p, {7, 8}, {14, 8});
        break;
    case ToolIcon::InputOff:
        p.drawLine(2, 13, 9, 6);
        p.setPen(QPen(kRed, 2));
        p.drawLine(9, 9, 14, 14);
        p.drawLine(14, 9, 9, 14);
        break;
    case ToolIcon::BorderColour:
        p.setPen(QPen(kRed, 2));
        p.drawRect(QRectF(3, 3, 10, 10));
        break;
    case ToolIcon::InteriorColour:
        p.setBrush(kGreen);
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        break;
    case ToolIcon::PlaneCmdsOn:
        PlaneFigure(p);
        p.setPen(QPen(kGreen, 2));
        p.drawPolyline(QPolygonF({{9, 4}, {11, 6}, {15, 1}}));
        break;
    case ToolIcon::PlaneCmdsOff:
        PlaneFigure(p);
        p.setPen(QPen(kRed, 2));
        p.drawLine(10, 1, 15, 6);
        p.drawLine(15, 1, 10, 6);
        break;
    case ToolIcon::LinesOff:
        p.drawLine(1, 8, 14, 8);
        p.setPen(QPen(kRed, 2));
        p.drawLine(3, 3, 12, 13);
        break;
    case ToolIcon::StepIncrease:
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({{8, 2}, {14, 12}, {2, 12}}));
        break;
    case ToolIcon::StepDecrease:
        p.setBrush(kRed);
        p.drawPolygon(QPolygonF({{2, 3}, {14, 3}, {8, 13}}));
        break;
    }
}

} // namespace

QIcon MakeToolIcon(ToolIcon icon) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    Paint(painter, icon);
    painter.end();
    return QIcon(pixmap);
}
