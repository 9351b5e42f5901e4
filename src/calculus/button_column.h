// Where a figure's column of buttons stands: at its nominal place, moved
// left only as far as the real size of its widest button needs to stay
// inside the figure's frame.
#pragma once

#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>

namespace calculus {

// The right edge of a 2-D graph's frame, which stands this far right of the
// plot.
constexpr int kGraphFrameRight = 20;
inline int FrameRight(const CPemroView& v) {
    return v.m_nPlotRight + kGraphFrameRight;
}

// The widest of the auto-sized buttons with these (UTF-8) labels.
inline int WidestButton(const CPemroView& v, std::initializer_list<const char*> labels) {
    int widest = 0;
    for (const char* label : labels) widest = std::max(widest, v.ButtonWidth(Gbk(label)));
    return widest;
}

// The left edge for a column nominally at x whose widest button is `widest`
// wide: its box and two-pixel frame end inside the frame's right edge,
// while there is room left of it.
inline int ColumnInFigure(const CPemroView& v, int x, int widest) {
    const int inside = FrameRight(v) - 2 - widest;
    return x <= inside ? x : std::max(inside, v.m_nFigureLeft);
}

inline int ColumnInFigure(const CPemroView& v, int x, std::initializer_list<const char*> labels) {
    return ColumnInFigure(v, x, WidestButton(v, labels));
}

// How far a row of buttons moves left so that its last one ends inside the
// frame's right edge: each (nominal left edge, UTF-8 label) left to right,
// each standing right of the one before where a large font makes them meet.
inline int RowShiftIntoFigure(const CPemroView& v,
                              std::initializer_list<std::pair<int, const char*>> row) {
    if (row.size() == 0) return 0;
    bool first = true;
    int right = 0;
    for (const auto& [x, label] : row) {
        const int at = first ? x : std::max(x, right + CPemroView::kButtonRowGap);
        right = at + v.ButtonWidth(Gbk(label));
        first = false;
    }
    const int room = std::max(0, row.begin()->first - v.m_nFigureLeft);
    return std::clamp(right + 2 - FrameRight(v), 0, room);
}

// Where the figure gives a column of buttons a place reaching past its right
// edge (a margin of the column's own), the frame widens to hold it: left
// edge x, widest button `widest`, the same every pass. Clicks there stay out
// of the plot, where they would also choose a point. It is part of the frame:
// a pass that leaves the frame as drawn would paint it over buttons it does
// not draw again.
inline void FrameMarginForColumn(CPemroView& v, CDC* pDC, int x, int widest) {
    const int right = x + widest + 5;
    if (right <= FrameRight(v) || !v.m_bFigureVisible) return;
    // Down the graph's frame, which reaches a line past the plot each way.
    const int c = v.m_nBaseCharHeight;
    const int push = v.PlotTopPush(); // the plot gave way
    const CRect margin(FrameRight(v), v.m_nPlotTop - c - 1 - push, right,
                       v.m_nPlotBottom + c + v.m_nFontStep);
    // Its buttons are written inside the frame it widens in every pass.
    if (!v.IsGraphFrameRedrawn()) {
        if (v.IsFigureBandVisible()) v.NoteFigureFrame(margin);
        return;
    }
    v.FillRectGradientPx(pDC, margin.left, margin.top, margin.right, margin.bottom,
                         v.m_crRightFrame, v.m_crRightFrame);
}

inline void FrameMarginForColumn(CPemroView& v, CDC* pDC, int x,
                                 std::initializer_list<const char*> labels) {
    FrameMarginForColumn(v, pDC, x, WidestButton(v, labels));
}

// The nominal y of a button row (laid out for the nominal height 20 and
// scaled to the real one below the plot's top) whose drawn top stays at
// `top` or below: tall buttons of a large window would lift the row out.
inline int RowYNotAbove(const CPemroView& v, int nominalY, int top) {
    const int bh = std::max(1, v.ButtonHeight());
    const auto drawn = [&](int y) {
        return v.m_nPlotTop + int(std::int64_t(bh) * (y - v.m_nPlotTop) / 20);
    };
    int y = nominalY;
    while (drawn(y) < top && y < v.m_nPlotTop) ++y;
    return y;
}

// The margin for buttons at several places: each (left edge, UTF-8 label).
inline void FrameMarginForButtons(CPemroView& v, CDC* pDC,
                                  std::initializer_list<std::pair<int, const char*>> buttons) {
    if (buttons.size() == 0) return;
    const int x = buttons.begin()->first;
    int widest = 0;
    for (const auto& [at, label] : buttons)
        widest = std::max(widest, at - x + v.ButtonWidth(Gbk(label)));
    FrameMarginForColumn(v, pDC, x, widest);
}

// How far right of the plot's right edge R the buttons at (R - inset, UTF-8
// label) and the frame's margin around them reach.
inline int ReachPastPlot(const CPemroView& v,
                         std::initializer_list<std::pair<int, const char*>> buttons) {
    int reach = kGraphFrameRight;
    for (const auto& [inset, label] : buttons)
        reach = std::max(reach, v.ButtonWidth(Gbk(label)) + 5 - inset);
    return reach;
}

// Before the graph is laid out: a figure whose buttons reach `reach` past
// its plot gives up the right end of its box so that they stay in the
// window, which does not scroll sideways (a font step widens the buttons
// past a box laid out in columns). Zoomed, the figure is fitted anew.
inline void KeepReachInWindow(CPemroView& v, int reach) {
    if (v.m_bZoom || !v.m_bFigureVisible) return;
    const int right = v.m_nClipRight - 1 - reach;
    if (v.m_nGraphRight > right) v.m_nGraphRight = std::max(right, v.m_nGraphLeft + 1);
}

// The left edge of a title button standing in the row of the range boxes
// above the plot, nominally at x: right of the last box where it would
// cover its arrows.
inline int TitleRightOfRangeBoxes(const CPemroView& v, int x) {
    int box[4][2];
    v.RangeBoxes2D(box);
    return x < box[3][1] + CPemroView::kButtonRowGap ? box[3][1] + CPemroView::kButtonRowGap : x;
}

} // namespace calculus
