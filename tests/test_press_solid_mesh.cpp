// The mesh density pair of the 3-D scenes, pressed button by button on
// pages that draw their scene once, twice (a surface under its cut) and
// more often (a solid over its parts): one press is one step, ×1.5 or ×2/3
// (whole divisions, rounded down), held within [5, 200]. The pages print no
// value of the density, so a row reads the division count itself.
#include "test_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct Row {
    const char* page;
    const char* presses; // '|'-separated labels, "增加*3", "减少#2": the second so labelled
    char axis;           // 'x': Meshx, the first pair; 'y': Meshy, the second
    int expected;
    const char* source;
};

class MeshPresses : public test_support::OnSampleCourse<> {
protected:
    void Run(const std::vector<Row>& rows) {
        std::string open;
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.page) + ": " + r.presses + " (" + r.source + ")");
            if (open != r.page) Open(r.page), open = r.page;
            std::stringstream in(r.presses);
            for (std::string p; std::getline(in, p, '|');)
                if (!p.empty()) Press(p);
            EXPECT_EQ(r.axis == 'x' ? view->m_nMeshDivX : view->m_nMeshDivY, r.expected);
        }
    }

private:
    void Press(const std::string& p) {
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
};

// Sources: hand, from the start-up 50: up 75, 112, 168, 200 (252 held);
// down from 200: 133, 88, 58, 38, 25, 16, 10, 6, 5 (4 held); from 50
// down: 33, 22, 14.
TEST_F(MeshPresses, OnePressIsOneStep) {
    Run({
        {"310", "增加", 'x', 75, "hand: 50 × 1.5, a scene drawn once"},
        {"310", "减少#2", 'y', 33, "hand: 50 × 2/3"},
        {"364", "增加", 'x', 75, "hand: a surface drawn twice, one step"},
        {"364", "增加*2", 'x', 168, "hand: 75 → 112 → 168"},
        {"364", "减少", 'x', 112, "hand: 168 × 2/3"},
        {"364", "增加#2", 'y', 75, "hand: 50 × 1.5"},
        {"364", "减少#2*3", 'y', 22, "hand: 75 → 50 → 33 → 22"},
        {"364", "平行坐标面|z=c|增加", 'x', 168, "hand: under the cut z = c too"},
        {"317", "增加", 'x', 75, "hand: a scene drawn three times, one step"},
        {"317", "减少*2", 'x', 33, "hand: 75 → 50 → 33"},
        {"317", "增加#2*2", 'y', 112, "hand: 50 → 75 → 112"},
        {"317", "减少#2", 'y', 74, "hand: 112 × 2/3 = 74.7"},
        {"342", "增加*3", 'x', 168, "hand: 50 → 75 → 112 → 168"},
        {"342", "减少", 'x', 112, "hand: 168 × 2/3"},
        {"345", "增加*4", 'x', 200, "hand: 168 × 1.5 = 252, held at 200"},
        {"345", "减少*3", 'x', 58, "hand: 200 → 133 → 88 → 58"},
        {"345", "减少*6", 'x', 5, "hand: 38, 25, 16, 10, 6, then 4 held at 5"},
        {"345", "增加", 'x', 7, "hand: 5 × 1.5 = 7.5"},
    });
}

} // namespace
