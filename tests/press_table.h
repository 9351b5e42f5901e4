// Sample pages pressed row by row as a lecturer presses them. Each row names
// its page, the presses, one read-out and its value worked out apart (the
// row's source); rows of one page run on, each from the state the last left.
//
// page: its code, "212/2400" for a window that tall.
// presses: '|'-separated, each a button label ("a增*3": three times; "n增#2":
// the second button so labelled), "@x,y"
// (a click at the world point of the last figure) or "open" (the page anew).
// label: the read-out whose first value is checked ("b=#2": its second);
// "?text" / "!text": the text shows / does not; "ink@x,y" / "bare@x,y": some
// pixel / no pixel within two of that world point differs from the one at
// `expected`'s world point "x,y" (a bare place of the figure).
#pragma once

#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
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
            for (const std::string& p : Split(r.presses, '|')) Press(p);
            Repaint();
            Check(r.label, r.expected);
        }
    }

private:
    // "212/2400": page 212 in a window 2400 pixels tall.
    void OpenPage(const std::string& page) {
        const size_t slash = page.find('/');
        const std::string code = page.substr(0, slash);
        Open(code.c_str(),
             slash == page.npos ? test_support::kPageHeight : std::atoi(page.c_str() + slash + 1));
    }
    static std::vector<std::string> Split(const std::string& s, char by) {
        std::vector<std::string> parts;
        std::stringstream in(s);
        for (std::string p; std::getline(in, p, by);)
            if (!p.empty()) parts.push_back(p);
        return parts;
    }
    CPoint At(const std::string& xy) const {
        const size_t comma = xy.find(',');
        return CPoint(Px(std::atof(xy.c_str())), Py(std::atof(xy.c_str() + comma + 1)));
    }
    void Press(const std::string& p) {
        if (p == "open") {
            const std::string code = view->m_strTopicCode;
            return Open(code.c_str(), view->BackingImage().height());
        }
        if (p[0] == '@') {
            const CPoint c = At(p.substr(1));
            return Click(c.x, c.y);
        }
        const size_t star = p.rfind('*');
        const int times = star == p.npos ? 1 : std::atoi(p.c_str() + star + 1);
        const std::string label = p.substr(0, star);
        const size_t hash = label.rfind('#');
        for (int i = 0; i < times; ++i) {
            int k = hash == label.npos ? 1 : std::atoi(label.c_str() + hash + 1);
            const std::string gbk = Gbk(label.substr(0, hash));
            for (const auto& c : test_support::ControlsOfRepaint(view.get()).controls)
                if (c.label == gbk && --k == 0) {
                    Click((c.box.left + c.box.right) / 2, (c.box.top + c.box.bottom) / 2);
                    break;
                }
            ASSERT_EQ(k, 0) << label;
        }
    }
    void Check(const std::string& label, const std::string& expected) {
        if (label[0] == '?' || label[0] == '!') {
            EXPECT_EQ(log.Saw(label.substr(1)), label[0] == '?');
        } else if (!label.rfind("ink@", 0) || !label.rfind("bare@", 0)) {
            const CPoint p = At(label.substr(label.find('@') + 1)), q = At(expected);
            const auto& image = view->BackingImage();
            const COLORREF bare = test_support::ColourAt(image, q.x, q.y);
            bool ink = false;
            for (int dx = -2; dx <= 2; ++dx)
                for (int dy = -2; dy <= 2; ++dy)
                    ink = ink || test_support::ColourAt(image, p.x + dx, p.y + dy) != bare;
            EXPECT_EQ(ink, label[0] == 'i');
        } else {
            const size_t hash = label.rfind('#');
            const size_t k = hash == label.npos ? 0 : std::atoi(label.c_str() + hash + 1) - 1;
            const auto values = After(label.substr(0, hash));
            EXPECT_EQ(k < values.size() ? values[k] : "(none)", expected);
        }
    }
};

} // namespace press_table
