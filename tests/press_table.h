// Sample pages pressed row by row as a lecturer presses them. Each row names
// its page, the presses, one read-out and its value worked out apart (the
// row's source); rows of one page run on, each from the state the last left.
//
// page: its code, "212/2400" for a window that tall; "gs020" a page of the
// second course (gsdata/).
// presses: '|'-separated, each a button label ("a增*3": three times; "n增#2":
// the second button so labelled; "\\|" a '|' of the label itself; a label
// no control answers to: the piece of text so written, an answer block's
// button), "@x,y"
// (a click at the world point of the figure whose state the view shows: the
// one last pressed, else the last drawn; "@x,y,z" at a space point of a 3-D
// figure, projected as its lines are), "^x,y" / "^x,y,z" (the mouse moved,
// pressed and let go there: the cursor point follows, as a lecturer's
// click moves it), "@NNNN" (the menu command NNNN, as
// the page's menu item opens it) or "open" (the page anew). The
// repaint after a press draws again what the click redraws, so a figure
// that draws its construction only when clicked shows it only then.
// label: the read-out whose first value is checked ("b=#2": its second);
// "?text" / "!text": the text shows / does not ("?=text": a piece of the
// page is that text and no more, a figure's own label beside prose that
// holds the same letters); "ink@x,y" / "bare@x,y": some
// pixel / no pixel within two of that world point differs from the one at
// `expected`'s world point "x,y" (a bare place of the figure); "rgb@x,y": some
// pixel within two of the world point has the colour `expected` "r,g,b" (none
// has it: "!r,g,b"); "ink3@x,y,z", "bare3@x,y,z", "rgb3@x,y,z": the same at
// space points of a 3-D figure, turned, arranged and projected as its lines
// are (`expected` of ink3/bare3 a bare space point "x,y,z"); "rgbi@u,v": the
// same at a point of the projection inset, in the ranges it is drawn over;
// "head@x1,y1>x2,y2" / "head3@x1,y1,z1>x2,y2,z2": the arrow between the
// two points has its head at the second, the colour `expected` "r,g,b"
// covering at least four pixels more within six of it than of the first;
// "at@x,y" / "at3@x,y,z" / "ati@u,v": a piece that is exactly the text
// `expected` has its top left corner within six pixels of that point (a name
// written there);
// "framed@label": the first control so labelled lies wholly inside a frame
// (a figure's or a panel's) of a repaint;
// "%q=": the value written after the label (its first; "%q=#2" its
// second, "%#k" a table's k-th number, empty labels counted) is in the
// colour `expected` "r,g,b" ("%=text": a piece that is exactly text is);
// "λ =_#k": the subscript of the k-th value so labelled (the next piece
// after the value that is not empty); "=dr": the value a page prints
// nothing of (the fields of `Field`) equals the number `expected` to nine decimals ("=π1a",
// "=π2d", "=π2f": the drawn planes' coefficients); "=Meshx" / "=Meshy": the mesh
// division counts, "=radius" the rolling ball's radius in pixels, "=upper" /
// "=lower" the surface forms drawn, whole numbers. Several checks after one
// press: label "L1;;L2" with `expected` "E1;;E2", each pair checked in turn.
//
// A file holds its tables only: PRESS_TABLE(Suite, Name) { Run({rows}); },
// or RunScript(script, {rows}) for rows on a script of the test's own.
#pragma once

#include "state_sweep.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace press_table {

struct Row {
    const char* page;
    const char* presses;
    const char* label;
    const char* expected;
    const char* source;
};

