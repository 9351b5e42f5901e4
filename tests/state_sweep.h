// The state sweep: every sample page at the lecturers' window sizes, opened
// by its topic and from each menu item that opens it, through its opening
// state, a click on each drawn button, the buttons a mode button brings, a
// button clicked ten times, a right-click zoom and a font step; each state
// checked in its logs and in its finished picture for the faults a lecturer
// sees (buttons acting twice or not at all, hidden or covered text, controls
// and fills outside their figure, figures over the page text or cut by the
// window, lines through value labels, click areas that miss their control,
// and a click pass that leaves a picture other than a full repaint).
#pragma once

#include "view/view.h"

#include <QImage>

#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace sweep {

struct Window {
    int width, height;
};
// The sizes every run sweeps, and those of the long form (PEMRO_SWEEP_LONG).
// Faults are keyed by the width, so no two sizes share one.
constexpr Window kWindows[] = {{1010, 695}, {1266, 887}, {1586, 927},
                               {1024, 768}, {1366, 768}, {1920, 1080}};
constexpr Window kLongWindows[] = {{800, 600}, {2560, 1440}, {1280, 2160}};

// A sample page: its family (-1 for data/, 0 for gsdata/) and topic code.
struct Page {
    int family;
    std::string code;
    std::string Name() const { return family == 0 ? "gs" + code : code; }
};
// Printed by name, so the test names CTest discovers stay the same from run to run.
inline void PrintTo(const Page& page, std::ostream* os) {
    *os << page.Name();
}

// One fault: where it was seen and of which kind; `detail` says what met
// what and is not part of the key.
struct Fault {
    std::string page;
    int width;
    std::string state;
    std::string kind;
    std::string detail;
    std::tuple<std::string, int, std::string, std::string> Key() const {
        return {page, width, state, kind};
    }
};

// What a pass wrote and drew: text pieces, controls and figure boxes, in
// page pixels, each with the figure (index into `figures`) it belongs to,
// or -1 for the page's own text. With `view` set it also watches what each
// figure changes in the picture outside its box.
struct PassLog : CPemroView::TextSink, CPemroView::ControlSink {
    struct Piece {
        CRect cell, ink;
        std::string text; // GBK
        bool opaque;
        int figure;
        bool command; // written by a figure command record
        COLORREF colour;
        std::shared_ptr<const std::vector<bool>> mask; // ink pixels of `ink`, row by row
        std::shared_ptr<const std::vector<bool>> core; // its fully inked pixels
    };
    struct Ctl {
        CRect box; // a range glyph's: its cell
        CRect ink; // a range glyph's ink, else the box
        int frame;
        CPoint labelAt;
        std::string label; // GBK
        int figure;
    };
    // Pixels a figure changed outside its box while it drew.
    struct Spill {
        int figure;
        int pixels;
        CRect where; // page pixels
    };
    std::vector<Piece> pieces;
    std::vector<Ctl> controls;
    std::vector<CRect> figures;   // drawn in the pass: the frame with the layout box
    std::vector<CRect> allPlaced; // every figure placed, drawn or not
    std::vector<int> placedOf;    // each drawn figure's index in `allPlaced`
    std::vector<CRect> hitAreas;  // where the view answers clicks, as it tests them
    std::vector<Spill> spills;
    int current = -1;
    bool inCommand = false;
    const CPemroView* view = nullptr;
    // Processor time the log's own checks took inside the pass (measuring
    // ink, watching figures): a state's time leaves it out.
    double ownSeconds = 0;

    void OnText(int, int, const char*, int, const LOGFONT&, COLORREF) override {}
    void OnTextPiece(int x, int y, const char* gbk, int count, const LOGFONT& font, COLORREF colour,
                     bool opaque) override;
    void OnFigurePlaced(const CRect& box, bool visible) override;
    void OnRecordBegins(bool command) override;
    void OnFigureFrame(const CRect& frame) override;
    void OnControl(const CRect& box, int frame, CPoint labelAt, const CString& label,
                   const LOGFONT& font) override;
    // Ends the watch of the figure drawing now (at the end of the pass too).
    void EndFigure();

private:
    void WatchFigure(int figure);
    int m_watched = -1;
    QImage m_before;
    size_t m_piecesAt = 0, m_controlsAt = 0;
};

// The faults of one state of a view, its log from a full repaint.
void CheckState(const CPemroView& v, const PassLog& log, const QImage& repaint,
                const std::string& page, int width, const std::string& state,
                std::vector<Fault>* faults);

// How far a sweep goes.
struct Options {
    bool clicks = true;  // the states after clicks
    bool ten = true;     // without `clicks`: one step button ten times all the same
    bool glyphs = true;  // the range boxes' arrows among the buttons clicked
    bool zoom = false;   // the right button's zoom switched on first, nothing else
    bool deep = false;   // each step button thirty times and back down
    bool pairs = false;  // each pair of buttons of a figure
    bool extras = true;  // opened from the menu, a zoom, a font step, a stray click
    bool sheets = false; // the printed sheets (the paper's size, not the window's)
};

// The processor time of one state's full repaint.
struct StateTime {
    std::string state;
    int width;
    double seconds;
};

struct Result {
    std::vector<Fault> faults;
    int states = 0;
    std::vector<StateTime> times;
    // Every button seen: "figure<TAB>label<TAB>n", the n-th so labelled in
    // its figure, figures counted in the page's order (tools/press_coverage.sh).
    std::set<std::string> buttons;
};

// Every state of one page at one window size.
void SweepPage(const Page& page, Window w, Options options, Result* result);

// The known faults still open, read from the checked-in list.
std::vector<Fault> ReadKnownFaults(const std::string& path);

// Small geometry and text helpers of the checks and the walk.
inline CRect Shifted(const CRect& r, int dx, int dy) {
    return CRect(r.left + dx, r.top + dy, r.right + dx, r.bottom + dy);
}
inline CRect Inflated(const CRect& r, int d) {
    return CRect(r.left - d, r.top - d, r.right + d, r.bottom + d);
}
// Overlap of at least a pixel each way beyond `slack`.
inline bool Meet(const CRect& a, const CRect& b, int slack = 0) {
    const CRect i = a.Intersect(b);
    return i.Width() > slack && i.Height() > slack;
}
inline bool Inside(const CRect& inner, const CRect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}
std::string Utf8(const std::string& gbk);
std::string Where(const CRect& r);

} // namespace sweep
