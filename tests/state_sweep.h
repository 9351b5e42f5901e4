// The state sweep: every sample page at the three window sizes, through its
// opening state, a click on each drawn button, the buttons a mode button
// brings, and a button clicked ten times; each state checked for the faults
// a lecturer sees (buttons acting twice, hidden text, controls outside their
// figure, figures over the page text, lines through value labels, and a
// click pass that leaves a picture other than a full repaint).
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
constexpr Window kWindows[] = {{1010, 695}, {1266, 887}, {1586, 927}};

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
// or -1 for the page's own text.
struct PassLog : CPemroView::TextSink, CPemroView::ControlSink {
    struct Piece {
        CRect cell, ink;
        std::string text; // GBK
        bool opaque;
        int figure;
        bool command; // written by a figure command record
        COLORREF colour;
        std::shared_ptr<const std::vector<bool>> mask; // ink pixels of `ink`, row by row
    };
    struct Ctl {
        CRect box;
        int frame;
        CPoint labelAt;
        std::string label; // GBK
        int figure;
    };
    std::vector<Piece> pieces;
    std::vector<Ctl> controls;
    std::vector<CRect> figures;   // drawn in the pass: the frame with the layout box
    std::vector<CRect> allPlaced; // every figure placed, drawn or not
    int current = -1;
    bool inCommand = false;

    void OnText(int, int, const char*, int, const LOGFONT&, COLORREF) override {}
    void OnTextPiece(int x, int y, const char* gbk, int count, const LOGFONT& font, COLORREF colour,
                     bool opaque) override;
    void OnFigurePlaced(const CRect& box, bool visible) override;
    void OnRecordBegins(bool command) override;
    void OnFigureFrame(const CRect& frame) override;
    void OnControl(const CRect& box, int frame, CPoint labelAt, const CString& label,
                   const LOGFONT& font) override;
};

// The faults of one state of a view, its log from a full repaint.
void CheckState(const CPemroView& v, const PassLog& log, const QImage& repaint,
                const std::string& page, int width, const std::string& state,
                std::vector<Fault>* faults);

// How far a sweep goes: the states after clicks, and the range boxes'
// arrows among the buttons clicked.
struct Options {
    bool clicks = true;
    bool glyphs = true;
    bool zoom = false; // the right button's zoom switched on first
};

// Every state of one page at one window size; `states` counts them.
void SweepPage(const Page& page, Window w, Options options, std::vector<Fault>* faults,
               int* states);

// The known faults still open, read from the checked-in list.
std::vector<Fault> ReadKnownFaults(const std::string& path);

} // namespace sweep