class PressTable : public test_support::OnSampleCourse<> {
protected:
    void Run(const std::vector<Row>& rows) {
        std::string open;
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.page) + ": " + r.presses + " -> " + r.label + " (" +
                         r.source + ")");
            if (open != r.page) OpenPage(r.page), open = r.page;
            pressing = std::string(r.page).substr(0, std::string(r.page).find('/'));
            for (const std::string& p : Split(r.presses, '|')) Press(p);
            Repaint();
            const auto labels = Pieces(r.label), expects = Pieces(r.expected);
            ASSERT_EQ(labels.size(), expects.size()) << r.label;
            for (size_t i = 0; i < labels.size(); ++i) {
                SCOPED_TRACE(labels[i]);
                Check(labels[i], expects[i]);
            }
        }
    }
    // A row's several checks, split at ";;".
    static std::vector<std::string> Pieces(const std::string& s) {
        std::vector<std::string> out;
        for (size_t from = 0;;) {
            const size_t at = s.find(";;", from);
            out.push_back(s.substr(from, at - from));
            if (at == s.npos) return out;
            from = at + 2;
        }
    }
    // The rows on a page of the test's own: `script` stored under the code
    // of the first row's page in a scratch data folder, current meanwhile.
    void RunScript(const std::string& script, const std::vector<Row>& rows) {
        test_support::ScratchDir scratch("press");
        std::error_code ec;
        test_support::fs::create_directories("data", ec);
        test_support::WriteScript(rows.front().page, script);
        scripted = true;
        Run(rows);
        scripted = false;
    }

private:
    // "212/2400": page 212 in a window 2400 pixels tall.
    void OpenPage(const std::string& page) {
        const size_t slash = page.find('/');
        std::string code = page.substr(0, slash);
        family = code.rfind("gs", 0) == 0 ? 0 : -1;
        if (family == 0) code.erase(0, 2);
        OpenIn(code, slash == page.npos ? test_support::kPageHeight
                                        : std::atoi(page.c_str() + slash + 1));
    }
    // The fixture's own opening, for the family the row named.
    void OpenIn(const std::string& code, int height) {
        if (family < 0) return Open(code.c_str(), height);
        view = std::make_unique<CPemroView>();
        view->ResetTopic(family);
        view->m_strTopicCode = code.c_str();
        view->m_pTextSink = &log;
        view->ResizeClient(test_support::kPageWidth, height);
        view->RenderPending();
        Repaint();
    }
    // Splits at the bars that are not escaped ("\\|" stays in the label).
    static std::vector<std::string> Split(const std::string& s, char by) {
        std::vector<std::string> parts(1);
        for (size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == by)
                parts.back() += s[++i];
            else if (s[i] == by)
                parts.emplace_back();
            else
                parts.back() += s[i];
        }
        std::vector<std::string> kept;
        for (std::string& p : parts)
            if (!p.empty()) kept.push_back(std::move(p));
        return kept;
    }
    // How far a name's corner may stand off the point it names, in pixels.
    static constexpr int kNear = 6;
    int family = -1;
    std::string pressing; // the row's page, for PEMRO_PRESS_LOG
    bool scripted = false;
    // PEMRO_PRESS_LOG=file: each button pressed, "page<TAB>figure<TAB>label
    // <TAB>n<TAB>times<TAB>sample|script", the n-th so labelled in its figure,
    // figures counted in the page's order as the state sweep counts them
    // (tools/press_coverage.sh). A repaint of its own finds the figure.
    void LogPress(const std::string& label, int k, int times) {
        const char* path = std::getenv("PEMRO_PRESS_LOG");
        if (!path) return;
        sweep::PassLog pass;
        view->m_pTextSink = &pass;
        view->m_pControlSink = &pass;
        // As ControlsOfRepaint repaints, so that the k-th is the one pressed.
        view->Invalidate();
        view->RenderPending();
        for (int i = 0; i < 100 && view->HasPendingPaint(); ++i) view->RenderPending();
        pass.EndFigure();
        view->m_pTextSink = &log;
        view->m_pControlSink = nullptr;
        const std::string gbk = Gbk(label);
        const auto placed = [&](const sweep::PassLog::Ctl& c) {
            return c.figure < 0 ? -1 : pass.placedOf[size_t(c.figure)];
        };
        const sweep::PassLog::Ctl* pressed = nullptr;
        for (const auto& c : pass.controls)
            if (c.label == gbk && --k == 0) {
                pressed = &c;
                break;
            }
        const int figure = pressed ? placed(*pressed) : -1;
        int n = 0;
        for (const auto& c : pass.controls) {
            n += c.label == gbk && placed(c) == figure;
            if (&c == pressed) break;
        }
        if (FILE* f = std::fopen(path, "a")) {
            std::fprintf(f, "%s\t%d\t%s\t%d\t%d\t%s\n", pressing.c_str(), figure, label.c_str(), n,
                         times, scripted ? "script" : "sample");
            std::fclose(f);
        }
    }
    CPoint At(const std::string& xy) const {
        const size_t comma = xy.find(',');
        return CPoint(Px(std::atof(xy.c_str())), Py(std::atof(xy.c_str() + comma + 1)));
    }
    // A space point of the figure the view shows, where its lines put it.
    CPoint At3(const std::string& xyz) const {
        double x = 0, y = 0, z = 0;
        if (std::sscanf(xyz.c_str(), "%lf,%lf,%lf", &x, &y, &z) != 3) ADD_FAILURE() << xyz;
        view->TurnPoint3D(&x, &y);
        view->ArrangeAxes3D(&x, &y, &z);
        int sx = -1, sy = -1;
        view->ProjectPoint3D(x, y, z, &sx, &sy);
        return CPoint(sx, sy);
    }
    // A point of the projection inset.
    CPoint AtInset(const std::string& uv) const {
        const CPemroView& v = *view;
        const double* r = v.m_adPlaneRange;
        const size_t comma = uv.find(',');
        const double u = std::atof(uv.c_str()), w = std::atof(uv.c_str() + comma + 1);
        return CPoint(int(v.m_nInsetLeft + (u - r[0]) / v.m_adPlaneSpan[0] * v.m_nInsetWidth),
                      int(v.m_nInsetBottom - (w - r[2]) / v.m_adPlaneSpan[1] * v.m_nInsetHeight));
    }
    // The pixel of "kind@x,y", "kind3@x,y,z" ("@x,y,z" for a click) or "kindi@u,v".
    CPoint Where(const std::string& label) const {
        const size_t at = label.find('@');
        const std::string point = label.substr(at + 1);
        if (at > 0 && label[at - 1] == 'i') return AtInset(point);
        const bool space = at == 0 ? point.find(',') != point.rfind(',') : label[at - 1] == '3';
        return space ? At3(point) : At(point);
    }
    void Press(const std::string& p) {
        if (p == "open") {
            const std::string code = view->m_strTopicCode;
            return OpenIn(code, view->BackingImage().height());
        }
        if (p[0] == '@' && p.find(',') == p.npos) {
            view->OnCommand(std::atoi(p.c_str() + 1));
            return Repaint();
        }
        if (p[0] == '^') {
            const CPoint c = Where("@" + p.substr(1));
            view->OnMouseMove(0, c);
            view->OnLButtonDown(MK_LBUTTON, c);
            view->OnLButtonUp(0, c);
            return Repaint();
        }
        if (p[0] == '@') {
            const CPoint c = Where(p);
            return Click(c.x, c.y);
        }
        const size_t star = p.rfind('*');
        const int times = star == p.npos ? 1 : std::atoi(p.c_str() + star + 1);
        const std::string label = p.substr(0, star);
        const size_t hash = label.rfind('#');
        LogPress(label.substr(0, hash),
                 hash == label.npos ? 1 : std::atoi(label.c_str() + hash + 1), times);
        for (int i = 0; i < times; ++i) {
            int k = hash == label.npos ? 1 : std::atoi(label.c_str() + hash + 1);
            const std::string gbk = Gbk(label.substr(0, hash));
            for (const auto& c : test_support::ControlsOfRepaint(view.get()).controls)
                if (c.label == gbk && --k == 0) {
                    Click((c.box.left + c.box.right) / 2, (c.box.top + c.box.bottom) / 2);
                    break;
                }
            // The answer blocks' filled buttons report no control: their
            // caption, written two pixels below the box's top, is clicked.
            for (size_t j = 0; k > 0 && j < log.pieces.size(); ++j)
                if (log.pieces[j].text == gbk && --k == 0)
                    Click(log.pieces[j].x + 3, log.pieces[j].y + 3);
            ASSERT_EQ(k, 0) << label;
        }
    }
    // The fields a press changes on pages that print no value of them.
    double* Field(const std::string& name) const {
        CPemroView& v = *view;
        double* const sf = v.m_adCoefSurfF;
        double* const sg = v.m_adCoefSurfG;
        const struct {
            const char* name;
            double* field;
        } fields[] = {
            {"dr", &v.m_dDR},       {"dθ", &v.m_dDTheta}, {"dz", &v.m_dDZ},
            {"m", &v.m_dDirM},      {"n", &v.m_dDirN},    {"p", &v.m_dDirP},
            {"P", &v.m_adPQR[0]},   {"Q", &v.m_adPQR[1]}, {"R", &v.m_adPQR[2]},
            {"t", &v.m_dDemoParam}, {"h", &v.m_dStepH},   {"α", &v.m_dSavedSignificance},
            {"δ", &v.m_dDelta},     {"ε", &v.m_dEpsilon}, {"φ", &v.m_dDemoVariant},
            {"dφ", &v.m_dDPhi},     {"π1a", sf},          {"π2d", sg + 3},
            {"π2f", sg + 5},
        };
        for (const auto& f : fields)
            if (name == f.name) return f.field;
        return nullptr;
    }
    void Check(const std::string& label, const std::string& expected) {
        if (!label.rfind("?=", 0)) {
            EXPECT_GT(log.Count(Gbk(label.substr(2))), 0);
        } else if (label[0] == '?' || label[0] == '!') {
            EXPECT_EQ(log.Saw(label.substr(1)), label[0] == '?');
        } else if (label == "=Meshx" || label == "=Meshy" || label == "=radius" ||
                   label == "=upper" || label == "=lower") {
            const int whole = label == "=radius"  ? view->m_nBallRadius
                              : label == "=upper" ? view->m_nSurfaceUpper
                              : label == "=lower" ? view->m_nSurfaceLower
                              : label[5] == 'x'   ? view->m_nMeshDivX
                                                  : view->m_nMeshDivY;
            EXPECT_EQ(whole, std::atoi(expected.c_str()));
        } else if (label[0] == '=') {
            const double* field = Field(label.substr(1));
            ASSERT_NE(field, nullptr) << label;
            EXPECT_NEAR(*field, std::atof(expected.c_str()), 1e-9);
        } else if (!label.rfind("rgb@", 0) || !label.rfind("rgb3@", 0) ||
                   !label.rfind("rgbi@", 0)) {
            const CPoint p = Where(label);
            int r = 0, g = 0, b = 0;
            const bool absent = expected[0] == '!';
            ASSERT_EQ(std::sscanf(expected.c_str() + absent, "%d,%d,%d", &r, &g, &b), 3)
                << expected;
            bool seen = false;
            for (int dx = -2; dx <= 2; ++dx)
                for (int dy = -2; dy <= 2; ++dy)
                    seen = seen || test_support::ColourAt(view->BackingImage(), p.x + dx,
                                                          p.y + dy) == RGB(r, g, b);
            EXPECT_NE(seen, absent);
        } else if (!label.rfind("head@", 0) || !label.rfind("head3@", 0)) {
            const size_t at = label.find('@'), to = label.find('>');
            const std::string kind = label.substr(0, at + 1);
            const CPoint tail = Where(kind + label.substr(at + 1, to - at - 1)),
                         head = Where(kind + label.substr(to + 1));
            int r = 0, g = 0, b = 0;
            ASSERT_EQ(std::sscanf(expected.c_str(), "%d,%d,%d", &r, &g, &b), 3) << expected;
            const auto count = [&](CPoint p) {
                int n = 0;
                for (int dx = -6; dx <= 6; ++dx)
                    for (int dy = -6; dy <= 6; ++dy)
                        n += test_support::ColourAt(view->BackingImage(), p.x + dx, p.y + dy) ==
                             RGB(r, g, b);
                return n;
            };
            const int atHead = count(head), atTail = count(tail);
            EXPECT_GE(atHead, atTail + 4)
                << "head " << atHead << " at " << head.x << "," << head.y << ", tail " << atTail
                << " at " << tail.x << "," << tail.y;
        } else if (!label.rfind("ink@", 0) || !label.rfind("bare@", 0) ||
                   !label.rfind("ink3@", 0) || !label.rfind("bare3@", 0)) {
            const CPoint p = Where(label),
                         q = Where(label.substr(0, label.find('@') + 1) + expected);
            const auto& image = view->BackingImage();
            const COLORREF bare = test_support::ColourAt(image, q.x, q.y);
            bool ink = false;
            for (int dx = -2; dx <= 2; ++dx)
                for (int dy = -2; dy <= 2; ++dy)
                    ink = ink || test_support::ColourAt(image, p.x + dx, p.y + dy) != bare;
            EXPECT_EQ(ink, label[0] == 'i');
        } else if (!label.rfind("at@", 0) || !label.rfind("at3@", 0) || !label.rfind("ati@", 0)) {
            const CPoint p = Where(label);
            bool near = false;
            std::string seen; // where the text stands instead, for the failure message
            for (const auto& piece : log.pieces) {
                if (piece.text != Gbk(expected)) continue;
                near =
                    near || (std::abs(piece.x - p.x) <= kNear && std::abs(piece.y - p.y) <= kNear);
                seen += " " + std::to_string(piece.x) + "," + std::to_string(piece.y);
            }
            EXPECT_TRUE(near) << expected << " not at " << p.x << "," << p.y << "; at" << seen;
        } else if (!label.rfind("framed@", 0)) {
            log.frames.clear();
            const auto controls = test_support::ControlsOfRepaint(view.get());
            const test_support::Control* c = controls.Find(label.substr(7));
            ASSERT_NE(c, nullptr) << label;
            bool framed = false;
            for (const CRect& f : log.frames)
                framed = framed || (f.left <= c->box.left && c->box.right <= f.right &&
                                    f.top <= c->box.top && c->box.bottom <= f.bottom);
            EXPECT_TRUE(framed) << c->box.left << ".." << c->box.right;
        } else if (!label.rfind("%=", 0)) {
            int r = 0, g = 0, b = 0;
            ASSERT_EQ(std::sscanf(expected.c_str(), "%d,%d,%d", &r, &g, &b), 3) << expected;
            const std::string text = Gbk(label.substr(2));
            bool seen = false;
            for (const auto& piece : log.pieces)
                seen = seen || (piece.text == text && piece.colour == RGB(r, g, b));
            EXPECT_TRUE(seen) << label;
        } else if (label[0] == '%') {
            int r = 0, g = 0, b = 0;
            ASSERT_EQ(std::sscanf(expected.c_str(), "%d,%d,%d", &r, &g, &b), 3) << expected;
            // "%#k": the k-th so labelled, as a table's k-th number.
            const size_t hash = label.rfind('#');
            int k = hash == label.npos ? 1 : std::atoi(label.c_str() + hash + 1);
            const std::string gbk =
                Gbk(label.substr(1, hash == label.npos ? label.npos : hash - 1));
            const auto& pieces = log.pieces;
            size_t i = 0;
            while (i + 1 < pieces.size() && (pieces[i].text != gbk || --k > 0)) ++i;
            ASSERT_LT(i + 1, pieces.size()) << label;
            EXPECT_EQ(pieces[i + 1].colour, RGB(r, g, b));
        } else {
            const size_t hash = label.rfind('#');
            const size_t k = hash == label.npos ? 0 : std::atoi(label.c_str() + hash + 1) - 1;
            std::string name = label.substr(0, hash);
            const bool sub = name.size() > 1 && name.back() == '_';
            if (sub) name.pop_back();
            const auto values = sub ? Subscripts(name) : After(name);
            EXPECT_EQ(k < values.size() ? values[k] : "(none)", Gbk(expected));
        }
    }
    // The subscripts after each value so labelled.
    std::vector<std::string> Subscripts(const std::string& utf8Label) const {
        std::vector<std::string> out;
        const auto& pieces = log.pieces;
        const std::string label = Gbk(utf8Label);
        for (size_t i = 0; i < pieces.size(); ++i) {
            if (pieces[i].text != label) continue;
            size_t j = i + 2;
            while (j < pieces.size() && pieces[j].text.empty()) ++j;
            out.push_back(j < pieces.size() ? pieces[j].text : "(none)");
        }
        return out;
    }
};

} // namespace press_table

// A table test: every suite shares the one fixture under its own name.
#define PRESS_TABLE(Suite, Name)                                                                   \
    using Suite = ::press_table::PressTable;                                                       \
    TEST_F(Suite, Name)
